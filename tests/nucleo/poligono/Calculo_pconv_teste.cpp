// The pure computations of the limit polygon: searches, side test, types, regions, order.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "nucleo/poligono/Extremos.h"
#include "nucleo/poligono/Lado_do_ponto.h"
#include "nucleo/poligono/Pol_convexo.h"
#include "nucleo/poligono/Regiao.h"
#include "nucleo/trabalho/Construcao_pconv.h"
#include "tests/apoio/Impressao_trabalho.h"
#include "tests/nucleo/poligono/Pontos_exemplo.h"

namespace {

Descricao_regiao Caracterizar(const Lista<Ponto_digitalizado>& p, Descricao_regiao desc = {}) {
  const Extremos x = Achar_extremos(p);
  Caracteriza_regiao(p, x.iW, x.iN, x.iE, x.iS, desc);
  return desc;
}

}  // namespace

TEST(Calculo_pconv, BuscasDaoPosicaoMaisUmComEmpatesELimites) {
  // Numbered from 41: the result follows the list, not the numbers. Ties keep the first.
  const auto p = Pontos({{500, 400}, {100, 400}, {900, 50}, {900, 50}}, 41);
  EXPECT_EQ(Coord_minima(p, 'E'), 2);
  EXPECT_EQ(Coord_maxima(p, 'N'), 1);
  EXPECT_EQ(Coord_maxima(p, 'E'), 3);
  EXPECT_EQ(Coord_minima(p, 'x'), 3);  // any axis but 'E' is N
  EXPECT_EQ(Coord_maxima(Lista<Ponto_digitalizado>{}, 'E'), 0);
  // The starting values are never beaten by an equal coordinate.
  const auto fora = Pontos({{0, Limite_superior_N}, {-5, Limite_superior_N + 1}});
  EXPECT_EQ(Coord_maxima(fora, 'E'), 0);
  EXPECT_EQ(Coord_minima(fora, 'N'), 0);
  EXPECT_EQ(Coord_minima(Pontos({{Limite_superior_E, 1}}), 'E'), 0);
}

TEST(Calculo_pconv, LadoConcordaComOProdutoVetorial) {
  // Lines from the centre of a small grid in every direction, against every grid point:
  // with small integers the slopes decide exactly as the cross product does, including
  // the vertical and horizontal lines, points behind P1 and coincident points.
  for (int E2 = -3; E2 <= 3; ++E2)
    for (int N2 = -3; N2 <= 3; ++N2)
      for (int E3 = -4; E3 <= 4; ++E3)
        for (int N3 = -4; N3 <= 4; ++N3) {
          const int vetorial = E2 * N3 - N2 * E3;
          ASSERT_EQ(Lado_do_ponto(0, 0, E2, N2, E3, N3), (vetorial > 0) - (vetorial < 0))
              << E2 << "," << N2 << " / " << E3 << "," << N3;
        }
  EXPECT_EQ(Lado_do_ponto(712345.125, 9123456.5, 712845.375, 9123956.25, 712500, 9123800), 1);
}

