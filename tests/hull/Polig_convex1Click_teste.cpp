#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/apoio/Programa_teste.h"
#include "tests/hull/Pontos_exemplo.h"

namespace {

using Regiao_esperada = std::vector<std::pair<int32_t, char>>;

class Polig_convexo : public Programa_teste {
 protected:
  // Runs the command, answering each of its OK/Cancel boxes in turn: the reports take
  // Cancel, to show that their answer changes nothing.
  void Construir(std::vector<Resposta> respostas) {
    for (Resposta r : respostas) ui.Responder(r);
    Form1.Polig_convex1Click();
    EXPECT_TRUE(ui.Roteiro_vazio());
    EXPECT_EQ(Form1.Painel(6), " Função corrente: nenhuma");
  }
  void Construir(int relatorios) {
    Construir(std::vector<Resposta>(relatorios, Resposta::Cancelar));
  }

  std::vector<std::string> Titulos() const {
    std::vector<std::string> titulos;
    for (const auto& caixa : ui.caixas) {
      EXPECT_EQ(caixa.botoes, Botoes::OK_Cancelar) << caixa.titulo;
      titulos.push_back(caixa.titulo);
    }
    return titulos;
  }

  std::vector<int32_t> Marcas() const {
    std::vector<int32_t> marcas;
    for (const auto& p : Form1.Lista_pontos) marcas.push_back(p.Marca_pconv);
    return marcas;
  }

  std::vector<std::pair<int32_t, int32_t>> Vertices() const {
    std::vector<std::pair<int32_t, int32_t>> vertices;
    for (const auto& v : Form1.Lista_pconv) vertices.emplace_back(v.Ordem, v.Indice);
    return vertices;
  }

  Regiao_esperada Regiao(int r) const {
    Regiao_esperada entradas;
    for (const auto& p : Form1.Regioes.at(r)) entradas.emplace_back(p.Indice, p.Codigo);
    return entradas;
  }

  static std::vector<std::string> Titulos_completos() {
    return {" indices pconv ",     " Caracterizacao da Regiao", " Acabou de criar o Pol limite  ",
            " Pontos da regiao 1", " Pontos da regiao 2",       " Pontos da regiao 3",
            " Pontos da regiao 4", " Pontos da regiao 5",       "  "};
  }
};

const char* const Linha_100 = " E=     100.000 N=     100.000 \n";
const char* const Linha_300 = " E=     300.000 N=     300.000 \n";

}  // namespace

TEST_F(Polig_convexo, SemPontosSoOsDoisPrimeirosRelatorios) {
  EXPECT_FALSE(Form1.Tem_pol_convexo());
  Construir(2);
  EXPECT_EQ(ui.Textos(), (std::vector<std::string>{
                             " -1 -1 -1 -1  Regiao = 16 / 0",
                             "  REGIAO  TIPO \n Tipo = 16 com 0 sub-regioes\n\n"}));
  EXPECT_EQ(Titulos(), (std::vector<std::string>{" indices pconv ", " Caracterizacao da Regiao"}));
  EXPECT_TRUE(Form1.Lista_pconv.Vazia());
  for (int r = 0; r < 5; ++r) EXPECT_TRUE(Form1.Regioes[r].Vazia());
}

TEST_F(Polig_convexo, PontoUnicoELinhasRetasNaoMarcamNada) {
  struct Caso {
    Lista<Ponto_digitalizado> pontos;
    std::string indices;
  };
  std::vector<Caso> casos;
  casos.push_back({Pontos({{500, 500}}), " 0 0 0 0  Regiao = 16 / 0"});
  casos.push_back({Pontos({{500, 500}, {500, 500}}), " 0 0 0 0  Regiao = 16 / 0"});
  casos.push_back({Pontos({{100, 500}, {300, 500}, {200, 500}}), " 0 0 1 0  Regiao = 14 / 0"});
  casos.push_back({Pontos({{500, 100}, {500, 300}, {500, 200}}), " 0 1 0 0  Regiao = 15 / 0"});
  for (auto& caso : casos) {
    SCOPED_TRACE(caso.indices);
    ui.caixas.clear();
    Form1.Lista_pontos = caso.pontos;
    Construir(2);
    ASSERT_EQ(ui.caixas.size(), 2u);
    EXPECT_EQ(ui.caixas[0].texto, caso.indices);
    EXPECT_FALSE(Form1.Tem_pol_convexo());
    EXPECT_TRUE(Form1.Lista_pconv.Vazia());
  }
}

