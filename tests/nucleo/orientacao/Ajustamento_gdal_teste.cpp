// A peer for the orientation: GDAL's own first-order fit of the same control points
// (gdaltransform) must map pixels to the same chart positions as the coefficients.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "nucleo/base/Formatacao.h"
#include "nucleo/orientacao/Ajustamento.h"
#include "tests/apoio/Comando_externo.h"
#include "tests/nucleo/arquivos/Apoio_arquivos.h"
#include "tests/nucleo/orientacao/Disposicoes_aleatorias.h"

namespace {

struct Pixel {
  double x = 0.0;
  double y = 0.0;
};

// The chart positions GDAL's first-order GCP transformer gives the pixels.
std::vector<std::pair<double, double>> Transformar_com_gdal(
    const std::vector<Ponto_orientacao>& pontos, const std::vector<Pixel>& pixels) {
  std::string comando = "gdaltransform -order 1 -output_xy";
  for (const auto& p : pontos)
    comando += fmt::sprintf(" -gcp %.17g %.17g %.17g %.17g", p.x, p.y, p.E, p.N);
  std::string entrada;
  for (const Pixel& p : pixels) entrada += fmt::sprintf("%.17g %.17g\n", p.x, p.y);
  const Pasta_temporaria pasta;
  const std::string arquivo = pasta.Caminho() + "/pixels.txt";
  Gravar_conteudo(arquivo, entrada);
  std::istringstream saida(Saida_do_comando(comando + " < '" + arquivo + "'"));
  std::vector<std::pair<double, double>> resultado;
  double E = 0.0, N = 0.0;
  while (saida >> E >> N) resultado.emplace_back(E, N);
  return resultado;
}

// The control points' own pixels and 100 random ones over the box they span.
std::vector<Pixel> Pixels_a_comparar(const std::vector<Ponto_orientacao>& pontos,
                                     std::mt19937_64& gerador) {
  std::vector<Pixel> pixels;
  Pixel menor{pontos[0].x, pontos[0].y}, maior = menor;
  for (const auto& p : pontos) {
    pixels.push_back({p.x, p.y});
    menor = {std::min(menor.x, p.x), std::min(menor.y, p.y)};
    maior = {std::max(maior.x, p.x), std::max(maior.y, p.y)};
  }
  std::uniform_real_distribution<double> u(0.0, 1.0);
  for (int i = 0; i < 100; ++i)
    pixels.push_back(
        {menor.x + u(gerador) * (maior.x - menor.x), menor.y + u(gerador) * (maior.y - menor.y)});
  return pixels;
}

// Whole pixels at the corners of a rectangle, placed by the transform.
std::vector<Ponto_orientacao> Cantos(const Coeficientes& t, double largura, double altura) {
  const Pixel cantos[] = {{0, 0}, {largura, 0}, {largura, altura}, {0, altura}};
  std::vector<Ponto_orientacao> pontos;
  for (const Pixel& c : cantos)
    pontos.push_back(
        {101 + static_cast<int>(pontos.size()), t.Este(c.x, c.y), t.Norte(c.x, c.y), c.x, c.y});
  return pontos;
}

}  // namespace

TEST(Ajustamento_gdal, ConcordaComAjusteDePrimeiraOrdemDoGdal) {
  if (!Programa_disponivel("gdaltransform")) GTEST_SKIP() << "gdaltransform is not installed";

  std::mt19937_64 gerador(2011);
  const double giro = 0.6 * M_PI / 180;
  // Layouts that went wrong at grid coordinates, then random ones.
  std::vector<std::vector<Ponto_orientacao>> disposicoes = {
      // A 100 m square on a 0.5 m scan turned 0.6 degrees.
      Cantos(Transformacao(0.5, std::cos(giro), std::sin(giro), false, 612345.6, 7455300.0), 200,
             200),
      // A 2.5 m sheet with its corner points, 10 km by 7.5 km.
      Cantos(Transformacao(2.5, 1, 0, false, 500000.0, 9000000.0), 4000, 3000),
      // A 200 m layout on an 8 cm cadastral plan.
      Pontos_da_transformacao(
          Transformacao(0.08, std::cos(1.0), std::sin(1.0), false, 345678.9, 7654321.0), 6, 2500,
          gerador),
  };
  for (int i = 0; i < 21; ++i) disposicoes.push_back(Disposicao_aleatoria(gerador).pontos);

  double pior = 0.0;
  for (std::size_t caso = 0; caso < disposicoes.size(); ++caso) {
    const auto& pontos = disposicoes[caso];
    ASSERT_EQ(Verificar_configuracao(pontos), Configuracao::Valida) << "layout " << caso;
    const Coeficientes c = Ajustar_orientacao(pontos);
    const std::vector<Pixel> pixels = Pixels_a_comparar(pontos, gerador);
    const auto gdal = Transformar_com_gdal(pontos, pixels);
    ASSERT_EQ(gdal.size(), pixels.size()) << "layout " << caso;
    double diferenca = 0.0;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
      const double dE = c.Este(pixels[i].x, pixels[i].y) - gdal[i].first;
      const double dN = c.Norte(pixels[i].x, pixels[i].y) - gdal[i].second;
      diferenca = std::max({diferenca, std::fabs(dE), std::fabs(dN)});
    }
    EXPECT_LT(diferenca, 1e-3) << "layout " << caso;
    pior = std::max(pior, diferenca);
  }
  RecordProperty("pior_diferenca_m", fmt::sprintf("%.3g", pior));
}
