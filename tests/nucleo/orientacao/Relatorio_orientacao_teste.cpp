#include <gtest/gtest.h>

#include "nucleo/orientacao/Ajustamento.h"
#include "nucleo/orientacao/Escala.h"
#include "nucleo/orientacao/Relatorio_orientacao.h"
#include "tests/nucleo/orientacao/Exemplos_orientacao.h"

namespace {

std::string Relatorio(const std::vector<Ponto_orientacao>& pontos) {
  const auto residuos = Calcular_residuos(pontos, Ajustar_orientacao(pontos));
  return Texto_estatistica(residuos, Calcular_estatisticas(residuos),
                           Perimetro_carta(pontos) / Perimetro_imagem(pontos));
}

}  // namespace

TEST(Relatorio_orientacao, ExemplosDoQuadrado) {
  EXPECT_EQ(Relatorio(Quadrado_100m()), Relatorio_quadrado);
  EXPECT_EQ(Relatorio(Quadrado_100m_perturbado()), Relatorio_perturbado);
}

TEST(Relatorio_orientacao, PrimeiraColunaContaAPartirDeUm) {
  std::vector<Residuo> residuos(12, Residuo{0.5, -1.25, 1.346});
  residuos[0] = {-12.3456, 123.4567, 124.0};
  Estatisticas est;
  est.media = {-0.0004, 0.0004, 0.5};
  est.desvio = {0.57735, 1234.5678, 0.001};
  const std::string texto = Texto_estatistica(residuos, est, 1.0 / 3.0);
  EXPECT_NE(
      texto.find(
          "   1     -12.346m    123.457m   124.000m\n   2       0.500m     -1.250m    1.346m\n"),
      std::string::npos);
  EXPECT_NE(
      texto.find(
          "  12       0.500m     -1.250m    1.346m\n\nMedia    0.000m     0.000m     0.500m\n\n "),
      std::string::npos);
  EXPECT_NE(texto.find("    Este  ->     0.577m\n    Norte -> 1234.568m\n    Dist  ->      0.001m"),
            std::string::npos);
  EXPECT_NE(texto.find("1 pixel ~=  0.33m \n\n OK"), std::string::npos);
}
