#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpora: small valid inputs of every kind, made here
from scratch (the pictures by hand or with ImageMagick), one folder per target.

    fuzz/sementes.py FOLDER     -> FOLDER/reserva, FOLDER/comandos, FOLDER/jpeg, ...
"""
import os
import struct
import subprocess
import sys
import tempfile


def reservas(imagem):
    """Reserve files as the program writes them, and the variants a reader must take."""
    cabeca = (f"{imagem}\n4\n"
              "101  312200.000 7455800.000 507 490\n"
              "102  313200.000 7455800.000 2507 511\n"
              "103  313200.000 7455200.000 2494 1710\n"
              "104  312200.000 7455200.000 494 1690\n"
              "        0.4999444622\n        0.0054183223\n   311943.8717872106\n"
              "        0.0051265666\n       -0.5001528696\n  7456042.6003479343\n")
    pontos = ("      1 312062.013 7455244.979   48.80   219  1597 1\n"
              "      2 312159.002 7455938.262  111.10   428   213 2\n"
              "      3 313281.077 7455885.241   14.70  2671   342 3\n"
              "      4 312145.457 7455157.798   12.10   384  1773 -1\n"
              "      5 313232.637 7455048.896  -35.80  2556  2013 4\n")
    completa = cabeca + "    5\n" + pontos
    return {
        "completa": completa,
        "crlf": completa.replace("\n", "\r\n"),
        "sem_pontos": cabeca + "    0\n",
        "contagem_real": completa.replace("\n4\n", "\n4.0\n", 1),
        "campo_extra": cabeca + "    1\n  1 1.5e3 -2E2 0.5 10 20 -1 extra\n",
        "sem_fim_de_linha": completa.rstrip("\n"),
        "brancos": cabeca + "  2\n 7  1  2  3  4  5  -1\n8 1 2 3 4 5 1   \n",
        "dois_controles": f"{imagem}\n2\n1 0 0 0 0\n2 100 0 10 0\n1\n0\n0\n0\n1\n0\n    0\n",
    }


def u16(v):
    return struct.pack("<H", v & 0xFFFF)


def u32(v):
    return struct.pack("<I", v & 0xFFFFFFFF)


def bmp(largura, altura, bits, compressao, paleta, dados, cabecalho=40):
    """A Windows bitmap: file header, info header (40 bytes, or the 12-byte core one),
    palette and pixel data as given."""
    if cabecalho == 12:
        info = u32(12) + u16(largura) + u16(altura) + u16(1) + u16(bits)
        cores = b"".join(bytes((b, g, r)) for r, g, b in paleta)
    else:
        info = (u32(40) + struct.pack("<ii", largura, altura) + u16(1) + u16(bits) +
                u32(compressao) + u32(len(dados)) + u32(2835) + u32(2835) +
                u32(len(paleta)) + u32(0))
        cores = b"".join(bytes((b, g, r, 0)) for r, g, b in paleta)
    inicio = 14 + len(info) + len(cores)
    arquivo = b"BM" + u32(inicio + len(dados)) + u32(0) + u32(inicio)
    return arquivo + info + cores + dados


PALETA = [(255, 255, 255), (255, 0, 0), (0, 128, 0), (0, 0, 255)]


def bmps():
    # Rows of 5 pixels (15 bytes) padded to 16.
    linhas24 = b"".join(bytes([y * 40, y * 60, 128] * 5) + b"\0" for y in range(4))
    rle8 = (bytes([4, 1, 2, 2, 0, 0]) +            # run of 4 red, run of 2 green, end of line
            bytes([0, 3, 1, 2, 3, 0, 0, 0]) +      # absolute 1 2 3 (padded), end of line
            bytes([0, 2, 1, 1, 6, 3, 0, 1]))       # delta (1, 1), run of 6 blue, end of bitmap
    rle4 = (bytes([6, 0x12, 0, 0]) +               # run of 6 alternating 1 and 2
            bytes([0, 4, 0x31, 0x23, 0, 0]) +      # absolute 3 1 2 3
            bytes([0, 1]))
    mascaras = u32(0xF800) + u32(0x07E0) + u32(0x001F)
    linhas16 = b"".join(u16(0xF800 >> (x % 3 * 5)) for x in range(4)) * 3
    return {
        "rgb24": bmp(5, 4, 24, 0, [], linhas24),
        "rgb24_de_cima": bmp(5, -4, 24, 0, [], linhas24),
        "rle8": bmp(8, 3, 8, 1, PALETA, rle8),
        "rle4": bmp(8, 2, 4, 2, PALETA, rle4),
        "pal1": bmp(9, 2, 1, 0, [(0, 0, 0), (255, 255, 255)], bytes([0xAA, 0x80, 0, 0] * 2)),
        "pal4_core": bmp(3, 2, 4, 0, PALETA + [(0, 0, 0)] * 12,
                         bytes([0x01, 0x20, 0, 0, 0x32, 0x10, 0, 0]), cabecalho=12),
        "mascaras16": bmp_mascaras(4, 3, mascaras, linhas16),
        "rgb32": bmp(2, 2, 32, 0, [], bytes(range(16))),
    }


def bmp_mascaras(largura, altura, mascaras, dados):
    """A 16-bit BI_BITFIELDS bitmap: the three masks follow the 40-byte header."""
    info = (u32(40) + struct.pack("<ii", largura, altura) + u16(1) + u16(16) + u32(3) +
            u32(len(dados)) + u32(0) + u32(0) + u32(0) + u32(0))
    inicio = 14 + 40 + len(mascaras)
    return b"BM" + u32(inicio + len(dados)) + u32(0) + u32(inicio) + info + mascaras + dados


def emf():
    """An enhanced metafile of one inch by half an inch with a red rectangle."""
    r = (u32(1) + u32(88) + u32(10) + u32(10) + u32(40) + u32(40) +
         u32(0) + u32(0) + u32(2540) + u32(1270) +
         u32(0x464D4520) + u32(0x10000) + u32(0) + u32(6) +
         u16(2) + u16(0) + u32(0) + u32(0) + u32(0) +
         u32(960) + u32(480) + u32(254) + u32(127))
    r += u32(39) + u32(24) + u32(1) + u32(0) + u32(0x0000FF) + u32(0)   # brush
    r += u32(37) + u32(12) + u32(1)                                     # select it
    r += u32(37) + u32(12) + u32(0x80000008)                            # NULL_PEN
    r += u32(43) + u32(24) + u32(10) + u32(10) + u32(40) + u32(40)      # rectangle
    r += u32(14) + u32(20) + u32(0) + u32(16) + u32(20)                 # EOF
    return r[:48] + u32(len(r)) + r[52:]


def wmf():
    """A placeable metafile of one inch by half an inch: a red rectangle and a polyline."""
    r = (u32(5) + u16(0x020B) + u16(0) + u16(0) +
         u32(5) + u16(0x020C) + u16(720) + u16(1440) +
         u32(7) + u16(0x02FC) + u16(0) + u32(0x0000FF) + u16(0) +
         u32(4) + u16(0x012D) + u16(0) +
         u32(7) + u16(0x041B) + u16(720) + u16(720) + u16(0) + u16(0) +
         u32(8) + u16(0x02FA) + u16(0) + u16(30) + u16(0) + u32(0) +
         u32(4) + u16(0x012D) + u16(1) +
         u32(10) + u16(0x0325) + u16(3) + u16(800) + u16(100) + u16(1400) + u16(100) +
         u16(1400) + u16(600) +
         u32(3) + u16(0))
    w = u32(0x9AC6CDD7) + u16(0) + u16(0) + u16(0) + u16(1440) + u16(720) + u16(1440) + u32(0)
    soma = 0
    for i in range(0, 20, 2):
        soma ^= w[i] | w[i + 1] << 8
    w += u16(soma)
    w += u16(1) + u16(9) + u16(0x0300) + u32(9 + len(r) // 2) + u16(3) + u32(10) + u16(0)
    return w + r


def convertidas(pasta_tmp, saida, argumentos):
    """Pictures made with ImageMagick from a small synthetic image."""
    subprocess.run(["convert", "-size", "12x9", "gradient:red-blue"] + argumentos + [saida],
                   check=True, cwd=pasta_tmp)
    with open(saida, "rb") as f:
        return f.read()


def imagemagick(pasta_tmp):
    caminho = lambda nome: os.path.join(pasta_tmp, nome)
    return {
        "jpeg": {
            "cor": convertidas(pasta_tmp, caminho("a.jpg"), ["-quality", "80"]),
            "cinza": convertidas(pasta_tmp, caminho("b.jpg"), ["-colorspace", "Gray"]),
            "progressivo": convertidas(pasta_tmp, caminho("c.jpg"), ["-interlace", "Plane"]),
            "cmyk": convertidas(pasta_tmp, caminho("d.jpg"), ["-colorspace", "CMYK"]),
        },
        "ico": {
            "cor": convertidas(pasta_tmp, caminho("a.ico"), []),
            "duas_entradas": convertidas(pasta_tmp, caminho("b.ico"),
                                         ["-size", "8x8", "gradient:green-white"]),
        },
    }


def numeros():
    return {f"n{i}": t for i, t in enumerate([
        "0", "-12.5", "  +3.25e-2  ", "1E308", "1e309", "4.9e-324", ".5", "5.", "2147483647",
        "-2147483648", "2147483648", "  42", "42 ", "1,5", "0x1p3", "inf", "-", "1e", "007"])}


def gravar(pasta, nome, conteudo):
    os.makedirs(pasta, exist_ok=True)
    dados = conteudo.encode() if isinstance(conteudo, str) else conteudo
    with open(os.path.join(pasta, nome), "wb") as f:
        f.write(dados)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    saida = sys.argv[1]
    for nome, texto in reservas("/cartas/folha12.jpg").items():
        gravar(os.path.join(saida, "reserva"), nome, texto)
    for nome, texto in reservas("mapa.bmp").items():
        gravar(os.path.join(saida, "comandos"), nome, texto)
    # The exporter's target: a first byte that picks the reader (odd: a reserve file),
    # then the file; the ENh seeds are the reserve files' point lines.
    for nome, texto in reservas("mapa.bmp").items():
        gravar(os.path.join(saida, "exportar"), nome, "\x01" + texto)
        gravar(os.path.join(saida, "exportar"), nome + "_enh", "\x00" + texto.split("\n", 13)[-1])
    for nome, texto in numeros().items():
        gravar(os.path.join(saida, "conversao"), nome, texto)
    for nome, dados in bmps().items():
        gravar(os.path.join(saida, "bmp"), nome, dados)
    gravar(os.path.join(saida, "emf"), "retangulo", emf())
    gravar(os.path.join(saida, "wmf"), "retangulo_e_linha", wmf())
    with tempfile.TemporaryDirectory() as pasta_tmp:
        for alvo, arquivos in imagemagick(pasta_tmp).items():
            for nome, dados in arquivos.items():
                gravar(os.path.join(saida, alvo), nome, dados)


if __name__ == "__main__":
    main()
