// The wheel anywhere in the window scrolls the picture by the window's own step: over
// the picture, over the scroll bars, and wherever else it reaches the window itself
// (the status bar passes it on); only the sign of the vertical turn counts, and a turn
// without a vertical part scrolls nothing.

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include "janela/comum/Imagem.h"
#include "janela/comum/Passo_rolagem.h"
#include "tests/apoio/Janela_rolavel.h"
#include "tests/apoio/Programa_teste.h"

namespace {

class Roda : public Janela_rolavel {
 protected:
  static void Girar(QWidget* sobre, QPoint giro, Qt::KeyboardModifiers teclas = Qt::NoModifier) {
    const QPointF ponto(2, 2);
    QWheelEvent roda(ponto, sobre->mapToGlobal(ponto), QPoint(), giro, Qt::NoButton, teclas,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(sobre, &roda);
  }
};

}  // namespace

TEST_F(Roda, SobreQualquerParteDaJanelaRolaUmPassoPeloSinal) {
  const int passo = Passo_rolagem(Form1.frameGeometry().height());
  ASSERT_GT(passo, 0);
  struct Caso {
    const char* onde;
    QWidget* sobre;
  };
  const Caso casos[] = {{"picture", Form1.ScrollBox1->viewport()},
                        {"vertical scroll bar", Vertical()},
                        {"horizontal scroll bar", Horizontal()},
                        {"window", &Form1}};
  for (const Caso& caso : casos) {
    Vertical()->setValue(1000);
    Horizontal()->setValue(100);
    Form1.Funcao_corrente("outra");
    Girar(caso.sobre, {0, -120});  // towards the user: down
    EXPECT_EQ(Vertical()->value(), 1000 + passo) << caso.onde;
    EXPECT_EQ(Form1.Painel(6), " Função corrente: Nenhuma") << caso.onde;
    Girar(caso.sobre, {0, 480});  // a bigger turn is still one step
    EXPECT_EQ(Vertical()->value(), 1000) << caso.onde;
    Girar(caso.sobre, {0, 1});
    EXPECT_EQ(Vertical()->value(), 1000 - passo) << caso.onde;
    EXPECT_EQ(Horizontal()->value(), 100) << caso.onde;
  }
}

TEST_F(Roda, GiroSemParteVerticalNaoRola) {
  Vertical()->setValue(1000);
  Horizontal()->setValue(100);
  Form1.Funcao_corrente("outra");
  for (QWidget* sobre :
       QList<QWidget*>{Form1.ScrollBox1->viewport(), Horizontal(), Vertical(), &Form1}) {
    Girar(sobre, {120, 0});  // a horizontal wheel
    Girar(sobre, {0, 0});    // the end of a touchpad gesture
  }
  EXPECT_EQ(Vertical()->value(), 1000);
  EXPECT_EQ(Horizontal()->value(), 100);
  EXPECT_EQ(Form1.Painel(6), " Função corrente: outra");
}

TEST_F(Roda, ComShiftRolaDeLadoPelaLarguraDaJanela) {
  const int passo = Passo_rolagem(Form1.frameGeometry().width());
  ASSERT_NE(passo, Passo_rolagem(Form1.frameGeometry().height()));
  for (QWidget* sobre : QList<QWidget*>{Form1.ScrollBox1->viewport(), &Form1}) {
    Vertical()->setValue(1000);
    Horizontal()->setValue(500);
    Girar(sobre, {0, -120}, Qt::ShiftModifier);
    EXPECT_EQ(Horizontal()->value(), 500 + passo);
    Girar(sobre, {120, 0}, Qt::ShiftModifier);  // as a platform that swaps it sends it
    EXPECT_EQ(Horizontal()->value(), 500);
    EXPECT_EQ(Vertical()->value(), 1000);
    EXPECT_EQ(Form1.Painel(6), " Função corrente: Nenhuma");
  }
}

// The keys reach the window's handler wherever the focus is, not the scroll area's own.
TEST_F(Roda, TeclasRolamComoEmQualquerVisualizador) {
  const int passo_v = Passo_rolagem(Form1.frameGeometry().height());
  const int passo_h = Passo_rolagem(Form1.frameGeometry().width());
  const int pagina = Form1.ScrollBox1->viewport()->height();
  struct Caso {
    Qt::Key tecla;
    int horizontal, vertical;
  };
  const Caso casos[] = {{Qt::Key_Down, 500, 1000 + passo_v},
                        {Qt::Key_Up, 500, 1000 - passo_v},
                        {Qt::Key_Right, 500 + passo_h, 1000},
                        {Qt::Key_Left, 500 - passo_h, 1000},
                        {Qt::Key_PageDown, 500, 1000 + pagina},
                        {Qt::Key_PageUp, 500, 1000 - pagina},
                        {Qt::Key_Home, 500, 0},
                        {Qt::Key_End, 500, Vertical()->maximum()},
                        {Qt::Key_A, 500, 1000}};
  for (QWidget* foco : QList<QWidget*>{Form1.ScrollBox1, &Form1})
    for (const Caso& caso : casos) {
      Horizontal()->setValue(500);
      Vertical()->setValue(1000);
      QTest::keyClick(foco, caso.tecla);
      EXPECT_EQ(Horizontal()->value(), caso.horizontal) << caso.tecla;
      EXPECT_EQ(Vertical()->value(), caso.vertical) << caso.tecla;
    }
}