TEST(Calculo_pconv, TiposVerticesERotulos) {
  struct Caso {
    std::vector<EN> pontos;
    int32_t tipo, subregioes;
    std::vector<int32_t> vertices;
    std::vector<const char*> rotulos;
  };
  const std::vector<Caso> casos = {
      {{}, 16, 0, {}, {}},
      {{{5, 5}, {5, 5}}, 16, 0, {}, {}},
      {{{1, 5}, {3, 5}, {2, 5}}, 14, 0, {}, {}},
      {{{5, 1}, {5, 3}, {5, 2}}, 15, 0, {}, {}},
      {{{1, 2}, {2, 1}}, 12, 2, {0, 1}, {"NE", "SO"}},
      {{{1, 1}, {2, 2}}, 13, 2, {0, 1}, {"NO", "SE"}},
      {{{3, 2}, {1, 3}, {2, 1}}, 8, 3, {1, 0, 2}, {"NE", "SE", "SO"}},
      {{{2, 1}, {3, 3}, {1, 2}}, 9, 3, {2, 1, 0}, {"NO", "SE", "SO"}},
      {{{3, 1}, {1, 2}, {2, 3}}, 10, 3, {1, 2, 0}, {"NO", "NE", "SO"}},
      {{{3, 2}, {2, 3}, {1, 1}}, 11, 3, {2, 1, 0}, {"NO", "NE", "SE"}},
      {{{2, 1}, {3, 2}, {2, 3}, {1, 2}}, 7, 4, {3, 2, 1, 0}, {"NO", "NE", "SE", "SO"}},
      {{{5, 1}, {6, 4}, {3, 6}, {2, 4}}, 6, 4, {3, 2, 1, 0}, {"NO", "NE", "SE", "SO"}},
      {{{4, 1}, {6, 5}, {4, 6}, {2, 3}}, 5, 4, {3, 2, 1, 0}, {"NO", "NE", "SE", "SO"}},
      {{{5, 2}, {6, 3}, {3, 6}, {2, 5}}, 4, 5, {3, 2, 1, 0}, {"NO", "NE", "SE", "SO", "OV"}},
      {{{3, 2}, {6, 3}, {5, 6}, {2, 5}}, 3, 5, {3, 2, 1, 0}, {"NO", "NE", "SE", "SO", "EM"}},
      {{{3, 2}, {6, 5}, {5, 6}, {2, 3}}, 2, 5, {3, 2, 1, 0}, {"NO", "NE", "SE", "SO", "OV"}},
      {{{5, 2}, {6, 5}, {3, 6}, {2, 3}}, 1, 5, {3, 2, 1, 0}, {"NO", "NE", "SE", "SO", "EM"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.tipo);
    const auto p = Pontos(c.pontos);
    const Descricao_regiao d = Caracterizar(p);
    EXPECT_EQ(d.Tipo_regiao, c.tipo);
    EXPECT_EQ(d.Num_subregioes, c.subregioes);
    for (size_t k = 0; k < c.vertices.size(); ++k) {
      EXPECT_EQ(d.Indices_extremos[k], c.vertices[k]);
      EXPECT_EQ(d.E[k], p.Item(c.vertices[k]).E);
      EXPECT_EQ(d.N[k], p.Item(c.vertices[k]).N);
    }
    for (size_t k = 0; k < c.rotulos.size(); ++k) EXPECT_EQ(d.Textos_regiao[k], c.rotulos[k]);
    if (c.subregioes == 5) {
      // The auxiliary points are the two corners made of the extremes' own values,
      // the first of them on the side the type names.
      const double eN = d.E[1], eS = d.E[3], nW = d.N[0], nE = d.N[2];
      const bool aux4_de_eS = c.tipo == 2 || c.tipo == 3, aux4_de_nW = c.tipo <= 2;
      EXPECT_EQ(d.E[4], aux4_de_eS ? eS : eN);
      EXPECT_EQ(d.N[4], aux4_de_nW ? nW : nE);
      EXPECT_EQ(d.E[5], aux4_de_eS ? eN : eS);
      EXPECT_EQ(d.N[5], aux4_de_nW ? nE : nW);
    }
  }
}

TEST(Calculo_pconv, EntradasQueOTipoNaoUsaGuardamOValorAnterior) {
  const Descricao_regiao inclinado = Caracterizar(Pontos({{5, 2}, {6, 3}, {3, 6}, {2, 5}}));
  const Descricao_regiao segmento = Caracterizar(Pontos({{1, 1}, {2, 2}}), inclinado);
  EXPECT_EQ(segmento.Tipo_regiao, 13);
  for (int k = 2; k < 4; ++k)
    EXPECT_EQ(segmento.Indices_extremos[k], inclinado.Indices_extremos[k]);
  for (int k = 2; k < 6; ++k) EXPECT_EQ(segmento.E[k], inclinado.E[k]);
  EXPECT_EQ(segmento.Textos_regiao[4], "OV");
  const Descricao_regiao linha = Caracterizar(Pontos({{1, 5}, {9, 5}}), segmento);
  EXPECT_EQ(linha.Tipo_regiao, 14);
  EXPECT_EQ(linha.E, segmento.E);
  EXPECT_EQ(linha.Textos_regiao, segmento.Textos_regiao);
}

TEST(Calculo_pconv, TresVerticesCadaArestaLevaOsPontosDeFora) {
  // Per type, a triangle; just outside the middle of each edge a point joins that edge's
  // region, and the point just inside joins none.
  const std::vector<std::vector<EN>> triangulos = {{{100, 300}, {300, 200}, {200, 100}},
                                                   {{100, 200}, {300, 300}, {200, 100}},
                                                   {{100, 200}, {200, 300}, {300, 100}},
                                                   {{100, 100}, {200, 300}, {300, 200}}};
  for (int t = 0; t < 4; ++t) {
    std::vector<EN> v = triangulos[t];
    for (int lado = 0; lado < 3; ++lado)
      for (double d : {0.01, -0.01}) {  // left of the edge, then right
        const EN a = triangulos[t][lado], b = triangulos[t][(lado + 1) % 3];
        v.push_back({(a.E + b.E) / 2 - d * (b.N - a.N), (a.N + b.N) / 2 + d * (b.E - a.E)});
      }
    auto p = Pontos(v);
    const Descricao_regiao desc = Caracterizar(p);
    ASSERT_EQ(desc.Tipo_regiao, 8 + t);
    for (int k = 0; k < 3; ++k) p.Item(k).Marca_pconv = k + 1;
    std::array<Lista<Ponto_regiao>, Num_regioes> regioes;
    Classifica_pontos(desc, p, regioes);
    for (int lado = 0; lado < 3; ++lado) {
      ASSERT_EQ(regioes[lado].Quantidade(), 1) << desc.Tipo_regiao;
      EXPECT_EQ(regioes[lado].Item(0).Indice, 3 + 2 * lado);
      EXPECT_EQ(regioes[lado].Item(0).Codigo, 'E');
    }
  }
}

TEST(Calculo_pconv, TemPoligonoEOrdemDosVertices) {
  auto p = Pontos({{1, 1}, {2, 2}});
  EXPECT_FALSE(Tem_pol_convexo(Lista<Ponto_digitalizado>{}));
  EXPECT_FALSE(Tem_pol_convexo(p));
  p.Item(1).Marca_pconv = 0;
  EXPECT_TRUE(Tem_pol_convexo(p));
  // Stable: equal keys keep their order; the contents move with the key.
  Lista<Vertice_pconv> v;
  for (Vertice_pconv e : {Vertice_pconv{3, 30}, {1, 10}, {4, 40}, {1, 11}, {2, 20}})
    v.Acrescentar(e);
  Ordena_pconv(v);
  std::vector<std::pair<int32_t, int32_t>> ordem;
  for (const auto& e : v) ordem.emplace_back(e.Ordem, e.Indice);
  EXPECT_EQ(ordem, (std::vector<std::pair<int32_t, int32_t>>{
                       {1, 10}, {1, 11}, {2, 20}, {3, 30}, {4, 40}}));
}

// The order is exactly the one an exchange sort of adjacent entries leaves, for lists
// with many equal keys, descending runs and negative keys alike.
TEST(Calculo_pconv, OrdemIgualADaOrdenacaoPorTrocas) {
  const auto por_trocas = [](std::vector<Vertice_pconv> v) {
    for (bool trocou = true; trocou;) {
      trocou = false;
      for (size_t i = 1; i < v.size(); ++i)
        if (v[i].Ordem < v[i - 1].Ordem) std::swap(v[i], v[i - 1]), trocou = true;
    }
    return v;
  };
  uint32_t semente = 12345;
  for (const int chaves : {1, 3, 50, 1000}) {
    std::vector<Vertice_pconv> entradas;
    for (int i = 0; i < 300; ++i) {
      semente = semente * 1664525u + 1013904223u;
      entradas.push_back({static_cast<int32_t>(semente >> 8) % chaves - chaves / 3, i});
    }
    Lista<Vertice_pconv> lista;
    for (const auto& e : entradas) lista.Acrescentar(e);
    Ordena_pconv(lista);
    const std::vector<Vertice_pconv> esperado = por_trocas(entradas);
    ASSERT_EQ(lista.Quantidade(), 300);
    for (int i = 0; i < 300; ++i) {
      EXPECT_EQ(lista.Item(i).Ordem, esperado[static_cast<size_t>(i)].Ordem) << chaves;
      EXPECT_EQ(lista.Item(i).Indice, esperado[static_cast<size_t>(i)].Indice) << chaves;
    }
  }
}

TEST(Calculo_pconv, ConstrucaoNoTrabalho) {
  // A vertex list left from an earlier polygon goes in both cases.
  const auto Construir = [](std::vector<EN> coordenadas) {
    Trabalho t;
    t.Lista_pontos = Pontos(coordenadas);
    t.Lista_pconv.Acrescentar({7, 0});
    Construir_pol_convexo(t, Achar_extremos(t.Lista_pontos));
    return t;
  };

  // A triangle (type 8) with a point beyond its first edge and one inside it.
  Trabalho esperado;
  esperado.Lista_pontos = Pontos({{3, 2}, {1, 3}, {2, 1}, {2.5, 3}, {2, 2}});
  const int vertices[] = {1, 0, 2};  // W (also the northmost), E, S
  for (int k = 0; k < 3; ++k) {
    esperado.Lista_pontos.Item(vertices[k]).Marca_pconv = k + 1;
    esperado.Lista_pconv.Acrescentar({k, vertices[k]});
  }
  esperado.Regioes[0].Acrescentar({3, 'E'});
  esperado.Desc_regiao = {8, 3, 0, {1, 0, 2, 0}, {1, 3, 2}, {3, 2, 1}, {"NE", "SE", "SO"}};
  EXPECT_EQ(Construir({{3, 2}, {1, 3}, {2, 1}, {2.5, 3}, {2, 2}}), esperado);

  // A single point: described, nothing marked or listed.
  esperado = Trabalho{};
  esperado.Lista_pontos = Pontos({{4, 4}});
  esperado.Desc_regiao.Tipo_regiao = 16;
  EXPECT_EQ(Construir({{4, 4}}), esperado);
}
