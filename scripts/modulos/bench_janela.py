"""Window benchmark: opening a big chart in the real program window, as a person does,
against the same opening without the overview's reduced copy and against a bare decoder
of the same file, in alternating rounds; then clicks in the overview.

The program runs on a virtual X display of its own with a window manager. Each round
starts the program afresh, opens "Arquivo" -> "Abrir imagem" with the mouse, types the
file's name into the file dialog and times from the Return that accepts it until the
picture is on the screen: the synthetic chart carries a magenta patch at its top-left
corner, and the screen is read until the patch shows. The peak resident memory of the
program (VmHWM) is read once the picture is shown. Every round opens the file twice, in
turns first: as the program is (its decoders sum the overview's reduced copy while they
write the rows) and with MAPIREL_SEM_REDUCAO set (without the copy: the opening as it was
before the overview). The bare decoder (djpeg for JPEG, bmptoppm for bitmaps) writes the
same file to /dev/null, timed in the same round.

In the last round's program, "Exibir" -> "Vista geral" is opened from the keyboard, its
window moved off the patch, and the overview clicked in turns in its middle and at its
top-left corner: the pointer put there first, then the button pressed and released
through the XTEST extension, timed from then until the main view shows there (the patch
gone from its place, then back).

The charts are written once into a folder of their own (not the repository) by
carta_sintetica and kept there for later runs.

Bounds: time with the reduced copy <= 1.05 x without it, and <= 1.15 x the bare
decoder; peak memory <= raster + 64 MiB + the overview (its sums, the band of rows being
summed and its picture); a click in the overview to the main view repainted there
<= 16 ms.
"""

import argparse
import ctypes
import functools
import mmap
import os
import statistics
import subprocess
import sys
import time

from espera import Falha, esperar as esperar_efeito

CARTAS = {
    "100mp_jpeg": (10000, 10000, "carta_100mp.jpg"),
    "a0_jpeg": (19866, 28087, "carta_a0.jpg"),
    "a0_bmp": (19866, 28087, "carta_a0.bmp"),
}
ESPERA = 120.0  # seconds; reached only on failure
REGIAO = 600    # the screen's top-left square where the picture's corner must appear
LADO_REDUZIDO = 1024  # the reduced copy's longer side at most (figuras/Reducao_em_media.h)
CLIQUES = 15    # clicks each way in the overview
PASSO = 8       # of the samples read there
MADV_POPULATE_WRITE = 23


esperar = functools.partial(esperar_efeito, espera=ESPERA, intervalo=0.02)


# ---------------------------------------------------------------- the display

def iniciar_tela(pasta):
    """Xvfb on the first free display number from 140, then openbox; returns the
    processes to end."""
    numero = 140
    while True:
        while os.path.exists(f"/tmp/.X{numero}-lock"):
            numero += 1
        xvfb = subprocess.Popen(["Xvfb", f":{numero}", "-screen", "0", "1920x1080x24", "-nolisten", "tcp"],
                                stdout=subprocess.DEVNULL, stderr=open(os.path.join(pasta, "xvfb.log"), "w"))
        try:
            def nosso():
                if xvfb.poll() is not None:
                    return "ended"
                try:
                    with open(f"/tmp/.X{numero}-lock") as trava:
                        return "ours" if int(trava.read().strip()) == xvfb.pid else None
                except (OSError, ValueError):
                    return None
            if esperar(nosso, "the X server", espera=10) == "ours":
                break
        except Falha:
            xvfb.kill()
        numero += 1
    os.environ["DISPLAY"] = f":{numero}"
    esperar(lambda: subprocess.run(["xdpyinfo"], capture_output=True).returncode == 0, "the X server")
    for _ in range(3):
        openbox = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL,
                                   stderr=open(os.path.join(pasta, "openbox.log"), "w"))
        try:
            esperar(lambda: b"window id" in subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                                           capture_output=True).stdout, "openbox", espera=5)
            return [openbox, xvfb]
        except Falha:
            openbox.kill()
            openbox.wait()
    raise Falha("the window manager did not start")


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