TEST_F(Polig_convexo, DoisPontosSegmentoComUmPontoDeCadaLadoENaLinha) {
  Form1.Lista_pontos = Pontos({{100, 100}, {300, 300}, {150, 250}, {250, 150}, {200, 200}});
  Construir(9);
  EXPECT_EQ(ui.Textos(), (std::vector<std::string>{
                             " 0 1 1 0  Regiao = 13 / 2",
                             std::string("  REGIAO  TIPO \n Tipo = 13 com 2 sub-regioes\n\n") +
                                 Linha_100 + Linha_300,
                             " Pto(1) = 0 \n Pto(2) = 1 \n",
                             "Regiao 1\n 2\n 4\n",
                             "Regiao 2\n 3\n",
                             "",
                             "",
                             "",
                             " terminou de determinar a reg de cada pto"}));
  EXPECT_EQ(Titulos(), Titulos_completos());
  EXPECT_EQ(Marcas(), (std::vector<int32_t>{1, 2, -1, -1, -1}));
  EXPECT_EQ(Vertices(), (std::vector<std::pair<int32_t, int32_t>>{{0, 0}, {1, 1}}));
  EXPECT_EQ(Regiao(0), (Regiao_esperada{{2, 'E'}, {4, 'S'}}));
  EXPECT_EQ(Regiao(1), (Regiao_esperada{{3, 'E'}}));
}

TEST_F(Polig_convexo, RegiaoVaziaMostraOTextoAnterior) {
  // One text serves the vertex listing and the region boxes: an empty region 1 repeats
  // the listing, and the text is cleared after regions 1, 2 and 3.
  Form1.Lista_pontos = Pontos({{100, 300}, {300, 100}, {200, 200}, {150, 150}});
  Construir(9);
  const auto textos = ui.Textos();
  ASSERT_EQ(textos.size(), 9u);
  EXPECT_EQ(textos[0], " 0 0 1 1  Regiao = 12 / 2");
  EXPECT_EQ(textos[2], " Pto(1) = 0 \n Pto(2) = 1 \n");
  EXPECT_EQ(textos[3], "Regiao 1\n 2\n");
  EXPECT_EQ(textos[4], "Regiao 2\n 3\n");
  EXPECT_EQ(Regiao(0), (Regiao_esperada{{2, 'S'}}));

  ui.caixas.clear();
  Form1.Regioes = {};
  Form1.Lista_pontos = Pontos({{100, 300}, {300, 100}});
  Construir(9);
  EXPECT_EQ(ui.Textos()[3], ui.Textos()[2]);
  for (int r = 4; r < 8; ++r) EXPECT_EQ(ui.Textos()[r], "");
}

TEST_F(Polig_convexo, LosangoQuatroVerticesNenhumPontoClassificado) {
  Form1.Lista_pontos = Pontos({{200, 100}, {300, 200}, {200, 300}, {100, 200}, {200, 200}});
  Construir(9);
  const auto textos = ui.Textos();
  ASSERT_EQ(textos.size(), 9u);
  EXPECT_EQ(textos[0], " 3 2 1 0  Regiao = 7 / 4");
  EXPECT_EQ(textos[1],
            "  REGIAO  TIPO \n Tipo = 7 com 4 sub-regioes\n\n"
            " E=     100.000 N=     200.000 \n E=     200.000 N=     300.000 \n"
            " E=     300.000 N=     200.000 \n E=     200.000 N=     100.000 \n");
  EXPECT_EQ(textos[2], " Pto(1) = 3 \n Pto(2) = 2 \n Pto(3) = 1 \n Pto(4) = 0 \n");
  EXPECT_EQ(textos[3], textos[2]);
  EXPECT_EQ(Form1.Desc_regiao.Textos_regiao[4], "");
  EXPECT_EQ(Marcas(), (std::vector<int32_t>{4, 3, 2, 1, -1}));
  EXPECT_EQ(Form1.Lista_pconv.Quantidade(), 4);
  for (int r = 0; r < 5; ++r) EXPECT_TRUE(Form1.Regioes[r].Vazia());
}

