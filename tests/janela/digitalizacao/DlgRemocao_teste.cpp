#include <QLineEdit>
#include <QPushButton>

#include "janela/digitalizacao/DlgRemocao.h"
#include "tests/apoio/Interacao_roteirizada.h"
#include "tests/janela/digitalizacao/Apoio_dialogos.h"

TEST(Dialogo_remocao, DisposicaoPapeisEOrdemTab) {
  Interacao_roteirizada ui;
  TOKRightDlg dlg(ui, nullptr);
  EXPECT_EQ(dlg.windowTitle().toStdString(), "Remoção de ponto");
  EXPECT_EQ(dlg.minimumSize(), QSize(228, 267));
  EXPECT_EQ(dlg.maximumSize(), QSize(228, 267));
  Conferir_disposicao({{dlg.Edit1, {105, 34, 49, 21}, true},
                       {dlg.Edit2, {84, 74, 80, 21}, false},
                       {dlg.Edit3, {85, 108, 80, 21}, false},
                       {dlg.Edit4, {108, 146, 41, 21}, false},
                       {dlg.OKBtn, {63, 184, 109, 25}, true},
                       {dlg.CancelBtn, {80, 230, 75, 25}, false}},
                      {{dlg.Label8, "ÚLTIMO PONTO DA LISTA ", {42, 12}, true},
                       {dlg.Label1, "Ponto", {66, 37}, true},
                       {dlg.Label2, "Este", {47, 76}, false},
                       {dlg.Label5, "m", {172, 78}, false},
                       {dlg.Label3, "Norte", {47, 112}, false},
                       {dlg.Label6, "m", {172, 114}, false},
                       {dlg.Label4, "Altit  / Prof.", {47, 148}, false},
                       {dlg.Label7, "m", {154, 149}, false}});
  EXPECT_EQ(dlg.OKBtn->text().toStdString(), "Remover ponto");
  EXPECT_EQ(dlg.CancelBtn->text().toStdString(), "Cancel");
  EXPECT_TRUE(dlg.OKBtn->isDefault());
  const std::vector<QWidget*> ordem{dlg.OKBtn, dlg.CancelBtn, dlg.Edit1,
                                    dlg.Edit2, dlg.Edit3,     dlg.Edit4};
  EXPECT_EQ(Percurso_tab(dlg.OKBtn, ordem), ordem);

  dlg.OKBtn->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  dlg.CancelBtn->click();
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST(Dialogo_remocao, PreencherFormataOsCampos) {
  Interacao_roteirizada ui;
  TOKRightDlg dlg(ui, nullptr);
  dlg.Preencher(3, 512345.6789, 7654321.0004, -12.34);
  EXPECT_EQ(dlg.Edit1->text().toStdString(), " 3");
  EXPECT_EQ(dlg.Edit2->text().toStdString(), "  512345.679");
  EXPECT_EQ(dlg.Edit3->text().toStdString(), "  7654321.000");
  EXPECT_EQ(dlg.Edit4->text().toStdString(), "  -12.3");
}