class Tela:
    """Reads the screen straight from the X server (libX11 through ctypes, one request
    per look). The magenta patch is first looked for in the screen's top-left square;
    once found, only a small square at its middle is read, which costs next to nothing
    beside the program being timed."""

    def __init__(self):
        self.x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x11.XGetImage.restype = ctypes.POINTER(XImage)
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x11.XFree.argtypes = [ctypes.c_void_p]
        self.xtst = ctypes.cdll.LoadLibrary("libXtst.so.6")
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.tela = self.x11.XOpenDisplay(None)
        self.raiz = self.x11.XDefaultRootWindow(self.tela)
        self.lugar = None  # top-left corner of the square where the patch shows

    def _pixels(self, x, y, lado):
        imagem = self.x11.XGetImage(self.tela, self.raiz, x, y, lado, lado, 0xFFFFFFFF, 2)
        i = imagem.contents
        if i.bits_per_pixel != 32:
            raise Falha("cannot read the screen as 32-bit pixels")
        dados = ctypes.string_at(i.data, i.bytes_per_line * lado)
        por_linha = i.bytes_per_line // 4
        self.x11.XFree(ctypes.c_void_p(i.data))
        self.x11.XFree(imagem)
        return memoryview(dados).cast("I"), por_linha

    @staticmethod
    def _magenta(p):
        return p >> 16 & 0xFF > 200 and p >> 8 & 0xFF < 60 and p & 0xFF > 200

    def procurar_mancha(self):
        """Finds the patch in the top-left square and keeps its place; True when found."""
        pixels, por_linha = self._pixels(0, 0, REGIAO)
        achados = [(x, y) for y in range(0, REGIAO, PASSO) for x in range(0, REGIAO, PASSO)
                   if self._magenta(pixels[y * por_linha + x])]
        if len(achados) < (96 // PASSO) ** 2 * 2 // 3:
            return False
        cx = sum(x for x, _ in achados) // len(achados)
        cy = sum(y for _, y in achados) // len(achados)
        self.lugar = (cx - 8, cy - 8)
        return True

    def clicar(self):
        """A left click where the pointer is, sent at once."""
        self.xtst.XTestFakeButtonEvent(self.tela, 1, 1, 0)
        self.xtst.XTestFakeButtonEvent(self.tela, 1, 0, 0)
        self.x11.XFlush(self.tela)

    def mancha_visivel(self):
        """True when the 16 x 16 square at the patch's place is magenta throughout."""
        pixels, por_linha = self._pixels(*self.lugar, 16)
        return all(self._magenta(pixels[y * por_linha + x]) for y in range(16) for x in range(16))


# ---------------------------------------------------------------- one opening

def janelas_visiveis(pid):
    saida = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                           capture_output=True, text=True).stdout.split()
    return saida


def nome_janela(janela):
    return subprocess.run(["xdotool", "getwindowname", janela], capture_output=True, text=True).stdout.strip()


def janela_chamada(pid, nome):
    return next((j for j in janelas_visiveis(pid) if nome_janela(j) == nome), None)


def status_kib(pid, campo):
    with open(f"/proc/{pid}/status") as status:
        for linha in status:
            if linha.startswith(campo):
                return int(linha.split()[1])
    raise Falha(f"no {campo} for process {pid}")


def cpu_s(pid):
    """User + system CPU seconds the process has spent so far."""
    with open(f"/proc/{pid}/stat") as stat:
        campos = stat.read().rsplit(")", 1)[1].split()
    return (int(campos[11]) + int(campos[12])) / os.sysconf("SC_CLK_TCK")


