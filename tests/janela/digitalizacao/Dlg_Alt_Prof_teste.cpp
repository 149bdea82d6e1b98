#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "janela/digitalizacao/Dlg_Alt_Prof.h"
#include "tests/apoio/Interacao_roteirizada.h"
#include "tests/janela/digitalizacao/Apoio_dialogos.h"

namespace {

const char* const Caractere_invalido = " Caractere digitado inválido !!!! ";

class Dialogo_valor : public ::testing::Test {
 protected:
  Interacao_roteirizada ui;
  TOKRightDlg1 dlg{ui, nullptr};
};

}  // namespace

TEST_F(Dialogo_valor, DisposicaoPapeisOrdemTabEEstadoInicial) {
  EXPECT_EQ(dlg.windowTitle().toStdString(), "Inserção da altitude / profundidade");
  EXPECT_EQ(dlg.minimumSize(), QSize(332, 211));
  EXPECT_EQ(dlg.maximumSize(), QSize(332, 211));
  Conferir_disposicao({{dlg.Bevel1, {8, 8, 313, 193}, false},
                       {dlg.Edit3, {105, 27, 45, 21}, true},
                       {dlg.Edit4, {104, 66, 40, 21}, true},
                       {dlg.Edit1, {56, 130, 80, 21}, false},
                       {dlg.Edit2, {56, 167, 80, 21}, false},
                       {dlg.GroupBox1, {191, 117, 113, 73}, false},
                       {dlg.Altitude, {199, 142, 97, 17}, false},
                       {dlg.Profundidade, {199, 168, 97, 17}, false},
                       {dlg.OKBtn, {194, 23, 119, 25}, true},
                       {dlg.CancelBtn, {224, 75, 75, 26}, false}},
                      {{dlg.Label3, "Altitude ou", {16, 24}, true},
                       {dlg.Label5, "Profundidade", {16, 36}, true},
                       {dlg.Label8, "m", {156, 31}, true},
                       {dlg.Label9, "Ponto número", {16, 67}, true},
                       {dlg.Label4, "POSIÇÃO HORIZONTAL", {28, 108}, false},
                       {dlg.Label1, "Este", {20, 135}, false},
                       {dlg.Label6, "m", {144, 135}, false},
                       {dlg.Label2, "Norte ", {20, 170}, false},
                       {dlg.Label7, "m", {145, 172}, false}});
  EXPECT_EQ(dlg.GroupBox1->title().toStdString(), "Grandeza ");
  EXPECT_EQ(dlg.Altitude->text().toStdString(), "Altitude");
  EXPECT_EQ(dlg.Profundidade->text().toStdString(), "Profundidade");
  EXPECT_EQ(dlg.OKBtn->text().toStdString(), "Armazenar o valor");
  EXPECT_EQ(dlg.CancelBtn->text().toStdString(), "Cancelar");
  EXPECT_TRUE(dlg.OKBtn->isDefault());
  const std::vector<QWidget*> ordem{dlg.Edit3, dlg.OKBtn,        dlg.CancelBtn, dlg.Edit1,
                                    dlg.Edit2, dlg.Profundidade, dlg.Altitude,  dlg.Edit4};
  EXPECT_EQ(Percurso_tab(dlg.Edit3, ordem), ordem);

  EXPECT_TRUE(dlg.Profundidade->isChecked());
  EXPECT_EQ(dlg.Erro_valor, 0);
  dlg.Altitude->click();  // one exclusive pair
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
  QTest::keyClicks(dlg.Edit3, "12 m");  // complaints at "12 " and at "12 m", none before
  ASSERT_EQ(ui.caixas.size(), 2u);
  for (const auto& caixa : ui.caixas) {
    EXPECT_EQ(caixa.texto, Caractere_invalido);
    EXPECT_EQ(caixa.titulo, "Erro de digitação !");
    EXPECT_EQ(caixa.botoes, Botoes::OK_Cancelar);
  }
  EXPECT_EQ(dlg.Edit3->text().toStdString(), "12 m");

  // An accent too, and the focus comes back to the field.
  dlg.OKBtn->setFocus();
  ui.Responder(Resposta::OK);
  dlg.Edit3->setText(QString::fromUtf8("1é"));
  EXPECT_EQ(ui.caixas.size(), 3u);
  EXPECT_EQ(dlg.focusWidget(), dlg.Edit3);
}

TEST_F(Dialogo_valor, OkSemValorViraVazioComAsDuasMensagens) {
  for (const Resposta resposta : {Resposta::OK, Resposta::Cancelar}) {
    ui.caixas.clear();
    dlg.Edit3->setText("");
    dlg.setResult(QDialog::Rejected);
    ui.Responder(resposta).Responder(Resposta::OK);
    dlg.OKBtn->click();
    ASSERT_EQ(ui.caixas.size(), 2u);
    EXPECT_EQ(ui.caixas[0].texto,
              " Não há valor vertical, nada se altera \n PARA SAIR SEM VALOR TECLE CANCEL ");
    EXPECT_EQ(ui.caixas[0].titulo, "");
    EXPECT_EQ(ui.caixas[0].botoes, Botoes::OK_Cancelar);
    EXPECT_EQ(ui.caixas[1].texto, Caractere_invalido);
    EXPECT_EQ(dlg.Edit3->text().toStdString(), "VAZIO");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);  // whatever the box's answer
  }
}

TEST_F(Dialogo_valor, OkDaOCodigoDoValorAparado) {
  const struct {
    const char* valor;
    bool queixa;  // while typing
    int codigo;
  } casos[] = {{"12.5", false, 0}, {" 7.25 ", true, 0}, {"-3", true, 1}, {"1,5", true, 3}};
  for (const auto& caso : casos) {
    dlg.Preencher(0, 0, 1);
    ui.caixas.clear();
    if (caso.queixa) ui.Responder(Resposta::OK);
    dlg.Edit3->setText(caso.valor);
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.Erro_valor, caso.codigo) << caso.valor;
    EXPECT_EQ(dlg.result(), QDialog::Accepted) << caso.valor;
    EXPECT_EQ(dlg.Edit3->text().toStdString(), caso.valor);
  }
}

TEST_F(Dialogo_valor, CancelarEscEFocoAoAtivar) {
  dlg.setResult(QDialog::Accepted);
  dlg.CancelBtn->click();
  EXPECT_EQ(dlg.result(), QDialog::Rejected);

  dlg.OKBtn->setFocus();  // Qt alone would give the focus back to the button
  dlg.show();
  dlg.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
  EXPECT_EQ(QApplication::focusWidget(), dlg.Edit3);

  dlg.setResult(QDialog::Accepted);
  QTest::keyClick(&dlg, Qt::Key_Escape);
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_FALSE(dlg.isVisible());
}

TEST_F(Dialogo_valor, TabEntraNoParDeBotoesPeloMarcado) {
  dlg.show();
  dlg.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
  for (QRadioButton* marcado : {dlg.Profundidade, dlg.Altitude, dlg.Profundidade}) {
    marcado->setChecked(true);
    dlg.Edit2->setFocus();
    QTest::keyClick(dlg.Edit2, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), marcado) << marcado->text().toStdString();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dlg.Edit4);
  }
  dlg.Profundidade->setFocus();
  QTest::keyClick(dlg.Profundidade, Qt::Key_Up);  // the arrows still move within the pair
  EXPECT_TRUE(dlg.Altitude->isChecked());
  EXPECT_EQ(QApplication::focusWidget(), dlg.Altitude);
}
