#include "digitizing/DlgRemocao.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

#include "tests/apoio/Interacao_roteirizada.h"
#include "tests/digitizing/Percurso_tab.h"

namespace {

class Dialogo_remocao : public ::testing::Test {
 protected:
  Interacao_roteirizada ui;
  TOKRightDlg dlg{ui, nullptr};
};

}  // namespace

TEST_F(Dialogo_remocao, ControlesNasPosicoes) {
  EXPECT_EQ(dlg.windowTitle().toStdString(), "Remoção de ponto");
  EXPECT_EQ(dlg.size(), QSize(228, 267));
  EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());

  EXPECT_EQ(dlg.Edit1->geometry(), QRect(105, 34, 49, 21));
  EXPECT_EQ(dlg.Edit2->geometry(), QRect(84, 74, 80, 21));
  EXPECT_EQ(dlg.Edit3->geometry(), QRect(85, 108, 80, 21));
  EXPECT_EQ(dlg.Edit4->geometry(), QRect(108, 146, 41, 21));
  EXPECT_EQ(dlg.OKBtn->geometry(), QRect(63, 184, 109, 25));
  EXPECT_EQ(dlg.CancelBtn->geometry(), QRect(80, 230, 75, 25));
  EXPECT_EQ(dlg.OKBtn->text().toStdString(), "Remover ponto");
  EXPECT_EQ(dlg.CancelBtn->text().toStdString(), "Cancel");

  const struct {
    QLabel* rotulo;
    const char* texto;
    QPoint canto;
    bool negrito;
  } rotulos[] = {
      {dlg.Label8, "ÚLTIMO PONTO DA LISTA ", {42, 12}, true},
      {dlg.Label1, "Ponto", {66, 37}, true},
      {dlg.Label2, "Este", {47, 76}, false},
      {dlg.Label5, "m", {172, 78}, false},
      {dlg.Label3, "Norte", {47, 112}, false},
      {dlg.Label6, "m", {172, 114}, false},
      {dlg.Label4, "Altit  / Prof.", {47, 148}, false},
      {dlg.Label7, "m", {154, 149}, false},
  };
  for (const auto& r : rotulos) {
    EXPECT_EQ(r.rotulo->text().toStdString(), r.texto);
    EXPECT_EQ(r.rotulo->pos(), r.canto) << r.texto;
    EXPECT_EQ(r.rotulo->font().bold(), r.negrito) << r.texto;
  }
  EXPECT_TRUE(dlg.Edit1->font().bold());
  EXPECT_TRUE(dlg.OKBtn->font().bold());
  EXPECT_FALSE(dlg.Edit2->font().bold());
  EXPECT_FALSE(dlg.CancelBtn->font().bold());
}

TEST_F(Dialogo_remocao, PapeisEOrdemTab) {
  EXPECT_TRUE(dlg.OKBtn->isDefault());
  const std::vector<QWidget*> ordem{dlg.OKBtn, dlg.CancelBtn, dlg.Edit1,
                                    dlg.Edit2, dlg.Edit3,     dlg.Edit4};
  EXPECT_EQ(Percurso_tab(dlg.OKBtn, ordem), ordem);

  dlg.OKBtn->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  dlg.CancelBtn->click();
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST_F(Dialogo_remocao, PreencherFormataOsCampos) {
  dlg.Preencher(3, 512345.6789, 7654321.0004, -12.34);
  EXPECT_EQ(dlg.Edit1->text().toStdString(), " 3");
  EXPECT_EQ(dlg.Edit2->text().toStdString(), "  512345.679");
  EXPECT_EQ(dlg.Edit3->text().toStdString(), "  7654321.000");
  EXPECT_EQ(dlg.Edit4->text().toStdString(), "  -12.3");
}
