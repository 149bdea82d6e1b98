#include "inspection/Form_coord_digit.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QStatusBar>
#include <QTest>

#include "inspection/Caixa_lista.h"
#include "tests/apoio/Interacao_roteirizada.h"

namespace {

std::string T(const QString& texto) { return texto.toStdString(); }

struct Janela_inspecao : ::testing::Test {
  Interacao_roteirizada ui;
  TForm2 Form2{ui, nullptr};

  // Shows the window with three lines, ready to be clicked.
  void Mostrar_tres_linhas() {
    for (const char* linha : {"um", "dois", "tres"}) Form2.ListBox1->addItem(linha);
    Form2.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form2));
  }

  void Clicar_linha(int linha, Qt::KeyboardModifiers teclas) {
    const QPoint centro = Form2.ListBox1->visualItemRect(Form2.ListBox1->item(linha)).center();
    QTest::mouseClick(Form2.ListBox1->viewport(), Qt::LeftButton, teclas, centro);
  }
};

}  // namespace

TEST_F(Janela_inspecao, DisposicaoDaJanela) {
  EXPECT_EQ(T(Form2.windowTitle()), "Dados Digitalizados");
  EXPECT_FALSE(Form2.isVisible());
  EXPECT_EQ(Form2.pos(), QPoint(424, 126));
  // Client area 469 x 367 inside a border of 4.
  EXPECT_EQ(Form2.size(), QSize(477, 375));
  EXPECT_EQ(Form2.minimumSize(), Form2.maximumSize());
  EXPECT_EQ(Form2.font().pixelSize(), 11);

  EXPECT_EQ(T(Form2.Label1->text()), " Ponto  ESTE (m)    NORTE (m)   +/- Z(m)  PConv");
  EXPECT_EQ(Form2.Label1->pos(), QPoint(9, 0));
  EXPECT_EQ(T(Form2.Label1->font().family()), "Courier New");
  EXPECT_EQ(Form2.Label1->font().pixelSize(), 15);
  EXPECT_TRUE(Form2.Label1->font().bold());

  EXPECT_EQ(Form2.ListBox1->geometry(), QRect(8, 16, 449, 329));
  EXPECT_EQ(T(Form2.ListBox1->font().family()), "Courier");
  EXPECT_EQ(Form2.ListBox1->font().pixelSize(), 16);
  EXPECT_TRUE(Form2.ListBox1->font().fixedPitch());
  EXPECT_EQ(Form2.ListBox1->selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_EQ(Form2.ListBox1->count(), 0);

  EXPECT_EQ(Form2.eli, 0);
  EXPECT_EQ(Form2.elf, 0);
}

TEST_F(Janela_inspecao, LinhasDaListaTemDezesseisPixels) {
  Mostrar_tres_linhas();
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(Form2.ListBox1->visualItemRect(Form2.ListBox1->item(i)).height(), 16);
}

TEST_F(Janela_inspecao, PaineisDaBarraDeEstado) {
  const char* textos[7] = {"Seleção:  de ", "", "até", "", "   Num. pontos", "",
                           "  Poligono convexo: "};
  const int larguras[6] = {67, 45, 23, 45, 75, 50};
  for (int i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(T(Form2.Paineis[i]->text()), textos[i]);
    // Panels with a bevel carry values; the others are labels.
    EXPECT_EQ(Form2.Paineis[i]->frameShape() != QFrame::NoFrame, textos[i][0] == '\0');
    if (i < 6) {
      EXPECT_EQ(Form2.Paineis[i]->width(), larguras[i]);
    }
  }
  Form2.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form2));
  // The last panel is at least 50 wide and runs to the end of the bar.
  const QLabel* ultimo = Form2.Paineis[6];
  EXPECT_GE(ultimo->width(), 50);
  EXPECT_GT(ultimo->geometry().right(), Form2.StatusBar1->width() - 10);
  EXPECT_EQ(Form2.StatusBar1->geometry().bottom(), 366);
}

TEST_F(Janela_inspecao, CliqueMostraALinhaCorrente) {
  Mostrar_tres_linhas();
  ui.Responder(Resposta::OK);
  Clicar_linha(1, Qt::NoModifier);
  EXPECT_EQ(Form2.eli, 1);
  ASSERT_EQ(ui.caixas.size(), 1u);
  EXPECT_EQ(ui.caixas[0].texto, " Clicou no ponto  eli=1  elf=0");
  EXPECT_EQ(ui.caixas[0].titulo, " Item selecionado da lista ");
  EXPECT_EQ(ui.caixas[0].botoes, Botoes::OK_Cancelar);
}

TEST_F(Janela_inspecao, CliqueComShiftAvisaAntes) {
  Mostrar_tres_linhas();
  ui.Responder(Resposta::OK).Responder(Resposta::Cancelar).Responder(Resposta::OK);
  Clicar_linha(0, Qt::NoModifier);
  ui.caixas.clear();
  Clicar_linha(2, Qt::ShiftModifier);
  ASSERT_EQ(ui.caixas.size(), 2u);
  EXPECT_EQ(ui.caixas[0].texto, " Aprtou SHIFT ");
  EXPECT_EQ(ui.caixas[0].titulo, "   ");
  EXPECT_EQ(ui.caixas[0].botoes, Botoes::OK_Cancelar);
  EXPECT_EQ(ui.caixas[1].texto, " Clicou no ponto  eli=2  elf=0");
  // The list box's own extended selection took lines 1 to 3.
  EXPECT_EQ(Form2.ListBox1->selectedItems().size(), 3);
}

TEST_F(Janela_inspecao, CliqueSemLinhaCorrente) {
  Form2.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form2));
  ui.Responder(Resposta::OK);
  QTest::mouseClick(Form2.ListBox1->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_EQ(Form2.eli, -1);
  ASSERT_EQ(ui.caixas.size(), 1u);
  EXPECT_EQ(ui.caixas[0].texto, " Clicou no ponto  eli=-1  elf=0");
}
