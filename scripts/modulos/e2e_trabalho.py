"""The digitizing job of the end-to-end run, step by step in the real window.

Opens the sample chart, orients it on four labelled grid crossings, digitizes spot
heights (one of them first with a value typed with a decimal comma, then cancelled),
undoes one, saves, starts a new digitization, reopens the saved job, adds a sounding,
builds the limit polygon, inspects the points, saves again, reopens the sample job from
samples/, exports it to a GeoPackage (e2e_exportar.py) and quits; oriented, the chart
is also seen in the overview and the magnifier, and at the end an A0 sheet is worked
through with them (e2e_exibir.py). Every box is waited for by its caption and its text is
checked; what the program shows is held against values computed here from the clicked
pixels and the control points. What was clicked and typed goes to
execucao.json for the check of the files (e2e_conferir.py).

Run by scripts/e2e inside a display and a session bus of its own.
"""

import argparse
import json
import math
import os
import re
import subprocess
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_janela import (Falha, Programa, clicar, digitar, esperar, foto, habilitado,  # noqa: E402
                        marcado, papel, tecla, texto, valor, xdotool)
from e2e_exibir import Folha_a0, fotografar, navegar_na_a0  # noqa: E402
from e2e_exportar import exportar  # noqa: E402
from e2e_orientacao import escala, orientacao, para_carta, residuos  # noqa: E402

TITULO_APLICACAO = "mapirel"  # simple messages carry the program file's name
CONTROLE = [(312200, 7455800), (313200, 7455800), (313200, 7455200), (312200, 7455200)]
ATENCAO_NOVA = ("Abrir nova imagem resultará na DELEÇÃO de TODOS os dados já digitalizados.\n\n\n"
                "      OK            -> para abrir nova imagem\n\n"
                "      Cancelar   -> para não abrir nova imagem.\n\n\n")
ATENCAO_ABRIR_DADOS = (
    "             ATENÇÃO:\n\n    Para CONTINUAR a digitalização procure os pontos \n\n"
    "     ja digitalizados mostrados em VERDE.\n\n   - Selecione ALTITUDE ou PROFUNDIDADE\n\n"
    "     em Digitalizar-> Ponto -> ...   \n\n"
    "   OBS. - Os pontos usados na orientação continuam em azul.     \n\n\n")
DIALOGO_VALOR = "Inserção da altitude / profundidade"

inicio = time.monotonic()


def passo(descricao):
    print(f"e2e: {time.monotonic() - inicio:6.1f} s  {descricao}", flush=True)


def igual(mostrado, esperado, o_que):
    if mostrado != esperado:
        raise Falha(f"{o_que}: shows {mostrado!r}, expected {esperado!r}")


def perto(mostrado, esperado, o_que, tolerancia=0.001):
    """A number the program computed, within a millimetre of the exact value (one unit
    in the last of three printed decimals)."""
    if abs(float(mostrado) - float(esperado)) > tolerancia + 1e-9:
        raise Falha(f"{o_que}: shows {mostrado}, expected {float(esperado):.4f}")


def ler_carta(caminho):
    """The sample chart's geometry: grid crossings, spot heights and soundings."""
    cruzamentos, altitudes, profundidades = {}, [], []
    with open(caminho, encoding="utf-8") as f:
        for linha in f:
            campos = linha.split()
            if not campos or campos[0].startswith("#"):
                continue
            if campos[0] == "cruzamento":
                E, N, x, y = map(float, campos[1:])
                cruzamentos[(int(E), int(N))] = (round(x), round(y))
            else:
                v, E, N, x, y = map(float, campos[1:])
                ponto = dict(valor=campos[1], E=E, N=N, x=round(x), y=round(y))
                (altitudes if campos[0] == "altitude" else profundidades).append(ponto)
    return cruzamentos, altitudes, profundidades


# ---------------------------------------------------------------- the limit polygon

def extremos(pontos):
    """Positions of the westmost, northmost, eastmost and southmost points; the first
    in list order wins a tie."""
    def primeiro(chave, sinal):
        melhor = 0
        for i, p in enumerate(pontos):
            if sinal * p[chave] > sinal * pontos[melhor][chave]:
                melhor = i
        return melhor
    return primeiro("E", -1), primeiro("N", 1), primeiro("E", 1), primeiro("N", -1)


