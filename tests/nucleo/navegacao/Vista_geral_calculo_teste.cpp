// The overview's geometry: sheet and overview pixels, the main view's rectangle from its
// scroll positions, the click that moves the view, and the residual vectors checked
// through the orientation itself.

#include <gtest/gtest.h>

#include <vector>

#include "nucleo/navegacao/Vista_geral_calculo.h"
#include "nucleo/orientacao/Ajustamento.h"

TEST(Vista_geral_calculo, EscalaRetanguloERolagem) {
  // An A0 sheet in a window narrower than the sheet's proportion: the width decides.
  const Mapa_vista_geral mapa(19866, 28087, 300, 500);
  const double escala = 300.0 / 19866;
  ASSERT_DOUBLE_EQ(mapa.Escala(), escala);
  const Retangulo_vista r = mapa.Visivel(5000, 20000, 1580, 900);
  EXPECT_DOUBLE_EQ(r.x, 5000 * escala);
  EXPECT_DOUBLE_EQ(r.y, 20000 * escala);
  EXPECT_DOUBLE_EQ(r.largura, 1580 * escala);
  EXPECT_DOUBLE_EQ(r.altura, 900 * escala);
  // A click on the rectangle's centre gives back its scroll positions.
  const Ponto_vista volta =
      mapa.Rolagem_centrada(r.x + r.largura / 2, r.y + r.altura / 2, 1580, 900);
  EXPECT_DOUBLE_EQ(volta.x, 5000);
  EXPECT_DOUBLE_EQ(volta.y, 20000);
  // The height decides in a wide window.
  EXPECT_DOUBLE_EQ(Mapa_vista_geral(19866, 28087, 800, 400).Escala(), 400.0 / 28087);
}

// Typed coordinates a few metres off the fit: each vector, not exaggerated, must end on
// the pixel where the typed E and N fall, and an exaggerated one N times as far.
TEST(Vista_geral_calculo, VetoresDeResiduosPelaOrientacao) {
  std::vector<Ponto_orientacao> pontos = {{101, 0, 0, 1000, 2000},
                                          {102, 0, 0, 18000, 1500},
                                          {103, 0, 0, 17500, 26000},
                                          {104, 0, 0, 900, 27000}};
  const Coeficientes exata{2.1, 0.3, 300000, 0.2, -2.1, 7000000};  // turned, y down
  const double erros[][2] = {{3, -1}, {-2, 4}, {0.5, 0.5}, {-1.5, -3.5}};
  for (size_t i = 0; i < pontos.size(); ++i) {
    pontos[i].E = exata.Este(pontos[i].x, pontos[i].y) + erros[i][0];
    pontos[i].N = exata.Norte(pontos[i].x, pontos[i].y) + erros[i][1];
  }
  const Coeficientes coef = Ajustar_orientacao(pontos);
  const std::vector<Residuo> residuos = Calcular_residuos(pontos, coef);
  const std::vector<Vetor_residuo> simples = Vetores_residuos(pontos, coef, 1);
  const std::vector<Vetor_residuo> vezes_50 = Vetores_residuos(pontos, coef, 50);
  ASSERT_EQ(simples.size(), pontos.size());
  for (size_t i = 0; i < pontos.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_DOUBLE_EQ(simples[i].inicio.x, pontos[i].x);
    EXPECT_DOUBLE_EQ(simples[i].inicio.y, pontos[i].y);
    EXPECT_NEAR(coef.Este(simples[i].fim.x, simples[i].fim.y), pontos[i].E, 1e-6);
    EXPECT_NEAR(coef.Norte(simples[i].fim.x, simples[i].fim.y), pontos[i].N, 1e-6);
    const Vetor_residuo& v = vezes_50[i];
    EXPECT_NEAR(coef.Este(v.fim.x, v.fim.y) - coef.Este(v.inicio.x, v.inicio.y),
                -50 * residuos[i].DeltaE, 1e-6);
    EXPECT_NEAR(coef.Norte(v.fim.x, v.fim.y) - coef.Norte(v.inicio.x, v.inicio.y),
                -50 * residuos[i].DeltaN, 1e-6);
  }
  EXPECT_TRUE(Vetores_residuos(pontos, Coeficientes{1, 2, 0, 2, 4, 0}, 1).empty());
}

TEST(Vista_geral_calculo, ExageroNaSerie125) {
  struct Caso {
    double maior;
    int lado, exagero;
  };
  // The limit is a twentieth of the longer side: 1000 pixels for 20000.
  const Caso casos[] = {{0, 20000, 1},   {1, 20000, 1000},   {3, 20000, 200},
                        {4, 20000, 200}, {0.7, 20000, 1000}, {2000, 20000, 1}};
  for (const Caso& c : casos) EXPECT_EQ(Exagero_residuos(c.maior, c.lado), c.exagero) << c.maior;
}
