"""The end-to-end run's hands and eyes on the real program window.

Input is real: mouse and keyboard events sent to the X server with xdotool, as a person
would produce them. What the program shows is read through the accessibility bus
(AT-SPI): the captions and texts of its boxes, the contents of edits, lists and status
panels, and where each widget lies on the screen, so that a click lands on the exact
image pixel even after the view was scrolled. Nothing here waits a fixed time for an
effect: every wait polls for the effect itself and fails, naming what was on the
screen, when it does not come.
"""

import functools
import re
import subprocess
import threading
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

from espera import Falha, esperar as esperar_efeito  # noqa: E402,F401 (Falha: for the drivers)

ESPERA_PADRAO = 20.0  # seconds; generous for a loaded CI machine, reached only on failure
INTERVALO = 0.03


# A widget that went away between two questions is no answer yet.
esperar = functools.partial(esperar_efeito, espera=ESPERA_PADRAO, intervalo=INTERVALO,
                            passageiras=(GLib.Error,))


def xdotool(*argumentos):
    subprocess.run(["xdotool", *map(str, argumentos)], check=True)


def papel(no):
    return no.get_role_name()


def filhos(no):
    for i in range(no.get_child_count()):
        filho = no.get_child_at_index(i)
        if filho is not None:
            yield filho


def descendentes(no):
    for filho in filhos(no):
        yield filho
        yield from descendentes(filho)


def visivel(no):
    estados = no.get_state_set()
    return estados.contains(Atspi.StateType.SHOWING) and estados.contains(Atspi.StateType.VISIBLE)


def habilitado(no):
    return no.get_state_set().contains(Atspi.StateType.ENABLED)


def marcado(no):
    return no.get_state_set().contains(Atspi.StateType.CHECKED)


def retangulo(no):
    r = no.get_extents(Atspi.CoordType.SCREEN)
    return r.x, r.y, r.width, r.height


def centro(no):
    x, y, w, h = retangulo(no)
    return x + w // 2, y + h // 2


def texto(no):
    """The text of an edit or a label as the program holds it, blanks included."""
    if papel(no) in ("text", "entry", "password text"):
        return Atspi.Text.get_text(no, 0, Atspi.Text.get_character_count(no))
    return no.get_name()


def valor(no):
    """The position of a scroll bar (AT-SPI Value interface)."""
    return int(Atspi.Value.get_current_value(no))


def clicar(no, botao=1):
    if not habilitado(no):
        raise Falha(f"{papel(no)} {no.get_name()!r} is disabled")
    x, y = centro(no)
    xdotool("mousemove", x, y, "click", botao)


def digitar(texto_digitado):
    xdotool("type", "--delay", 25, texto_digitado)


def tecla(nome):
    xdotool("key", nome)


def foto(caminho):
    # zlib's fastest level, still lossless: the default one spent about two seconds on
    # each screenshot of the chart here.
    subprocess.run(["import", "-window", "root", "-define", "png:compression-level=1", caminho], check=True)


def area_de_trabalho():
    """The screen's available area (x, y, width, height) as the window manager gives it."""
    saida = subprocess.run(["xprop", "-root", "_NET_WORKAREA"], capture_output=True, text=True).stdout
    return tuple(int(n) for n in re.findall(r"\d+", saida.partition("=")[2])[:4])


class Vigia_tamanho:
    """Every size the X server gave one window, as xev reports its ConfigureNotify
    events; reading happens in a thread of its own so that xev never blocks."""

    def __init__(self, janela):
        self.tamanhos = []
        self.processo = subprocess.Popen(["xev", "-id", str(janela), "-event", "structure"],
                                         stdout=subprocess.PIPE, text=True)
        self.leitor = threading.Thread(target=self._ler, daemon=True)
        self.leitor.start()

    def _ler(self):
        for linha in self.processo.stdout:
            achado = re.search(r"width (\d+), height (\d+)", linha)
            if achado:
                self.tamanhos.append((int(achado.group(1)), int(achado.group(2))))

    def maior(self):
        return (max((w for w, _ in self.tamanhos), default=0), max((h for _, h in self.tamanhos), default=0))

    def parar(self):
        # The reader ends with xev's output; a thread still reading when the interpreter
        # shuts down can abort it (and fail the run after it passed).
        self.processo.terminate()
        self.processo.wait()
        self.leitor.join()


