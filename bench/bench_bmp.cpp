// Loading a 10000 x 10000 24-bit bitmap, written to the temporary folder when the
// benchmark starts and removed at its end.
//  - Carregar_bmp: Ler_figura against Qt's reader (allocation limit lifted) followed by
//    the conversion to Format_RGB32 that the view needs, measured alternately in the same
//    run; "razao" is the ratio of the two median times, "razao_cpu" the same for the CPU
//    time of the process.
//  - Memoria_pico: the peak resident memory that a load adds to a fresh child process,
//    for Ler_figura ("pico_MiB", against "limite_MiB" = width x height x 4 bytes + 64 MiB)
//    and for Qt's way ("pico_qt_MiB").

#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "app/Ler_figura.h"

namespace {

constexpr int Lado = 10000;
const std::string Arquivo_bmp =
    (std::filesystem::temp_directory_path() / "bench_bmp_10000.bmp").string();

void Poe(std::vector<unsigned char>& b, uint32_t valor, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(static_cast<unsigned char>(valor >> 8 * i));
}

// The content does not change the work of an uncompressed file: a plain gradient.
void Gravar_bmp_de_teste() {
  const uint32_t passo = Lado * 3 + (4 - Lado * 3 % 4) % 4;
  std::vector<unsigned char> b = {'B', 'M'};
  Poe(b, 54 + passo * Lado, 4), Poe(b, 0, 4), Poe(b, 54, 4);
  for (const uint32_t v : {40u, uint32_t{Lado}, uint32_t{Lado}}) Poe(b, v, 4);
  Poe(b, 1, 2), Poe(b, 24, 2);
  for (const uint32_t v : {0u, passo * Lado, 2835u, 2835u, 0u, 0u}) Poe(b, v, 4);
  std::FILE* arquivo = std::fopen(Arquivo_bmp.c_str(), "wb");
  std::fwrite(b.data(), 1, b.size(), arquivo);
  std::vector<unsigned char> linha(passo);
  for (int y = 0; y < Lado; ++y) {
    for (int x = 0; x < Lado * 3; ++x) linha[x] = static_cast<unsigned char>(x / 3 + y * (x % 3));
    std::fwrite(linha.data(), 1, passo, arquivo);
  }
  std::fclose(arquivo);
}

QImage Ler_com_qt() {
  QImageReader::setAllocationLimit(0);
  return QImageReader(QString::fromStdString(Arquivo_bmp), "bmp")
      .read()
      .convertToFormat(QImage::Format_RGB32);
}

QImage Ler_com_ler_figura() {
  return Ler_figura(Arquivo_bmp, 96);
}

struct Tempo {
  double relogio, cpu;  // seconds: wall clock, and the process's CPU (user + kernel)
};

double Cpu_agora() {
  timespec agora;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &agora);
  return agora.tv_sec + agora.tv_nsec * 1e-9;
}

Tempo Medir(QImage (*ler)()) {
  const auto inicio = std::chrono::steady_clock::now();
  const double cpu_inicio = Cpu_agora();
  const QImage raster = ler();
  benchmark::DoNotOptimize(raster.constBits());
  if (raster.isNull()) std::abort();
  return {std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count(),
          Cpu_agora() - cpu_inicio};
}

double Mediana(std::vector<double> valores) {
  std::nth_element(valores.begin(), valores.begin() + valores.size() / 2, valores.end());
  return valores[valores.size() / 2];
}

void Carregar_bmp(benchmark::State& estado) {
  std::vector<double> relogio_programa, relogio_qt, cpu_programa, cpu_qt;
  for (auto _ : estado) {
    const Tempo qt = Medir(Ler_com_qt);
    const Tempo programa = Medir(Ler_com_ler_figura);
    relogio_qt.push_back(qt.relogio), cpu_qt.push_back(qt.cpu);
    relogio_programa.push_back(programa.relogio), cpu_programa.push_back(programa.cpu);
  }
  estado.counters["s_qt"] = Mediana(relogio_qt);
  estado.counters["s_Ler_figura"] = Mediana(relogio_programa);
  estado.counters["razao"] = Mediana(relogio_programa) / Mediana(relogio_qt);
  estado.counters["razao_cpu"] = Mediana(cpu_programa) / Mediana(cpu_qt);
}

long Kib_de(const char* campo) {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  char linha[256];
  long kib = -1;
  while (std::fgets(linha, sizeof linha, status))
    if (std::strncmp(linha, campo, std::strlen(campo)) == 0)
      kib = std::atol(linha + std::strlen(campo));
  std::fclose(status);
  return kib;
}

// In a child process, so that nothing the parent allocated counts: the peak resident
// size is reset ("5" to clear_refs), the file loaded, and the growth of the peak over
// the resident size before loading is sent back through a pipe.
long Kib_de_pico(QImage (*ler)()) {
  int tubo[2];
  if (pipe(tubo) != 0) return -1;
  const pid_t filho = fork();
  if (filho == 0) {
    std::FILE* limpar = std::fopen("/proc/self/clear_refs", "w");
    if (limpar) std::fputs("5", limpar), std::fclose(limpar);
    const long antes = Kib_de("VmRSS:");
    const QImage raster = ler();
    const long pico = raster.isNull() ? -1 : Kib_de("VmHWM:") - antes;
    if (write(tubo[1], &pico, sizeof pico) != sizeof pico) _exit(1);
    _exit(0);
  }
  long pico = -1;
  if (read(tubo[0], &pico, sizeof pico) != sizeof pico) pico = -1;
  close(tubo[0]);
  close(tubo[1]);
  waitpid(filho, nullptr, 0);
  return pico;
}

void Memoria_pico(benchmark::State& estado) {
  long kib = -1, kib_qt = -1;
  for (auto _ : estado) kib = Kib_de_pico(Ler_com_ler_figura), kib_qt = Kib_de_pico(Ler_com_qt);
  const double limite = double{Lado} * Lado * 4 / (1 << 20) + 64;
  estado.counters["pico_MiB"] = kib / 1024.0;
  estado.counters["pico_qt_MiB"] = kib_qt / 1024.0;
  estado.counters["limite_MiB"] = limite;
  estado.counters["razao"] = kib / 1024.0 / limite;
}

BENCHMARK(Carregar_bmp)->Iterations(11)->Unit(benchmark::kMillisecond);
BENCHMARK(Memoria_pico)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication aplicacao(argc, argv);
  Gravar_bmp_de_teste();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove(Arquivo_bmp);
  return 0;
}
