#!/usr/bin/python3
"""Draws the sample chart: a synthetic scan of a 1:5 000 coastal sheet in UTM
coordinates, with a 200 m grid whose crossings are labelled (control points), contour
lines, isobaths, spot heights and soundings.

Writes carta_exemplo.jpg and carta_exemplo.txt (where every crossing, spot height and
sounding lies on the image, for the end-to-end run and for anyone checking a job).
Needs only Python's standard library and ImageMagick's convert; the output is the
same on every run (no randomness without a fixed seed).

    scripts/carta_exemplo.py [output folder]      (default: samples/)
"""

import math
import os
import random
import subprocess
import sys
import tempfile

LARGURA, ALTURA = 3000, 2300           # image size, pixels
RESOLUCAO = 0.5                        # metres of ground per pixel
E_MIN, E_MAX = 312000.0, 313400.0      # sheet limits, metres (UTM zone 23 S)
N_MIN, N_MAX = 7455000.0, 7456000.0
MARGEM = 100                           # pixels from the image edge to the sheet's frame
GIRO = math.radians(0.6)               # the sheet lies slightly turned on the scanner
PASSO_GRADE = 200.0                    # grid spacing, metres
FONTE = "/usr/share/fonts/opentype/urw-base35/NimbusSans-Regular.otf"
FONTE_NEGRITO = "/usr/share/fonts/opentype/urw-base35/NimbusSans-Bold.otf"
FONTE_ITALICO = "/usr/share/fonts/opentype/urw-base35/NimbusSans-Italic.otf"


def pixel(E, N):
    """Ground to image: north up at 0.5 m per pixel, then turned about the centre."""
    u = MARGEM + (E - E_MIN) / RESOLUCAO - LARGURA / 2
    v = MARGEM + (N_MAX - N) / RESOLUCAO - ALTURA / 2
    c, s = math.cos(GIRO), math.sin(GIRO)
    return LARGURA / 2 + u * c - v * s, ALTURA / 2 + u * s + v * c


def terreno(E, N):
    """Height in metres: land rising to the north-west, a bay and open sea to the
    south-east (negative values are depths)."""
    u = (E - E_MIN) / (E_MAX - E_MIN)
    v = (N - N_MIN) / (N_MAX - N_MIN)
    h = 110 * (v - 0.42) + 70 * (0.45 - u)
    for amplitude, cu, cv, raio in ((170, 0.22, 0.72, 0.13), (115, 0.58, 0.88, 0.10),
                                    (80, 0.12, 0.30, 0.08), (55, 0.40, 0.58, 0.06),
                                    (-45, 0.55, 0.42, 0.11), (-25, 0.85, 0.25, 0.12)):
        h += amplitude * math.exp(-((u - cu) ** 2 + (v - cv) ** 2) / (2 * raio * raio))
    h += 6 * math.sin(9 * u + 2) * math.cos(7 * v)
    return h if h > 0 else 0.45 * h  # a shallow bay rather than a deep


# ---------------------------------------------------------------- contour lines

PASSO_MALHA = 5.0  # metres between the nodes of the grid the contours are traced on


def malha():
    nE = int((E_MAX - E_MIN) / PASSO_MALHA) + 1
    nN = int((N_MAX - N_MIN) / PASSO_MALHA) + 1
    valores = [[terreno(E_MIN + i * PASSO_MALHA, N_MIN + j * PASSO_MALHA) for j in range(nN)]
               for i in range(nE)]
    return nE, nN, valores


