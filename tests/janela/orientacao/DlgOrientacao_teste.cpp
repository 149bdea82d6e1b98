#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "janela/orientacao/DlgOrientacao.h"
#include "tests/apoio/Interacao_roteirizada.h"

namespace {

class Dialogo : public ::testing::Test {
 protected:
  Interacao_roteirizada ui;
  TOKBottomDlg dlg{ui, nullptr};

  void Adicionar(const char* este, const char* norte) {
    dlg.Edit1->setText(este);
    dlg.Edit2->setText(norte);
    dlg.Button1->click();
  }
  void Adicionar_quatro() {
    Adicionar("100", "300");
    Adicionar("200", "300");
    Adicionar("200", "200");
    Adicionar("100", "200");
  }
  void Clicar_linha(int linha) {
    dlg.show();
    QListWidgetItem* item = dlg.ListBox1->item(linha);
    QTest::mouseClick(dlg.ListBox1->viewport(), Qt::LeftButton, {},
                      dlg.ListBox1->visualItemRect(item).center());
  }
  std::vector<std::string> Linhas() const {
    std::vector<std::string> linhas;
    for (int i = 0; i < dlg.ListBox1->count(); ++i)
      linhas.push_back(dlg.ListBox1->item(i)->text().toStdString());
    return linhas;
  }
  std::vector<int32_t> Numeros() const {
    std::vector<int32_t> numeros;
    for (const auto& p : *dlg.OLista_coord) numeros.push_back(p.Numero);
    return numeros;
  }
};

void Esperar_controle(QWidget* controle, QWidget* pai, QRect posicao, const char* texto = nullptr) {
  SCOPED_TRACE(controle->objectName().toStdString() + " " + (texto ? texto : ""));
  EXPECT_EQ(controle->parentWidget(), pai);
  if (qobject_cast<QLabel*>(controle)) {
    // A static text grows to fit its text, from its corner.
    EXPECT_EQ(controle->pos(), posicao.topLeft());
    EXPECT_GE(controle->width(), posicao.width());
    EXPECT_GE(controle->height(), posicao.height());
  } else {
    EXPECT_EQ(controle->geometry(), posicao);
  }
  if (!texto) return;
  if (auto* rotulo = qobject_cast<QLabel*>(controle)) {
    EXPECT_EQ(rotulo->text().toStdString(), texto);
  } else if (auto* botao = qobject_cast<QPushButton*>(controle)) {
    EXPECT_EQ(botao->text().toStdString(), texto);
  }
}

}  // namespace

TEST_F(Dialogo, ComponentesNasSuasPosicoes) {
  EXPECT_EQ(dlg.windowTitle().toStdString(), "Coordenadas para orientacao da folha");
  EXPECT_EQ(dlg.size(), QSize(421, 205));
  Esperar_controle(dlg.Panel1, &dlg, {8, 8, 169, 185});
  Esperar_controle(dlg.StaticText7, dlg.Panel1, {7, 161, 156, 17},
                   "Necessários no mínino 4 pontos");
  Esperar_controle(dlg.StaticText1, &dlg, {40, 13, 109, 17}, "Ponto para orientação");
  Esperar_controle(dlg.StaticText3, &dlg, {27, 39, 25, 17}, "Este");
  Esperar_controle(dlg.Edit1, &dlg, {59, 35, 73, 21});
  Esperar_controle(dlg.StaticText5, &dlg, {140, 38, 12, 17}, "m");
  Esperar_controle(dlg.StaticText4, &dlg, {27, 68, 30, 17}, "Norte");
  Esperar_controle(dlg.Edit2, &dlg, {59, 66, 73, 21});
  Esperar_controle(dlg.StaticText6, &dlg, {139, 66, 12, 17}, "m");
  Esperar_controle(dlg.Button1, &dlg, {45, 101, 97, 25}, "Adicionar o ponto");
  Esperar_controle(dlg.Button3, &dlg, {72, 142, 33, 25}, "?");
  Esperar_controle(dlg.StaticText2, &dlg, {201, 12, 167, 17},
                   "Pto        Este (m)              Norte (m)");
  Esperar_controle(dlg.ListBox1, &dlg, {193, 24, 208, 97});
  Esperar_controle(dlg.LimparTodos, &dlg, {336, 131, 71, 25}, "Limpar todos");
  Esperar_controle(dlg.StaticText8, &dlg, {196, 136, 126, 17}, "EDITAR -> clique o ponto");
  Esperar_controle(dlg.OKBtn, &dlg, {208, 166, 81, 26}, "Ok");
  Esperar_controle(dlg.CancelBtn, &dlg, {325, 167, 81, 25}, "Cancel");
  EXPECT_TRUE(dlg.Edit1->text().isEmpty());
  EXPECT_TRUE(dlg.Edit2->text().isEmpty());
  EXPECT_TRUE(dlg.OKBtn->isDefault());
  EXPECT_FALSE(dlg.OKBtn->isEnabled());
  EXPECT_EQ(dlg.Proximo_numero, 101);
  EXPECT_FALSE(dlg.Editando);
  EXPECT_EQ(dlg.Indice_editado, 0);
  EXPECT_TRUE(dlg.OLista_coord->Vazia());
}

