"""An A0 sheet scanned at 600 dpi (19866 x 28087, the window benchmark's synthetic
chart) worked on in the real window, as the end-to-end run works on the sample chart:
opened through the file dialog, oriented on four grid crossings near its corners (the
view scrolled to each, the bottom-right one included), its report checked against the
exact orientation, and points digitized near the bottom-right corner and in the middle,
their E and N checked in the value dialog.

    bench_a0.py --programa BUILD/mapirel --imagem /tmp/mapirel-bench/carta_a0.jpg --pasta DIR

It starts a display of its own (bench_janela.py's), then runs itself again inside a
session bus, through which the steps of the end-to-end run (e2e_trabalho.py) drive the
program.
"""

import argparse
import os
import subprocess
import sys
import traceback
import types

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bench_janela  # noqa: E402

LARGURA, ALTURA = 19866, 28087
# Grid lines of the synthetic chart run every 500 pixels, three pixels wide.
CANTOS = [(1001, 1001), (19001, 1001), (19001, 27501), (1001, 27501)]
PONTOS = [dict(x=19800, y=28020, valor="12.5"), dict(x=9933, y=14043, valor="7")]


def rolar_para(p, px, py):
    """Sets the scroll bars, through their accessible values, so that the image pixel
    lies near the middle of the view: a drag moves the view by at most its own size,
    and the corners of an A0 sheet lie tens of views apart."""
    from e2e_janela import Atspi, descendentes, papel, retangulo
    (vx, vy, vw, vh), _ = p._area_imagem()
    for barra in (d for d in descendentes(p.janela) if papel(d) == "scroll bar"):
        _, _, w, h = retangulo(barra)
        alvo = px - vw // 2 if w > h else py - vh // 2
        maximo = Atspi.Value.get_maximum_value(barra)
        Atspi.Value.set_current_value(barra, float(max(0, min(maximo, alvo))))


def trabalhar(args):
    import e2e_trabalho
    from e2e_janela import esperar

    class Trabalho_a0(e2e_trabalho.Trabalho):
        def __init__(self):
            self.args = types.SimpleNamespace(programa=args.programa, raiz=args.pasta, pasta=args.pasta)
            self.pasta = self.fotos = args.pasta
            self.imagem = args.imagem
            self.cruzamentos = dict(zip(e2e_trabalho.CONTROLE, CANTOS))
            self.controle, self.pontos, self.salvamentos = [], [], []

        def iniciar(self):
            super().iniciar()
            mostrar = self.p.mostrar_pixel
            def rolar_e_mostrar(px, py, **opcoes):
                rolar_para(self.p, px, py)
                return mostrar(px, py, **opcoes)
            self.p.mostrar_pixel = rolar_e_mostrar

        def abrir_imagem(self):
            self.p.menu("Arquivo", "Abrir imagem")
            self.dialogo_arquivo(self.imagem)
            def carregada():
                try:
                    return self.p._area_imagem()[1][2:] == (LARGURA, ALTURA)
                except StopIteration:  # the program, busy loading, answers with no widgets
                    return False
            esperar(carregada, "the A0 sheet at its natural size", espera=120)
            e2e_trabalho.passo(f"Abrir imagem: the A0 sheet is shown at {LARGURA} x {ALTURA} pixels")

    trabalho = Trabalho_a0()
    trabalho.iniciar()
    try:
        trabalho.abrir_imagem()
        trabalho.ler_coordenadas()
        trabalho.associar()
        trabalho.ajustar()
        trabalho.escolher("Altitudes")
        for numero, ponto in enumerate(PONTOS, start=1):
            trabalho.digitalizar(ponto, numero)
            e2e_trabalho.passo(f"point {numero} digitized at pixel ({ponto['x']}, {ponto['y']})")
    finally:
        trabalho.processo.terminate()
        trabalho.processo.wait()
    print("bench_a0: the A0 sheet opened, scrolled to its corners, oriented and digitized")


def main():
    argumentos = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    argumentos.add_argument("--programa", required=True)
    argumentos.add_argument("--imagem", required=True)
    argumentos.add_argument("--pasta", required=True)
    argumentos.add_argument("--na-sessao", action="store_true", help=argparse.SUPPRESS)
    args = argumentos.parse_args()
    args.programa = os.path.abspath(args.programa)
    if args.na_sessao:
        try:
            trabalhar(args)
        except Exception:
            print("bench_a0: FAILED", file=sys.stderr)
            traceback.print_exc()
            return 1
        return 0
    os.makedirs(args.pasta, exist_ok=True)
    processos = bench_janela.iniciar_tela(args.pasta)
    try:
        return subprocess.run(["timeout", "600", "dbus-run-session", "--", "/usr/bin/python3", "-u",
                               os.path.abspath(__file__), "--na-sessao", *sys.argv[1:]]).returncode
    finally:
        for processo in processos:
            processo.terminate()
            processo.wait()


if __name__ == "__main__":
    sys.exit(main())
