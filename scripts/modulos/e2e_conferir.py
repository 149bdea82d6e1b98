#!/usr/bin/python3
"""Checks, line by line, the files that the end-to-end run's job saved.

E and N must agree to the millimetre with the values computed exactly (e2e_orientacao.py)
from the clicked pixels and the typed control points: the printed three decimals may
differ from the exactly rounded value by at most one unit. Everything else must be
exactly what the formats say: numbers, widths, pixel positions, vertical values and
signs, polygon marks, control point lines, the image name, nothing after the last line.
Also checks that the sample job in samples/ is the job this run saved, and that the
GeoPackage exported from the window holds it (e2e_geopackage.py).

    e2e_conferir.py WORK_FOLDER SAMPLES_FOLDER
"""

import json
import os
import re
import sys
from fractions import Fraction

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_geopackage import conferir_exportacao  # noqa: E402
from e2e_orientacao import orientacao, para_carta  # noqa: E402

MILIMETRO = Fraction(1, 1000)
erros = []


def erro(onde, mensagem):
    erros.append(f"{onde}: {mensagem}")


def linhas_de(caminho):
    """The file's lines without their ends; every line, the last too, must end with a
    line feed (CR LF is accepted as well)."""
    with open(caminho, "rb") as f:
        bruto = f.read().decode("latin-1")
    if not bruto.endswith("\n"):
        erro(caminho, "the last line has no line end")
    return [linha.removesuffix("\r") for linha in bruto.split("\n")[:-1]]


def no_milimetro(onde, texto, exato):
    """A printed three-decimal value against the exact one."""
    if abs(Fraction(texto) - round(exato, 3)) > MILIMETRO:
        erro(onde, f"{texto} differs from the exact {float(exato):.4f} by more than a millimetre")


def conferir_enh(caminho, pontos, coef):
    linhas = linhas_de(caminho)
    if len(linhas) != len(pontos):
        erro(caminho, f"{len(linhas)} lines for {len(pontos)} points")
    for k, (linha, p) in enumerate(zip(linhas, pontos)):
        onde = f"{os.path.basename(caminho)} line {k + 1}"
        campos = linha.split(" ")
        campos = [c for c in campos if c]
        if len(campos) != 4:
            erro(onde, f"{linha!r} does not hold n E N h")
            continue
        n, E, N, h = campos
        esperado = "%6d %10.3f %11.3f %7.2f" % (p["n"], float(E), float(N), p["h"])
        if linha != esperado:
            erro(onde, f"{linha!r}, expected {esperado!r}")
        Ee, Ne = para_carta(coef, p["x"], p["y"])
        no_milimetro(onde + " E", E, Ee)
        no_milimetro(onde + " N", N, Ne)
    return linhas


def conferir_reserva(caminho, imagem, controle, pontos, coef):
    linhas = linhas_de(caminho)
    nome = os.path.basename(caminho)
    nc, np_ = len(controle), len(pontos)
    if len(linhas) != 2 + nc + 6 + 1 + np_:
        erro(nome, f"{len(linhas)} lines, expected {2 + nc + 7 + np_}")
        return linhas
    if linhas[0] != imagem:
        erro(nome + " line 1", f"{linhas[0]!r}, expected the image {imagem!r}")
    if linhas[1] != "%d" % nc:
        erro(nome + " line 2", f"{linhas[1]!r}, expected {nc}")
    for k, (E, N, x, y) in enumerate(controle):
        esperado = "%d %11.3f %11.3f %d %d" % (101 + k, E, N, x, y)
        if linhas[2 + k] != esperado:
            erro(f"{nome} line {3 + k}", f"{linhas[2 + k]!r}, expected {esperado!r}")

    # The coefficients, each "%20.10f": held against the exact orientation where it
    # matters, at the chart's corners and centre.
    coeficientes = linhas[2 + nc:8 + nc]
    for k, linha in enumerate(coeficientes):
        if not re.fullmatch(r" *-?\d+\.\d{10}", linha) or len(linha) < 20:
            erro(f"{nome} line {3 + nc + k}", f"{linha!r} is not a %20.10f coefficient")
            return linhas
    lido = [Fraction(c.strip()) for c in coeficientes]
    for x, y in ((0, 0), (3000, 0), (3000, 2300), (0, 2300), (1500, 1150)):
        for eixo, (v_lido, v_exato) in zip("EN", zip(para_carta(lido, x, y), para_carta(coef, x, y))):
            if abs(v_lido - v_exato) > MILIMETRO:
                erro(nome, f"the coefficients give {eixo} = {float(v_lido):.4f} at pixel ({x}, {y}), "
                           f"exactly {float(v_exato):.4f}")

    if linhas[8 + nc] != "%5d" % np_:
        erro(f"{nome} line {9 + nc}", f"{linhas[8 + nc]!r}, expected {'%5d' % np_!r}")
    for k, p in enumerate(pontos):
        onde = f"{nome} line {10 + nc + k}"
        linha = linhas[9 + nc + k]
        campos = linha.split()
        if len(campos) != 7:
            erro(onde, f"{linha!r} does not hold n E N h x y mark")
            continue
        esperado = " %6d %10.3f %11.3f %7.2f %5.0f %5.0f %d" % (
            p["n"], float(campos[1]), float(campos[2]), p["h"], p["x"], p["y"], p["marca"])
        if linha != esperado:
            erro(onde, f"{linha!r}, expected {esperado!r}")
        Ee, Ne = para_carta(coef, p["x"], p["y"])
        no_milimetro(onde + " E", campos[1], Ee)
        no_milimetro(onde + " N", campos[2], Ne)
    return linhas


