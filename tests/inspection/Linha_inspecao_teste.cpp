#include "inspection/Linha_inspecao.h"

#include <gtest/gtest.h>

TEST(Linha_inspecao, CincoColunasAlinhadasADireita) {
  Ponto_digitalizado ponto;
  ponto.Numero = 7;
  ponto.E = 512.345;
  ponto.N = 745.678;
  ponto.h = -12.5;
  ponto.Marca_pconv = 3;
  const std::string linha = Linha_inspecao(ponto);
  EXPECT_EQ(linha.size(), 45u);
  EXPECT_EQ(linha, "     7     512.345      745.678  -12.500    3");
}

TEST(Linha_inspecao, CoordenadasDeCartaEPontoSemMarca) {
  Ponto_digitalizado ponto;
  ponto.Numero = 1234567;
  ponto.E = 712345.6789;
  ponto.N = 9123456.7891;
  ponto.h = 1234.5;
  ponto.Marca_pconv = -1;
  EXPECT_EQ(Linha_inspecao(ponto), "1234567  712345.679  9123456.789 1234.500   -1");
}
