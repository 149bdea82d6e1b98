#include "digitizing/Dlg_Alt_Prof.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <vector>

#include "tests/apoio/Interacao_roteirizada.h"
#include "tests/digitizing/Percurso_tab.h"

namespace {

const char* const Caractere_invalido = " Caractere digitado inválido !!!! ";
const char* const Sem_valor =
    " Não há valor vertical, nada se altera \n PARA SAIR SEM VALOR TECLE CANCEL ";

class Dialogo_valor : public ::testing::Test {
 protected:
  Interacao_roteirizada ui;
  TOKRightDlg1 dlg{ui, nullptr};
};

}  // namespace

TEST_F(Dialogo_valor, ControlesNasPosicoes) {
  EXPECT_EQ(dlg.windowTitle().toStdString(), "Inserção da altitude / profundidade");
  EXPECT_EQ(dlg.size(), QSize(332, 211));
  EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());

  EXPECT_EQ(dlg.Bevel1->geometry(), QRect(8, 8, 313, 193));
  EXPECT_EQ(dlg.Edit3->geometry(), QRect(105, 27, 45, 21));
  EXPECT_EQ(dlg.Edit4->geometry(), QRect(104, 66, 40, 21));
  EXPECT_EQ(dlg.Edit1->geometry(), QRect(56, 130, 80, 21));
  EXPECT_EQ(dlg.Edit2->geometry(), QRect(56, 167, 80, 21));
  EXPECT_EQ(dlg.GroupBox1->geometry(), QRect(191, 117, 113, 73));
  EXPECT_EQ(dlg.Altitude->geometry(), QRect(199, 142, 97, 17));
  EXPECT_EQ(dlg.Profundidade->geometry(), QRect(199, 168, 97, 17));
  EXPECT_EQ(dlg.OKBtn->geometry(), QRect(194, 23, 119, 25));
  EXPECT_EQ(dlg.CancelBtn->geometry(), QRect(224, 75, 75, 26));

  const struct {
    QLabel* rotulo;
    const char* texto;
    QPoint canto;
    bool negrito;
  } rotulos[] = {
      {dlg.Label3, "Altitude ou", {16, 24}, true},   {dlg.Label5, "Profundidade", {16, 36}, true},
      {dlg.Label8, "m", {156, 31}, true},            {dlg.Label9, "Ponto número", {16, 67}, true},
      {dlg.Label4, "POSIÇÃO HORIZONTAL", {28, 108}, false},
      {dlg.Label1, "Este", {20, 135}, false},        {dlg.Label6, "m", {144, 135}, false},
      {dlg.Label2, "Norte ", {20, 170}, false},      {dlg.Label7, "m", {145, 172}, false},
  };
  for (const auto& r : rotulos) {
    EXPECT_EQ(r.rotulo->text().toStdString(), r.texto);
    EXPECT_EQ(r.rotulo->pos(), r.canto) << r.texto;
    EXPECT_EQ(r.rotulo->font().bold(), r.negrito) << r.texto;
  }
  EXPECT_EQ(dlg.GroupBox1->title().toStdString(), "Grandeza ");
  EXPECT_EQ(dlg.Altitude->text().toStdString(), "Altitude");
  EXPECT_EQ(dlg.Profundidade->text().toStdString(), "Profundidade");
  EXPECT_EQ(dlg.OKBtn->text().toStdString(), "Armazenar o valor");
  EXPECT_EQ(dlg.CancelBtn->text().toStdString(), "Cancelar");
  for (QWidget* negrito : std::vector<QWidget*>{dlg.Edit3, dlg.Edit4, dlg.OKBtn})
    EXPECT_TRUE(negrito->font().bold());
  for (QWidget* normal : std::vector<QWidget*>{dlg.Edit1, dlg.Edit2, dlg.CancelBtn, dlg.Altitude})
    EXPECT_FALSE(normal->font().bold());
}