def curvas(nE, nN, valores, nivel):
    """Marching squares: the lines where the height equals nivel, as chains of ground
    points (segments joined through the cell edges they share)."""
    def ponto(aresta):
        (i1, j1), (i2, j2) = aresta
        h1, h2 = valores[i1][j1], valores[i2][j2]
        t = (nivel - h1) / (h2 - h1)
        return (E_MIN + (i1 + t * (i2 - i1)) * PASSO_MALHA,
                N_MIN + (j1 + t * (j2 - j1)) * PASSO_MALHA)

    vizinhos = {}
    for i in range(nE - 1):
        for j in range(nN - 1):
            cantos = ((i, j), (i + 1, j), (i + 1, j + 1), (i, j + 1))
            acima = [valores[a][b] > nivel for a, b in cantos]
            if all(acima) or not any(acima):
                continue
            cortadas = [tuple(sorted((cantos[k], cantos[(k + 1) % 4])))
                        for k in range(4) if acima[k] != acima[(k + 1) % 4]]
            pares = [(cortadas[0], cortadas[1])]
            if len(cortadas) == 4:  # saddle: pair the edges around the higher corners
                pares = [(cortadas[0], cortadas[3]), (cortadas[1], cortadas[2])] if acima[0] \
                    else [(cortadas[0], cortadas[1]), (cortadas[2], cortadas[3])]
            for a, b in pares:
                vizinhos.setdefault(a, []).append(b)
                vizinhos.setdefault(b, []).append(a)

    cadeias = []
    while vizinhos:
        # Start from a loose end when there is one, so open lines come out whole.
        inicio = next((a for a, v in vizinhos.items() if len(v) == 1), next(iter(vizinhos)))
        cadeia = [inicio]
        atual = inicio
        while vizinhos.get(atual):
            seguinte = vizinhos[atual].pop()
            vizinhos[seguinte].remove(atual)
            if not vizinhos[atual]:
                del vizinhos[atual]
            cadeia.append(seguinte)
            atual = seguinte
        if atual in vizinhos and not vizinhos[atual]:
            del vizinhos[atual]
        cadeias.append([ponto(a) for a in cadeia])
    return cadeias


# ---------------------------------------------------------------- spot heights, soundings

def pontos_cotados():
    """Hill tops and a scatter of spot heights on land; soundings on a jittered
    lattice at sea. Positions are whole decimetres, values one decimal."""
    aleatorio = random.Random(1945)
    altitudes, profundidades = [], []

    def longe(E, N, lista, distancia):
        return all(math.hypot(E - p[1], N - p[2]) >= distancia for p in lista)

    # Hill tops: the highest node of each hill's neighbourhood.
    for cu, cv in ((0.22, 0.72), (0.58, 0.88), (0.12, 0.30), (0.40, 0.58)):
        melhor = None
        for du in range(-20, 21):
            for dv in range(-20, 21):
                E = E_MIN + (cu + du * 0.004) * (E_MAX - E_MIN)
                N = N_MIN + (cv + dv * 0.004) * (N_MAX - N_MIN)
                if melhor is None or terreno(E, N) > melhor[0]:
                    melhor = (terreno(E, N), E, N)
        E, N = round(melhor[1], 1), round(melhor[2], 1)
        altitudes.append((round(terreno(E, N), 1), E, N))

    while len(altitudes) < 26:
        E = round(aleatorio.uniform(E_MIN + 60, E_MAX - 60), 1)
        N = round(aleatorio.uniform(N_MIN + 60, N_MAX - 60), 1)
        perto_grade = min(abs(E - round(E / PASSO_GRADE) * PASSO_GRADE),
                          abs(N - round(N / PASSO_GRADE) * PASSO_GRADE)) < 40
        if terreno(E, N) > 4 and longe(E, N, altitudes, 120) and not perto_grade:
            altitudes.append((round(terreno(E, N), 1), E, N))

    for E in [E_MIN + 50 + 110 * k for k in range(13)]:
        for N in [N_MIN + 50 + 100 * k for k in range(10)]:
            E2 = round(E + aleatorio.uniform(-30, 30), 1)
            N2 = round(N + aleatorio.uniform(-30, 30), 1)
            if terreno(E2, N2) < -2 and E2 < E_MAX - 40 and N2 > N_MIN + 40:
                profundidades.append((round(-terreno(E2, N2), 1), E2, N2))
    return altitudes, profundidades


# ---------------------------------------------------------------- drawing

