"""Reads back the GeoPackage that the window's export wrote and holds it against the job
it exported, as saved in its files.

The file is read with sqlite3 and the geometries decoded here, not through GDAL: the
doubles stored must be the very numbers of the job's files (E, N and h of the "n E N h"
file, the control points of the reserve file), to the last bit, and a reader that prints
them could round. Only the control points' residuals are computed (from the reserve
file's coefficients), so they are held within a micrometre.
"""

import os
import sqlite3
import struct
from fractions import Fraction

MICROMETRO = 1e-6
# Bytes of the envelope after a GeoPackage geometry's header, by the header's flag bits 1-3.
ENVELOPE = {0: 0, 1: 32, 2: 48, 3: 48, 4: 64}
WKB_PONTO, WKB_POLIGONO = 1, 3


def geometria(blob):
    """A GeoPackage geometry: its system id and its WKB type and coordinates ([(x, y)]
    for a point, the first ring's for a polygon)."""
    if blob[:2] != b"GP":
        raise ValueError(f"not a GeoPackage geometry: {blob[:8]!r}")
    flags = blob[3]
    ordem = "<" if flags & 1 else ">"
    (sistema,) = struct.unpack_from(ordem + "i", blob, 4)
    wkb = blob[8 + ENVELOPE[(flags >> 1) & 7]:]
    ordem = "<" if wkb[0] == 1 else ">"
    (tipo,) = struct.unpack_from(ordem + "I", wkb, 1)
    if tipo == WKB_PONTO:
        return sistema, tipo, [struct.unpack_from(ordem + "2d", wkb, 5)]
    if tipo == WKB_POLIGONO:
        (quantidade,) = struct.unpack_from(ordem + "I", wkb, 9)
        return sistema, tipo, [struct.unpack_from(ordem + "2d", wkb, 13 + 16 * i) for i in range(quantidade)]
    raise ValueError(f"WKB type {tipo} is neither a 2D point nor a polygon")


def ler_trabalho(enh, reserva):
    """The saved job's points (n, E, N, h), polygon marks and control points
    (n, E, N, x, y), and the orientation's six coefficients as exact fractions."""
    with open(enh, encoding="latin-1") as f:
        pontos = [(int(c[0]), *map(float, c[1:4])) for c in (linha.split() for linha in f) if c]
    with open(reserva, encoding="latin-1") as f:
        linhas = f.read().splitlines()
    nc = int(linhas[1])
    controle = [(int(c[0]), *map(float, c[1:5])) for c in (linha.split() for linha in linhas[2:2 + nc])]
    coeficientes = [Fraction(linha.strip()) for linha in linhas[2 + nc:8 + nc]]
    marcas = [int(linha.split()[6]) for linha in linhas[9 + nc:]]
    return pontos, marcas, controle, coeficientes


class Leitura:
    """One GeoPackage open read-only, with the errors found in it."""

    def __init__(self, caminho):
        self.caminho = caminho
        self.banco = sqlite3.connect(f"file:{caminho}?mode=ro", uri=True)
        self.erros = []

    def erro(self, onde, mensagem):
        self.erros.append(f"{self.caminho} {onde}: {mensagem}")

    def igual(self, onde, lido, esperado):
        if lido != esperado:
            self.erro(onde, f"holds {lido!r}, expected {esperado!r}")

    def camadas(self):
        """Each feature layer's name, geometry column and system id."""
        return {nome: (coluna, sistema) for nome, coluna, sistema in self.banco.execute(
            "SELECT table_name, column_name, srs_id FROM gpkg_geometry_columns")}

    def sistema(self, sistema_id):
        return self.banco.execute("SELECT organization, organization_coordsys_id FROM gpkg_spatial_ref_sys "
                                  "WHERE srs_id = ?", (sistema_id,)).fetchone()

    def feicoes(self, camada, coluna, campos):
        """The layer's rows in the order written: the fields asked for, then the geometry."""
        lista = ", ".join(f'"{c}"' for c in (*campos, coluna))
        return self.banco.execute(f'SELECT {lista} FROM "{camada}" ORDER BY fid').fetchall()

    def conferir_geometria(self, onde, blob, sistema_id, tipo, coordenadas):
        try:
            lido = geometria(blob)
        except (ValueError, struct.error) as falha:
            self.erro(onde, f"geometry unreadable: {falha}")
            return
        self.igual(onde + " geometry", lido, (sistema_id, tipo, coordenadas))


