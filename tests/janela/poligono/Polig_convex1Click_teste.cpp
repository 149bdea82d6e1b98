#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "nucleo/poligono/Extremos.h"
#include "nucleo/poligono/Pol_convexo.h"
#include "tests/apoio/Programa_teste.h"
#include "tests/nucleo/poligono/Pontos_exemplo.h"

namespace {

using Pares = std::vector<std::pair<int32_t, int32_t>>;
using Textos = std::vector<std::string>;

const char* const Pergunta =
    " ATENÇÃO: Já há poligono convexo!! \n\n          Destruir    ->   OK \n\n"
    "          Manter      ->   CANCEL \n\n";

class Polig_convexo : public Programa_teste {
 protected:
  // Runs the command answering its OK/Cancel boxes: the reports take Cancel, to show
  // that their answer changes nothing.
  Textos Construir(int caixas, std::vector<Resposta> primeiras = {}) {
    primeiras.resize(caixas, Resposta::Cancelar);
    for (Resposta r : primeiras) ui.Responder(r);
    ui.caixas.clear();
    Form1.Polig_convex1Click();
    EXPECT_EQ(Form1.Painel(6), " Função corrente: nenhuma");
    for (const auto& caixa : ui.caixas) EXPECT_EQ(caixa.botoes, Botoes::OK_Cancelar);
    return ui.Textos();
  }
  std::vector<int32_t> Marcas() const {
    std::vector<int32_t> marcas;
    for (const auto& p : Form1.trabalho.Lista_pontos) marcas.push_back(p.Marca_pconv);
    return marcas;
  }
  Pares Vertices() const {
    Pares vertices;
    for (const auto& v : Form1.trabalho.Lista_pconv) vertices.emplace_back(v.Ordem, v.Indice);
    return vertices;
  }
  Pares Regiao(int r) const {
    Pares entradas;
    for (const auto& p : Form1.trabalho.Regioes.at(r)) entradas.emplace_back(p.Indice, p.Codigo);
    return entradas;
  }
};

}  // namespace

TEST_F(Polig_convexo, SemPontosSoOsDoisPrimeirosRelatorios) {
  EXPECT_EQ(Construir(2), (Textos{" -1 -1 -1 -1  Regiao = 16 / 0",
                                  "  REGIAO  TIPO \n Tipo = 16 com 0 sub-regioes\n\n"}));
  EXPECT_EQ(ui.caixas[0].titulo, " indices pconv ");
  EXPECT_EQ(ui.caixas[1].titulo, " Caracterizacao da Regiao");
  EXPECT_FALSE(Tem_pol_convexo(Form1.trabalho.Lista_pontos));
  EXPECT_TRUE(Form1.trabalho.Lista_pconv.Vazia());
}

TEST_F(Polig_convexo, SegmentoComUmPontoDeCadaLadoENaLinha) {
  Form1.trabalho.Lista_pontos =
      Pontos({{100, 100}, {300, 300}, {150, 250}, {250, 150}, {200, 200}});
  EXPECT_EQ(Construir(9),
            (Textos{" 0 1 1 0  Regiao = 13 / 2",
                    "  REGIAO  TIPO \n Tipo = 13 com 2 sub-regioes\n\n"
                    " E=     100.000 N=     100.000 \n"
                    " E=     300.000 N=     300.000 \n",
                    " Pto(1) = 0 \n Pto(2) = 1 \n", "Regiao 1\n 2\n 4\n", "Regiao 2\n 3\n", "", "",
                    "", " terminou de determinar a reg de cada pto"}));
  std::vector<std::string> titulos;
  for (const auto& caixa : ui.caixas) titulos.push_back(caixa.titulo);
  EXPECT_EQ(titulos,
            (Textos{" indices pconv ", " Caracterizacao da Regiao",
                    " Acabou de criar o Pol limite  ", " Pontos da regiao 1", " Pontos da regiao 2",
                    " Pontos da regiao 3", " Pontos da regiao 4", " Pontos da regiao 5", "  "}));
  EXPECT_EQ(Marcas(), (std::vector<int32_t>{1, 2, -1, -1, -1}));
  EXPECT_EQ(Vertices(), (Pares{{0, 0}, {1, 1}}));
  EXPECT_EQ(Regiao(0), (Pares{{2, 'E'}, {4, 'S'}}));
  EXPECT_EQ(Regiao(1), (Pares{{3, 'E'}}));
}

TEST_F(Polig_convexo, RegiaoVaziaMostraOTextoAnterior) {
  // Type 12 with a point on its line; then, alone, the same two points: one text serves
  // the vertex listing and the regions and is cleared after regions 1, 2 and 3.
  Form1.trabalho.Lista_pontos = Pontos({{100, 300}, {300, 100}, {200, 200}});
  Textos t = Construir(9);
  EXPECT_EQ(t[0], " 0 0 1 1  Regiao = 12 / 2");
  EXPECT_EQ(t[3], "Regiao 1\n 2\n");
  EXPECT_EQ(Regiao(0), (Pares{{2, 'S'}}));
  Form1.trabalho.Lista_pontos = Pontos({{100, 300}, {300, 100}});
  Form1.trabalho.Regioes = {};
  t = Construir(9);
  EXPECT_EQ(t[3], t[2]);
  EXPECT_EQ(Textos(t.begin() + 4, t.end() - 1), Textos(4, ""));
}