def main():
    pasta, amostras = sys.argv[1], sys.argv[2]
    with open(os.path.join(pasta, "execucao.json")) as f:
        execucao = json.load(f)
    controle = [tuple(p) for p in execucao["controle"]]
    coef = orientacao(controle)
    salvos = []
    for s in execucao["salvamentos"]:
        enh = conferir_enh(s["enh"], s["pontos"], coef)
        reserva = conferir_reserva(s["reserva"], execucao["imagem"], controle, s["pontos"], coef)
        salvos.append((s, enh, reserva))
        # Both files of one save list the same points.
        for k, (linha, p) in enumerate(zip(enh, s["pontos"])):
            linha_reserva = reserva[9 + len(controle) + k] if len(reserva) > 9 + len(controle) + k else ""
            if linha.split() != linha_reserva.split()[:4]:
                erro(os.path.basename(s["enh"]), f"point {p['n']} differs from the reserve file's")

    # Points reopened from the first save and saved again come back unchanged.
    if len(salvos) == 2:
        (_, enh1, res1), (s2, enh2, res2) = salvos
        for k, p in enumerate(s2["pontos"]):
            if p["reaberto"] and enh2[k] != enh1[k]:
                erro(os.path.basename(s2["enh"]), f"reopened point {p['n']} changed: {enh2[k]!r}, was {enh1[k]!r}")
        if res2[2:2 + len(controle) + 6] != res1[2:2 + len(controle) + 6]:
            erro(os.path.basename(s2["reserva"]), "control points or coefficients changed on reopening")

    # The sample job is the run's last save, with the image named from the checkout.
    ultimo = execucao["salvamentos"][-1]
    for origem, destino, primeira in ((ultimo["enh"], "carta_exemplo.ENh", None),
                                      (ultimo["reserva"], "carta_exemplo_RESERVA.ENh", "carta_exemplo.jpg")):
        amostra = os.path.join(amostras, destino)
        esperado = linhas_de(origem)
        if primeira:
            esperado[0] = primeira
        if not os.path.isfile(amostra) or linhas_de(amostra) != esperado:
            erro(amostra, "is not the job this run saved (refresh it with scripts/e2e --amostra)")

    erros.extend(conferir_exportacao(execucao["exportacao"]))

    if erros:
        print("e2e: the files written do not hold what the job entered:")
        for e in erros:
            print("  " + e)
        sys.exit(1)
    pontos = sum(len(s["pontos"]) for s in execucao["salvamentos"])
    print(f"e2e: files checked line by line: {len(execucao['salvamentos'])} saves, {pontos} point lines "
          f"in each format, E and N within a millimetre of the exact values; the GeoPackage exported "
          f"holds the sample job's points, polygon and control points, every coordinate as saved")


if __name__ == "__main__":
    main()