def abrir_no_programa(programa, arquivo, tela, registro, ambiente=None, depois=None):
    """One opening in a fresh program, with the environment's variables and `ambiente`'s;
    returns (seconds, CPU seconds, VmHWM KiB, VmRSS KiB before). `depois`, when given, is
    called with the process once the picture is shown, before the program ends."""
    ambiente = dict({k: v for k, v in os.environ.items() if k != "MAPIREL_SEM_REDUCAO"},
                    QT_QPA_PLATFORM="xcb", **(ambiente or {}))
    processo = subprocess.Popen([programa], cwd=os.path.dirname(arquivo), env=ambiente,
                                stdout=registro, stderr=subprocess.STDOUT)
    try:
        janela = esperar(lambda: janela_chamada(processo.pid, "Mapirel"), "the main window")
        time.sleep(0.5)  # the window manager's placement settles
        subprocess.run(["xdotool", "mousemove", "--window", janela, "25", "10", "click", "1"], check=True)
        esperar(lambda: len(janelas_visiveis(processo.pid)) > 1, 'the "Arquivo" menu')
        subprocess.run(["xdotool", "key", "Down", "Return"], check=True)  # "Abrir imagem"
        dialogo = esperar(lambda: janela_chamada(processo.pid, "Abrir"), "the file dialog")
        subprocess.run(["xdotool", "type", "--delay", "5", os.path.basename(arquivo)], check=True)
        time.sleep(0.5)
        # A completion list over the name field would take the Return: closed first.
        if len(janelas_visiveis(processo.pid)) > 2:
            subprocess.run(["xdotool", "key", "Escape"], check=True)
            esperar(lambda: len(janelas_visiveis(processo.pid)) == 2, "the completion list to close")
        if tela.procurar_mancha():
            raise Falha("the magenta patch is on the screen before the picture is opened")
        antes = status_kib(processo.pid, "VmRSS:")
        cpu_antes = cpu_s(processo.pid)
        inicio = time.monotonic()
        subprocess.run(["xdotool", "key", "Return"], check=True)
        if tela.lugar is None:  # the first opening, not counted, finds where the patch shows
            esperar(tela.procurar_mancha, "the picture on the screen", intervalo=0.05)
        else:
            esperar(tela.mancha_visivel, "the picture on the screen", intervalo=0.002)
        segundos = time.monotonic() - inicio
        cpu = cpu_s(processo.pid) - cpu_antes
        time.sleep(1.0)  # whatever the window system does next is paid now, or never
        if dialogo in janelas_visiveis(processo.pid):
            raise Falha("the file dialog is still open")
        pico = status_kib(processo.pid, "VmHWM:")
        if depois:
            depois(processo)
        return segundos, cpu, pico, antes
    finally:
        processo.terminate()
        processo.wait()


# ---------------------------------------------------------------- the overview

def abrir_vista_geral(pid):
    """"Exibir" -> "Vista geral" from the keyboard: with a picture open, the menus between
    "Arquivo" and "Exibir" are unavailable and the arrow keys pass over them. The window,
    which comes up at the screen's top-left corner, is moved off the patch; returns it and
    its width and height."""
    janela = janela_chamada(pid, "Mapirel")
    subprocess.run(["xdotool", "mousemove", "--window", janela, "25", "10", "click", "1"], check=True)
    esperar(lambda: len(janelas_visiveis(pid)) > 1, 'the "Arquivo" menu')
    subprocess.run(["xdotool", "key", "Right", "Right", "Return"], check=True)  # its first item
    vista = esperar(lambda: janela_chamada(pid, "Vista geral"), "the overview")
    subprocess.run(["xdotool", "windowmove", "--sync", vista, "1500", "600"], check=True)
    time.sleep(0.5)  # the window manager's placement settles
    geometria = subprocess.run(["xdotool", "getwindowgeometry", "--shell", vista], capture_output=True,
                               text=True, check=True).stdout
    valores = dict(linha.split("=") for linha in geometria.split())
    return vista, int(valores["WIDTH"]), int(valores["HEIGHT"])