TEST_F(Dialogo, OrdemDeTabulacao) {
  const std::vector<QWidget*> esperada = {dlg.LimparTodos, dlg.Edit1,  dlg.Edit2,
                                          dlg.Button1,     dlg.OKBtn,  dlg.CancelBtn,
                                          dlg.ListBox1,    dlg.Button3};
  std::vector<QWidget*> ordem;
  QWidget* w = dlg.LimparTodos;
  do {
    if (std::find(esperada.begin(), esperada.end(), w) != esperada.end()) ordem.push_back(w);
    w = w->nextInFocusChain();
  } while (w != dlg.LimparTodos && ordem.size() < 20);
  EXPECT_EQ(ordem, esperada);
}

TEST_F(Dialogo, AbreComOFocoNoPrimeiroDaOrdemDeTabulacao) {
  dlg.show();
  dlg.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
  EXPECT_EQ(QApplication::focusWidget(), dlg.LimparTodos);
}

TEST_F(Dialogo, EnterPressionaOkEEscCancela) {
  dlg.show();
  dlg.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
  dlg.Edit1->setFocus();
  QTest::keyClick(dlg.Edit1, Qt::Key_Return);  // OK is still disabled
  EXPECT_TRUE(ui.caixas.empty());
  EXPECT_TRUE(dlg.isVisible());

  Adicionar_quatro();
  QTest::keyClick(dlg.Edit1, Qt::Key_Return);
  ASSERT_EQ(ui.caixas.size(), 1u);
  EXPECT_EQ(ui.caixas[0].texto, " Devera sollicitar a visita e o click nos pontos de orientacao");
  EXPECT_EQ(ui.caixas[0].titulo, "NULL");
  EXPECT_EQ(ui.caixas[0].botoes, Botoes::OK);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);

  dlg.show();
  QTest::keyClick(dlg.Edit1, Qt::Key_Escape);
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(ui.caixas.size(), 1u);
}

TEST_F(Dialogo, NumeracaoEBotaoOk) {
  Adicionar("12.5", "3.25");
  EXPECT_EQ(Linhas(), (std::vector<std::string>{" 101            12.500            3.250"}));
  const Ponto_orientacao& primeiro = dlg.OLista_coord->Item(0);
  EXPECT_EQ(primeiro.Numero, 101);
  EXPECT_EQ(primeiro.E, 12.5);
  EXPECT_EQ(primeiro.N, 3.25);
  EXPECT_EQ(primeiro.x, 0.0);
  EXPECT_EQ(primeiro.y, 0.0);
  EXPECT_TRUE(dlg.Edit1->text().isEmpty());
  EXPECT_TRUE(dlg.Edit2->text().isEmpty());

  Adicionar(" -1234567.125 ", "7654321.5");
  Adicionar("0", "1e3");
  EXPECT_FALSE(dlg.OKBtn->isEnabled());
  Adicionar("5", "6");
  EXPECT_TRUE(dlg.OKBtn->isEnabled());
  EXPECT_EQ(Numeros(), (std::vector<int32_t>{101, 102, 103, 104}));
  EXPECT_EQ(dlg.Proximo_numero, 105);
  EXPECT_EQ(Linhas(), (std::vector<std::string>{" 101            12.500            3.250",
                                                " 102        -1234567.125      7654321.500",
                                                " 103             0.000         1000.000",
                                                " 104             5.000            6.000"}));
  EXPECT_TRUE(ui.caixas.empty());
}

TEST_F(Dialogo, NumeroInvalidoNaoAcrescentaNada) {
  Adicionar("12,5", "3");
  Adicionar("12", "");
  EXPECT_EQ(ui.Erros(), (std::vector<std::string>{"'12,5' is not a valid floating point value",
                                                  "'' is not a valid floating point value"}));
  EXPECT_TRUE(dlg.OLista_coord->Vazia());
  EXPECT_EQ(dlg.ListBox1->count(), 0);
  EXPECT_EQ(dlg.Proximo_numero, 101);
}

TEST_F(Dialogo, LimparTodos) {
  Adicionar_quatro();
  ui.Responder(Resposta::Cancelar);
  dlg.LimparTodos->click();
  EXPECT_EQ(dlg.OLista_coord->Quantidade(), 4);
  EXPECT_EQ(dlg.ListBox1->count(), 4);

  ui.Responder(Resposta::OK);
  dlg.LimparTodos->click();
  ASSERT_EQ(ui.caixas.size(), 2u);
  EXPECT_EQ(ui.caixas[1].texto, " Deseja deletar todos os pontos ?? ");
  EXPECT_EQ(ui.caixas[1].titulo, "Deleta todos pontos");
  EXPECT_EQ(ui.caixas[1].botoes, Botoes::OK_Cancelar);
  EXPECT_TRUE(dlg.OLista_coord->Vazia());
  EXPECT_EQ(dlg.ListBox1->count(), 0);
  EXPECT_EQ(dlg.Proximo_numero, 101);
  EXPECT_TRUE(dlg.OKBtn->isEnabled());  // left as it was

  Adicionar("1", "2");
  EXPECT_EQ(Numeros(), (std::vector<int32_t>{101}));
  EXPECT_FALSE(dlg.OKBtn->isEnabled());
}

