"""Loads the sample chart again and again in the real window and checks, after every
load, that the main window ends maximised and was never made larger than the screen on
the way. Before every third load the window is restored to its normal size first, as
with a double click on the title bar. Loads alternate between "Abrir imagem" and "Abrir dados" (the sample job),
with a "Nova digitalização" before each, as a person going from sheet to sheet does.

Run by scripts/e2e --cargas N inside a display and a session bus of its own.
"""

import argparse
import os
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_janela import Falha, area_de_trabalho  # noqa: E402
from e2e_trabalho import ATENCAO_ABRIR_DADOS, Trabalho  # noqa: E402


def carregar(trabalho, k):
    p = trabalho.p
    if k > 0:
        trabalho.nova_digitalizacao()
    if k % 2 == 0:
        p.menu("Arquivo", "Abrir imagem")
        trabalho.dialogo_arquivo(trabalho.imagem)
        p.esperar_painel(6, " Função corrente: Nenhuma ")
        return "Abrir imagem"
    p.menu("Arquivo", "Abrir dados")
    trabalho.dialogo_arquivo(os.path.join(trabalho.args.raiz, "samples", "carta_exemplo_RESERVA.ENh"))
    p.caixa("ATENÇÃO !!!! ", ATENCAO_ABRIR_DADOS)
    return "Abrir dados"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--programa", required=True)
    parser.add_argument("--raiz", required=True)
    parser.add_argument("--pasta", required=True)
    parser.add_argument("--cargas", type=int, required=True)
    args = parser.parse_args()
    trabalho = Trabalho(args)
    inicio = time.monotonic()
    falhas = 0
    try:
        trabalho.iniciar()
        trabalho.p.conferir_maximizada("the start")
        vigia = trabalho.p.vigiar_tamanho()
        for k in range(args.cargas):
            if k % 3 == 2:
                trabalho.p.restaurar()
            comando = carregar(trabalho, k)
            try:
                trabalho.p.conferir_maximizada(comando)
                resultado = "maximised"
            except Falha as erro:
                falhas += 1
                resultado = f"NOT maximised: {erro}"
            flags, frame = trabalho.p.estado_janela()
            print(f"e2e: load {k + 1:2d} ({comando}): {resultado}; largest size given "
                  f"{vigia.maior()[0]} x {vigia.maior()[1]}; frame {frame}", flush=True)
            vigia.tamanhos.clear()
    except Exception as erro:
        print(f"e2e: FAILED after {time.monotonic() - inicio:.1f} s: {erro}", flush=True)
        if not isinstance(erro, Falha):
            traceback.print_exc(file=sys.stdout)
        sys.exit(1)
    finally:
        if getattr(trabalho, "processo", None) and trabalho.processo.poll() is None:
            trabalho.processo.kill()
        if getattr(trabalho, "p", None) and trabalho.p.vigia:
            trabalho.p.vigia.parar()
    area = area_de_trabalho()
    print(f"e2e: {args.cargas - falhas} of {args.cargas} loads ended maximised on a "
          f"{area[2]} x {area[3]} work area", flush=True)
    sys.exit(1 if falhas else 0)


if __name__ == "__main__":
    main()