def cliques_na_vista_geral(pid, tela):
    """Seconds from each click in the overview until the main view shows there: to the
    sheet's middle (the patch gone) and back to its top-left corner (the patch shown). The
    pointer is put in place first, untimed; the click alone is timed."""
    vista, largura, altura = abrir_vista_geral(pid)
    ida, volta = [], []
    for _ in range(CLIQUES):
        for (x, y), efeito, tempos in (((largura // 2, altura // 2), lambda: not tela.mancha_visivel(), ida),
                                       ((2, 2), tela.mancha_visivel, volta)):
            subprocess.run(["xdotool", "mousemove", "--window", vista, str(x), str(y)], check=True)
            time.sleep(0.3)  # the pointer's move and whatever followed it are over
            inicio = time.monotonic()
            tela.clicar()
            esperar(efeito, "the main view to show where the overview was clicked", intervalo=0.0005)
            tempos.append(time.monotonic() - inicio)
    return ida, volta


def memoria_s(bytes_raster):
    """Seconds to obtain fresh memory of the raster's size (faulted in by one call): what
    the program pays beyond any decoder that streams its output, measured in the same
    round."""
    inicio = time.monotonic()
    with mmap.mmap(-1, bytes_raster) as memoria:
        try:
            memoria.madvise(MADV_POPULATE_WRITE)
        except OSError:  # an older kernel: touched page by page
            for posicao in range(0, bytes_raster, mmap.PAGESIZE):
                memoria[posicao] = 1
        return time.monotonic() - inicio


def decodificar_puro(arquivo):
    """Seconds and CPU seconds of the bare decoder writing the picture to /dev/null."""
    decodificador = "djpeg" if arquivo.endswith(".jpg") else "bmptoppm"
    inicio = time.monotonic()
    with open(os.devnull, "wb") as nada:
        processo = subprocess.Popen([decodificador, arquivo], stdout=nada, stderr=subprocess.DEVNULL)
        _, estado, uso = os.wait4(processo.pid, 0)
    segundos = time.monotonic() - inicio
    if estado != 0:
        raise Falha(f"{decodificador} failed on {arquivo}")
    return segundos, uso.ru_utime + uso.ru_stime


# ---------------------------------------------------------------- the report

def resumo(valores):
    return f"median {statistics.median(valores):.3f} (min {min(valores):.3f}, max {max(valores):.3f})"


def bytes_vista_geral(largura, altura):
    """The overview's memory: the reduced copy's sums (three of 32 bits a reduced pixel),
    the band of rows being summed (four of 16 bits a column) and the picture shown."""
    fator = max(1, -(-max(largura, altura) // LADO_REDUZIDO))
    reduzidos = -(-largura // fator) * -(-altura // fator)
    return reduzidos * 12 + largura * 8 + reduzidos * 4


def medir(nome, arquivo, largura, altura, rodadas, programa, tela, registro):
    com, sem = "com", "sem"  # with and without the reduced copy
    tempos, cpus, picos = {com: [], sem: []}, {com: [], sem: []}, {com: [], sem: []}
    bases, cpus_base, ociosos, memorias, cliques = [], [], [], [], None
    tela.lugar = None
    abrir_no_programa(programa, arquivo, tela, registro)  # also brings the file into the cache

    def depois(processo):
        nonlocal cliques
        cliques = cliques_na_vista_geral(processo.pid, tela)

    for rodada in range(rodadas):
        for variante in ((com, sem) if rodada % 2 == 0 else (sem, com)):
            ultima = rodada == rodadas - 1 and variante == com
            segundos, cpu, pico, antes = abrir_no_programa(
                programa, arquivo, tela, registro, ambiente={"MAPIREL_SEM_REDUCAO": "1"} if variante == sem else {},
                depois=depois if ultima else None)
            tempos[variante].append(segundos), cpus[variante].append(cpu), picos[variante].append(pico / 1024)
            if variante == com:
                ociosos.append(antes / 1024)
        base, cpu_base = decodificar_puro(arquivo)
        memorias.append(memoria_s(largura * altura * 4))
        bases.append(base), cpus_base.append(cpu_base)
        print(f"  {nome} round {rodada + 1}: program {tempos[com][-1]:.3f} s ({cpus[com][-1]:.2f} s CPU), "
              f"without the reduced copy {tempos[sem][-1]:.3f} s ({cpus[sem][-1]:.2f} s CPU), ratio "
              f"{tempos[com][-1] / tempos[sem][-1]:.3f}; bare decoder {base:.3f} s ({cpu_base:.2f} s CPU); "
              f"VmHWM {picos[com][-1]:.0f} MiB (without {picos[sem][-1]:.0f}); "
              f"fresh raster memory {memorias[-1]:.3f} s", flush=True)
    raster = largura * altura * 4 / 2**20
    vista = bytes_vista_geral(largura, altura) / 2**20
    mediana = statistics.median
    print(f"{nome}: {largura} x {altura}, file {os.path.getsize(arquivo) / 1e6:.0f} MB, {rodadas} rounds")
    print(f"  program s         {resumo(tempos[com])}")
    print(f"  without copy s    {resumo(tempos[sem])}  (MAPIREL_SEM_REDUCAO)")
    print(f"  bare decoder s    {resumo(bases)}")
    print(f"  reduced copy      {mediana(tempos[com]) / mediana(tempos[sem]):.3f} of medians; per round "
          f"{resumo([c / s for c, s in zip(tempos[com], tempos[sem])])}; CPU "
          f"{mediana(cpus[com]) / mediana(cpus[sem]):.3f} of medians  (bound 1.05)")
    print(f"  time ratio        {mediana(tempos[com]) / mediana(bases):.3f} of medians; "
          f"per round {resumo([t / b for t, b in zip(tempos[com], bases)])}  (bound 1.15)")
    print(f"  fresh memory s    {resumo(memorias)}; program / (bare decoder + fresh memory) "
          f"{mediana([t / (b + m) for t, b, m in zip(tempos[com], bases, memorias)]):.3f} median per round")
    print(f"  CPU time ratio    {mediana(cpus[com]) / mediana(cpus_base):.3f} of medians "
          f"(program {resumo(cpus[com])}; bare decoder {resumo(cpus_base)})")
    limite = raster + 64 + vista
    print(f"  VmHWM MiB         {resumo(picos[com])}; raster {raster:.0f} + 64 + overview {vista:.1f} = "
          f"{limite:.0f}; ratio {mediana(picos[com]) / limite:.3f}  (bound 1); without the copy "
          f"{resumo(picos[sem])}")
    print(f"  idle VmRSS MiB    {resumo(ociosos)} before the Return")
    ida, volta = ([1e3 * t for t in tempos_] for tempos_ in cliques)
    print(f"  overview click ms to the middle {resumo(ida)}; back to the corner {resumo(volta)}; "
          f"{CLIQUES} each  (bound 16)", flush=True)


def main():
    argumentos = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    argumentos.add_argument("--programa", required=True)
    argumentos.add_argument("--gerador", required=True, help="the carta_sintetica program")
    argumentos.add_argument("--pasta", required=True, help="where the charts are written and kept")
    argumentos.add_argument("--rodadas", type=int, default=5)
    argumentos.add_argument("--cartas", default=",".join(CARTAS), help="of " + ", ".join(CARTAS))
    args = argumentos.parse_args()
    args.programa = os.path.abspath(args.programa)
    os.makedirs(args.pasta, exist_ok=True)
    escolhidas = args.cartas.split(",")
    for nome in escolhidas:
        largura, altura, arquivo = CARTAS[nome]
        caminho = os.path.join(args.pasta, arquivo)
        if not os.path.exists(caminho):
            print(f"writing {caminho}", flush=True)
            parcial = os.path.join(args.pasta, "parcial_" + arquivo)  # the extension names the format
            subprocess.run([args.gerador, str(largura), str(altura), parcial], check=True)
            os.rename(parcial, caminho)
    processos = iniciar_tela(args.pasta)
    try:
        tela = Tela()
        with open(os.path.join(args.pasta, "programa.log"), "w") as registro:
            for nome in escolhidas:
                largura, altura, arquivo = CARTAS[nome]
                medir(nome, os.path.join(args.pasta, arquivo), largura, altura, args.rodadas,
                      args.programa, tela, registro)
    except Falha as falha:
        print(f"bench_janela: FAILED: {falha}", file=sys.stderr)
        return 1
    finally:
        for processo in processos:
            processo.terminate()
            processo.wait()
    return 0


if __name__ == "__main__":
    sys.exit(main())
