// The orientation at the coordinates of real sheets, where the normal equations on raw
// coordinates (E squared beside 1) lose most of their digits.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "nucleo/base/Formatacao.h"
#include "nucleo/orientacao/Ajustamento.h"
#include "tests/nucleo/orientacao/Ajuste_independente.h"
#include "tests/nucleo/orientacao/Disposicoes_aleatorias.h"

TEST(Ajustamento_escala_real, DadosAfinsExatosNaoDeixamResiduo) {
  std::mt19937_64 gerador(11);
  double pior = 0.0;
  std::string onde;
  int recusadas = 0;
  for (int caso = 0; caso < 10000; ++caso) {
    const Disposicao d = Disposicao_aleatoria(gerador);
    if (Verificar_configuracao(d.pontos) != Configuracao::Valida) {
      ++recusadas;
      continue;
    }
    for (const Residuo& r : Calcular_residuos(d.pontos, Ajustar_orientacao(d.pontos))) {
      const double maior = std::max(std::fabs(r.DeltaE), std::fabs(r.DeltaN));
      if (maior > pior)
        pior = maior,
        onde = fmt::sprintf("case %d: %d points over %.0f m, pixel %.3f m", caso, d.pontos.size(),
                            d.extensao, std::hypot(d.verdadeiro.a, d.verdadeiro.d));
    }
  }
  RecordProperty("pior_residuo_m", fmt::sprintf("%.3g at %s", pior, onde));
  EXPECT_LT(pior, 1e-6) << onde;
  // Random layouts of at least ten pixels are rarely on one line.
  EXPECT_LT(recusadas, 10);
}

TEST(Ajustamento_escala_real, DadosComRuidoConcordamComAjusteIndependente) {
  std::mt19937_64 gerador(1011);
  for (int caso = 0; caso < 1000; ++caso) {
    Disposicao d = Disposicao_aleatoria(gerador);
    // Chart coordinates off by about half a pixel, as a careless reading would give.
    const double pixel = std::hypot(d.verdadeiro.a, d.verdadeiro.d);
    std::normal_distribution<double> ruido(0.0, pixel / 2);
    for (auto& p : d.pontos) p.E += ruido(gerador), p.N += ruido(gerador);
    if (Verificar_configuracao(d.pontos) != Configuracao::Valida) continue;

    // Compared where they matter, at the control points: the differences of the
    // coefficients times the pixel positions, whatever the origin.
    const Coeficientes c = Ajustar_orientacao(d.pontos);
    const Afim<double> esperado = Ajuste_independente<double>(d.pontos);
    const double tolerancia = 1e-9 * d.extensao;
    for (const auto& p : d.pontos) {
      ASSERT_NEAR(c.Este(p.x, p.y), esperado.Este(p.x, p.y), tolerancia) << "case " << caso;
      ASSERT_NEAR(c.Norte(p.x, p.y), esperado.Norte(p.x, p.y), tolerancia) << "case " << caso;
    }
  }
}