def texto_mvg(t):
    return "'" + t.replace("\\", "\\\\").replace("'", "\\'") + "'"


class Desenho:
    """Collects Magick Vector Graphics primitives in image pixels."""

    def __init__(self):
        self.linhas = [f"viewbox 0 0 {LARGURA} {ALTURA}", "stroke-linejoin round",
                       "stroke-linecap round"]

    def __call__(self, linha):
        self.linhas.append(linha)

    def polilinha(self, pontos_chao, cor, largura, tracejado=None):
        pts = " ".join("%.2f,%.2f" % pixel(E, N) for E, N in pontos_chao)
        self("push graphic-context")
        self(f"fill none stroke '{cor}' stroke-width {largura}")
        if tracejado:
            self(f"stroke-dasharray {tracejado}")
        self(f"polyline {pts}")
        self("pop graphic-context")

    def texto(self, x, y, t, tamanho, cor="#1a1a1a", fonte=FONTE, giro=None, centro=False,
              halo=None):
        """Text at pixel (x, y) (its baseline start, or its centre), turned with the sheet;
        a halo of the given colour clears the lines under it."""
        graus = math.degrees(GIRO) if giro is None else giro
        if halo:
            self("push graphic-context")
            self(f"font '{fonte}' font-size {tamanho} fill '{halo}' stroke '{halo}' stroke-width 6")
            if centro:
                self("text-anchor middle")
            self(f"translate {x:.2f},{y:.2f} rotate {graus:.3f}")
            self(f"text 0,{tamanho * 0.35 if centro else 0:.2f} {texto_mvg(t)}")
            self("pop graphic-context")
        self("push graphic-context")
        self(f"font '{fonte}' font-size {tamanho} fill '{cor}' stroke none")
        if centro:
            self("text-anchor middle")
        self(f"translate {x:.2f},{y:.2f} rotate {graus:.3f}")
        self(f"text 0,{tamanho * 0.35 if centro else 0:.2f} {texto_mvg(t)}")
        self("pop graphic-context")


def milhar(v):
    return f"{int(round(v)):,}".replace(",", " ")