def conferir_pontos(leitura, camada, coluna, sistema_id, pontos):
    linhas = leitura.feicoes(camada, coluna, ("ponto", "E", "N", "h"))
    leitura.igual(f"layer {camada}: point count", len(linhas), len(pontos))
    for linha, (n, E, N, h) in zip(linhas, pontos):
        onde = f"layer {camada} point {n}"
        leitura.igual(onde + " ponto E N h", linha[:4], (n, E, N, h))
        leitura.conferir_geometria(onde, linha[4], sistema_id, WKB_PONTO, [(E, N)])


def conferir_poligono(leitura, camada, coluna, sistema_id, pontos, marcas):
    vertices = [(E, N) for marca, (_, E, N, _) in sorted(
        (m, p) for m, p in zip(marcas, pontos) if m != -1)]
    linhas = leitura.feicoes(camada, coluna, ("vertices",))
    leitura.igual(f"layer {camada}: polygon count", len(linhas), 1)
    for quantidade, blob in linhas[:1]:
        leitura.igual(f"layer {camada} vertices", quantidade, len(vertices))
        leitura.conferir_geometria(f"layer {camada}", blob, sistema_id, WKB_POLIGONO,
                                   vertices + vertices[:1])


def conferir_controle(leitura, camada, coluna, sistema_id, controle, coeficientes):
    a, b, c, d, e, f = coeficientes
    linhas = leitura.feicoes(camada, coluna, ("ponto", "E", "N", "x", "y", "DeltaE", "DeltaN"))
    leitura.igual(f"layer {camada}: point count", len(linhas), len(controle))
    for linha, (n, E, N, x, y) in zip(linhas, controle):
        onde = f"layer {camada} point {n}"
        leitura.igual(onde + " ponto E N x y", linha[:5], (n, E, N, x, y))
        residuos = (a * Fraction(x) + b * Fraction(y) + c - Fraction(E),
                    d * Fraction(x) + e * Fraction(y) + f - Fraction(N))
        for nome, lido, exato in zip(("DeltaE", "DeltaN"), linha[5:7], residuos):
            if abs(lido - float(exato)) > MICROMETRO:
                leitura.erro(onde, f"{nome} {lido!r}, computed from the reserve file {float(exato)!r}")
        leitura.conferir_geometria(onde, linha[7], sistema_id, WKB_PONTO, [(E, N)])


def conferir_exportacao(exportacao):
    """The errors found in the GeoPackage (none when it holds the saved job): its three
    layers, every feature's values and geometry, and the reference system."""
    if not os.path.isfile(exportacao["gpkg"]):
        return [f"{exportacao['gpkg']}: not written"]
    leitura = Leitura(exportacao["gpkg"])
    pontos, marcas, controle, coeficientes = ler_trabalho(exportacao["enh"], exportacao["reserva"])
    camadas = leitura.camadas()
    leitura.igual("layers", sorted(camadas), ["poligono_limite", "pontos", "pontos_controle"])
    for camada, (coluna, sistema_id) in camadas.items():
        leitura.igual(f"layer {camada}: reference system", leitura.sistema(sistema_id),
                      ("EPSG", exportacao["epsg"]))
    if "pontos" in camadas:
        conferir_pontos(leitura, "pontos", *camadas["pontos"], pontos)
    if "poligono_limite" in camadas:
        conferir_poligono(leitura, "poligono_limite", *camadas["poligono_limite"], pontos, marcas)
    if "pontos_controle" in camadas:
        conferir_controle(leitura, "pontos_controle", *camadas["pontos_controle"], controle, coeficientes)
    return leitura.erros
