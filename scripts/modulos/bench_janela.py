"""Window benchmark: opening a big chart in the real program window, as a person does,
against a bare decoder of the same file, in alternating rounds.

The program runs on a virtual X display of its own with a window manager. Each round
starts the program afresh, opens "Arquivo" -> "Abrir imagem" with the mouse, types the
file's name into the file dialog and times from the Return that accepts it until the
picture is on the screen: the synthetic chart carries a magenta patch at its top-left
corner, and the screen is read until the patch shows. The peak resident memory of the
program (VmHWM) is read once the picture is shown. The bare decoder (djpeg for JPEG,
bmptoppm for bitmaps) writes the same file to /dev/null, timed in the same round.

The charts are written once into a folder of their own (not the repository) by
carta_sintetica and kept there for later runs.

Bounds: time <= 1.15 x the bare decoder, peak memory <= raster + 64 MiB.
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


def abrir_no_programa(programa, arquivo, tela, registro):
    """One opening in a fresh program; returns (seconds, CPU seconds, VmHWM KiB, VmRSS
    KiB before)."""
    ambiente = dict(os.environ, QT_QPA_PLATFORM="xcb")
    processo = subprocess.Popen([programa], cwd=os.path.dirname(arquivo), env=ambiente,
                                stdout=registro, stderr=subprocess.STDOUT)
    try:
        def principal():
            for j in janelas_visiveis(processo.pid):
                if nome_janela(j) == "Mapirel":
                    return j
            return None
        janela = esperar(principal, "the main window")
        time.sleep(0.5)  # the window manager's placement settles
        subprocess.run(["xdotool", "mousemove", "--window", janela, "25", "10", "click", "1"], check=True)
        esperar(lambda: len(janelas_visiveis(processo.pid)) > 1, 'the "Arquivo" menu')
        subprocess.run(["xdotool", "key", "Down", "Return"], check=True)  # "Abrir imagem"
        dialogo = esperar(lambda: next((j for j in janelas_visiveis(processo.pid) if nome_janela(j) == "Abrir"),
                                       None), "the file dialog")
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
        return segundos, cpu, status_kib(processo.pid, "VmHWM:"), antes
    finally:
        processo.terminate()
        processo.wait()


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


def medir(nome, arquivo, largura, altura, rodadas, programa, tela, registro):
    tempos, cpus, bases, cpus_base, picos, ociosos, memorias = [], [], [], [], [], [], []
    tela.lugar = None
    abrir_no_programa(programa, arquivo, tela, registro)  # also brings the file into the cache
    for rodada in range(rodadas):
        segundos, cpu, pico, antes = abrir_no_programa(programa, arquivo, tela, registro)
        base, cpu_base = decodificar_puro(arquivo)
        memorias.append(memoria_s(largura * altura * 4))
        tempos.append(segundos), cpus.append(cpu), bases.append(base), cpus_base.append(cpu_base)
        picos.append(pico / 1024), ociosos.append(antes / 1024)
        print(f"  {nome} round {rodada + 1}: program {segundos:.3f} s ({cpu:.2f} s CPU), bare decoder "
              f"{base:.3f} s ({cpu_base:.2f} s CPU), ratio {segundos / base:.3f}, "
              f"VmHWM {pico / 1024:.0f} MiB, fresh raster memory {memorias[-1]:.3f} s", flush=True)
    raster = largura * altura * 4 / 2**20
    razoes = [t / b for t, b in zip(tempos, bases)]
    print(f"{nome}: {largura} x {altura}, file {os.path.getsize(arquivo) / 1e6:.0f} MB, {rodadas} rounds")
    print(f"  program s         {resumo(tempos)}")
    print(f"  bare decoder s    {resumo(bases)}")
    print(f"  time ratio        {statistics.median(tempos) / statistics.median(bases):.3f} of medians; "
          f"per round {resumo(razoes)}  (bound 1.15)")
    print(f"  fresh memory s    {resumo(memorias)}; program / (bare decoder + fresh memory) "
          f"{statistics.median([t / (b + m) for t, b, m in zip(tempos, bases, memorias)]):.3f} median per round")
    print(f"  CPU time ratio    {statistics.median(cpus) / statistics.median(cpus_base):.3f} of medians "
          f"(program {resumo(cpus)}; bare decoder {resumo(cpus_base)})")
    print(f"  VmHWM MiB         {resumo(picos)}; raster {raster:.0f} + 64 = {raster + 64:.0f}; "
          f"ratio {statistics.median(picos) / (raster + 64):.3f}  (bound 1)")
    print(f"  idle VmRSS MiB    {resumo(ociosos)} before the Return", flush=True)


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