def desenhar(pasta_tmp, saida_jpg):
    nE, nN, valores = malha()
    d = Desenho()

    # Hydrography and relief first, grid and lettering on top.
    niveis = [n for n in range(-40, 260, 5) if n < 0 or n % 10 == 0]
    rotulos = []
    for nivel in niveis:
        for cadeia in curvas(nE, nN, valores, nivel + 1e-7):
            if len(cadeia) < 3:
                continue
            if nivel == 0:
                d.polilinha(cadeia, "#1f4e79", 2.6)
            elif nivel < 0:
                d.polilinha(cadeia, "#5b8db8", 1.1, "10 6")
            elif nivel % 50 == 0:
                d.polilinha(cadeia, "#8a5a2b", 2.2)
                if len(cadeia) > 80:
                    rotulos.append((nivel, cadeia))
            else:
                d.polilinha(cadeia, "#b07a45", 1.0)
    for nivel, cadeia in rotulos:
        meio = len(cadeia) // 2
        (E1, N1), (E2, N2) = cadeia[meio - 3], cadeia[meio + 3]
        x1, y1 = pixel(E1, N1)
        x2, y2 = pixel(E2, N2)
        giro = math.degrees(math.atan2(y2 - y1, x2 - x1))
        if giro > 90 or giro < -90:
            giro -= 180 * math.copysign(1, giro)
        x, y = pixel(*cadeia[meio])
        d.texto(x, y, str(nivel), 20, "#8a5a2b", giro=giro, centro=True, halo="#f1e8cc")

    # Grid lines, then the crossings with their labels.
    grade_E = [E_MIN + k * PASSO_GRADE for k in range(int((E_MAX - E_MIN) / PASSO_GRADE) + 1)]
    grade_N = [N_MIN + k * PASSO_GRADE for k in range(int((N_MAX - N_MIN) / PASSO_GRADE) + 1)]
    for E in grade_E:
        d.polilinha([(E, N_MIN), (E, N_MAX)], "#6f6f6f", 0.9)
    for N in grade_N:
        d.polilinha([(E_MIN, N), (E_MAX, N)], "#6f6f6f", 0.9)
    cruzamentos = []
    for E in grade_E[1:-1]:
        for N in grade_N[1:-1]:
            braco = 22 * RESOLUCAO
            d.polilinha([(E - braco, N), (E + braco, N)], "#000000", 2.0)
            d.polilinha([(E, N - braco), (E, N + braco)], "#000000", 2.0)
            x, y = pixel(E, N)
            c, s = math.cos(GIRO), math.sin(GIRO)
            d.texto(x + 8 * c + 8 * s, y + 8 * s - 8 * c, milhar(E), 19, fonte=FONTE_NEGRITO)
            d.texto(x + 8 * c - 26 * s, y + 8 * s + 26 * c, milhar(N), 19, fonte=FONTE_NEGRITO)
            cruzamentos.append((E, N, x, y))

    # Sheet frame, with the margin painted over whatever ran past it.
    cantos = [pixel(E_MIN, N_MAX), pixel(E_MAX, N_MAX), pixel(E_MAX, N_MIN), pixel(E_MIN, N_MIN)]
    moldura = " ".join("%.2f,%.2f" % p for p in cantos)
    d("push graphic-context")
    d("fill '#f4efe1' stroke none fill-rule evenodd")
    d(f"path 'M 0,0 L {LARGURA},0 L {LARGURA},{ALTURA} L 0,{ALTURA} Z "
      f"M {moldura.replace(' ', ' L ')} Z'")
    d("pop graphic-context")
    d(f"push graphic-context fill none stroke '#000000' stroke-width 3 polygon {moldura} pop graphic-context")
    for E in grade_E:
        x, y = pixel(E, N_MAX)
        d.texto(x, y - 14, milhar(E), 20, centro=True)
        x, y = pixel(E, N_MIN)
        d.texto(x, y + 24, milhar(E), 20, centro=True)
    for N in grade_N:
        x, y = pixel(E_MIN, N)
        d.texto(x - 50, y, milhar(N), 20, centro=True, giro=math.degrees(GIRO) - 90)
        x, y = pixel(E_MAX, N)
        d.texto(x + 50, y, milhar(N), 20, centro=True, giro=math.degrees(GIRO) - 90)

    # Spot heights (a dot, the value beside it) and soundings (the value centred on
    # its position, as nautical charts print them).
    altitudes, profundidades = pontos_cotados()
    for h, E, N in altitudes:
        x, y = pixel(E, N)
        d(f"push graphic-context fill '#000000' stroke none circle {x:.2f},{y:.2f} {x + 3.2:.2f},{y:.2f} pop graphic-context")
        d.texto(x + 9, y - 5, f"{h:.1f}", 22)
    for p, E, N in profundidades:
        x, y = pixel(E, N)
        d.texto(x, y, f"{p:.1f}", 21, "#17324d", FONTE_ITALICO, centro=True)

    # Title block under the frame.
    x0, y0 = pixel(E_MIN, N_MIN)
    linhas = [("CARTA EXEMPLO  —  ENSEADA DO MAPIREL", 34, FONTE_NEGRITO),
              ("Folha sintética (scripts/carta_exemplo.py)  ·  UTM fuso 23 S, metros  ·  "
               "Quadrícula de 200 m  ·  Escala 1:5 000", 22, FONTE),
              ("Curvas de nível de 10 m, mestras de 50 m  ·  Isóbatas de 5 m  ·  "
               "Altitudes em preto, profundidades em azul", 22, FONTE)]
    for k, (t, tamanho, fonte) in enumerate(linhas):
        d.texto(x0 + 10, y0 + 75 + 36 * k, t, tamanho, fonte=fonte)
    xb, yb = pixel(E_MAX, N_MIN)
    xb, yb = xb - 1040, yb + 110
    for k in range(5):
        cor = "#000000" if k % 2 == 0 else "#f4efe1"
        d(f"push graphic-context fill '{cor}' stroke '#000000' stroke-width 1.5 "
          f"rectangle {xb + 200 * k:.1f},{yb:.1f} {xb + 200 * (k + 1):.1f},{yb + 14:.1f} pop graphic-context")
        d.texto(xb + 200 * k, yb - 10, f"{100 * k}", 18, centro=True)
    d.texto(xb + 1000, yb - 10, "500 m", 18, centro=True)

    mvg = os.path.join(pasta_tmp, "carta.mvg")
    with open(mvg, "w", encoding="utf-8") as f:
        f.write("\n".join(d.linhas) + "\n")

    # Land and sea tints from a coarse height raster, smoothed by the enlargement.
    passo = 10
    colunas, linhas_r = LARGURA // passo, ALTURA // passo
    inv_c, inv_s = math.cos(-GIRO), math.sin(-GIRO)
    pgm = bytearray()
    for j in range(linhas_r):
        for i in range(colunas):
            u, v = (i + 0.5) * passo - LARGURA / 2, (j + 0.5) * passo - ALTURA / 2
            uu, vv = u * inv_c - v * inv_s, u * inv_s + v * inv_c
            E = E_MIN + (uu + LARGURA / 2 - MARGEM) * RESOLUCAO
            N = N_MAX - (vv + ALTURA / 2 - MARGEM) * RESOLUCAO
            pgm.append(max(0, min(255, int(128 + 4 * terreno(E, N)))))
    mascara = os.path.join(pasta_tmp, "mascara.pgm")
    with open(mascara, "wb") as f:
        f.write(b"P5 %d %d 255\n" % (colunas, linhas_r) + bytes(pgm))

    fundo = os.path.join(pasta_tmp, "fundo.png")
    camada = os.path.join(pasta_tmp, "camada.png")
    subprocess.run(["convert", mascara, "-resize", f"{LARGURA}x{ALTURA}!", "-threshold", "50%",
                    "+level-colors", "#d7e7f1,#f1e8cc", fundo], check=True)
    subprocess.run(["convert", "-background", "none", f"mvg:{mvg}", camada], check=True)
    # A light blur and grain make it look scanned without bloating the JPEG.
    subprocess.run(["convert", fundo, camada, "-composite", "-blur", "0x0.55",
                    "-seed", "1945", "-attenuate", "0.25", "+noise", "Gaussian", "-quality", "82",
                    "-sampling-factor", "2x2", "-strip", saida_jpg], check=True)
    return cruzamentos, altitudes, profundidades


