"""The "Exibir" menu in the real window: the overview and the magnifier.

On the sample chart, once oriented, both are photographed for the user guide: the
overview must draw the longest residual exaggerated as the program says, the magnifier
the main view's pixels around the pointer. Then an A0 sheet (19866 x 28087, the window
benchmark's synthetic chart, written while the job runs) is opened in a fresh program: a
click on the overview's bottom-right corner must scroll the main view to the sheet's
bottom-right corner and a drag must centre it on the point dragged to, as the scroll
bars and the screen show; the magnifier over a known pixel must show the picture's
pixels around it four times as large, nearest neighbour, with its cross on the pointer's
pixel. The picture's pixels come from djpeg, a decoder other than the program's.
"""

import math
import os
import re
import subprocess

from e2e_janela import Atspi, Falha, esperar, foto, marcado, valor, xdotool
from e2e_orientacao import residuos

CARTA = (3000, 2300)  # the sample chart's size
LARGURA_A0, ALTURA_A0 = 19866, 28087
# A grid crossing of the synthetic chart (lines every 500 pixels, three wide) near its
# top, where djpeg reads little of the file to crop.
CRUZAMENTO_A0 = (3001, 2001)
RECORTE = 64  # side of the patches of the picture compared with the screen
# Side of the patches decoded around where the overview's clicks should take the view: an
# overview pixel covers some 70 of the sheet's.
DECODIFICADO = 256
AUMENTO, RAIO = 4, 20  # the magnifier's: 41 x 41 picture pixels, 164 x 164 on the screen
LADO_LUPA = (2 * RAIO + 1) * AUMENTO
LARANJA = (255, 128, 0)  # the overview's rectangle around what the main view shows
TIPOS = ("filler",)  # Qt's accessible role of a top-level tool window


# ---------------------------------------------------------------- pixels

class Pixels:
    """An RGB patch whose top-left pixel is (x, y) in its picture's (or screen's) pixels."""

    def __init__(self, ppm, x=0, y=0):
        cabecalho = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
        if not cabecalho:
            raise Falha(f"not a binary 8-bit PPM: {ppm[:20]!r}")
        self.largura, self.altura = int(cabecalho.group(1)), int(cabecalho.group(2))
        self.dados = ppm[cabecalho.end():]
        self.x, self.y = x, y

    def __call__(self, x, y):
        i = 3 * ((y - self.y) * self.largura + x - self.x)
        return tuple(self.dados[i:i + 3])

    def contem(self, x, y):
        return self.x <= x < self.x + self.largura and self.y <= y < self.y + self.altura