TEST_F(Dialogo_valor, PapeisOrdemTabEEstadoInicial) {
  EXPECT_TRUE(dlg.OKBtn->isDefault());
  EXPECT_FALSE(dlg.CancelBtn->isDefault());
  const std::vector<QWidget*> ordem{dlg.Edit3, dlg.OKBtn,        dlg.CancelBtn, dlg.Edit1,
                                    dlg.Edit2, dlg.Profundidade, dlg.Altitude,  dlg.Edit4};
  EXPECT_EQ(dlg.GroupBox1->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(Percurso_tab(dlg.Edit3, ordem), ordem);

  EXPECT_TRUE(dlg.Profundidade->isChecked());
  EXPECT_FALSE(dlg.Altitude->isChecked());
  EXPECT_EQ(dlg.Erro_valor, 0);

  dlg.Altitude->click();  // one exclusive pair
  EXPECT_TRUE(dlg.Altitude->isChecked());
  EXPECT_FALSE(dlg.Profundidade->isChecked());
}

TEST_F(Dialogo_valor, PreencherFormataOsCamposEZeraOErro) {
  dlg.Edit3->setText("12");
  dlg.Erro_valor = 3;
  dlg.Preencher(1234.5, -98765.4321, 1);
  EXPECT_EQ(dlg.Edit1->text().toStdString(), "    1234.500");
  EXPECT_EQ(dlg.Edit2->text().toStdString(), "   -98765.432");
  EXPECT_EQ(dlg.Edit3->text().toStdString(), "");
  EXPECT_EQ(dlg.Edit4->text().toStdString(), " 1");
  EXPECT_EQ(dlg.Erro_valor, 0);
}

TEST_F(Dialogo_valor, CaractereEstranhoQueixaACadaMudancaEFicaNoCampo) {
  ui.Responder(Resposta::OK).Responder(Resposta::Cancelar);
  QTest::keyClicks(dlg.Edit3, "12 m");  // complaints at "12 " and at "12 m"
  ASSERT_EQ(ui.caixas.size(), 2u);
  for (const auto& caixa : ui.caixas) {
    EXPECT_EQ(caixa.texto, Caractere_invalido);
    EXPECT_EQ(caixa.titulo, "Erro de digitação !");
    EXPECT_EQ(caixa.botoes, Botoes::OK_Cancelar);
  }
  EXPECT_EQ(dlg.Edit3->text().toStdString(), "12 m");
}

TEST_F(Dialogo_valor, AcentoQueixaEFocoVoltaAoCampo) {
  dlg.OKBtn->setFocus();
  ui.Responder(Resposta::OK);
  dlg.Edit3->setText(QString::fromUtf8("1é"));
  EXPECT_EQ(ui.Textos(), std::vector<std::string>{Caractere_invalido});
  EXPECT_EQ(dlg.focusWidget(), dlg.Edit3);
}

TEST_F(Dialogo_valor, ValorValidoNaoQueixa) {
  QTest::keyClicks(dlg.Edit3, "12.5");
  dlg.Edit3->setText("");
  EXPECT_TRUE(ui.caixas.empty());
}

TEST_F(Dialogo_valor, OkSemValorViraVazioComAsDuasMensagens) {
  for (const Resposta resposta : {Resposta::OK, Resposta::Cancelar}) {
    ui.caixas.clear();
    dlg.Edit3->setText("");
    dlg.setResult(QDialog::Rejected);
    ui.Responder(resposta).Responder(Resposta::OK);
    dlg.OKBtn->click();
    ASSERT_EQ(ui.caixas.size(), 2u);
    EXPECT_EQ(ui.caixas[0].texto, Sem_valor);
    EXPECT_EQ(ui.caixas[0].titulo, "");
    EXPECT_EQ(ui.caixas[0].botoes, Botoes::OK_Cancelar);
    EXPECT_EQ(ui.caixas[1].texto, Caractere_invalido);
    EXPECT_EQ(dlg.Edit3->text().toStdString(), "VAZIO");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);  // the box's answer does not matter
    EXPECT_EQ(dlg.Erro_valor, 0);
  }
}

TEST_F(Dialogo_valor, OkDaOCodigoDoValorAparado) {
  const struct {
    const char* valor;
    int queixas;
    int codigo;
  } casos[] = {{"12.5", 0, 0}, {" 7.25 ", 1, 0}, {"-3", 1, 1}, {"1e3", 1, 1}, {"1,5", 1, 3}};
  for (const auto& caso : casos) {
    dlg.Preencher(0, 0, 1);
    ui.caixas.clear();
    for (int i = 0; i < caso.queixas; ++i) ui.Responder(Resposta::OK);
    dlg.Edit3->setText(caso.valor);
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.Erro_valor, caso.codigo) << caso.valor;
    EXPECT_EQ(dlg.result(), QDialog::Accepted) << caso.valor;
    EXPECT_EQ(static_cast<int>(ui.caixas.size()), caso.queixas) << caso.valor;
    EXPECT_EQ(dlg.Edit3->text().toStdString(), caso.valor);
  }
}

TEST_F(Dialogo_valor, CancelarEEscFecham) {
  dlg.setResult(QDialog::Accepted);
  dlg.CancelBtn->click();
  EXPECT_EQ(dlg.result(), QDialog::Rejected);

  dlg.show();
  dlg.setResult(QDialog::Accepted);
  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_FALSE(dlg.isVisible());
}

TEST_F(Dialogo_valor, AoAtivarOFocoVaiParaOValor) {
  dlg.OKBtn->setFocus();  // would get the focus back when the window is activated
  dlg.show();
  dlg.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
  EXPECT_EQ(QApplication::focusWidget(), dlg.Edit3);
  dlg.hide();
}
