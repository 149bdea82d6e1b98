// No text of any window is cut: every label, button, radio button and group title of the
// main window and of the dialogs is at least as wide and as tall as its text, and no
// control drawn above a label covers its text.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTest>

#include "tests/apoio/Programa_teste.h"

namespace {

using Textos_inteiros = Programa_teste;

// The pixels the label's text covers, in its parent's coordinates: the glyphs' own
// bounds, placed as the label aligns its line of text.
QRect Tinta_do_texto(const QLabel& rotulo) {
  const QFontMetrics medida = rotulo.fontMetrics();
  const QRect dentro = rotulo.contentsRect().marginsRemoved(
      QMargins(rotulo.margin(), rotulo.margin(), rotulo.margin(), rotulo.margin()));
  const QRect linha =
      QStyle::alignedRect(Qt::LeftToRight, rotulo.alignment(),
                          QSize(medida.horizontalAdvance(rotulo.text()), medida.height()), dentro);
  return medida.tightBoundingRect(rotulo.text())
      .translated(linha.left(), linha.top() + medida.ascent())
      .translated(rotulo.pos());
}

void Conferir_rotulo(QLabel& rotulo, const std::string& janela) {
  const QRect tinta = Tinta_do_texto(rotulo);
  const std::string nome = janela + ": '" + rotulo.text().toStdString() + "'";
  EXPECT_TRUE(rotulo.geometry().contains(tinta))
      << nome << " drawn at " << tinta.x() << "," << tinta.y() << " " << tinta.width() << "x"
      << tinta.height() << " in a label at " << rotulo.x() << "," << rotulo.y() << " "
      << rotulo.width() << "x" << rotulo.height();
  // The siblings created after it are drawn above it.
  QWidget* pai = rotulo.parentWidget();
  const QObjectList irmaos = pai->children();
  for (qsizetype i = irmaos.indexOf(&rotulo) + 1; i < irmaos.size(); ++i) {
    auto* acima = qobject_cast<QWidget*>(irmaos[i]);
    if (acima && acima->isVisibleTo(pai)) {
      EXPECT_FALSE(acima->geometry().intersects(tinta))
          << nome << " under a " << acima->metaObject()->className();
    }
  }
}

void Conferir_botao(QAbstractButton& botao, const std::string& janela) {
  // Push buttons need a few pixels of bevel; radio buttons their indicator.
  const int texto = botao.fontMetrics().horizontalAdvance(botao.text());
  const int enfeite = qobject_cast<QPushButton*>(&botao) ? 6 : 20;
  EXPECT_GE(botao.width(), texto + enfeite) << janela << ": '" << botao.text().toStdString() << "'";
}

void Conferir_janela(QWidget& janela) {
  janela.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
  const std::string nome = janela.windowTitle().toStdString();
  for (QLabel* rotulo : janela.findChildren<QLabel*>())
    if (rotulo->isVisible() && !rotulo->text().isEmpty()) Conferir_rotulo(*rotulo, nome);
  for (QAbstractButton* botao : janela.findChildren<QAbstractButton*>())
    if (botao->isVisible() && !botao->text().isEmpty()) Conferir_botao(*botao, nome);
  for (QGroupBox* grupo : janela.findChildren<QGroupBox*>())
    EXPECT_GE(grupo->width(), grupo->fontMetrics().horizontalAdvance(grupo->title()) + 16) << nome;
  janela.hide();
}

}  // namespace

TEST_F(Textos_inteiros, EmTodasAsJanelas) {
  Conferir_janela(*Form1.OKBottomDlg);
  Conferir_janela(*Form1.OKRightDlg1);
  Conferir_janela(*Form1.OKRightDlg);
  Conferir_janela(*Form1.Form2);
  Conferir_janela(Form1);
}
