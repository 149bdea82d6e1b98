#include "hull/Pol_convexo.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/hull/Pontos_exemplo.h"

namespace {

Lista<Vertice_pconv> Vertices(const std::vector<std::pair<int32_t, int32_t>>& ordem_indice) {
  Lista<Vertice_pconv> pconv;
  for (auto [ordem, indice] : ordem_indice) pconv.Acrescentar({ordem, indice});
  return pconv;
}

std::vector<std::pair<int32_t, int32_t>> Conteudo(const Lista<Vertice_pconv>& pconv) {
  std::vector<std::pair<int32_t, int32_t>> conteudo;
  for (const Vertice_pconv& v : pconv) conteudo.emplace_back(v.Ordem, v.Indice);
  return conteudo;
}

}  // namespace

TEST(Tem_pol_convexo, QualquerMarcaDiferenteDeMenosUm) {
  EXPECT_FALSE(Tem_pol_convexo(Lista<Ponto_digitalizado>{}));
  auto pontos = Pontos({{1, 1}, {2, 2}, {3, 3}});
  EXPECT_FALSE(Tem_pol_convexo(pontos));
  pontos.Item(2).Marca_pconv = 0;
  EXPECT_TRUE(Tem_pol_convexo(pontos));
  pontos.Item(2).Marca_pconv = -1;
  pontos.Item(1).Marca_pconv = 4;
  EXPECT_TRUE(Tem_pol_convexo(pontos));
}

TEST(Ordena_pconv, OrdemGravadaVoltaAOrdemDoPoligono) {
  // As rebuilt from a file: the marks 3, 1, 4, 2 of the points at positions 30, 10, 40, 20.
  auto pconv = Vertices({{3, 30}, {1, 10}, {4, 40}, {2, 20}});
  Ordena_pconv(pconv);
  EXPECT_EQ(Conteudo(pconv), Conteudo(Vertices({{1, 10}, {2, 20}, {3, 30}, {4, 40}})));
}

TEST(Ordena_pconv, EstavelEmOrdensIguais) {
  auto pconv = Vertices({{2, 0}, {1, 1}, {2, 2}, {1, 3}, {0, 4}});
  Ordena_pconv(pconv);
  EXPECT_EQ(Conteudo(pconv), Conteudo(Vertices({{0, 4}, {1, 1}, {1, 3}, {2, 0}, {2, 2}})));
}

TEST(Ordena_pconv, ListasCurtasFicamComoEstao) {
  Lista<Vertice_pconv> vazia;
  Ordena_pconv(vazia);
  EXPECT_TRUE(vazia.Vazia());
  auto uma = Vertices({{5, 9}});
  Ordena_pconv(uma);
  EXPECT_EQ(Conteudo(uma), Conteudo(Vertices({{5, 9}})));
}