def main():
    raiz = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    pasta = sys.argv[1] if len(sys.argv) > 1 else os.path.join(raiz, "samples")
    os.makedirs(pasta, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        cruzamentos, altitudes, profundidades = desenhar(tmp, os.path.join(pasta, "carta_exemplo.jpg"))
    with open(os.path.join(pasta, "carta_exemplo.txt"), "w", encoding="utf-8") as f:
        f.write(f"# carta_exemplo.jpg: {LARGURA} x {ALTURA} pixels, {RESOLUCAO} m per pixel, "
                f"turned {math.degrees(GIRO)} degrees; written by scripts/carta_exemplo.py\n")
        f.write("# Positions x y are image pixels (x to the right, y downwards) of the true "
                "ground position E N (metres).\n")
        f.write("# cruzamento E N x y\n")
        for E, N, x, y in cruzamentos:
            f.write(f"cruzamento {E:.0f} {N:.0f} {x:.2f} {y:.2f}\n")
        f.write("# altitude h E N x y\n")
        for h, E, N in altitudes:
            f.write("altitude %.1f %.1f %.1f %.2f %.2f\n" % ((h, E, N) + pixel(E, N)))
        f.write("# profundidade p E N x y\n")
        for p, E, N in profundidades:
            f.write("profundidade %.1f %.1f %.1f %.2f %.2f\n" % ((p, E, N) + pixel(E, N)))


if __name__ == "__main__":
    main()