TEST_F(Polig_convexo, TipoInclinadoListaOPrimeiroPontoAuxiliar) {
  // Type 1: the fifth line is the corner (E of the northmost, N of the westmost).
  Form1.Lista_pontos = Pontos({{100, 150}, {150, 300}, {300, 250}, {250, 100}});
  Construir(9);
  EXPECT_EQ(ui.Textos()[0], " 0 1 2 3  Regiao = 1 / 5");
  EXPECT_EQ(ui.Textos()[1],
            "  REGIAO  TIPO \n Tipo = 1 com 5 sub-regioes\n\n"
            " E=     100.000 N=     150.000 \n E=     150.000 N=     300.000 \n"
            " E=     300.000 N=     250.000 \n E=     250.000 N=     100.000 \n"
            " E=     150.000 N=     150.000 \n");
  EXPECT_EQ(Marcas(), (std::vector<int32_t>{1, 2, 3, 4}));
  EXPECT_EQ(Form1.Desc_regiao.Textos_regiao[4], "EM");
}

TEST_F(Polig_convexo, EmpateMarcaOPrimeiroDaLista) {
  // Points 0 and 1 share the greatest N; points 2 and 3 the least; 0 and 2 the least E.
  Form1.Lista_pontos = Pontos({{100, 300}, {200, 300}, {100, 100}, {300, 100}});
  Construir(9);
  EXPECT_EQ(ui.Textos()[0], " 0 0 3 2  Regiao = 8 / 3");
  EXPECT_EQ(Marcas(), (std::vector<int32_t>{1, -1, 3, 2}));
}

TEST_F(Polig_convexo, ConstruirDuasVezesComOK) {
  Form1.Lista_pontos = Pontos({{100, 100}, {300, 300}, {150, 200}, {250, 120}});
  Construir(9);
  ASSERT_EQ(Marcas(), (std::vector<int32_t>{1, 2, -1, -1}));
  ui.caixas.clear();

  // A new northmost point turns the segment into a triangle (type 11).
  Ponto_digitalizado novo;
  novo.Numero = 5;
  novo.E = 200;
  novo.N = 400;
  Form1.Lista_pontos.Acrescentar(novo);
  std::vector<Resposta> respostas(11, Resposta::Cancelar);
  respostas[0] = Resposta::OK;
  Construir(respostas);
  const auto textos = ui.Textos();
  ASSERT_EQ(textos.size(), 11u);
  EXPECT_EQ(textos[0],
            " ATENÇÃO: Já há poligono convexo!! \n\n          Destruir    ->   OK \n\n"
            "          Manter      ->   CANCEL \n\n");
  EXPECT_EQ(ui.caixas[0].titulo, "ATENÇÃO: Já há poligono convexo!!");
  EXPECT_EQ(textos[1], " Nao há mais pontos no TLIst pol converx");
  EXPECT_EQ(ui.caixas[1].titulo, " FAGFHSFHF");
  EXPECT_EQ(textos[2], " 0 4 1 0  Regiao = 11 / 3");
  EXPECT_EQ(textos[4], " Pto(1) = 0 \n Pto(2) = 4 \n Pto(3) = 1 \n");
  EXPECT_EQ(textos[5], "Regiao 1\n 2\n");
  EXPECT_EQ(textos[6], "Regiao 2\n 3\n");
  EXPECT_EQ(textos[7], "Regiao 3\n 3\n");

  EXPECT_EQ(Marcas(), (std::vector<int32_t>{1, 3, -1, -1, 2}));
  EXPECT_EQ(Vertices(), (std::vector<std::pair<int32_t, int32_t>>{{0, 0}, {1, 4}, {2, 1}}));
  // The regions keep the first construction's entries and gain the second's.
  EXPECT_EQ(Regiao(0), (Regiao_esperada{{2, 'E'}}));
  EXPECT_EQ(Regiao(1), (Regiao_esperada{{3, 'E'}}));
  EXPECT_EQ(Regiao(2), (Regiao_esperada{{3, 'E'}}));
}

