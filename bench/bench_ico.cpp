// Opening an icon whose one entry is a flat RGBA PNG of 23170 x 23170 pixels (a raster of
// 2 GiB), written to the temporary folder when the benchmark starts and removed at its
// end:
//  - Carregar_ico: Ler_figura against a bare libpng decode of the same PNG into one
//    buffer of its pixels, measured alternately in the same run; "razao" is the ratio of
//    the two median times, "razao_cpu" the same for the CPU time of the process.
//  - Memoria_pico: the peak resident memory that a load adds to a fresh child process
//    ("pico_MiB", against "limite_MiB" = the raster + 64 MiB).

#include <benchmark/benchmark.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/apoio/Com_qt.h"
#include "bench/apoio/Medicao.h"
#include "figuras/Ler_figura.h"
#include "tests/apoio/Arquivos_hostis.h"

namespace {

constexpr int Lado = 23170;
constexpr long Inicio_png = 6 + 16;  // after the icon's header and its one directory entry
const std::string Arquivo_ico =
    (std::filesystem::temp_directory_path() / "bench_ico_23170.ico").string();

// libpng's default error handling ends the process: the file is sound.
std::unique_ptr<unsigned char[]> Decodificar_puro() {
  std::FILE* arquivo = std::fopen(Arquivo_ico.c_str(), "rb");
  std::fseek(arquivo, Inicio_png, SEEK_SET);
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, arquivo);
  png_read_info(png, info);
  png_set_bgr(png);
  png_read_update_info(png, info);
  const size_t passo = png_get_rowbytes(png, info);
  const png_uint_32 altura = png_get_image_height(png, info);
  std::unique_ptr<unsigned char[]> pixels(new unsigned char[passo * altura]);
  for (png_uint_32 y = 0; y < altura; ++y) png_read_row(png, pixels.get() + passo * y, nullptr);
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  std::fclose(arquivo);
  return pixels;
}

void Carregar_ico(benchmark::State& estado) {
  medicao::Comparacao comparacao;
  for (auto _ : estado) {
    comparacao.Base([] { benchmark::DoNotOptimize(Decodificar_puro().get()); });
    comparacao.Programa([] {
      const Raster_em_faixas raster = Ler_figura(Arquivo_ico, 96);
      if (raster.Vazio()) std::abort();
      benchmark::DoNotOptimize(raster.Linha(0, 0));
    });
  }
  comparacao.Registrar(estado, "ms_Ler_figura", "ms_libpng");
}

void Memoria_pico(benchmark::State& estado) {
  long kib = -1;
  for (auto _ : estado)
    kib = medicao::Kib_de_pico([] { return !Ler_figura(Arquivo_ico, 96).Vazio(); });
  const double limite = double{Lado} * Lado * 4 / (1 << 20) + 64;
  estado.counters["pico_MiB"] = kib / 1024.0;
  estado.counters["limite_MiB"] = limite;
  estado.counters["razao"] = kib / 1024.0 / limite;
}

BENCHMARK(Carregar_ico)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(Memoria_pico)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  hostis::Gravar(Arquivo_ico, hostis::Ico_de(hostis::Png_liso(Lado, Lado)));
  medicao::Rodar_benchmarks_com_qt(argc, argv);
  std::filesystem::remove(Arquivo_ico);
  return 0;
}
