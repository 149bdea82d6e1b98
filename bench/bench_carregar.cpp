// Loading a 10000 x 10000 colour JPEG of quality 90, written to the temporary folder
// when the benchmark starts and removed at its end.
//  - Carregar_jpeg: Ler_figura (file to displayable raster) against a bare libjpeg-turbo
//    decode of the same file into a plain buffer, measured alternately in the same run;
//    the counter "razao" is the ratio of the two median times (target: at most 1.15),
//    "razao_cpu" the same for the CPU time the process spent.
//  - Abertura_com_vista_geral: the reduced copy that the overview shows is summed while
//    the file is decoded. Ler_figura as it is against Ler_figura with MAPIREL_SEM_REDUCAO
//    set (no copy), alternately: "razao" is the opening with the copy against the opening
//    without it (target: at most 1.05). Timed in place, the sums pay for what they push
//    out of the decoder's cache too.
//  - Memoria_pico: the peak resident memory that loading the file adds to a fresh child
//    process; "pico_MiB" against "limite_MiB" = width x height x 4 bytes + 64 MiB + the
//    overview's reduced copy (its sums and its image).
// With MAPIREL_BENCH_CARTAS naming the folder where the window benchmark writes its
// charts (scripts/bench), the A0 sheet's JPEG and BMP found there are opened the same
// two ways: the bitmap's decoding is so cheap that the copy weighs most there.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>
// clang-format off
#include <jpeglib.h>
// clang-format on

#include "bench/apoio/Carta_sintetica.h"
#include "bench/apoio/Medicao.h"
#include "figuras/Ler_figura.h"
#include "figuras/Reducao_em_media.h"

namespace {

constexpr int Lado = 10000;
const std::string Arquivo_jpeg =
    (std::filesystem::temp_directory_path() / "bench_carregar_10000.jpg").string();

void Gravar_jpeg_de_teste() {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr erros;
  cinfo.err = jpeg_std_error(&erros);
  jpeg_create_compress(&cinfo);
  std::FILE* arquivo = std::fopen(Arquivo_jpeg.c_str(), "wb");
  jpeg_stdio_dest(&cinfo, arquivo);
  cinfo.image_width = Lado;
  cinfo.image_height = Lado;
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 90, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> linha(Lado * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    for (int x = 0; x < Lado; ++x)
      carta_sintetica::Amostra(x, static_cast<int>(cinfo.next_scanline), &linha[x * 3]);
    JSAMPROW linhas[1] = {linha.data()};
    jpeg_write_scanlines(&cinfo, linhas, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::fclose(arquivo);
}

// The baseline: what any program must do at least to have the pixels in memory.
std::unique_ptr<unsigned char[]> Decodificar_puro() {
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr erros;
  cinfo.err = jpeg_std_error(&erros);
  jpeg_create_decompress(&cinfo);
  std::FILE* arquivo = std::fopen(Arquivo_jpeg.c_str(), "rb");
  jpeg_stdio_src(&cinfo, arquivo);
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_EXT_BGRA;
  jpeg_start_decompress(&cinfo);
  const size_t passo = size_t{cinfo.output_width} * 4;
  std::unique_ptr<unsigned char[]> pixels(new unsigned char[passo * cinfo.output_height]);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW linha[1] = {pixels.get() + passo * cinfo.output_scanline};
    jpeg_read_scanlines(&cinfo, linha, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  std::fclose(arquivo);
  return pixels;
}

void Abrir(const std::string& caminho) {
  const Raster_em_faixas raster = Ler_figura(caminho, 96);
  benchmark::DoNotOptimize(raster.Linha(0, 0));
}

void Carregar_jpeg(benchmark::State& estado) {
  medicao::Comparacao comparacao;
  for (auto _ : estado) {
    comparacao.Base([] { benchmark::DoNotOptimize(Decodificar_puro().get()); });
    comparacao.Programa([] { Abrir(Arquivo_jpeg); });
  }
  estado.counters["MB_arquivo"] = std::filesystem::file_size(Arquivo_jpeg) / 1e6;
  comparacao.Registrar(estado, "ms_Ler_figura", "ms_libjpeg");
}

void Abertura_com_vista_geral(benchmark::State& estado, const std::string& caminho) {
  medicao::Comparacao comparacao;
  for (auto _ : estado) {
    comparacao.Programa([&] { Abrir(caminho); });
    setenv("MAPIREL_SEM_REDUCAO", "1", 1);
    comparacao.Base([&] { Abrir(caminho); });
    unsetenv("MAPIREL_SEM_REDUCAO");
  }
  comparacao.Registrar(estado, "ms_com_copia", "ms_sem_copia");
}

void Memoria_pico(benchmark::State& estado, const std::string& caminho, int largura, int altura) {
  long kib = -1;
  for (auto _ : estado)
    kib = medicao::Kib_de_pico([&] { return !Ler_figura(caminho, 96).Vazio(); });
  const int fator = Fator_reducao(largura, altura);
  const double reduzida =
      double{3 * 4 + 4} * ((largura + fator - 1) / fator) * ((altura + fator - 1) / fator);
  const double limite = (4.0 * largura * altura + reduzida) / (1 << 20) + 64;
  estado.counters["pico_MiB"] = kib / 1024.0;
  estado.counters["limite_MiB"] = limite;
  estado.counters["razao"] = kib / 1024.0 / limite;
}

// One file's opening with and without the copy, and its peak memory.
void Registrar_abertura(const std::string& nome, const std::string& caminho, int largura,
                        int altura, int vezes) {
  benchmark::RegisterBenchmark(("Abertura_com_vista_geral/" + nome).c_str(),
                               Abertura_com_vista_geral, caminho)
      ->Iterations(vezes)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(("Memoria_pico/" + nome).c_str(), Memoria_pico, caminho, largura,
                               altura)
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
}

void Registrar() {
  benchmark::RegisterBenchmark("Carregar_jpeg", Carregar_jpeg)
      ->Iterations(15)
      ->Unit(benchmark::kMillisecond);
  Registrar_abertura("jpeg_10000", Arquivo_jpeg, Lado, Lado, 21);
  const char* cartas = std::getenv("MAPIREL_BENCH_CARTAS");
  if (!cartas) return;
  for (const char* nome : {"carta_a0.jpg", "carta_a0.bmp"}) {
    const std::string caminho = std::string(cartas) + "/" + nome;
    if (std::filesystem::exists(caminho)) Registrar_abertura(nome, caminho, 19866, 28087, 7);
  }
}

}  // namespace

int main(int argc, char** argv) {
  Gravar_jpeg_de_teste();
  Registrar();
  medicao::Rodar_benchmarks(argc, argv);
  std::filesystem::remove(Arquivo_jpeg);
  return 0;
}