TEST_F(Polig_convexo, CancelarMantemOPoligono) {
  Form1.Lista_pontos = Pontos({{100, 100}, {300, 300}, {150, 200}});
  Construir(9);
  const auto marcas = Marcas();
  const auto vertices = Vertices();
  const Descricao_regiao desc = Form1.Desc_regiao;
  ui.caixas.clear();

  Construir({Resposta::Cancelar, Resposta::OK});
  EXPECT_EQ(ui.Textos(), (std::vector<std::string>{
                             " ATENÇÃO: Já há poligono convexo!! \n\n          Destruir    ->   OK \n\n"
                             "          Manter      ->   CANCEL \n\n",
                             "ATENÇÃO: Criação de polígono convexo abortada!!"}));
  EXPECT_EQ(ui.caixas[1].titulo, " ATENÇÃO: Criação abortada!!");
  EXPECT_EQ(Marcas(), marcas);
  EXPECT_EQ(Vertices(), vertices);
  EXPECT_EQ(Form1.Desc_regiao.Tipo_regiao, desc.Tipo_regiao);
  EXPECT_EQ(Regiao(0), (Regiao_esperada{{2, 'E'}}));
}

TEST_F(Polig_convexo, NumerosForaDeSequenciaMarcamOsPontosCertos) {
  // As after a concatenation or a hand-edited file: numbers are not positions + 1.
  Form1.Lista_pontos = Pontos({{100, 100}, {300, 300}, {150, 200}}, 21);
  Construir(9);
  EXPECT_EQ(ui.Textos()[0], " 0 1 1 0  Regiao = 13 / 2");
  EXPECT_EQ(Marcas(), (std::vector<int32_t>{1, 2, -1}));
  EXPECT_EQ(Vertices(), (std::vector<std::pair<int32_t, int32_t>>{{0, 0}, {1, 1}}));
  EXPECT_EQ(Regiao(0), (Regiao_esperada{{2, 'E'}}));
}

TEST_F(Polig_convexo, CoordenadasForaDosLimitesRecusamAConstrucao) {
  // E below 0 leaves the eastmost search empty; N beyond the grid the southmost one.
  const std::vector<Lista<Ponto_digitalizado>> nuvens = {
      Pontos({{-5, 100}, {-3, 200}}),
      Pontos({{100, Limite_superior_N + 10}, {200, Limite_superior_N + 20}}),
  };
  for (const auto& pontos : nuvens) {
    ui.caixas.clear();
    Form1.Lista_pontos = pontos;
    Form1.Lista_pconv.Acrescentar({0, 1});
    Form1.Desc_regiao.Tipo_regiao = 300;
    Construir(1);
    ASSERT_EQ(ui.caixas.size(), 1u);
    EXPECT_EQ(ui.caixas[0].texto,
              " ATENÇÃO: Há pontos fora dos limites de coordenadas\n"
              " (0 < E < 10000000 m e 0 < N < 20000000 m).\n\n"
              " Criação de polígono convexo abortada!!");
    EXPECT_EQ(ui.caixas[0].titulo, " ATENÇÃO: Criação abortada!!");
    EXPECT_EQ(Form1.Desc_regiao.Tipo_regiao, 300);
    EXPECT_EQ(Marcas(), (std::vector<int32_t>{-1, -1}));
    EXPECT_EQ(Vertices(), (std::vector<std::pair<int32_t, int32_t>>{{0, 1}}));
    Form1.Lista_pconv.Esvaziar();
  }
}

TEST_F(Polig_convexo, VerticesDeUmPoligonoDescartadoNaoEntramNoNovo) {
  // Marks reset by the digitizing warning leave the old vertex list behind.
  Form1.Lista_pontos = Pontos({{100, 100}, {300, 300}});
  Form1.Lista_pconv.Acrescentar({0, 7});
  Form1.Lista_pconv.Acrescentar({1, 9});
  Construir(9);
  EXPECT_EQ(ui.Textos()[2], " Pto(1) = 0 \n Pto(2) = 1 \n");
  EXPECT_EQ(Vertices(), (std::vector<std::pair<int32_t, int32_t>>{{0, 0}, {1, 1}}));
}

TEST_F(Polig_convexo, PeloMenu) {
  Form1.Operacoes1->setEnabled(true);
  Form1.Lista_pontos = Pontos({{100, 100}, {300, 300}});
  for (int i = 0; i < 9; ++i) ui.Responder(Resposta::OK);
  Form1.Polig_convex1->trigger();
  EXPECT_EQ(ui.caixas.size(), 9u);
  EXPECT_TRUE(Form1.Tem_pol_convexo());
}