class Programa:
    """One running program, found on the accessibility bus by its process id."""

    def __init__(self, processo):
        self.processo = processo
        self.vigia = None
        self.app = esperar(self._achar_aplicacao, "the program on the accessibility bus")
        # Status panels and edits change all the time: never answer from a cache.
        self.app.set_cache_mask(Atspi.Cache.NONE)
        self.janela = esperar(lambda: self.janela_visivel("frame", "Mapirel"), 'the window "Mapirel"')

    def _achar_aplicacao(self):
        if self.processo.poll() is not None:
            raise Falha(f"the program ended with status {self.processo.returncode}")
        mesa = Atspi.get_desktop(0)
        for app in filhos(mesa):
            try:
                if app.get_process_id() == self.processo.pid and app.get_child_count() > 0:
                    return app
            except GLib.Error:
                pass
        return None

    # ------------------------------------------------------------ windows and boxes

    def janelas(self):
        return [j for j in filhos(self.app) if visivel(j)]

    def resumo(self):
        """What is on the screen, for failure messages."""
        linhas = []
        for j in self.janelas():
            linhas.append(f"  {papel(j)} {j.get_name()!r}")
            for d in descendentes(j):
                if papel(d) == "label" and d.get_name():
                    linhas.append(f"      label {d.get_name()!r}")
        return "on the screen:\n" + "\n".join(linhas) if linhas else "no window on the screen"

    def janela_visivel(self, tipo, titulo):
        for j in self.janelas():
            if papel(j) == tipo and j.get_name() == titulo:
                return j
        return None

    def esperar_janela(self, titulo, tipos=("dialog", "alert", "frame", "window")):
        """Waits for a top-level window with exactly this caption."""
        def achar():
            for j in self.janelas():
                if papel(j) in tipos and j.get_name() == titulo:
                    return j
            return None
        return esperar(achar, f"a window titled {titulo!r}", diagnostico=self.resumo)

    def esperar_fechar(self, janela, descricao, espera=ESPERA_PADRAO):
        esperar(lambda: not visivel(janela), f"{descricao} to close", espera=espera, diagnostico=self.resumo)

    def caixa(self, titulo, texto_esperado=None, botao="OK"):
        """Waits for the message box with this caption, checks its text when given,
        presses the button and waits for the box to go. Returns the text shown."""
        caixa = self.esperar_janela(titulo, ("alert", "dialog"))
        mostrado = self.texto_caixa(caixa)
        if texto_esperado is not None and mostrado != texto_esperado:
            raise Falha(f"box {titulo!r} shows\n{mostrado!r}\nexpected\n{texto_esperado!r}")
        clicar(self.botao(caixa, botao))
        self.esperar_fechar(caixa, f"the box {titulo!r}")
        return mostrado

    def texto_caixa(self, caixa):
        rotulos = [d.get_name() for d in descendentes(caixa) if papel(d) == "label" and d.get_name()]
        if len(rotulos) > 1:
            raise Falha(f"box {caixa.get_name()!r} holds labels {rotulos!r}")
        return rotulos[0] if rotulos else ""  # some boxes show an empty text

    def botao(self, janela, rotulo):
        for d in descendentes(janela):
            if papel(d) == "push button" and d.get_name() == rotulo:
                return d
        raise Falha(f"no button {rotulo!r} in {janela.get_name()!r}")

    def de_papel(self, janela, tipo):
        """The widgets of one role inside a window, top to bottom, then left to right."""
        achados = [d for d in descendentes(janela) if papel(d) == tipo]
        return sorted(achados, key=lambda d: (retangulo(d)[1], retangulo(d)[0]))

    # ------------------------------------------------------------ menus

    def menu(self, *caminho):
        """Opens the menus along the path with the mouse and clicks the last item."""
        atual = self.janela
        for n, nome in enumerate(caminho):
            item = esperar(lambda: self._item_visivel(atual, nome), f"the menu item {nome!r}",
                           diagnostico=self.resumo)
            if not habilitado(item):
                raise Falha(f"menu item {nome!r} is disabled")
            if n == len(caminho) - 1 or n == 0:
                clicar(item)
            else:
                xdotool("mousemove", *centro(item))  # a submenu opens on hover
            atual = item

    def _item_visivel(self, raiz, nome):
        """The item, once it and the popup holding it are on the screen (a click that
        came too early would fall through to the image)."""
        for d in descendentes(raiz):
            if papel(d) == "menu item" and d.get_name() == nome and visivel(d):
                dono = d.get_parent()
                if papel(dono) == "popup menu" and (not visivel(dono) or retangulo(dono)[2] == 0):
                    return None
                x, y, w, h = retangulo(d)
                if w > 0 and h > 0:
                    return d
        return None

    def item_menu(self, nome):
        for d in descendentes(self.janela):
            if papel(d) == "menu item" and d.get_name() == nome:
                return d
        raise Falha(f"no menu item {nome!r}")

    # ------------------------------------------------------------ status bar and image

    def painel(self, indice):
        return self.rotulo_painel(indice).get_name()

    def esperar_painel(self, indice, esperado):
        esperar(lambda: self.painel(indice) == esperado,
                f"status panel {indice} to read {esperado!r} (it reads {self.painel(indice)!r})")

    def focar(self):
        """Gives the main window the keyboard focus by clicking a status panel that
        does nothing."""
        clicar(self.rotulo_painel(5))

    def id_x(self, titulo="Mapirel"):
        """The X window id of the program's window with this caption, the main window's by
        default. The accessibility bus can report a window shown a moment before the X
        server has it viewable: wait for it there. Without --all, xdotool would take any
        window of the process, whatever its caption."""
        def ids():
            return subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.processo.pid),
                                   "--name", f"^{titulo}$"], capture_output=True, text=True).stdout.split()
        def um():
            achados = ids()
            return achados if len(achados) == 1 else None
        return int(esperar(um, f"one window {titulo!r} viewable on the display",
                           diagnostico=lambda: f"found {ids()}")[0])

    def vigiar_tamanho(self):
        """Starts recording every size the X server gives the main window, to check
        later that it never grew beyond the screen (see Vigia_tamanho)."""
        self.vigia = Vigia_tamanho(self.id_x())
        return self.vigia

    def estado_janela(self):
        """The main window as the window manager holds it: its _NET_WM_STATE flags
        and its frame's rectangle on the screen."""
        janela = self.id_x()
        estado = subprocess.run(["xprop", "-id", str(janela), "_NET_WM_STATE"], capture_output=True,
                                text=True).stdout
        flags = set(re.findall(r"_NET_WM_STATE_(\w+)", estado))
        info = subprocess.run(["xwininfo", "-id", str(janela)], capture_output=True, text=True).stdout
        campo = lambda nome: int(re.search(nome + r":\s+(-?\d+)", info).group(1))
        x, y = campo("Absolute upper-left X"), campo("Absolute upper-left Y")
        w, h = campo("Width"), campo("Height")
        esquerda, direita, topo, base = self.bordas()
        return flags, (x - esquerda, y - topo, w + esquerda + direita, h + topo + base)

    def bordas(self):
        """The window manager's frame around the main window: left, right, top (the
        title bar) and bottom, in pixels."""
        saida = subprocess.run(["xprop", "-id", str(self.id_x()), "_NET_FRAME_EXTENTS"],
                               capture_output=True, text=True).stdout
        return [int(n) for n in re.findall(r"\d+", saida.partition("=")[2])] or [0, 0, 0, 0]

    def restaurar(self):
        """Takes the maximised state away as a person does, with a double click on the
        title bar (openbox toggles the maximised state so), and waits for the window to
        be normal."""
        _, (x, y, largura, _) = self.estado_janela()
        topo = self.bordas()[2]
        if topo <= 0:
            raise Falha("the main window has no title bar to double-click")
        xdotool("mousemove", x + largura // 2, y + topo // 2, "click", "--repeat", 2, "--delay", 80, 1)
        esperar(lambda: not self.estado_janela()[0] & {"MAXIMIZED_VERT", "MAXIMIZED_HORZ"},
                "the main window to be restored", diagnostico=lambda: f"it is {self.estado_janela()}")

    def conferir_maximizada(self, depois_de=""):
        """Waits for the main window to end maximised by the window manager, its frame
        filling the work area, and checks that it stays so; fails naming what it got.
        The program must get there by itself: nothing here asks the manager for it."""
        area = area_de_trabalho()
        def maximizada():
            flags, frame = self.estado_janela()
            return {"MAXIMIZED_VERT", "MAXIMIZED_HORZ"} <= flags and frame == area
        descricao = f"the main window to be maximised{' after ' + depois_de if depois_de else ''}"
        esperar(maximizada, descricao, espera=5,
                diagnostico=lambda: f"it is {self.estado_janela()}, the work area {area}")
        # Still so a moment later: a late answer of the manager would undo it.
        time.sleep(0.3)
        if not maximizada():
            raise Falha(f"{descricao}: it left that state, now {self.estado_janela()}")
        if self.vigia:
            maior = self.vigia.maior()
            if maior[0] > area[2] or maior[1] > area[3]:
                raise Falha(f"the main window was given {maior[0]} x {maior[1]} on the way, "
                            f"beyond the {area[2]} x {area[3]} work area")

    def barras_de_rolagem(self):
        """The view's horizontal and vertical scroll bars (AT-SPI Value interface)."""
        rolagem = next(d for d in filhos(self.janela) if papel(d) == "filler")
        barras = [d for d in descendentes(rolagem) if papel(d) == "scroll bar"]
        horizontal = next(b for b in barras if retangulo(b)[2] > retangulo(b)[3])
        vertical = next(b for b in barras if retangulo(b)[3] > retangulo(b)[2])
        return horizontal, vertical

    def girar_roda(self, sobre, botao):
        """Turns the wheel once with the mouse over the widget: xdotool buttons 4 and 5
        are the vertical wheel (away from and towards the user), 6 and 7 the horizontal."""
        xdotool("mousemove", *centro(sobre), "click", botao)

    def vista(self):
        """The scroll area's viewport: the part of the picture on the screen."""
        rolagem = next(d for d in filhos(self.janela) if papel(d) == "filler")
        return next(d for d in filhos(rolagem) if papel(d) == "filler")

    def rotulo_painel(self, indice):
        barra = next(d for d in filhos(self.janela) if papel(d) == "status bar")
        return [d for d in filhos(barra) if papel(d) == "label"][indice]

    def _area_imagem(self):
        """The scroll area's viewport and the image inside it (its top-left corner
        moves off the screen as the view scrolls)."""
        rolagem = next(d for d in filhos(self.janela) if papel(d) == "filler")
        vista = next(d for d in filhos(rolagem) if papel(d) == "filler")
        imagem = next(d for d in filhos(vista) if papel(d) == "filler")
        return retangulo(vista), retangulo(imagem)

    def mostrar_pixel(self, px, py, margem=60, centrar=False):
        """Scrolls by dragging with the right button, as a person does, until the image
        pixel lies inside the view (or, centrar, near its middle, as far as the image
        allows); returns its screen position."""
        for _ in range(8):
            (vx, vy, vw, vh), (ix, iy, iw, ih) = self._area_imagem()
            sx, sy = ix + px, iy + py
            dentro = vx + margem <= sx < vx + vw - margem and vy + margem <= sy < vy + vh - margem
            if centrar:
                # Near the middle, or against an edge of the image that cannot scroll further.
                perto_x = abs(sx - (vx + vw // 2)) < vw // 4 or (sx < vx + vw // 2 and ix >= vx) \
                    or (sx > vx + vw // 2 and ix + iw <= vx + vw)
                perto_y = abs(sy - (vy + vh // 2)) < vh // 4 or (sy < vy + vh // 2 and iy >= vy) \
                    or (sy > vy + vh // 2 and iy + ih <= vy + vh)
                dentro = dentro and perto_x and perto_y
            if dentro:
                return sx, sy
            # Move the pixel to the middle of the view, at most a view's width per drag.
            dx = max(-(vw - 2 * margem), min(vw - 2 * margem, sx - (vx + vw // 2)))
            dy = max(-(vh - 2 * margem), min(vh - 2 * margem, sy - (vy + vh // 2)))
            ax = vx + vw - margem if dx > 0 else vx + margem
            ay = vy + vh - margem if dy > 0 else vy + margem
            if dx == 0:
                ax = vx + vw // 2
            if dy == 0:
                ay = vy + vh // 2
            xdotool("mousemove", ax, ay, "mousedown", 3, "mousemove", ax - dx // 2, ay - dy // 2,
                    "mousemove", ax - dx, ay - dy, "mouseup", 3)
            esperar(lambda: self._area_imagem()[1][:2] != (ix, iy), "the view to scroll")
        raise Falha(f"could not bring image pixel ({px}, {py}) into view")

    def apontar_pixel(self, px, py):
        """Puts the mouse on the image pixel and checks, in the status bar, that the
        program sees it there."""
        sx, sy = self.mostrar_pixel(px, py)
        xdotool("mousemove", sx, sy)
        esperar(lambda: self.painel(0) == f" Xt= {px}" and self.painel(1) == f" Yt= {py}",
                f"the status bar to show pixel ({px}, {py})",
                diagnostico=lambda: f"it shows {self.painel(0)!r} {self.painel(1)!r}")

    def clicar_pixel(self, px, py):
        self.apontar_pixel(px, py)
        xdotool("click", 1)
