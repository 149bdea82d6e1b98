// Crafted files against the picture loader and the vertex ordering, each opened once in
// a fresh child process: its wall time and the growth of its peak resident memory,
// against the bounds the loader keeps (2 s; the raster + 64 MiB), and what the user
// would see (the picture's size or the error's text, as the benchmark's label).
//  - "ms" and "razao_tempo" = ms / 2000; "ms_cpu", the CPU time the child spent, tells a
//    slow decoder from a busy machine;
//  - "pico_MiB", "limite_MiB" = raster + 64 MiB, and "razao_memoria" = pico / limite.
// A legitimate progressive JPEG also holds its coefficients (6 bytes a pixel for three
// full-resolution components) while it decodes: it loads only when that fits the
// memory available, so its bound is that memory, not the raster's.
// Each file is written to the temporary folder before its case and removed after it;
// the largest take a few seconds to write.

#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "bench/apoio/Medicao.h"
#include "figuras/Ler_figura.h"
#include "nucleo/base/Erro.h"
#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"
#include "nucleo/poligono/Pol_convexo.h"
#include "tests/apoio/Arquivos_hostis.h"

namespace {

const std::filesystem::path Pasta = std::filesystem::temp_directory_path() / "bench_hostis";

struct Resultado {
  double ms = -1, ms_cpu = -1;
  long kib = -1;
  char visto[240] = {};
};

// Runs `acao` in a child whose peak resident size was reset just before; `acao` returns
// what the user would see.
Resultado Em_processo_novo(const std::function<std::string()>& acao) {
  int tubo[2];
  Resultado resultado;
  if (pipe(tubo) != 0) return resultado;
  const pid_t filho = fork();
  if (filho == 0) {
    std::FILE* limpar = std::fopen("/proc/self/clear_refs", "w");
    if (limpar) std::fputs("5", limpar), std::fclose(limpar);
    const long antes = medicao::Kib_de("VmRSS:");
    Resultado r;
    std::string visto;
    const auto inicio = std::chrono::steady_clock::now();
    const double cpu_inicio = medicao::Cpu_agora();
    try {
      visto = acao();
    } catch (const std::exception& erro) {
      visto = erro.what();
    }
    r.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio)
               .count();
    r.ms_cpu = 1e3 * (medicao::Cpu_agora() - cpu_inicio);
    r.kib = medicao::Kib_de("VmHWM:") - antes;
    std::strncpy(r.visto, visto.c_str(), sizeof r.visto - 1);
    if (write(tubo[1], &r, sizeof r) != sizeof r) _exit(1);
    _exit(0);
  }
  if (read(tubo[0], &resultado, sizeof resultado) != sizeof resultado) resultado = {};
  close(tubo[0]);
  close(tubo[1]);
  waitpid(filho, nullptr, 0);
  return resultado;
}

void Registrar(benchmark::State& estado, const Resultado& r, double raster_mib) {
  estado.counters["ms"] = r.ms;
  estado.counters["ms_cpu"] = r.ms_cpu;
  estado.counters["razao_tempo"] = r.ms / 2000;
  estado.counters["pico_MiB"] = r.kib / 1024.0;
  estado.counters["limite_MiB"] = raster_mib + 64;
  estado.counters["razao_memoria"] = r.kib / 1024.0 / (raster_mib + 64);
  estado.SetLabel(r.visto);
}

std::string Abrir(const std::string& caminho) {
  const Raster_em_faixas figura = Ler_figura(caminho, 96);
  return std::to_string(figura.Largura()) + " x " + std::to_string(figura.Altura());
}

double Raster_mib(int64_t lado) {
  return double(lado) * double(lado) * 4 / (1 << 20);
}

struct Caso {
  const char* nome;
  int64_t lado;  // of the picture the file claims
  std::function<hostis::Bytes()> conteudo;
};

const Caso Casos[] = {
    {"jpeg_ultima_varredura_600_vezes.jpg", 8000,
     [] { return hostis::Jpeg_progressivo_liso(8000, 600); }},
    {"jpeg_600_primeiras_varreduras.jpg", 8000,
     [] { return hostis::Jpeg_progressivo_liso(8000, 0, 600); }},
    {"jpeg_progressivo_8000.jpg", 8000, [] { return hostis::Jpeg_progressivo_liso(8000); }},
    {"jpeg_progressivo_444_23170.jpg", 23170, [] { return hostis::Jpeg_progressivo_liso(23170); }},
    {"bmp_rle_sem_dados_23170.bmp", 23170, [] { return hostis::Bmp_rle(23170, 23170, {}); }},
    {"ico_png_23170.ico", 23170, [] { return hostis::Ico_de(hostis::Png_liso(23170, 23170)); }},
    {"ico_65535_entradas.ico", 16, [] { return hostis::Ico_de(hostis::Png_liso(16, 16), 65535); }},
    {"wmf_registro_de_8_GB.wmf", 96, [] { return hostis::Wmf_com_maior_registro(0xFFFFFFFF); }},
    {"wmf_16384.wmf", 16384, [] { return hostis::Wmf_com_maior_registro(3, 16384); }},
    {"emf_16384.emf", 16384, [] { return hostis::Emf_vazio(16384); }},
};

void Arquivo(benchmark::State& estado, const Caso& caso) {
  const std::string caminho = (Pasta / caso.nome).string();
  hostis::Gravar(caminho, caso.conteudo());
  Resultado r;
  for (auto _ : estado) r = Em_processo_novo([&] { return Abrir(caminho); });
  estado.counters["MB_arquivo"] = std::filesystem::file_size(caminho) / 1e6;
  std::filesystem::remove(caminho);
  Registrar(estado, r, Raster_mib(caso.lado));
}

void Tubo_nomeado(benchmark::State& estado) {
  const std::string caminho = (Pasta / "tubo.jpg").string();
  Resultado r;
  for (auto _ : estado) r = Em_processo_novo([&] { return Abrir(caminho); });
  Registrar(estado, r, 0);
}

// A reopened job whose 100 000 points are all polygon vertices, stored in descending
// order.
void Ordem_dos_vertices(benchmark::State& estado) {
  Resultado r;
  for (auto _ : estado)
    r = Em_processo_novo([] {
      Lista<Vertice_pconv> vertices;
      for (int i = 100000; i > 0; --i) vertices.Acrescentar({i, i - 1});
      Ordena_pconv(vertices);
      return "primeiro " + std::to_string(vertices.Item(0).Ordem);
    });
  Registrar(estado, r, 0);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication aplicacao(argc, argv);
  std::filesystem::create_directories(Pasta);
  for (const Caso& caso : Casos)
    benchmark::RegisterBenchmark(caso.nome, Arquivo, caso)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
  mkfifo((Pasta / "tubo.jpg").c_str(), 0600);
  benchmark::RegisterBenchmark("tubo_nomeado.jpg", Tubo_nomeado)->Iterations(1);
  benchmark::RegisterBenchmark("ordem_de_100000_vertices", Ordem_dos_vertices)->Iterations(1);
  medicao::Rodar_benchmarks(argc, argv);
  std::filesystem::remove_all(Pasta);
  return 0;
}
