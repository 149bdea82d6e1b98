"""The end-to-end run's export for GIS from the window: Arquivo → Exportar para SIG...,
the GeoPackage's name typed in the save dialog, the reference system in the export
dialog, and the program's report of what it wrote. The file itself is read back by
e2e_geopackage.py with the others the run wrote.
"""

import os

from e2e_janela import Falha, clicar, digitar, esperar, foto, marcado, texto

SISTEMA = "EPSG:31983"  # the sample chart's UTM zone 23 S, on SIRGAS 2000
NOME_SISTEMA = "SIRGAS 2000 / UTM zone 23S"
MUNDO = "Arquivo de mundo da imagem escaneada"
TIPO_OFERECIDO = "GeoPackage (*.gpkg)"


def relato(caminho, pontos, vertices, controle):
    """The box that tells what was written: one line per layer of the GeoPackage."""
    return (f" {caminho}: {pontos} pontos, formato GPKG, {NOME_SISTEMA}\n"
            f" {caminho}: polígono limite de {vertices} vértices, camada poligono_limite\n"
            f" {caminho}: {controle} pontos de controle com os resíduos, camada pontos_controle\n")


def conferir_tipo_oferecido(p, dialogo):
    """The save dialog offers GeoPackage first: the file type list, the dialog's lowest
    combo box, shows it."""
    tipo = p.de_papel(dialogo, "combo box")[-1].get_name()
    if tipo != TIPO_OFERECIDO:
        raise Falha(f"the save dialog offers the file type {tipo!r}, expected {TIPO_OFERECIDO!r}")


def preencher_dialogo(p, fotos):
    """Types the system into the export dialog, leaves the world file out (it would be
    written beside the chart, into the checkout) and presses Exportar."""
    dialogo = p.esperar_janela("Exportar para SIG", ("dialog",))
    campo = p.de_papel(dialogo, "text")[0]
    caixas = [c for c in p.de_papel(dialogo, "check box") if c.get_name() == MUNDO]
    if len(caixas) != 1 or marcado(caixas[0]):
        raise Falha(f"the export dialog should show the box {MUNDO!r} once, unticked")
    clicar(campo)
    digitar(SISTEMA)
    esperar(lambda: texto(campo) == SISTEMA, f"the reference system field to hold {SISTEMA}")
    foto(os.path.join(fotos, "exportar_sig.png"))
    clicar(p.botao(dialogo, "Exportar"))
    p.esperar_fechar(dialogo, "the export dialog")


def exportar(trabalho, titulo_aplicacao):
    """Exports the sample job open in the window to a GeoPackage in the run's folder;
    returns what the check of the file needs: its name, the sample job's files and the
    system's EPSG code."""
    p = trabalho.p
    caminho = os.path.join(trabalho.pasta, "carta_exemplo.gpkg")
    amostras = os.path.join(trabalho.args.raiz, "samples")
    p.menu("Arquivo", "Exportar para SIG...")
    p.esperar_painel(6, " Função corrente: Exportar para SIG")
    conferir_tipo_oferecido(p, trabalho.esperar_dialogo_arquivo()[0])
    trabalho.dialogo_arquivo(caminho)
    preencher_dialogo(p, trabalho.fotos)
    vertices = sum(1 for ponto in trabalho.pontos if ponto.get("marca", -1) != -1)
    # An error box carries the same caption: its text is what tells them apart.
    p.caixa(titulo_aplicacao, relato(caminho, len(trabalho.pontos), vertices, len(trabalho.controle)))
    p.esperar_painel(6, " Função corrente: Nenhuma")
    return dict(gpkg=caminho, enh=os.path.join(amostras, "carta_exemplo.ENh"),
                reserva=os.path.join(amostras, "carta_exemplo_RESERVA.ENh"),
                epsg=int(SISTEMA.partition(":")[2]))