TEST_F(Dialogo, EditarUmPonto) {
  Adicionar_quatro();
  // A point restored from a file can carry another number; the edit renumbers it by place.
  dlg.OLista_coord->Item(2).Numero = 150;
  dlg.OLista_coord->Item(2).x = 321;
  dlg.OLista_coord->Item(2).y = 654;
  Clicar_linha(2);
  EXPECT_TRUE(dlg.Editando);
  EXPECT_EQ(dlg.Indice_editado, 2);
  EXPECT_EQ(dlg.Edit1->text().toStdString(), "200");
  EXPECT_EQ(dlg.Edit2->text().toStdString(), "200");

  Adicionar("250.75", "199.5");
  EXPECT_EQ(ui.Textos(),
            (std::vector<std::string>{" Inseriu o item corrigido na lista OLista_coord"}));
  EXPECT_EQ(ui.caixas[0].tipo, Caixa_mostrada::Tipo::Simples);
  EXPECT_FALSE(dlg.Editando);
  EXPECT_EQ(Numeros(), (std::vector<int32_t>{101, 102, 103, 104}));
  const Ponto_orientacao& editado = dlg.OLista_coord->Item(2);
  EXPECT_EQ(editado.E, 250.75);
  EXPECT_EQ(editado.N, 199.5);
  EXPECT_EQ(editado.x, 0.0);
  EXPECT_EQ(editado.y, 0.0);
  EXPECT_EQ(Linhas()[2], " 103           250.750          199.500");
  EXPECT_EQ(Linhas().size(), 4u);
  EXPECT_EQ(dlg.Proximo_numero, 105);
  EXPECT_TRUE(dlg.Edit1->text().isEmpty());

  Adicionar("1", "1");  // the next add appends again
  EXPECT_EQ(Numeros(), (std::vector<int32_t>{101, 102, 103, 104, 105}));
}

TEST_F(Dialogo, EdicaoComNumeroInvalidoNaoMexeNaLista) {
  Adicionar_quatro();
  Clicar_linha(1);
  dlg.Edit1->setText("210");
  dlg.Edit2->setText("3OO");
  dlg.Button1->click();
  EXPECT_EQ(ui.Erros(), (std::vector<std::string>{"'3OO' is not a valid floating point value"}));
  EXPECT_EQ(dlg.OLista_coord->Item(1).E, 200.0);
  EXPECT_EQ(dlg.OLista_coord->Quantidade(), 4);
  EXPECT_TRUE(dlg.Editando);  // still editing: the user corrects the text and adds again
  dlg.Edit2->setText("300");
  dlg.Button1->click();
  EXPECT_EQ(dlg.OLista_coord->Item(1).E, 210.0);
  EXPECT_FALSE(dlg.Editando);
}

TEST_F(Dialogo, EdicaoDeUmPontoQueJaNaoExisteAcrescenta) {
  Adicionar_quatro();
  Clicar_linha(3);
  ui.Responder(Resposta::OK);
  dlg.LimparTodos->click();
  EXPECT_TRUE(dlg.Editando);
  Adicionar("7", "8");
  EXPECT_FALSE(dlg.Editando);
  EXPECT_EQ(Numeros(), (std::vector<int32_t>{101}));
  EXPECT_EQ(Linhas(), (std::vector<std::string>{" 101             7.000            8.000"}));
  EXPECT_EQ(ui.caixas.size(), 1u);  // no "Inseriu" message
}

TEST_F(Dialogo, Ajuda) {
  dlg.Button3->click();
  ASSERT_EQ(ui.caixas.size(), 1u);
  EXPECT_EQ(ui.caixas[0].tipo, Caixa_mostrada::Tipo::Simples);
  EXPECT_EQ(ui.caixas[0].texto,
            " A ORIENTAÇÃO da imagem demanda por no MÍNINO 4 PONTOS.\n\n"
            " IMPORTANTE\n\n 1- A ordem dos pontos adicionados à lista de pontos deve ser\n   a"
            " ordem da digitalização destes na imagem.\n\n"
            " 2- Sugere-se que se adote o sentido horário para a definição da \n"
            "   ordem dos pontos de orientação a digitar e posteriormente digitalizar.\n\n"
            " 3- Para editar coordenadas basta clicar num ponto e corrigir o valor \n"
            "   na coluna 'Ponto para orientação' e adicioná-lo novamente. A posição\n"
            "   original do ponto será respeitada. \n\n"
            " 4- Os pontos são auto-numerados e têm início em 101.");
}
