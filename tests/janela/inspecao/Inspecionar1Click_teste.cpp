#include <gtest/gtest.h>

#include <QLabel>
#include <string>
#include <vector>

#include "janela/inspecao/Caixa_lista.h"
#include "janela/inspecao/Form_coord_digit.h"
#include "tests/apoio/Programa_teste.h"

namespace {

// What the window showed while it was open.
struct Vista {
  std::vector<std::string> linhas;
  std::string num_pontos, pol_convexo, funcao_corrente;
};

class Inspecao : public Programa_teste {
 protected:
  Vista Inspecionar() {
    Vista vista;
    ui.No_modal([&](QDialog&) {
      const TForm2& janela = *Form1.Form2;
      for (int i = 0; i < janela.ListBox1->count(); ++i)
        vista.linhas.push_back(janela.ListBox1->item(i)->text().toStdString());
      vista.num_pontos = janela.Paineis[5]->text().toStdString();
      vista.pol_convexo = janela.Paineis[6]->text().toStdString();
      vista.funcao_corrente = Form1.Painel(6);
    });
    Form1.Inspecionar1Click();
    EXPECT_EQ(Form1.Painel(6), " Função corrente: Nenhuma");
    EXPECT_EQ(Form1.Form2->ListBox1->count(), 0);  // emptied after closing
    return vista;
  }
};

}  // namespace

TEST_F(Inspecao, SemPontos) {
  const Vista vista = Inspecionar();
  EXPECT_TRUE(vista.linhas.empty());
  EXPECT_EQ(vista.num_pontos, " 0");
  EXPECT_EQ(vista.pol_convexo, " Polígono convexo:  NAO ");
  EXPECT_EQ(vista.funcao_corrente, " Função corrente: Inspeção / Edição de pontos");
  EXPECT_EQ(ui.modais, 1);
}

TEST_F(Inspecao, LinhasEMarcasDoPoligonoSemAcumular) {
  // Point 7 is the window's own example: a 45-character line, the depth as -12.500,
  // and the eastmost vertex of the polygon built here (marks W 1, N 2, E 3, S 4).
  Form1.trabalho.Lista_pontos.Acrescentar({7, -1, 512.345, 745.678, 0, 0, -12.5});
  const double en[4][2] = {{300, 100}, {400, 900}, {100, 500}, {300, 500}};
  for (int i = 0; i < 4; ++i)
    Form1.trabalho.Lista_pontos.Acrescentar({i + 1, -1, en[i][0], en[i][1], 0, 0, 3});
  for (int i = 0; i < 9; ++i) ui.Responder(Resposta::OK);
  Form1.Polig_convex1Click();

  const Vista vista = Inspecionar();
  EXPECT_EQ(vista.linhas,
            (std::vector<std::string>{"     7     512.345      745.678  -12.500    3",
                                      "     1     300.000      100.000    3.000    4",
                                      "     2     400.000      900.000    3.000    2",
                                      "     3     100.000      500.000    3.000    1",
                                      "     4     300.000      500.000    3.000   -1"}));
  EXPECT_EQ(vista.num_pontos, " 5");
  EXPECT_EQ(vista.pol_convexo, " Polígono convexo:  SIM ");
  EXPECT_EQ(Inspecionar().linhas, vista.linhas);
}
