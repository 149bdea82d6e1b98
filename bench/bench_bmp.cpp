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

#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/apoio/Com_qt.h"
#include "bench/apoio/Medicao.h"
#include "figuras/Ler_figura.h"

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

void Carregar_bmp(benchmark::State& estado) {
  medicao::Comparacao comparacao;
  for (auto _ : estado) {
    comparacao.Base([] {
      const QImage raster = Ler_com_qt();
      if (raster.isNull()) std::abort();
      benchmark::DoNotOptimize(raster.constBits());
    });
    comparacao.Programa([] {
      const Raster_em_faixas raster = Ler_figura(Arquivo_bmp, 96);
      if (raster.Vazio()) std::abort();
      benchmark::DoNotOptimize(raster.Linha(0, 0));
    });
  }
  comparacao.Registrar(estado, "ms_Ler_figura", "ms_qt");
}

void Memoria_pico(benchmark::State& estado) {
  long kib = -1, kib_qt = -1;
  for (auto _ : estado) {
    kib = medicao::Kib_de_pico([] { return !Ler_figura(Arquivo_bmp, 96).Vazio(); });
    kib_qt = medicao::Kib_de_pico([] { return !Ler_com_qt().isNull(); });
  }
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
  Gravar_bmp_de_teste();
  medicao::Rodar_benchmarks_com_qt(argc, argv);
  std::filesystem::remove(Arquivo_bmp);
  return 0;
}