def tipo_regiao(pontos, iW, iN, iE, iS):
    """Type and sub-region count of a polygon with four distinct extremes, with the
    auxiliary corner that types 1 to 4 list after the vertices."""
    nW, nE = pontos[iW]["N"], pontos[iE]["N"]
    eN, eS = pontos[iN]["E"], pontos[iS]["E"]
    if nW == nE:
        return (7 if eN == eS else 6), 4, []
    if eN == eS:
        return 5, 4, []
    if nW > nE:
        return (4, 5, [(eN, nE)]) if eN < eS else (3, 5, [(eS, nE)])
    return (2, 5, [(eS, nW)]) if eN > eS else (1, 5, [(eN, nW)])


# ---------------------------------------------------------------- steps

class Trabalho:
    def __init__(self, args):
        self.args = args
        self.pasta = args.pasta
        self.fotos = os.path.join(args.pasta, "fotos")
        self.imagem = os.path.join(args.raiz, "samples", "carta_exemplo.jpg")
        self.cruzamentos, self.altitudes, self.profundidades = ler_carta(
            os.path.join(args.raiz, "samples", "carta_exemplo.txt"))
        self.controle = []      # (E, N, x, y) as typed and clicked
        self.pontos = []        # the job's points: n, E, N (exact), x, y, h, text typed
        self.salvamentos = []
        self.exportacao = None  # the GeoPackage written from the window, for its check

    def iniciar(self, *argumentos):
        ambiente = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        LC_ALL="pt_BR.UTF-8")
        self.log = open(os.path.join(self.pasta, "programa.log"), "a")
        # Started from the checkout's root, where the sample job's relative image name
        # resolves.
        self.processo = subprocess.Popen([self.args.programa, *argumentos], cwd=self.args.raiz,
                                         env=ambiente, stdout=self.log, stderr=subprocess.STDOUT)
        self.p = Programa(self.processo)
        if argumentos:
            return
        self.p.esperar_painel(6, " Função corrente: NENHUMA ")
        self.p.conferir_maximizada("the start")
        self.p.vigiar_tamanho()
        passo("the program is up")

    def esperar_dialogo_arquivo(self):
        """Qt's file dialog, once on the screen, and its file name field."""
        def achar():
            for j in self.p.janelas():
                campos = [d for d in self.p.de_papel(j, "text") if d.get_name() == "Nome do arquivo:"]
                if campos:
                    return j, campos[0]
            return None
        return esperar(achar, "a file dialog", diagnostico=self.p.resumo)

    def dialogo_arquivo(self, caminho):
        """Types the full path into Qt's file dialog and accepts it with Return."""
        dialogo, campo = self.esperar_dialogo_arquivo()
        clicar(campo)
        tecla("ctrl+a")
        digitar(caminho)
        esperar(lambda: texto(campo) == caminho, f"the file name field to hold {caminho}")
        tecla("Return")
        # Should the field's completion list have taken the first Return, give another.
        try:
            self.p.esperar_fechar(dialogo, "the file dialog", espera=3)
        except Falha:
            tecla("Return")
            self.p.esperar_fechar(dialogo, "the file dialog")

    def abrir_imagem(self):
        self.p.menu("Arquivo", "Abrir imagem")
        self.dialogo_arquivo(self.imagem)
        self.p.esperar_painel(6, " Função corrente: Nenhuma ")
        esperar(lambda: self.p._area_imagem()[1][2:] == (3000, 2300), "the chart at its natural size")
        self.p.conferir_maximizada("Abrir imagem")
        for item, ativo in (("Abrir dados", False), ("Concatenar dados", False),
                            ("Nova digitalização", True), ("Ler coord. de  carta", True)):
            if habilitado(self.p.item_menu(item)) != ativo:
                raise Falha(f"after opening the image, {item!r} should be {'en' if ativo else 'dis'}abled")
        # The mouse on the first control point: the status bar shows its pixel.
        self.p.apontar_pixel(*self.cruzamentos[CONTROLE[0]])
        foto(os.path.join(self.fotos, "janela_carta.png"))
        passo("Abrir imagem: the chart is shown at 3000 x 2300 pixels")

    def rolar_com_a_roda(self):
        """One wheel notch scrolls the picture by 5 % of the window's height, over the
        picture, over the scroll bars and over the status bar alike; a horizontal wheel
        scrolls nothing."""
        horizontal, vertical = self.p.barras_de_rolagem()
        degrau = int(0.05 * self.p.estado_janela()[1][3])
        imagem, painel = self.p.vista(), self.p.rotulo_painel(5)
        inicio = valor(vertical)
        for sobre, botao, esperado in ((imagem, 5, inicio + degrau), (vertical, 5, inicio + 2 * degrau),
                                       (horizontal, 4, inicio + degrau), (painel, 4, inicio)):
            self.p.girar_roda(sobre, botao)
            esperar(lambda: valor(vertical) == esperado,
                    f"the wheel over the {papel(sobre)} to scroll to {esperado}",
                    diagnostico=lambda: f"the view is at {valor(vertical)}")
        for botao in (6, 7):
            self.p.girar_roda(imagem, botao)
        self.p.girar_roda(imagem, 5)  # a notch down after them: they did nothing
        esperar(lambda: valor(vertical) == inicio + degrau, "the wheel to scroll one step",
                diagnostico=lambda: f"the view is at {valor(vertical)}")
        igual(valor(horizontal), 0, "the horizontal scroll position after horizontal wheel turns")
        self.p.esperar_painel(6, " Função corrente: Nenhuma")
        passo(f"Roda: a notch scrolls {degrau} pixels over the picture, the scroll bars and the status bar")

    def ler_coordenadas(self):
        self.p.menu("Orientação", "Ler coord. de  carta")
        dialogo = self.p.esperar_janela("Coordenadas para orientacao da folha")
        self.p.esperar_painel(6, " Função corrente: DIG. COORD. DE CARTA P/ ORIENTAÇÃO")
        este, norte = self.p.de_papel(dialogo, "text")
        lista = self.p.de_papel(dialogo, "list")[0]
        ok = self.p.botao(dialogo, "Ok")
        for k, (E, N) in enumerate(CONTROLE):
            if habilitado(ok) != (k >= 4):
                raise Falha("the dialog's Ok button should be enabled from the fourth point on")
            clicar(este)
            digitar(str(E))
            clicar(norte)
            digitar(str(N))
            clicar(self.p.botao(dialogo, "Adicionar o ponto"))
            linha = " %3d        %10.3f      %11.3f" % (101 + k, E, N)
            esperar(lambda: lista.get_child_count() == k + 1, f"list line {k + 1}")
            igual(lista.get_child_at_index(k).get_name(), linha, f"control point line {k + 1}")
            esperar(lambda: texto(este) == "" and texto(norte) == "", "the edits to be emptied")
        foto(os.path.join(self.fotos, "pontos_controle.png"))
        clicar(ok)
        self.p.caixa("NULL", " Devera sollicitar a visita e o click nos pontos de orientacao")
        self.p.esperar_fechar(dialogo, "the control point dialog")
        self.p.esperar_painel(6, " Função corrente: NENHUMA ")
        passo("Ler coord. de  carta: four control points typed, numbered 101 to 104")

    def associar(self):
        self.p.menu("Orientação", "Digit. coord. imagem")
        self.p.caixa(" NULL", " Digitalizar as coordenadas \n\n de orientação da imagem.\n\n "
                              "Respeitar a ordem das coord. de carta digitadas ")
        self.p.esperar_painel(6, " Função corrente: Digit. coord. imagem p/ Orientação")
        for k, (E, N) in enumerate(CONTROLE):
            x, y = self.cruzamentos[(E, N)]
            self.p.clicar_pixel(x, y)
            self.p.caixa("Aceitação de ponto digitalizado",
                         " Ponto a associar   %3d\n\n -> E = %10.3f  com x = %5d\n\n"
                         " -> N = %11.3f  com y = %5d\n" % (101 + k, E, x, N, y))
            self.controle.append((E, N, x, y))
        self.p.caixa(TITULO_APLICACAO, " Ja se pode realizar o ajustamento de orientacao")
        passo("Digit. coord. imagem: the four crossings clicked and confirmed")

    def ajustar(self):
        self.coef = orientacao(self.controle)
        self.p.menu("Orientação", "Calcular orientação")
        caixa = self.p.esperar_janela(" Estatistica da orientação")
        relatorio = self.p.texto_caixa(caixa)
        self.conferir_relatorio(relatorio)
        self.p.esperar_painel(6, " Função corrente: AJUSTAMENTO DA ORIENTAÇÃO ")
        foto(os.path.join(self.fotos, "relatorio_orientacao.png"))
        clicar(self.p.botao(caixa, "OK"))
        self.p.esperar_fechar(caixa, "the orientation report")
        self.p.caixa(TITULO_APLICACAO, " A imagem está orientada !!!! \n\n Para digitalizar pontos "
                                       "selecionar \n\n -> Digitalizar - Pontos - ALTITUDES ou "
                                       "PROFUNDIDADES.\n\n\n")
        self.p.esperar_painel(6, " Função corrente: nenhuma ")
        self.p.esperar_painel(4, " Escala aprox.  1 / %d" % self.escala)
        passo(f"Calcular orientação: report checked, scale 1 / {self.escala}, accepted")

    def conferir_relatorio(self, relatorio):
        """The residual report, line by line, against the exact orientation."""
        self.escala, metros = escala(self.controle)
        linhas = relatorio.split("\n")
        igual(linhas[0], " DIFERENÇAS ENTRE COORDENADAS DE ORIENTAÇÃO ", "report heading")
        igual(linhas[2], " Pto     DeltaE       DeltaN       DeltaD", "report columns")
        deltas = residuos(self.controle, self.coef)
        numero = re.compile(r"-?\d+\.\d+")
        for i, (dE, dN, dD) in enumerate(deltas):
            linha = linhas[3 + i]
            igual(linha[:4], "  %2d" % (i + 1), f"report line {i + 1}")
            for mostrado, esperado, nome in zip(numero.findall(linha), (dE, dN, dD), "END"):
                perto(mostrado, esperado, f"Delta{nome} of control point {i + 1}")
        medias = [sum(d[k] for d in deltas) / len(deltas) for k in range(3)]
        desvios = [math.sqrt(sum((d[k] - medias[k]) ** 2 for d in deltas) / (len(deltas) - 1))
                   for k in range(3)]
        resto = "\n".join(linhas[3 + len(deltas):])
        valores = numero.findall(resto)
        for mostrado, esperado in zip(valores[:6], medias + desvios):
            perto(mostrado, esperado, "mean or standard deviation of the residuals")
        if " REFERÊNCIA --->   1 pixel ~= %5.2fm" % metros not in resto:
            raise Falha(f"report: no pixel size {metros:.2f} m in\n{resto}")
        if not relatorio.endswith(" \n\n OK          Para aceitar a orientação.\n\n CANCEL  "
                                  "Para refazer a leitura de ptos de tela."):
            raise Falha(f"report ends with {relatorio[-80:]!r}")
        self.relatorio = relatorio
        self.maior_residuo = max(d[2] for d in deltas)

    def escolher(self, modo):
        self.p.menu("Digitalizar", "Pontos", modo)
        self.p.esperar_painel(6, {"Altitudes": " Função corrente: Digitalização de ALTITUDES ",
                                  "Profundidades": " Função corrente: Digitalização de PROFUNDIDADES "}[modo])
        if not marcado(self.p.item_menu(modo)):
            raise Falha(f"{modo!r} should be checked")

    def abrir_valor(self, ponto, numero, profundidade=False):
        """Clicks the point on the image and checks the value dialog it opens."""
        self.p.apontar_pixel(ponto["x"], ponto["y"])
        E, N = para_carta(self.coef, ponto["x"], ponto["y"])
        # While oriented the status bar follows the mouse in chart coordinates.
        esperar(lambda: self.p.painel(2).startswith(" E= "), "E in the status bar")
        perto(self.p.painel(2)[4:-2], E, "E in the status bar")
        perto(self.p.painel(3)[4:-2], N, "N in the status bar")
        igual(self.p.painel(2)[:4] + self.p.painel(2)[-2:], " E=  m", "E panel format")
        igual(len(self.p.painel(2)), len(" E= %11.3f m" % 0), "E panel width")
        xdotool("click", 1)
        dialogo = self.p.esperar_janela(DIALOGO_VALOR)
        valor, num, este, norte = self.p.de_papel(dialogo, "text")
        igual(texto(num), " %d" % numero, "the value dialog's point number")
        perto(texto(este), E, "the value dialog's E")
        perto(texto(norte), N, "the value dialog's N")
        igual(len(texto(este)), len(" %11.3f" % 0), "width of the value dialog's E")
        igual(texto(valor), "", "the value edit")
        radios = {r.get_name(): marcado(r) for r in self.p.de_papel(dialogo, "radio button")}
        igual(radios, {"Altitude": not profundidade, "Profundidade": profundidade}, "the dialog's radio buttons")
        return dialogo, valor, E, N

    def digitalizar(self, ponto, numero, profundidade=False, foto_nome=None):
        dialogo, valor, E, N = self.abrir_valor(ponto, numero, profundidade)
        clicar(valor)
        digitar(ponto["valor"])
        esperar(lambda: texto(valor) == ponto["valor"], "the typed value")
        if foto_nome:
            foto(os.path.join(self.fotos, foto_nome))
        tecla("Return")  # the dialog's default button, "Armazenar o valor"
        self.p.esperar_fechar(dialogo, "the value dialog")
        h = -float(ponto["valor"]) if profundidade else float(ponto["valor"])
        self.pontos.append(dict(n=numero, E=E, N=N, x=ponto["x"], y=ponto["y"], h=h, digitado=ponto["valor"]))

    def cancelar_valor(self, ponto, numero):
        """Clicks the point and leaves the value dialog with a click on "Cancelar": no
        point, and the Enter of the next showing still stores (the focus Cancelar had
        does not make it the default button)."""
        dialogo, _, _, _ = self.abrir_valor(ponto, numero)
        clicar(self.p.botao(dialogo, "Cancelar"))
        self.p.esperar_fechar(dialogo, "the value dialog")

    def digitalizar_com_virgula(self, ponto, numero):
        """A Brazilian hand types the decimal comma: refused while typing and at OK,
        and no point is stored; the point is then clicked again."""
        com_virgula = ponto["valor"].replace(".", ",")
        antes, depois = com_virgula.split(",")
        dialogo, valor, _, _ = self.abrir_valor(ponto, numero)
        clicar(valor)
        digitar(antes + ",")
        self.p.caixa("Erro de digitação !", " Caractere digitado inválido !!!! ")
        digitar(depois)  # the comma is still there: each change is refused again
        self.p.caixa("Erro de digitação !", " Caractere digitado inválido !!!! ")
        esperar(lambda: texto(valor) == com_virgula, f"the value edit to hold {com_virgula}")
        clicar(self.p.botao(dialogo, "Armazenar o valor"))
        self.p.esperar_fechar(dialogo, "the value dialog")
        self.p.caixa(" Erro ao digitar o valor da ALTITUDE",
                     "Valor digitado   `%s`  para a ALTITUDE é inválido. \n\n Repita a operações de "
                     "\n\n DIGITALIZAÇÃO e DIGITAÇÃO.\n\n" % com_virgula)

    def digitalizar_altitudes(self):
        alt = self.altitudes
        oeste = min(alt, key=lambda p: p["E"])
        norte = max(alt, key=lambda p: p["N"])
        leste = max(alt, key=lambda p: p["E"])
        sul = min(alt, key=lambda p: p["N"])
        cume = max(alt, key=lambda p: float(p["valor"]))
        if len({id(p) for p in (oeste, norte, leste, sul, cume)}) != 5:
            raise Falha("the sample chart's spot heights do not give five distinct points")
        self.escolher("Altitudes")
        self.digitalizar_com_virgula(oeste, 1)
        # Neither the refused value nor the cancelled dialog stored anything: the same
        # point gets number 1 again, stored with Enter.
        self.cancelar_valor(oeste, 1)
        self.digitalizar(oeste, 1)
        self.digitalizar(norte, 2, foto_nome="valor_altitude.png")
        self.digitalizar(leste, 3)
        self.digitalizar(sul, 4)
        self.digitalizar(cume, 5)
        passo("Altitudes: five spot heights digitized, one of them after a refused comma and a cancel")

    def desfazer(self):
        self.p.focar()
        tecla("ctrl+z")
        dialogo = self.p.esperar_janela("Remoção de ponto")
        ultimo = self.pontos[-1]
        numero, este, norte, valor = self.p.de_papel(dialogo, "text")
        igual(texto(numero), " %d" % ultimo["n"], "the removal dialog's point number")
        perto(texto(este), ultimo["E"], "the removal dialog's E")
        perto(texto(norte), ultimo["N"], "the removal dialog's N")
        igual(texto(valor), "%7.1f" % ultimo["h"], "the removal dialog's value")
        clicar(self.p.botao(dialogo, "Remover ponto"))
        self.p.esperar_fechar(dialogo, "the removal dialog")
        self.p.esperar_painel(6, " Função corrente: Nenhuma")
        self.pontos.pop()
        passo(f"Desfazer (Ctrl+Z): point {ultimo['n']} removed")

    def salvar(self, digitado, nome):
        """Saves through the save dialog, typing the name as given (the dialog adds the
        default extension when it has none), and notes what the files must hold."""
        self.p.menu("Arquivo", "Salvar")
        self.p.caixa(" Salvar pontos digitalizados",
                     " Ha %d pontos a armazenar !!!\n\n Salvar    OK \n\n Cancelar   CANCEL" % len(self.pontos))
        self.dialogo_arquivo(os.path.join(self.pasta, digitado))
        enh = os.path.join(self.pasta, nome + ".ENh")
        reserva = os.path.join(self.pasta, nome + "_RESERVA.ENh")
        self.p.caixa(" NOme arquivo ", enh)
        self.p.caixa(" NOme do arquivo Reserva", reserva)
        self.p.caixa(" DAdos gravadaos", " Dados gravados em arquivo ")
        for caminho in (enh, reserva):
            if not os.path.isfile(caminho):
                raise Falha(f"{caminho} was not written")
        self.salvamentos.append(dict(enh=enh, reserva=reserva, pontos=[
            dict(n=p["n"], x=p["x"], y=p["y"], h=p["h"], marca=p.get("marca", -1), reaberto=p.get("reaberto", False))
            for p in self.pontos]))
        self.reserva = reserva
        passo(f"Salvar: {os.path.basename(enh)} and {os.path.basename(reserva)} written")

    def nova_digitalizacao(self):
        self.p.menu("Arquivo", "Nova digitalização")
        self.p.caixa(" ATENÇÃO", ATENCAO_NOVA)
        self.p.esperar_painel(6, " Função corrente: NENHUMA ")
        for painel, esperado in ((2, " E = "), (3, " N = "), (4, " Escala 1 / ")):
            self.p.esperar_painel(painel, esperado)
        passo("Nova digitalização: the job is discarded")

    def abrir_dados(self):
        self.p.menu("Arquivo", "Abrir dados")
        self.dialogo_arquivo(self.reserva)
        self.p.caixa("ATENÇÃO !!!! ", ATENCAO_ABRIR_DADOS)
        self.p.conferir_maximizada("Abrir dados")
        self.p.esperar_painel(6, " Função corrente: espera selecao tipo de ponto (ALTIT ou PROF) ")
        self.p.esperar_painel(4, " Escala aprox.  1 / %d" % self.escala)
        # The points come back as the file holds them: rounded to the millimetre.
        for p in self.pontos:
            p["E"], p["N"], p["reaberto"] = round(float(p["E"]), 3), round(float(p["N"]), 3), True
        passo("Abrir dados: the saved job is back, orientation and points restored")

    def digitalizar_sondagem(self):
        self.escolher("Profundidades")
        sondagem = max(self.profundidades, key=lambda p: float(p["valor"]))  # the deepest
        self.digitalizar(sondagem, len(self.pontos) + 1, profundidade=True)
        passo(f"Profundidades: sounding {sondagem['valor']} digitized as point {len(self.pontos)}")

    def poligono(self):
        pts = [dict(E=float(p["E"]), N=float(p["N"])) for p in self.pontos]
        iW, iN, iE, iS = extremos(pts)
        if len({iW, iN, iE, iS}) != 4:
            raise Falha("the job's points do not have four distinct extremes")
        tipo, sub, auxiliar = tipo_regiao(pts, iW, iN, iE, iS)
        self.p.menu("Operacoes", "Polig. convexo")
        igual(self.p.caixa(" indices pconv "), " %d %d %d %d  Regiao = %d / %d" % (iW, iN, iE, iS, tipo, sub),
              "the extremes and the region type")
        caracterizacao = self.p.caixa(" Caracterizacao da Regiao")
        igual(caracterizacao.split("\n")[:3], ["  REGIAO  TIPO ", " Tipo = %d com %d sub-regioes" % (tipo, sub), ""],
              "the region's characterization")
        cantos = [(pts[i]["E"], pts[i]["N"]) for i in (iW, iN, iE, iS)] + auxiliar
        numeros = [float(v) for v in re.findall(r"-?\d+\.\d+", caracterizacao)]
        for (E, N), (mE, mN) in zip(cantos, zip(numeros[0::2], numeros[1::2])):
            perto(mE, E, "a corner of the region")
            perto(mN, N, "a corner of the region")
        igual(len(numeros), 2 * len(cantos), "the number of corners listed")
        vertices = "".join(" Pto(%d) = %d \n" % (k + 1, i) for k, i in enumerate((iW, iN, iE, iS)))
        self.p.caixa(" Acabou de criar o Pol limite  ", vertices)
        # Types 1 to 7 classify no point: region 1 repeats the vertex listing, the
        # others are empty.
        self.p.caixa(" Pontos da regiao 1", vertices)
        for r in range(2, 6):
            self.p.caixa(" Pontos da regiao %d" % r, "")
        self.p.caixa("  ", " terminou de determinar a reg de cada pto")
        self.p.esperar_painel(6, " Função corrente: nenhuma")
        for k, i in enumerate((iW, iN, iE, iS)):
            self.pontos[i]["marca"] = k + 1
        passo(f"Polig. convexo: limit polygon of type {tipo}, vertices {iW} {iN} {iE} {iS}")

    def inspecionar(self, mostrar=True):
        if mostrar:
            # The south-west of the chart behind the window: control point 104 in blue,
            # reopened points in green.
            self.p.mostrar_pixel(650, 1700, centrar=True)
        self.p.menu("Dados", "Inspecionar")
        janela = self.p.esperar_janela("Dados Digitalizados")
        lista = self.p.de_papel(janela, "list")[0]
        esperar(lambda: lista.get_child_count() == len(self.pontos), "the inspection list")
        for k, p in enumerate(self.pontos):
            linha = lista.get_child_at_index(k).get_name()
            campos = linha.split()
            esperado = "%6d %11.3f %12.3f %8.3f %4d" % (p["n"], float(p["E"]), float(p["N"]), p["h"], p.get("marca", -1))
            igual(len(linha), len(esperado), f"width of inspection line {k + 1}")
            igual([campos[0], campos[3], campos[4]], esperado.split()[0:1] + esperado.split()[3:],
                  f"inspection line {k + 1}")
            perto(campos[1], p["E"], f"E of inspection line {k + 1}")
            perto(campos[2], p["N"], f"N of inspection line {k + 1}")
        barra = [d.get_name() for d in self.p.de_papel(janela, "label")]
        for esperado in (" %d" % len(self.pontos), " Polígono convexo:  SIM "):
            if esperado not in barra:
                raise Falha(f"the inspection window's status bar has no {esperado!r}: {barra!r}")
        self.p.esperar_painel(6, " Função corrente: Inspeção / Edição de pontos")
        if mostrar:
            foto(os.path.join(self.fotos, "dados_digitalizados.png"))
            # A click on the third line is reported.
            clicar(lista.get_child_at_index(2))
            self.p.caixa(" Item selecionado da lista ", " Clicou no ponto  eli=2  elf=0")
        else:
            clicar(self.p.de_papel(janela, "label")[0])  # the column header: focus, no report
        tecla("Escape")
        self.p.esperar_fechar(janela, "the inspection window")
        self.p.esperar_painel(6, " Função corrente: Nenhuma")
        passo(f"Inspecionar: {len(self.pontos)} lines checked, polygon SIM")

    def abrir_amostra(self):
        """The sample job in samples/ reopens from the checkout (its reserve file names
        the chart relative to the repository's root, where the program was started)
        with its points and polygon marks."""
        self.nova_digitalizacao()
        self.p.menu("Arquivo", "Abrir dados")
        self.dialogo_arquivo(os.path.join(self.args.raiz, "samples", "carta_exemplo_RESERVA.ENh"))
        self.p.caixa("ATENÇÃO !!!! ", ATENCAO_ABRIR_DADOS)
        esperar(lambda: self.p._area_imagem()[1][2:] == (3000, 2300), "the chart at its natural size")
        self.p.conferir_maximizada("Abrir dados of the sample job")
        self.p.esperar_painel(4, " Escala aprox.  1 / %d" % self.escala)
        self.pontos = [dict(p, E=round(float(p["E"]), 3), N=round(float(p["N"]), 3)) for p in self.pontos]
        self.inspecionar(mostrar=False)
        passo("Abrir dados: the sample job in samples/ reopens on the chart, points and marks as saved")

    def exportar_amostra(self):
        self.exportacao = exportar(self, TITULO_APLICACAO)
        passo(f"Exportar para SIG: the sample job written to {os.path.basename(self.exportacao['gpkg'])}")

    def abrir_pela_linha_de_comando(self):
        """Started again as `mapirel samples/carta_exemplo_RESERVA.ENh`, the program opens
        the sample job by itself, as Abrir dados would: the same box, chart, scale and
        points."""
        if self.p.vigia:
            self.p.vigia.parar()  # it watched the window of the program that ended
        self.iniciar(os.path.join("samples", "carta_exemplo_RESERVA.ENh"))
        self.p.caixa("ATENÇÃO !!!! ", ATENCAO_ABRIR_DADOS)
        esperar(lambda: self.p._area_imagem()[1][2:] == (3000, 2300), "the chart at its natural size")
        self.p.conferir_maximizada("the opening from the command line")
        self.p.esperar_painel(4, " Escala aprox.  1 / %d" % self.escala)
        self.p.esperar_painel(6, " Função corrente: espera selecao tipo de ponto (ALTIT ou PROF) ")
        self.inspecionar(mostrar=False)
        passo("mapirel samples/carta_exemplo_RESERVA.ENh: the sample job opens from the command line")

    def exibir(self):
        fotografar(self, self.cruzamentos[CONTROLE[0]])
        passo("Exibir: the overview with the residuals and the magnifier over control point 101")

    def sair(self):
        self.p.menu("Arquivo", "Sair")
        self.p.caixa("Terminar programa ", " Terminar programa ? ")
        try:
            status = self.processo.wait(timeout=20)
        except subprocess.TimeoutExpired:
            raise Falha("the program did not end after Sair")
        igual(status, 0, "exit status")
        passo("Sair: the program ended with status 0")

    def executar(self):
        folha_a0 = Folha_a0(self.args.gerador, self.pasta)
        self.iniciar()
        try:
            self.abrir_imagem()
            self.rolar_com_a_roda()
            self.ler_coordenadas()
            self.associar()
            self.ajustar()
            self.exibir()
            self.digitalizar_altitudes()
            self.desfazer()
            self.salvar("folha_e2e", "folha_e2e")
            self.nova_digitalizacao()
            self.abrir_dados()
            self.digitalizar_sondagem()
            self.poligono()
            self.inspecionar()
            self.salvar("folha_e2e_continuada.ENh", "folha_e2e_continuada")
            self.abrir_amostra()
            self.exportar_amostra()
            self.sair()
            self.abrir_pela_linha_de_comando()
            self.sair()
            navegar_na_a0(self, folha_a0, passo)
            self.sair()
        except Exception:
            foto(os.path.join(self.pasta, "falha.png"))
            raise
        finally:
            folha_a0.parar()
            if self.processo.poll() is None:
                self.processo.kill()
            if self.p.vigia:
                self.p.vigia.parar()
            execucao = dict(imagem=self.imagem, controle=self.controle, salvamentos=self.salvamentos,
                            exportacao=self.exportacao)
            with open(os.path.join(self.pasta, "execucao.json"), "w") as f:
                json.dump(execucao, f, indent=1)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--programa", required=True)
    parser.add_argument("--raiz", required=True)
    parser.add_argument("--pasta", required=True)
    parser.add_argument("--gerador", required=True, help="carta_sintetica, which writes the A0 sheet")
    args = parser.parse_args()
    try:
        Trabalho(args).executar()
    except Exception as erro:
        print(f"e2e: FAILED after {time.monotonic() - inicio:.1f} s: {erro}", flush=True)
        if not isinstance(erro, Falha):
            traceback.print_exc(file=sys.stdout)
        print(f"e2e: screenshot of the failure: {os.path.join(args.pasta, 'falha.png')}")
        sys.exit(1)


if __name__ == "__main__":
    main()
