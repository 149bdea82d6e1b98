// Saving and reopening a job of 100 000 points. Each benchmark measures the program's
// code and a bare C loop over the same data alternately, in the same run and on the
// same disk; the counter "razao" is the ratio of the two median times (target: at most
// 1.5 for both).
//  - Salvar: the ENh and reserve files through the program's writer (new file beside
//    the target, renamed over it) against fopen + fprintf of the same lines + fclose.
//  - Ler: the reserve file through the program's reader against fgets + strtol/strtod of
//    the same lines; both fold every value read into a sum, so that neither the parse
//    nor its results can be skipped, and neither pays for keeping them.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/apoio/Medicao.h"
#include "nucleo/arquivos/Formato_ENh.h"
#include "nucleo/arquivos/Formato_reserva.h"
#include "nucleo/arquivos/Gravacao_segura.h"
#include "nucleo/arquivos/Leitura_reserva.h"
#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"

namespace {

constexpr int Pontos_do_trabalho = 100000;

struct Trabalho {
  Lista<Ponto_orientacao> controle;
  Lista<Ponto_digitalizado> pontos;
  Coeficientes coeficientes{0.2512345678, -0.0003, 500123.25, 0.0002, -0.2498765432, 7499876.5};
};

Trabalho Criar_trabalho() {
  Trabalho t;
  for (int i = 0; i < 4; ++i)
    t.controle.Acrescentar({101 + i, 500000.0 + 1000 * (i % 2), 7500000.0 - 1000 * (i / 2),
                            100.0 + 4000 * (i % 2), 100.0 + 4000 * (i / 2)});
  for (int i = 0; i < Pontos_do_trabalho; ++i) {
    Ponto_digitalizado p;
    p.Numero = i + 1;
    p.x = (i * 37) % 9000 + 0.25;
    p.y = (i * 91) % 7000 + 0.75;
    p.E = t.coeficientes.Este(p.x, p.y);
    p.N = t.coeficientes.Norte(p.x, p.y);
    p.h = ((i * 13) % 20000) / 7.0 - 1000.0;
    p.Marca_pconv = i % 5000 == 0 ? i / 5000 + 1 : -1;
    t.pontos.Acrescentar(p);
  }
  return t;
}

std::string Pasta_temporaria() {
  std::string modelo = (std::filesystem::temp_directory_path() / "bench_arquivos_XXXXXX").string();
  return mkdtemp(modelo.data());
}

// ---- Saving ----------------------------------------------------------------------

void Salvar_programa(const Trabalho& t, const std::string& caminho) {
  Gravar_arquivo(caminho, [&](std::FILE* f) { Escrever_ENh(f, t.pontos); });
  Gravar_arquivo(Caminho_reserva(caminho), [&](std::FILE* f) {
    Escrever_reserva(f, "/mapas/folha12.jpg", t.controle, t.coeficientes, t.pontos);
  });
}

void Salvar_fprintf(const Trabalho& t, const std::string& caminho) {
  std::FILE* f = std::fopen(caminho.c_str(), "w");
  for (const auto& p : t.pontos)
    std::fprintf(f, "%6d %10.3f %11.3f %7.2f\n", p.Numero, p.E, p.N, p.h);
  std::fclose(f);
  f = std::fopen(Caminho_reserva(caminho).c_str(), "w");
  std::fprintf(f, "%s\n%d\n", "/mapas/folha12.jpg", t.controle.Quantidade());
  for (const auto& c : t.controle)
    std::fprintf(f, "%d %11.3f %11.3f %d %d\n", c.Numero, c.E, c.N, int(c.x), int(c.y));
  const Coeficientes& k = t.coeficientes;
  for (const double v : {k.a, k.b, k.c, k.d, k.e, k.f}) std::fprintf(f, "%20.10f\n", v);
  std::fprintf(f, "%5d\n", t.pontos.Quantidade());
  for (const auto& p : t.pontos)
    std::fprintf(f, " %6d %10.3f %11.3f %7.2f %5.0f %5.0f %d\n", p.Numero, p.E, p.N, p.h, p.x, p.y,
                 p.Marca_pconv);
  std::fclose(f);
}

void Salvar(benchmark::State& estado) {
  const Trabalho t = Criar_trabalho();
  const std::string pasta = Pasta_temporaria();
  medicao::Comparacao comparacao;
  for (auto _ : estado) {
    comparacao.Programa([&] { Salvar_programa(t, pasta + "/programa.ENh"); });
    comparacao.Base([&] { Salvar_fprintf(t, pasta + "/base.ENh"); });
  }
  comparacao.Registrar(estado, "ms_programa", "ms_base");
  std::filesystem::remove_all(pasta);
}

// ---- Reading ---------------------------------------------------------------------

struct Receptor_soma : Receptor_reserva {
  double soma = 0;
  void Ponto_controle(const Ponto_orientacao& p) override {
    soma += p.Numero + p.E + p.N + p.x + p.y;
  }
  void Coeficientes_lidos(const Coeficientes& c) override { ultimos = c; }
  void Fim_pontos(int) override {
    soma += ultimos.a + ultimos.b + ultimos.c + ultimos.d + ultimos.e + ultimos.f;
  }
  void Ponto(const Ponto_digitalizado& p) override {
    soma += p.Numero + p.E + p.N + p.h + p.x + p.y + p.Marca_pconv;
  }
  Coeficientes ultimos;
};

double Ler_programa(const std::string& caminho) {
  Receptor_soma receptor;
  const Arquivo arquivo = Abrir_leitura(caminho);
  Ler_reserva(arquivo.get(), Leitura_reserva::Completa, receptor);
  return receptor.soma;
}

double Ler_fgets(const std::string& caminho) {
  std::FILE* f = std::fopen(caminho.c_str(), "r");
  char linha[512];
  char* resto = nullptr;
  double soma = 0;
  std::fgets(linha, sizeof linha, f);  // image name
  std::fgets(linha, sizeof linha, f);
  for (long n = std::strtol(linha, nullptr, 10); n > 0; --n) {
    std::fgets(linha, sizeof linha, f);
    soma += std::strtol(linha, &resto, 10);
    for (int campo = 0; campo < 4; ++campo) soma += std::strtod(resto, &resto);
  }
  for (int i = 0; i < 6; ++i) soma += std::strtod(std::fgets(linha, sizeof linha, f), nullptr);
  std::fgets(linha, sizeof linha, f);
  for (long n = std::strtol(linha, nullptr, 10); n > 0; --n) {
    std::fgets(linha, sizeof linha, f);
    soma += std::strtol(linha, &resto, 10);
    for (int campo = 0; campo < 5; ++campo) soma += std::strtod(resto, &resto);
    soma += std::strtol(resto, &resto, 10);
  }
  std::fclose(f);
  return soma;
}

void Ler(benchmark::State& estado) {
  const Trabalho t = Criar_trabalho();
  const std::string pasta = Pasta_temporaria();
  Salvar_programa(t, pasta + "/folha12.ENh");
  const std::string reserva = Caminho_reserva(pasta + "/folha12.ENh");
  medicao::Comparacao comparacao;
  for (auto _ : estado) {
    comparacao.Programa([&] { benchmark::DoNotOptimize(Ler_programa(reserva)); });
    comparacao.Base([&] { benchmark::DoNotOptimize(Ler_fgets(reserva)); });
  }
  comparacao.Registrar(estado, "ms_programa", "ms_base");
  std::filesystem::remove_all(pasta);
}

BENCHMARK(Salvar)->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK(Ler)->Iterations(30)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