TEST_F(Polig_convexo, LosangoETipoInclinado) {
  Form1.trabalho.Lista_pontos =
      Pontos({{200, 100}, {300, 200}, {200, 300}, {100, 200}, {200, 200}});
  Textos t = Construir(9);
  EXPECT_EQ(t[0], " 3 2 1 0  Regiao = 7 / 4");
  EXPECT_EQ(t[2], " Pto(1) = 3 \n Pto(2) = 2 \n Pto(3) = 1 \n Pto(4) = 0 \n");
  EXPECT_EQ(Marcas(), (std::vector<int32_t>{4, 3, 2, 1, -1}));
  for (const auto& regiao : Form1.trabalho.Regioes) EXPECT_TRUE(regiao.Vazia());
  // Type 1 lists five lines, the last the auxiliary corner (E of N, N of W).
  Form1.trabalho.Lista_pontos = Pontos({{100, 150}, {150, 300}, {300, 250}, {250, 100}});
  t = Construir(9);
  EXPECT_EQ(t[0], " 0 1 2 3  Regiao = 1 / 5");
  EXPECT_EQ(t[1],
            "  REGIAO  TIPO \n Tipo = 1 com 5 sub-regioes\n\n"
            " E=     100.000 N=     150.000 \n E=     150.000 N=     300.000 \n"
            " E=     300.000 N=     250.000 \n E=     250.000 N=     100.000 \n"
            " E=     150.000 N=     150.000 \n");
}

TEST_F(Polig_convexo, ConstruirDuasVezesComOKOuCancelar) {
  Form1.trabalho.Lista_pontos = Pontos({{100, 100}, {300, 300}, {150, 200}, {250, 120}});
  Construir(9);
  // Cancel keeps everything; OK rebuilds after a new northmost point (type 11).
  EXPECT_EQ(Construir(2), (Textos{Pergunta, "ATENÇÃO: Criação de polígono convexo abortada!!"}));
  EXPECT_EQ(ui.caixas[0].titulo, "ATENÇÃO: Já há poligono convexo!!");
  EXPECT_EQ(ui.caixas[1].titulo, " ATENÇÃO: Criação abortada!!");
  EXPECT_EQ(Vertices(), (Pares{{0, 0}, {1, 1}}));
  Form1.trabalho.Lista_pontos.Acrescentar({5, -1, 200, 400, 0, 0, 0});
  const Textos t = Construir(11, {Resposta::OK});
  EXPECT_EQ(
      Textos(t.begin(), t.begin() + 3),
      (Textos{Pergunta, " Nao há mais pontos no TLIst pol converx", " 0 4 1 0  Regiao = 11 / 3"}));
  EXPECT_EQ(ui.caixas[1].titulo, " FAGFHSFHF");
  EXPECT_EQ(Marcas(), (std::vector<int32_t>{1, 3, -1, -1, 2}));
  EXPECT_EQ(Vertices(), (Pares{{0, 0}, {1, 4}, {2, 1}}));
  // The regions keep the first construction's entries and gain the second's.
  EXPECT_EQ(Regiao(0), (Pares{{2, 'E'}}));
  EXPECT_EQ(Regiao(1), (Pares{{3, 'E'}}));
  EXPECT_EQ(Regiao(2), (Pares{{3, 'E'}}));
}

TEST_F(Polig_convexo, NumerosForaDeSequenciaEVerticesAntigos) {
  // Numbers that are not positions + 1 (a concatenation, a hand-edited file), and the
  // vertex list left behind when the marks were reset by the digitizing warning.
  Form1.trabalho.Lista_pontos = Pontos({{100, 100}, {300, 300}, {150, 200}}, 21);
  Form1.trabalho.Lista_pconv.Acrescentar({0, 7});
  EXPECT_EQ(Construir(9)[2], " Pto(1) = 0 \n Pto(2) = 1 \n");
  EXPECT_EQ(Marcas(), (std::vector<int32_t>{1, 2, -1}));
  EXPECT_EQ(Vertices(), (Pares{{0, 0}, {1, 1}}));
  EXPECT_EQ(Regiao(0), (Pares{{2, 'E'}}));
}

TEST_F(Polig_convexo, CoordenadasForaDosLimitesRecusamAConstrucao) {
  // E below 0 leaves the eastmost search empty; N beyond the grid the southmost one.
  const std::vector<std::vector<EN>> nuvens = {
      {{-5, 100}, {-3, 200}}, {{100, Limite_superior_N + 10}, {200, Limite_superior_N + 20}}};
  for (const auto& nuvem : nuvens) {
    Form1.trabalho.Lista_pontos = Pontos(nuvem);
    EXPECT_EQ(Construir(1), (Textos{" ATENÇÃO: Há pontos fora dos limites de coordenadas\n"
                                    " (0 < E < 10000000 m e 0 < N < 20000000 m).\n\n"
                                    " Criação de polígono convexo abortada!!"}));
    EXPECT_EQ(ui.caixas[0].titulo, " ATENÇÃO: Criação abortada!!");
    EXPECT_EQ(Form1.trabalho.Desc_regiao.Tipo_regiao, 300);
    EXPECT_FALSE(Tem_pol_convexo(Form1.trabalho.Lista_pontos));
  }
}
