#include <gtest/gtest.h>

#include <QLabel>
#include <QStatusBar>
#include <QTest>

#include "janela/inspecao/Caixa_lista.h"
#include "janela/inspecao/Form_coord_digit.h"
#include "tests/apoio/Interacao_roteirizada.h"

namespace {

std::string T(const QString& texto) {
  return texto.toStdString();
}

struct Janela_inspecao : ::testing::Test {
  Interacao_roteirizada ui;
  TForm2 Form2{ui, nullptr};

  void Mostrar(int linhas) {
    for (int i = 0; i < linhas; ++i) Form2.ListBox1->addItem(QString::number(i));
    Form2.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form2));
  }
  void Clicar(QPoint onde, Qt::KeyboardModifiers teclas = Qt::NoModifier) {
    QTest::mouseClick(Form2.ListBox1->viewport(), Qt::LeftButton, teclas, onde);
  }
};

}  // namespace

TEST_F(Janela_inspecao, Disposicao) {
  EXPECT_EQ(QRect(Form2.pos(), Form2.size()),
            QRect(424, 126, 477, 375));  // client 469 x 367, border 4
  Mostrar(2);
  EXPECT_EQ(T(Form2.windowTitle()), "Dados Digitalizados");
  EXPECT_EQ(Form2.minimumSize(), Form2.maximumSize());
  EXPECT_EQ(Form2.font().pixelSize(), 11);
  const QLabel& rotulo = *Form2.Label1;
  EXPECT_EQ(T(rotulo.text()), " Ponto  ESTE (m)    NORTE (m)   +/- Z(m)  PConv");
  EXPECT_EQ(rotulo.pos(), QPoint(9, 0));
  EXPECT_EQ(T(rotulo.font().family()) + std::to_string(rotulo.font().pixelSize()), "Courier New15");
  EXPECT_TRUE(rotulo.font().bold());
  const TCaixa_lista& lista = *Form2.ListBox1;
  EXPECT_EQ(lista.geometry(), QRect(8, 16, 449, 329));
  EXPECT_EQ(T(lista.font().family()) + std::to_string(lista.font().pixelSize()), "Courier16");
  EXPECT_TRUE(lista.font().fixedPitch());
  EXPECT_EQ(lista.selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_EQ(lista.visualItemRect(lista.item(1)).height(), 16);

  // Status bar: value panels with a bevel between labels without; the last one runs to
  // the end of the bar, at the bottom of the client area.
  const char* textos[7] = {"Seleção:  de ",       "", "até", "", "   Num. pontos", "",
                           "  Poligono convexo: "};
  const int larguras[7] = {67, 45, 23, 45, 75, 50, 0};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(T(Form2.Paineis[i]->text()), textos[i]);
    EXPECT_EQ(Form2.Paineis[i]->frameShape() != QFrame::NoFrame, i % 2 == 1) << i;
    // The widths are minimums: a panel is never narrower, and never cuts its text.
    EXPECT_GE(Form2.Paineis[i]->width(), larguras[i]) << i;
    EXPECT_GE(Form2.Paineis[i]->width(), Form2.Paineis[i]->sizeHint().width()) << i;
  }
  EXPECT_GE(Form2.Paineis[6]->width(), 50);
  EXPECT_GT(Form2.Paineis[6]->geometry().right(), Form2.StatusBar1->width() - 10);
  EXPECT_EQ(Form2.StatusBar1->geometry().bottom(), 366);
  EXPECT_EQ(Form2.eli, 0);
  EXPECT_EQ(Form2.elf, 0);
}

TEST_F(Janela_inspecao, CliquesMostramALinhaCorrente) {
  Mostrar(3);
  ui.Responder(Resposta::OK).Responder(Resposta::Cancelar).Responder(Resposta::OK);
  Clicar(Form2.ListBox1->visualItemRect(Form2.ListBox1->item(0)).center());
  Clicar(Form2.ListBox1->visualItemRect(Form2.ListBox1->item(2)).center(), Qt::ShiftModifier);
  EXPECT_EQ(ui.Textos(),
            (std::vector<std::string>{" Clicou no ponto  eli=0  elf=0", " Aprtou SHIFT ",
                                      " Clicou no ponto  eli=2  elf=0"}));
  EXPECT_EQ(ui.caixas[0].titulo, " Item selecionado da lista ");
  EXPECT_EQ(ui.caixas[1].titulo, "   ");
  for (const auto& caixa : ui.caixas) EXPECT_EQ(caixa.botoes, Botoes::OK_Cancelar);
  EXPECT_EQ(Form2.ListBox1->selectedItems().size(), 3);  // the list box's own selection
}

TEST_F(Janela_inspecao, CliqueSemLinhaCorrente) {
  Mostrar(0);
  ui.Responder(Resposta::OK);
  Clicar(QPoint(20, 20));
  EXPECT_EQ(ui.Textos(), std::vector<std::string>{" Clicou no ponto  eli=-1  elf=0"});
}

TEST_F(Janela_inspecao, AbreSemLinhaCorrenteESoOBotaoEsquerdoAMove) {
  Mostrar(3);
  Form2.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Form2));
  ASSERT_TRUE(Form2.ListBox1->hasFocus());
  EXPECT_EQ(Form2.ListBox1->currentRow(), -1);
  ui.Responder(Resposta::OK).Responder(Resposta::OK).Responder(Resposta::OK);
  const QPoint abaixo(20, Form2.ListBox1->visualItemRect(Form2.ListBox1->item(2)).bottom() + 20);
  Clicar(abaixo);  // below the lines
  QTest::mouseClick(Form2.ListBox1->viewport(), Qt::RightButton, Qt::NoModifier,
                    Form2.ListBox1->visualItemRect(Form2.ListBox1->item(1)).center());
  EXPECT_EQ(Form2.ListBox1->currentRow(), -1);
  EXPECT_TRUE(Form2.ListBox1->selectedItems().isEmpty());
  Clicar(Form2.ListBox1->visualItemRect(Form2.ListBox1->item(1)).center());
  EXPECT_EQ(ui.Textos(), (std::vector<std::string>{" Clicou no ponto  eli=-1  elf=0",
                                                   " Clicou no ponto  eli=-1  elf=0",
                                                   " Clicou no ponto  eli=1  elf=0"}));
}
