// Enter presses the dialog's default button at every showing, whichever button had the
// focus at an earlier one: a digitizer confirms hundreds of values with Enter.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "janela/digitalizacao/DlgRemocao.h"
#include "janela/digitalizacao/Dlg_Alt_Prof.h"
#include "tests/apoio/Interacao_roteirizada.h"

namespace {

// Shows the dialog as a modal showing does and waits for it to be active.
void Mostrar(QDialog& dlg) {
  dlg.show();
  dlg.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
}

// One showing left through the cancel button, clicked or reached with Tab and pressed
// with the space bar; then Enter at the next showing.
void Cancelar_e_confirmar_com_Enter(QDialog& dlg, QPushButton* ok, QPushButton* cancelar,
                                    bool com_tab) {
  Mostrar(dlg);
  if (com_tab) {
    while (QApplication::focusWidget() != cancelar)
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(cancelar, Qt::Key_Space);
  } else {
    QTest::mouseClick(cancelar, Qt::LeftButton);
  }
  ASSERT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);

  Mostrar(dlg);
  EXPECT_TRUE(ok->isDefault());
  EXPECT_FALSE(cancelar->isDefault());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

}  // namespace

TEST(Botao_padrao, EnterArmazenaOValorDepoisDeUmCancelar) {
  Interacao_roteirizada ui;
  for (bool com_tab : {false, true}) {
    TOKRightDlg1 dlg(ui, nullptr);
    dlg.Preencher(1, 2, 1);
    dlg.Edit3->setText("12");
    Cancelar_e_confirmar_com_Enter(dlg, dlg.OKBtn, dlg.CancelBtn, com_tab);
    EXPECT_EQ(dlg.Erro_valor, 0);
  }
}

TEST(Botao_padrao, EnterRemoveOPontoDepoisDeUmCancel) {
  Interacao_roteirizada ui;
  for (bool com_tab : {false, true}) {
    TOKRightDlg dlg(ui, nullptr);
    Cancelar_e_confirmar_com_Enter(dlg, dlg.OKBtn, dlg.CancelBtn, com_tab);
  }
}
