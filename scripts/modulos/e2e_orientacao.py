"""The orientation that the end-to-end run expects, computed on its own in exact
rational arithmetic: no rounding anywhere, so that what the program shows and writes
can be held against the true value to the millimetre.

The model is the program's: an affine chart-to-image transform fitted to the control
points by least squares (the image positions are the fitted quantities), then inverted
to give E = a*x + b*y + c, N = d*x + e*y + f.
"""

import math
from fractions import Fraction


def _ajuste_linear(us, vs, ws):
    """Least squares w = p*u + q*v + r, by centring (exact)."""
    n = len(us)
    mu, mv, mw = sum(us) / n, sum(vs) / n, sum(ws) / n
    suu = sum((u - mu) ** 2 for u in us)
    svv = sum((v - mv) ** 2 for v in vs)
    suv = sum((u - mu) * (v - mv) for u, v in zip(us, vs))
    suw = sum((u - mu) * (w - mw) for u, w in zip(us, ws))
    svw = sum((v - mv) * (w - mw) for v, w in zip(vs, ws))
    det = suu * svv - suv * suv
    p = (suw * svv - svw * suv) / det
    q = (svw * suu - suw * suv) / det
    return p, q, mw - p * mu - q * mv


def orientacao(controle):
    """controle: (E, N, x, y) per control point, E and N as typed, x and y the clicked
    pixel. Returns the six coefficients (a, b, c, d, e, f) as Fractions."""
    E = [Fraction(str(p[0])) for p in controle]
    N = [Fraction(str(p[1])) for p in controle]
    x = [Fraction(p[2]) for p in controle]
    y = [Fraction(p[3]) for p in controle]
    p1, p2, p3 = _ajuste_linear(E, N, x)
    q1, q2, q3 = _ajuste_linear(E, N, y)
    det = p1 * q2 - p2 * q1
    a, b, d, e = q2 / det, -p2 / det, -q1 / det, p1 / det
    return a, b, -(a * p3 + b * q3), d, e, -(d * p3 + e * q3)


def para_carta(coef, x, y):
    a, b, c, d, e, f = coef
    return a * x + b * y + c, d * x + e * y + f


def residuos(controle, coef):
    """(DeltaE, DeltaN, DeltaD) per control point, computed minus given, as floats."""
    saida = []
    for E, N, x, y in controle:
        Ec, Nc = para_carta(coef, x, y)
        dE, dN = float(Ec - Fraction(str(E))), float(Nc - Fraction(str(N)))
        saida.append((dE, dN, math.hypot(dE, dN)))
    return saida


def escala(controle, ppi=96):
    """Approximate scale denominator and metres of chart per pixel, from the perimeters
    of the control point polygon on the chart and on the image."""
    def perimetro(pontos):  # the sides in order, then the closing side, as the program sums
        lados = [math.dist(pontos[i], pontos[i + 1]) for i in range(len(pontos) - 1)]
        return sum(lados) + math.dist(pontos[0], pontos[-1])
    carta = perimetro([(p[0], p[1]) for p in controle])
    imagem = perimetro([(p[2], p[3]) for p in controle])
    return math.floor(carta / (imagem * 0.0254 / ppi)), carta / imagem
