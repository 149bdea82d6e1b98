#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hull/Regiao.h"
#include "tests/hull/Pontos_exemplo.h"

namespace {

struct Caso_vertices {
  const char* nome;
  std::vector<EN> coordenadas;
  int32_t tipo;
  int32_t subregioes;
  std::vector<int32_t> vertices;  // positions, in polygon order
  std::vector<std::string> textos;
};

void Conferir_vertices(const Caso_vertices& caso) {
  Lista<Ponto_digitalizado> pontos;
  for (EN c : caso.coordenadas) pontos.Acrescentar({0, -1, c.E, c.N, 0, 0, 0});
  const Descricao_regiao desc = Caracterizar(pontos);
  SCOPED_TRACE(caso.nome);
  EXPECT_EQ(desc.Tipo_regiao, caso.tipo);
  EXPECT_EQ(desc.Num_subregioes, caso.subregioes);
  for (size_t k = 0; k < caso.vertices.size(); ++k) {
    const int32_t indice = caso.vertices[k];
    EXPECT_EQ(desc.Indices_extremos[k], indice);
    EXPECT_EQ(desc.E[k], pontos.Item(indice).E);
    EXPECT_EQ(desc.N[k], pontos.Item(indice).N);
  }
  for (size_t k = 0; k < caso.textos.size(); ++k) EXPECT_EQ(desc.Textos_regiao[k], caso.textos[k]);
}

}  // namespace

TEST(Caracteriza_regiao, ConfiguracoesDeDoisETresVertices) {
  const std::vector<Caso_vertices> casos = {
      {"12: W=N e E=S", {{100, 200}, {200, 100}}, 12, 2, {0, 1}, {"NE", "SO"}},
      {"13: W=S e N=E", {{100, 100}, {200, 200}}, 13, 2, {0, 1}, {"NO", "SE"}},
      {"8: W=N", {{300, 200}, {100, 300}, {200, 100}}, 8, 3, {1, 0, 2}, {"NE", "SE", "SO"}},
      {"9: N=E", {{200, 100}, {300, 300}, {100, 200}}, 9, 3, {2, 1, 0}, {"NO", "SE", "SO"}},
      {"10: E=S", {{300, 100}, {100, 200}, {200, 300}}, 10, 3, {1, 2, 0}, {"NO", "NE", "SO"}},
      {"11: S=W", {{300, 200}, {200, 300}, {100, 100}}, 11, 3, {2, 1, 0}, {"NO", "NE", "SE"}},
  };
  for (const auto& caso : casos) Conferir_vertices(caso);
}

TEST(Caracteriza_regiao, LosangoETiposRetos) {
  const std::vector<Caso_vertices> casos = {
      {"7: losango", {{200, 100}, {300, 200}, {200, 300}, {100, 200}}, 7, 4, {3, 2, 1, 0},
       {"NO", "NE", "SE", "SO"}},
      {"6: nW=nE", {{250, 100}, {300, 200}, {150, 300}, {100, 200}}, 6, 4, {3, 2, 1, 0},
       {"NO", "NE", "SE", "SO"}},
      {"5: eN=eS", {{200, 100}, {300, 220}, {200, 300}, {100, 180}}, 5, 4, {3, 2, 1, 0},
       {"NO", "NE", "SE", "SO"}},
  };
  for (const auto& caso : casos) Conferir_vertices(caso);
}

TEST(Caracteriza_regiao, TiposInclinadosComPontosAuxiliares) {
  struct Caso {
    int32_t tipo;
    EN W, N, E, S;
    const char* quinto;
    bool aux4_de_eS;  // auxiliary 4 takes E from the southmost point (else the northmost)
    bool aux4_de_nW;  // and N from the westmost point (else the eastmost)
  };
  const std::vector<Caso> casos = {
      {4, {100, 250}, {150, 300}, {300, 150}, {250, 100}, "OV", false, false},
      {3, {100, 250}, {250, 300}, {300, 150}, {150, 100}, "EM", true, false},
      {2, {100, 150}, {250, 300}, {300, 250}, {150, 100}, "OV", true, true},
      {1, {100, 150}, {150, 300}, {300, 250}, {250, 100}, "EM", false, true},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.tipo);
    const auto pontos = Pontos({c.S, c.E, c.N, c.W});
    const Descricao_regiao desc = Caracterizar(pontos);
    EXPECT_EQ(desc.Tipo_regiao, c.tipo);
    EXPECT_EQ(desc.Num_subregioes, 5);
    EXPECT_EQ((std::array<int32_t, 4>{3, 2, 1, 0}), desc.Indices_extremos);
    EXPECT_EQ(desc.Textos_regiao[4], c.quinto);
    // The auxiliary points are the two remaining corners made of the extremes' values.
    EXPECT_EQ(desc.E[4], c.aux4_de_eS ? c.S.E : c.N.E);
    EXPECT_EQ(desc.N[4], c.aux4_de_nW ? c.W.N : c.E.N);
    EXPECT_EQ(desc.E[5], c.aux4_de_eS ? c.N.E : c.S.E);
    EXPECT_EQ(desc.N[5], c.aux4_de_nW ? c.E.N : c.W.N);
  }
}

