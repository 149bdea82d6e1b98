#include <QAction>

#include "tests/apoio/Programa_teste.h"

namespace {

using Modos = Programa_teste;

// Three points, the first and the last of them vertices of a polygon.
void Com_pol_convexo(TForm1& form) {
  form.trabalho.Lista_pontos.Esvaziar();
  for (const int marca : {1, -1, 2}) {
    Ponto_digitalizado ponto;
    ponto.Marca_pconv = marca;
    form.trabalho.Lista_pontos.Acrescentar(ponto);
  }
}

std::vector<int> Marcas(const TForm1& form) {
  std::vector<int> marcas;
  for (const auto& ponto : form.trabalho.Lista_pontos) marcas.push_back(ponto.Marca_pconv);
  return marcas;
}

}  // namespace

TEST_F(Modos, PontosAltitudesEProfundidades) {
  Form1.Pontos1Click();
  EXPECT_EQ(Form1.Painel(6), " Função corrente: DIGITALIZAÇÃO DE PONTOS");
  EXPECT_EQ(Form1.Cursor_atual, Cursor_imagem::Cruz);

  Form1.trabalho.Lista_pontos.Acrescentar(Ponto_digitalizado{});  // no vertex mark: no question
  Form1.Altitudes1Click();
  EXPECT_TRUE(Form1.trabalho.Modo_digitalizacao == Modo_valor::Altitude);
  EXPECT_EQ(Form1.trabalho.Modo_clique, 1);
  EXPECT_TRUE(Form1.Altitudes1->isChecked());
  EXPECT_FALSE(Form1.Profundidades1->isChecked());
  EXPECT_EQ(Form1.Painel(6), " Função corrente: Digitalização de ALTITUDES ");
  for (QAction* item : {Form1.Operacoes1, Form1.Dados1, Form1.Parardigit1})
    EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();

  Form1.Profundidades1Click();
  EXPECT_TRUE(Form1.trabalho.Modo_digitalizacao == Modo_valor::Profundidade);
  EXPECT_FALSE(Form1.Altitudes1->isChecked());
  EXPECT_TRUE(Form1.Profundidades1->isChecked());
  EXPECT_EQ(Form1.Painel(6), " Função corrente: Digitalização de PROFUNDIDADES ");
  EXPECT_TRUE(ui.caixas.empty());
}

TEST_F(Modos, PoligonoConvexoOkApagaAsMarcasCancelMantem) {
  Form1.trabalho.Lista_pconv.Acrescentar({1, 0});
  for (const bool altitudes : {true, false}) {
    for (const Resposta resposta : {Resposta::Cancelar, Resposta::OK}) {
      Com_pol_convexo(Form1);
      ui.caixas.clear();
      ui.Responder(resposta);
      altitudes ? Form1.Altitudes1Click() : Form1.Profundidades1Click();
      ASSERT_EQ(ui.caixas.size(), 1u);
      EXPECT_EQ(ui.caixas[0].texto,
                " ATENÇÃO: Já há polígono convexo determinado!!!\n\n"
                "          A digitalização de novos pontos pode alterar o polígono convexo atual.\n"
                "          Para ignorar/destruir o poligono convexo atual clique OK.\n\n"
                "          Para manter o polígono convexo atual clique CANCEL.\n\n");
      EXPECT_EQ(ui.caixas[0].titulo, "ATENÇÃO: Polígono convexo já existe!!!!");
      EXPECT_EQ(ui.caixas[0].botoes, Botoes::OK_Cancelar);
      const std::vector<int> esperadas =
          resposta == Resposta::OK ? std::vector<int>{-1, -1, -1} : std::vector<int>{1, -1, 2};
      EXPECT_EQ(Marcas(Form1), esperadas);
      EXPECT_EQ(Form1.trabalho.Modo_digitalizacao == Modo_valor::Altitude,
                altitudes);                                   // set either way
      EXPECT_EQ(Form1.trabalho.Lista_pconv.Quantidade(), 1);  // only the marks go
    }
  }
}
