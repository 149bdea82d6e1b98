#include <gtest/gtest.h>

#include <cmath>

#include "nucleo/orientacao/Espessura.h"

TEST(Espessura, LarguraDaFaixaMaisEstreita) {
  const double c = std::cos(0.5), s = std::sin(0.5);
  const auto girado = [&](double u, double v) {
    return Posicao{350000 + u * c - v * s, 7400000 + u * s + v * c};
  };
  struct Caso {
    const char* nome;
    std::vector<Posicao> posicoes;
    double esperada;
  };
  const Caso casos[] = {
      {"none", {}, 0.0},
      {"one, repeated", {{5, 5}, {5, 5}, {5, 5}}, 0.0},
      {"on a line, with repeats", {{0, 0}, {3, 1}, {6, 2}, {3, 1}, {9, 3}}, 0.0},
      // The narrowest strip lies along the hypotenuse: the height onto it, 12 / 5.
      {"triangle 3-4-5", {{0, 0}, {4, 0}, {0, 3}}, 2.4},
      {"turned 10 m by 2 mm with points inside",
       {girado(0, 0), girado(10, 0), girado(10, 0.002), girado(0, 0.002), girado(4, 0.001)},
       0.002},
  };
  for (const Caso& caso : casos)
    EXPECT_NEAR(Espessura(caso.posicoes), caso.esperada, 1e-9) << caso.nome;
}
