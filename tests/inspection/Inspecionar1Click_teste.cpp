#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <string>
#include <vector>

#include "inspection/Caixa_lista.h"
#include "inspection/Form_coord_digit.h"
#include "inspection/Linha_inspecao.h"
#include "tests/apoio/Programa_teste.h"

namespace {

// What the window held while it was open.
struct Vista_janela {
  std::vector<std::string> linhas;
  std::string num_pontos;
  std::string pol_convexo;
  std::string funcao_corrente;
};

class Inspecao : public Programa_teste {
 protected:
  void Acrescentar(int32_t numero, double E, double N, double h, int32_t marca = -1) {
    Form1.Lista_pontos.Acrescentar({numero, marca, E, N, 0, 0, h});
  }

  // Opens the window and records what it shows; `no_modal` runs while it is open.
  Vista_janela Inspecionar(const std::function<void(TForm2&)>& no_modal = {}) {
    Vista_janela vista;
    ui.No_modal([&](QDialog&) {
      TForm2& janela = *Form1.Form2;
      for (int i = 0; i < janela.ListBox1->count(); ++i)
        vista.linhas.push_back(janela.ListBox1->item(i)->text().toStdString());
      vista.num_pontos = janela.Paineis[5]->text().toStdString();
      vista.pol_convexo = janela.Paineis[6]->text().toStdString();
      vista.funcao_corrente = Form1.Painel(6);
      if (no_modal) no_modal(janela);
    });
    Form1.Inspecionar1Click();
    EXPECT_EQ(ui.modais, 1);
    ui.modais = 0;
    EXPECT_EQ(Form1.Painel(6), " Função corrente: Nenhuma");
    EXPECT_EQ(Form1.Form2->ListBox1->count(), 0);
    return vista;
  }
};

}  // namespace

TEST_F(Inspecao, SemPontos) {
  const Vista_janela vista = Inspecionar();
  EXPECT_TRUE(vista.linhas.empty());
  EXPECT_EQ(vista.num_pontos, " 0");
  EXPECT_EQ(vista.pol_convexo, " Polígono convexo:  NAO ");
  EXPECT_EQ(vista.funcao_corrente, " Função corrente: Inspeção / Edição de pontos");
  EXPECT_TRUE(ui.caixas.empty());
}

TEST_F(Inspecao, UmaLinhaPorPontoNaOrdemDaLista) {
  Acrescentar(7, 512.345, 745.678, -12.5, 3);
  Acrescentar(2, 712345.125, 9123456.5, 80);
  const Vista_janela vista = Inspecionar();
  ASSERT_EQ(vista.linhas.size(), 2u);
  EXPECT_EQ(vista.linhas[0], "     7     512.345      745.678  -12.500    3");
  EXPECT_EQ(vista.linhas[1], Linha_inspecao(Form1.Lista_pontos.Item(1)));
  EXPECT_EQ(vista.num_pontos, " 2");
  EXPECT_EQ(vista.pol_convexo, " Polígono convexo:  SIM ");
}

TEST_F(Inspecao, MarcasDoPoligonoRecemConstruido) {
  const double coordenadas[5][2] = {{200, 100}, {300, 210}, {220, 300}, {100, 190}, {200, 200}};
  for (int i = 0; i < 5; ++i) Acrescentar(i + 1, coordenadas[i][0], coordenadas[i][1], 10);
  for (int i = 0; i < 9; ++i) ui.Responder(Resposta::OK);
  Form1.Polig_convex1Click();
  ASSERT_EQ(Form1.Lista_pconv.Quantidade(), 4);

  const Vista_janela vista = Inspecionar();
  ASSERT_EQ(vista.linhas.size(), 5u);
  const int32_t marcas[5] = {4, 3, 2, 1, -1};  // W, N, E, S in polygon order
  for (int i = 0; i < 5; ++i) EXPECT_EQ(std::stoi(vista.linhas[i].substr(41)), marcas[i]) << i;
  EXPECT_EQ(vista.pol_convexo, " Polígono convexo:  SIM ");
  EXPECT_EQ(vista.num_pontos, " 5");
}

TEST_F(Inspecao, AbrirDuasVezesNaoAcumula) {
  Acrescentar(1, 100, 200, 5);
  Acrescentar(2, 110, 210, 6);
  const Vista_janela primeira = Inspecionar();
  const Vista_janela segunda = Inspecionar();
  EXPECT_EQ(primeira.linhas.size(), 2u);
  EXPECT_EQ(segunda.linhas, primeira.linhas);
  EXPECT_EQ(segunda.num_pontos, " 2");
}

TEST_F(Inspecao, ShiftCliqueNaTerceiraLinha) {
  for (int i = 1; i <= 4; ++i) Acrescentar(i, 100 * i, 100 * i, i);
  Inspecionar([this](TForm2& janela) {
    janela.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
    ui.Responder(Resposta::OK).Responder(Resposta::OK);
    const QPoint centro = janela.ListBox1->visualItemRect(janela.ListBox1->item(2)).center();
    QTest::mouseClick(janela.ListBox1->viewport(), Qt::LeftButton, Qt::ShiftModifier, centro);
    janela.hide();
  });
  EXPECT_EQ(ui.Textos(), (std::vector<std::string>{" Aprtou SHIFT ",
                                                   " Clicou no ponto  eli=2  elf=0"}));
  EXPECT_EQ(Form1.Form2->eli, 2);

  // eli keeps its value until the next click, across openings.
  Inspecionar();
  EXPECT_EQ(Form1.Form2->eli, 2);
}