def tela(x, y, largura, altura):
    """What the screen shows in that rectangle (the pointer is never in a capture)."""
    ppm = subprocess.run(["import", "-window", "root", "-crop", f"{largura}x{altura}+{x}+{y}",
                          "-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
    return Pixels(ppm, x, y)


class Recorte:
    """A patch of a JPEG file, decoded by djpeg in the background. djpeg widens a crop
    leftwards to a block boundary, keeping its right edge, and blends the chroma of the
    first column it decodes otherwise than a whole decode does: a block more is decoded
    on the left, and only the patch asked for is compared."""

    def __init__(self, arquivo, x, y, largura, altura):
        self.regiao = (x, y, largura, altura)
        esquerda = max(0, x - 16)
        self.processo = subprocess.Popen(
            ["djpeg", "-crop", f"{x + largura - esquerda}x{altura}+{esquerda}+{y}", arquivo],
            stdout=subprocess.PIPE)
        self.pixels = None

    def __call__(self):
        if self.pixels is None:
            ppm, _ = self.processo.communicate()
            x, y, largura, _ = self.regiao
            if self.processo.returncode != 0:
                raise Falha(f"djpeg could not crop ({x}, {y}) out of the picture")
            self.pixels = Pixels(ppm)
            self.pixels.x, self.pixels.y = x + largura - self.pixels.largura, y
        return self.pixels


def diferencas(mostrado, esperado, pontos):
    """The screen pixels, among (sx, sy, px, py), that differ from the picture's."""
    return [(sx, sy, mostrado(sx, sy), esperado(px, py)) for sx, sy, px, py in pontos
            if mostrado(sx, sy) != esperado(px, py)]


# ---------------------------------------------------------------- tool windows

def geometria(janela):
    """The window's inside (no frame) on the screen: x, y, width, height."""
    info = subprocess.run(["xwininfo", "-id", str(janela)], capture_output=True, text=True).stdout
    campo = lambda nome: int(re.search(nome + r":\s+(-?\d+)", info).group(1))
    return (campo("Absolute upper-left X"), campo("Absolute upper-left Y"), campo("Width"),
            campo("Height"))


def alternar(p, nome, mostrar):
    """Exibir -> nome; waits for the window of that caption to show (or go) and the item's
    check mark to follow. Returns the window's X id when shown."""
    p.menu("Exibir", nome)
    if mostrar:
        p.esperar_janela(nome, TIPOS)
    else:
        esperar(lambda: p.janela_visivel(TIPOS[0], nome) is None, f"the window {nome!r} to close",
                diagnostico=p.resumo)
    if marcado(p.item_menu(nome)) != mostrar:
        raise Falha(f"{nome!r} should be {'' if mostrar else 'un'}checked")
    return p.id_x(nome) if mostrar else None


# ---------------------------------------------------------------- the magnifier

def conferir_lupa(p, janela, imagem, px, py):
    """Waits for the magnifier to show the picture's pixels around (px, py), each as a
    4 x 4 block; the cross (red lines through the middle column and row, and a frame
    around the pointer's block) may cover what it crosses, never the pointer's block."""
    x0, y0, largura, altura = geometria(janela)
    if (largura, altura) != (LADO_LUPA, LADO_LUPA):
        raise Falha(f"the magnifier is {largura} x {altura}, expected {LADO_LUPA} x {LADO_LUPA}")
    a = RAIO * AUMENTO
    meio, b = a + AUMENTO // 2, a + AUMENTO - 1
    def cruz(i, j):
        dentro = a - 1 <= i <= b + 1 and a - 1 <= j <= b + 1
        moldura = dentro and (i in (a - 1, b + 1) or j in (a - 1, b + 1))
        return moldura or (not dentro and meio in (i, j))
    pontos = [(x0 + i, y0 + j, px - RAIO + i // AUMENTO, py - RAIO + j // AUMENTO)
              for j in range(LADO_LUPA) for i in range(LADO_LUPA) if not cruz(i, j)]
    ultima = []
    def igual():
        ultima[:] = diferencas(tela(x0, y0, LADO_LUPA, LADO_LUPA), imagem, pontos)
        return not ultima
    esperar(igual, f"the magnifier to show the picture around pixel ({px}, {py})",
            diagnostico=lambda: f"{len(ultima)} of its pixels differ, e.g. (screen x, y, shown, "
                                f"picture's) {ultima[:4]}")


def na_vista(p, px, py):
    """The main view's pixels around picture pixel (px, py), in the picture's pixels."""
    _, (ix, iy, _, _) = p._area_imagem()
    vista = tela(ix + px - RAIO, iy + py - RAIO, 2 * RAIO + 1, 2 * RAIO + 1)
    vista.x, vista.y = px - RAIO, py - RAIO
    return vista


def exagero(maior, lado_maior):
    """The factor written as "resíduos × N": the largest of 1, 2, 5, 10, 20 ... that keeps
    the longest residual within a twentieth of the sheet's longer side."""
    fatores = [passo * 10 ** n for n in range(6) for passo in (1, 2, 5)]
    return max([f for f in fatores if maior * f <= lado_maior / 20] + [1])


def vetores_residuos(trabalho):
    """Each control point's residual as the overview draws it, in sheet pixels: from the
    pixel clicked towards where its typed coordinates fall, exaggerated."""
    a, b, _, d, e, _ = (float(c) for c in trabalho.coef)
    det = a * e - b * d
    deltas = residuos(trabalho.controle, trabalho.coef)
    vetores = [(x, y, (e * -dE - b * -dN) / det, (a * -dN - d * -dE) / det)
               for (_, _, x, y), (dE, dN, _) in zip(trabalho.controle, deltas)]
    fator = exagero(max(math.hypot(dx, dy) for _, _, dx, dy in vetores), max(CARTA))
    return [(x, y, fator * dx, fator * dy) for x, y, dx, dy in vetores]


def residuo_desenhado(trabalho, janela):
    """Whether the overview is blue 80 % of the way along the longest residual, 130 %
    (beyond its end) and -80 % (the other side of its point): only the first should be."""
    x, y, dx, dy = max(vetores_residuos(trabalho), key=lambda v: math.hypot(v[2], v[3]))
    jx, jy, largura, altura = geometria(janela)
    escala = min(largura / CARTA[0], altura / CARTA[1])
    vista = tela(jx, jy, largura, altura)
    def azul(t):
        cx, cy = round((x + t * dx) * escala), round((y + t * dy) * escala)
        return any(vista.contem(jx + i, jy + j) and eh_azul(vista(jx + i, jy + j))
                   for i in range(cx - 1, cx + 2) for j in range(cy - 1, cy + 2))
    return [azul(t) for t in (0.8, 1.3, -0.8)]


def eh_azul(rgb):
    r, g, b = rgb
    return b >= 180 and r <= 90 and g <= 90


def fotografar(trabalho, controle):
    """On the oriented sample chart: the overview with its residual vectors, then the
    magnifier over a control point's crossing, photographed for the user guide; both
    closed again, the job going on as before."""
    p = trabalho.p
    # The point in the middle of the view first: the tool windows open over its corner.
    p.mostrar_pixel(*controle, centrar=True)
    vista_geral = alternar(p, "Vista geral", True)
    esperar(lambda: residuo_desenhado(trabalho, vista_geral) == [True, False, False],
            "the overview to draw the longest residual, exaggerated",
            diagnostico=lambda: f"blue at 80 %, 130 % and -80 % of it: "
                                f"{residuo_desenhado(trabalho, vista_geral)}")
    foto(os.path.join(trabalho.fotos, "vista_geral.png"))
    lupa = alternar(p, "Lupa", True)
    p.apontar_pixel(*controle)
    # The chart with the job's markers, as the main view shows it.
    conferir_lupa(p, lupa, na_vista(p, *controle), *controle)
    foto(os.path.join(trabalho.fotos, "lupa.png"))
    alternar(p, "Lupa", False)
    alternar(p, "Vista geral", False)


# ---------------------------------------------------------------- the A0 sheet

class Folha_a0:
    """The A0 sheet, written by carta_sintetica in the background from the start of the
    run (it takes a core for a quarter of a minute)."""

    def __init__(self, gerador, pasta):
        self.arquivo = os.path.join(pasta, "carta_a0.jpg")
        self.processo = subprocess.Popen([gerador, str(LARGURA_A0), str(ALTURA_A0), self.arquivo])

    def pronta(self):
        if self.processo.wait() != 0:
            raise Falha(f"carta_sintetica failed with status {self.processo.returncode}")
        return self.arquivo

    def parar(self):
        if self.processo.poll() is None:
            self.processo.kill()
            self.processo.wait()


def rolagem(p):
    horizontal, vertical = p.barras_de_rolagem()
    return valor(horizontal), valor(vertical)


def rolagem_maxima(p):
    return tuple(int(Atspi.Value.get_maximum_value(b)) for b in p.barras_de_rolagem())


def rolagem_centrada(p, escala, ox, oy):
    """Where the scroll bars must go for the main view to centre on the sheet point
    under overview pixel (ox, oy), as far as they reach."""
    _, _, vw, vh = p._area_imagem()[0]
    maximo = rolagem_maxima(p)
    # Halves rounded away from zero, as the program does.
    return tuple(max(0, min(m, math.floor(o / escala - v / 2 + 0.5)))
                 for o, v, m in zip((ox, oy), (vw, vh), maximo))


def conferir_na_tela(p, recorte, px, py, o_que):
    """Sheet pixel (px, py) and the patch around it are on the screen, inside the main
    view, where the view's scroll puts them, pixel for pixel as the picture holds them."""
    rx, ry, rw, rh = recorte.regiao
    if not (rx <= px < rx + rw and ry <= py < ry + rh):
        raise Falha(f"{o_que}, sheet pixel ({px}, {py}), lies outside the part of the picture "
                    f"decoded to check it, {recorte.regiao}")
    x = max(rx, min(rx + rw - RECORTE, px - RECORTE // 2))
    y = max(ry, min(ry + rh - RECORTE, py - RECORTE // 2))
    (vx, vy, vw, vh), (ix, iy, _, _) = p._area_imagem()
    sx, sy = ix + x, iy + y
    if not (vx <= sx and sx + RECORTE <= vx + vw and vy <= sy and sy + RECORTE <= vy + vh):
        raise Falha(f"{o_que}: the sheet's pixels from ({x}, {y}) on are at ({sx}, {sy}) on the "
                    f"screen, outside the main view {vx, vy, vw, vh}")
    pontos = [(sx + i, sy + j, x + i, y + j) for j in range(RECORTE) for i in range(RECORTE)]
    erradas = diferencas(tela(sx, sy, RECORTE, RECORTE), recorte(), pontos)
    if erradas:
        raise Falha(f"{o_que}: the main view shows the {RECORTE} x {RECORTE} pixels from ({x}, {y}) "
                    f"on otherwise than the picture in {len(erradas)}, e.g. {erradas[:4]}")


def visivel_na_vista_geral(p, escala):
    """The part of the sheet the main view shows, in overview pixels: x, y, width, height."""
    _, _, vw, vh = p._area_imagem()[0]
    h, v = rolagem(p)
    return tuple(round(n * escala) for n in (h, v, vw, vh))


def retangulo_visivel(p, escala, janela):
    """The overview frames the part of the sheet the main view shows: its orange
    rectangle's top and left sides cross the middles of that part's top and left sides."""
    x, y, largura, altura = visivel_na_vista_geral(p, escala)
    jx, jy, jw, jh = geometria(janela)
    vista = tela(jx, jy, jw, jh)
    laranja = lambda cx, cy: any(vista.contem(jx + i, jy + j) and vista(jx + i, jy + j) == LARANJA
                                 for i in range(cx - 2, cx + 3) for j in range(cy - 2, cy + 3))
    return laranja(x + largura // 2, y) and laranja(x, y + altura // 2)


def ir_pela_vista_geral(p, escala, janela, gesto, ox, oy, descricao):
    """Clicks or drags (gesto: the xdotool arguments) in the overview and waits for the
    main view's scroll bars to centre on the sheet point under (ox, oy), and for the
    overview to frame what the view then shows."""
    esperado = rolagem_centrada(p, escala, ox, oy)
    xdotool(*gesto)
    esperar(lambda: rolagem(p) == esperado, f"{descricao} to scroll the main view to {esperado}",
            diagnostico=lambda: f"it is at {rolagem(p)}")
    esperar(lambda: retangulo_visivel(p, escala, janela),
            f"the overview to frame the main view at {esperado}",
            diagnostico=lambda: f"no orange at the middles of the top and left sides of "
                                f"{visivel_na_vista_geral(p, escala)}")
    return esperado


def navegar_na_a0(trabalho, folha, passo):
    """The A0 sheet in a fresh program: the overview's corner, a drag in the overview,
    the magnifier over a grid crossing; passo(text) reports each."""
    arquivo = folha.pronta()
    canto = Recorte(arquivo, LARGURA_A0 - DECODIFICADO, ALTURA_A0 - DECODIFICADO, DECODIFICADO,
                    DECODIFICADO)
    cx, cy = CRUZAMENTO_A0
    perto = Recorte(arquivo, cx - DECODIFICADO // 2, cy - DECODIFICADO // 2, DECODIFICADO, DECODIFICADO)
    trabalho.iniciar()
    p = trabalho.p
    p.menu("Arquivo", "Abrir imagem")
    trabalho.dialogo_arquivo(arquivo)
    def carregada():
        try:
            return p._area_imagem()[1][2:] == (LARGURA_A0, ALTURA_A0)
        except StopIteration:  # busy loading, the program answers with no widgets
            return False
    esperar(carregada, "the A0 sheet at its natural size", espera=120)
    passo(f"Abrir imagem: the A0 sheet, {LARGURA_A0} x {ALTURA_A0}")

    janela = alternar(p, "Vista geral", True)
    _, _, largura, altura = geometria(janela)
    escala = min(largura / LARGURA_A0, altura / ALTURA_A0)
    # The sheet's bottom-right pixel in the overview.
    ox, oy = round(LARGURA_A0 * escala) - 1, round(ALTURA_A0 * escala) - 1
    fim = ir_pela_vista_geral(p, escala, janela, ("mousemove", "--window", janela, ox, oy, "click", 1),
                              ox, oy, "a click on the overview's bottom-right corner")
    if fim != rolagem_maxima(p):
        raise Falha(f"the corner click should scroll to the end {rolagem_maxima(p)}, it aims at {fim}")
    clicado = int(ox / escala), int(oy / escala)
    conferir_na_tela(p, canto, *clicado, "the point clicked")
    passo(f"Vista geral: its corner ({ox}, {oy}) clicked, the main view at {fim}, sheet pixel "
          f"{clicado} on the screen")

    ax, ay = round(cx * escala), round(cy * escala)
    arraste = ("mousemove", "--window", janela, largura // 2, altura // 2, "mousedown", 1,
               "mousemove", "--window", janela, (largura // 2 + ax) // 2, (altura // 2 + ay) // 2,
               "mousemove", "--window", janela, ax, ay, "mouseup", 1)
    meio = ir_pela_vista_geral(p, escala, janela, arraste, ax, ay, "a drag in the overview")
    arrastado = int(ax / escala), int(ay / escala)
    conferir_na_tela(p, perto, *arrastado, "the point dragged to")
    passo(f"Vista geral: dragged to ({ax}, {ay}), the main view at {meio}, sheet pixel {arrastado} "
          "on the screen")

    lupa = alternar(p, "Lupa", True)
    p.apontar_pixel(cx, cy)
    conferir_lupa(p, lupa, perto(), cx, cy)
    alternar(p, "Lupa", False)
    alternar(p, "Vista geral", False)
    passo(f"Lupa: pixel {CRUZAMENTO_A0} and its surroundings shown 4 x, the cross on it")