TEST(Caracteriza_regiao, TiposDegenerados) {
  EXPECT_EQ(Caracterizar(Lista<Ponto_digitalizado>{}).Tipo_regiao, 16);
  EXPECT_EQ(Caracterizar(Pontos({{500, 500}})).Tipo_regiao, 16);
  EXPECT_EQ(Caracterizar(Pontos({{500, 500}, {500, 500}, {500, 500}})).Tipo_regiao, 16);
  EXPECT_EQ(Caracterizar(Pontos({{100, 500}, {300, 500}, {200, 500}})).Tipo_regiao, 14);
  EXPECT_EQ(Caracterizar(Pontos({{500, 100}, {500, 300}, {500, 200}})).Tipo_regiao, 15);
  for (const auto& pontos : {Pontos({{500, 500}}), Pontos({{100, 500}, {300, 500}})})
    EXPECT_EQ(Caracterizar(pontos).Num_subregioes, 0);
}

TEST(Caracteriza_regiao, EntradasQueOTipoNaoUsaGuardamOValorAnterior) {
  const auto losango = Pontos({{200, 100}, {300, 200}, {200, 300}, {100, 200}});
  const auto inclinado = Pontos({{250, 100}, {300, 150}, {150, 300}, {100, 250}});
  const auto segmento = Pontos({{10, 10}, {20, 20}});
  Descricao_regiao desc;
  const Extremos_achados a = Achar_extremos(inclinado);
  ASSERT_TRUE(Caracteriza_regiao(inclinado, a.iW, a.iN, a.iE, a.iS, desc));
  ASSERT_EQ(desc.Tipo_regiao, 4);
  const Descricao_regiao antes = desc;

  const Extremos_achados b = Achar_extremos(segmento);
  ASSERT_TRUE(Caracteriza_regiao(segmento, b.iW, b.iN, b.iE, b.iS, desc));
  EXPECT_EQ(desc.Tipo_regiao, 13);
  EXPECT_EQ(desc.Indices_extremos[2], antes.Indices_extremos[2]);
  EXPECT_EQ(desc.Indices_extremos[3], antes.Indices_extremos[3]);
  for (int k = 2; k < 6; ++k) EXPECT_EQ(desc.E[k], antes.E[k]) << k;
  for (int k = 2; k < 5; ++k) EXPECT_EQ(desc.Textos_regiao[k], antes.Textos_regiao[k]) << k;

  // A rhombus writes four vertices but no fifth label and no auxiliary points.
  const Extremos_achados c = Achar_extremos(losango);
  ASSERT_TRUE(Caracteriza_regiao(losango, c.iW, c.iN, c.iE, c.iS, desc));
  EXPECT_EQ(desc.Tipo_regiao, 7);
  EXPECT_EQ(desc.Textos_regiao[4], "OV");
  EXPECT_EQ(desc.E[4], antes.E[4]);
  EXPECT_EQ(desc.N[5], antes.N[5]);

  // The one-line types leave every vertex entry alone.
  const Descricao_regiao de_losango = desc;
  const auto linha = Pontos({{1, 5}, {9, 5}});
  const Extremos_achados d = Achar_extremos(linha);
  ASSERT_TRUE(Caracteriza_regiao(linha, d.iW, d.iN, d.iE, d.iS, desc));
  EXPECT_EQ(desc.Tipo_regiao, 14);
  EXPECT_EQ(desc.Indices_extremos, de_losango.Indices_extremos);
  EXPECT_EQ(desc.E, de_losango.E);
  EXPECT_EQ(desc.N, de_losango.N);
  EXPECT_EQ(desc.Textos_regiao, de_losango.Textos_regiao);
}
