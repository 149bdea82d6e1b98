#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "hull/Regiao.h"
#include "tests/hull/Pontos_exemplo.h"

namespace {

using Regioes = std::array<Lista<Ponto_regiao>, Num_regioes>;

// Classifies as the construction does: vertices marked first, then the other points.
Regioes Classificar(Lista<Ponto_digitalizado>& pontos, const Descricao_regiao& desc) {
  const int vertices = std::min(desc.Num_subregioes, 4);
  for (int k = 0; k < vertices; ++k) pontos.Item(desc.Indices_extremos[k]).Marca_pconv = k + 1;
  Regioes regioes;
  Classifica_pontos(desc, pontos, regioes);
  return regioes;
}

// Where each point went: the region (0 to 4) and its code, or -1 when in none.
struct Destino {
  int regiao = -1;
  char codigo = ' ';
};

std::vector<Destino> Destinos(const Regioes& regioes, int quantidade) {
  std::vector<Destino> destinos(quantidade);
  for (int r = 0; r < Num_regioes; ++r)
    for (const Ponto_regiao& p : regioes[r]) {
      EXPECT_EQ(destinos.at(p.Indice).regiao, -1) << "ponto em duas regioes";
      destinos.at(p.Indice) = {r, p.Codigo};
    }
  return destinos;
}

// A point just off the middle of the edge a -> b, to its left (outside) or right.
EN Junto_da_aresta(EN a, EN b, bool fora) {
  const double d = fora ? 0.01 : -0.01;
  return {(a.E + b.E) / 2 - d * (b.N - a.N), (a.N + b.N) / 2 + d * (b.E - a.E)};
}

}  // namespace

TEST(Classifica_pontos, TresVerticesCadaArestaLevaOsPontosDoSeuLadoDeFora) {
  // One triangle per type; outside each edge a point joins that edge's region, and the
  // point just inside the same edge joins none.
  const std::vector<std::vector<EN>> triangulos = {
      {{100, 300}, {300, 200}, {200, 100}},  // 8
      {{100, 200}, {300, 300}, {200, 100}},  // 9
      {{100, 200}, {200, 300}, {300, 100}},  // 10
      {{100, 100}, {200, 300}, {300, 200}},  // 11
  };
  for (size_t t = 0; t < triangulos.size(); ++t) {
    const std::vector<EN>& v = triangulos[t];
    Lista<Ponto_digitalizado> pontos = Pontos({v[0], v[1], v[2]});
    for (int lado = 0; lado < 3; ++lado)
      for (bool fora : {true, false}) {
        const EN p = Junto_da_aresta(v[lado], v[(lado + 1) % 3], fora);
        pontos.Acrescentar({0, -1, p.E, p.N, 0, 0, 0});
      }
    const Descricao_regiao desc = Caracterizar(pontos);
    SCOPED_TRACE(desc.Tipo_regiao);
    ASSERT_EQ(desc.Tipo_regiao, 8 + static_cast<int>(t));
    const auto destinos = Destinos(Classificar(pontos, desc), pontos.Quantidade());
    for (int lado = 0; lado < 3; ++lado) {
      EXPECT_EQ(destinos[3 + 2 * lado].regiao, lado);
      EXPECT_EQ(destinos[3 + 2 * lado].codigo, 'E');
      EXPECT_EQ(destinos[4 + 2 * lado].regiao, -1);
    }
    for (int vertice = 0; vertice < 3; ++vertice) EXPECT_EQ(destinos[vertice].regiao, -1);
  }
}

TEST(Classifica_pontos, SegmentoLadosELinha) {
  // Type 12 runs from the NW to the SE point, type 13 from the SW to the NE point; the
  // first label's side (NE, NO) is region 1, the other region 2, the line region 1 'S'.
  struct Caso {
    int32_t tipo;
    EN a, b;
    EN lado_do_primeiro_rotulo, outro_lado;
  };
  const std::vector<Caso> casos = {
      {12, {100, 300}, {300, 100}, {250, 250}, {150, 150}},
      {13, {100, 100}, {300, 300}, {150, 250}, {250, 150}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.tipo);
    auto pontos = Pontos({c.a, c.b, c.lado_do_primeiro_rotulo, c.outro_lado,
                          {(c.a.E + c.b.E) / 2, (c.a.N + c.b.N) / 2}});
    const Descricao_regiao desc = Caracterizar(pontos);
    ASSERT_EQ(desc.Tipo_regiao, c.tipo);
    const auto regioes = Classificar(pontos, desc);
    const auto destinos = Destinos(regioes, pontos.Quantidade());
    EXPECT_EQ(destinos[2].regiao, 0);
    EXPECT_EQ(destinos[2].codigo, 'E');
    EXPECT_EQ(destinos[3].regiao, 1);
    EXPECT_EQ(destinos[3].codigo, 'E');
    EXPECT_EQ(destinos[4].regiao, 0);
    EXPECT_EQ(destinos[4].codigo, 'S');
    // Points are taken in list order.
    ASSERT_EQ(regioes[0].Quantidade(), 2);
    EXPECT_EQ(regioes[0].Item(0).Indice, 2);
    EXPECT_EQ(regioes[0].Item(1).Indice, 4);
  }
}

TEST(Classifica_pontos, OutrosTiposNaoClassificamNada) {
  const std::vector<Lista<Ponto_digitalizado>> nuvens = {
      Pontos({{200, 100}, {300, 200}, {200, 300}, {100, 200}, {150, 150}, {120, 250}}),
      Pontos({{250, 100}, {300, 150}, {150, 300}, {100, 250}, {110, 110}}),
      Pontos({{100, 500}, {300, 500}, {200, 500}}),
      Pontos({{500, 100}, {500, 300}, {500, 200}}),
      Pontos({{500, 500}, {500, 500}}),
  };
  for (auto pontos : nuvens) {
    const Descricao_regiao desc = Caracterizar(pontos);
    SCOPED_TRACE(desc.Tipo_regiao);
    ASSERT_TRUE(desc.Tipo_regiao < 8 || desc.Tipo_regiao > 13);
    for (const auto& regiao : Classificar(pontos, desc)) EXPECT_TRUE(regiao.Vazia());
  }
}

TEST(Classifica_pontos, SoPontosSemMarcaEntramESempreNasTresPrimeirasRegioes) {
  auto pontos = Pontos({{100, 300}, {300, 200}, {200, 100}, {250, 280}, {280, 120}, {120, 150}});
  const Descricao_regiao desc = Caracterizar(pontos);
  ASSERT_EQ(desc.Tipo_regiao, 8);
  pontos.Item(4).Marca_pconv = 7;  // a mark the construction did not give
  const auto regioes = Classificar(pontos, desc);
  const auto destinos = Destinos(regioes, pontos.Quantidade());
  EXPECT_EQ(destinos[3].regiao, 0);
  EXPECT_EQ(destinos[4].regiao, -1);
  EXPECT_EQ(destinos[5].regiao, 2);
  EXPECT_TRUE(regioes[3].Vazia());
  EXPECT_TRUE(regioes[4].Vazia());
}
