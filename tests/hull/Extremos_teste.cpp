#include "hull/Extremos.h"

#include <gtest/gtest.h>

#include "tests/hull/Pontos_exemplo.h"

TEST(Extremos, SemPontosNenhumaBuscaAcha) {
  const Lista<Ponto_digitalizado> vazia;
  EXPECT_EQ(Coord_maxima(vazia, 'E'), 0);
  EXPECT_EQ(Coord_maxima(vazia, 'N'), 0);
  EXPECT_EQ(Coord_minima(vazia, 'E'), 0);
  EXPECT_EQ(Coord_minima(vazia, 'N'), 0);
}

TEST(Extremos, DaoAPosicaoMaisUmMesmoComNumerosForaDeOrdem) {
  // Numbered 41..44, as after a concatenation: the result follows the list, not the number.
  const auto pontos = Pontos({{500, 300}, {100, 400}, {900, 200}, {300, 50}}, 41);
  EXPECT_EQ(Coord_minima(pontos, 'E'), 2);
  EXPECT_EQ(Coord_maxima(pontos, 'N'), 2);
  EXPECT_EQ(Coord_maxima(pontos, 'E'), 3);
  EXPECT_EQ(Coord_minima(pontos, 'N'), 4);
}

TEST(Extremos, EmpateFicaComOPrimeiroDaLista) {
  const auto pontos = Pontos({{200, 500}, {100, 500}, {100, 100}, {300, 100}, {300, 300}});
  EXPECT_EQ(Coord_maxima(pontos, 'N'), 1);
  EXPECT_EQ(Coord_minima(pontos, 'E'), 2);
  EXPECT_EQ(Coord_minima(pontos, 'N'), 3);
  EXPECT_EQ(Coord_maxima(pontos, 'E'), 4);
}

TEST(Extremos, QualquerEixoQueNaoSejaESelecionaN) {
  const auto pontos = Pontos({{100, 900}, {900, 100}});
  EXPECT_EQ(Coord_maxima(pontos, 'x'), Coord_maxima(pontos, 'N'));
  EXPECT_EQ(Coord_minima(pontos, 'e'), Coord_minima(pontos, 'N'));
  EXPECT_NE(Coord_maxima(pontos, 'E'), Coord_maxima(pontos, 'N'));
}

TEST(Extremos, LimitesDasBuscasSaoEstritos) {
  // Nothing beats the starting values: 0 for the maxima, the grid's extent for the minima.
  const auto pontos = Pontos({{Limite_inferior, Limite_superior_N},
                              {-5, Limite_superior_N + 1}});
  EXPECT_EQ(Coord_maxima(pontos, 'E'), 0);
  EXPECT_EQ(Coord_minima(pontos, 'N'), 0);
  EXPECT_EQ(Coord_minima(pontos, 'E'), 2);
  EXPECT_EQ(Coord_maxima(pontos, 'N'), 2);

  const auto no_limite_E = Pontos({{Limite_superior_E, 10}});
  EXPECT_EQ(Coord_minima(no_limite_E, 'E'), 0);
  EXPECT_EQ(Coord_maxima(no_limite_E, 'E'), 1);
}
