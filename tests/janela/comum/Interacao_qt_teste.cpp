// The program's own boxes and file dialogs as the person sees them: captions never cut,
// texts taller than the screen in a scrollable box, file type lists as written.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "janela/comum/Caixa_mensagem_qt.h"
#include "janela/comum/Interacao_qt.h"

namespace {

std::string Linhas(int n) {
  std::string texto = " Ind dos pontos PCONVX \n";
  for (int i = 1; i <= n; ++i)
    texto += " Pto[" + std::to_string(i) + "]= " + std::to_string(i) + "\n";
  return texto;
}

QStringList Botoes_de(QWidget& janela) {
  QStringList textos;
  for (QPushButton* botao : janela.findChildren<QPushButton*>()) textos << botao->text();
  textos.sort();
  return textos;
}

}  // namespace

TEST(Caixa_mensagem_qt, PeloMenosTaoLargaQuantoOTituloPede) {
  for (const char* titulo : {" Pontos da regiao 1", "Aceitação de ponto digitalizado",
                             "ATENÇÃO: Polígono convexo já existe!!!!"}) {
    Caixa_mensagem_qt caixa(" Pto(1) = 0 \n", titulo, Botoes::OK_Cancelar, nullptr);
    ASSERT_FALSE(caixa.Rolavel());
    caixa.Janela().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&caixa.Janela()));
    EXPECT_EQ(caixa.Janela().windowTitle().toStdString(), titulo);
    EXPECT_GE(caixa.Janela().width(), Largura_para_titulo(titulo, caixa.Janela().font())) << titulo;
    caixa.Janela().close();
  }
}

TEST(Caixa_mensagem_qt, TextoMaisAltoQueATelaVaiParaUmaCaixaRolavel) {
  const int altura_tela = QApplication::primaryScreen()->availableGeometry().height();
  struct Caso {
    int linhas;
    bool rolavel;
  };
  for (const Caso caso : {Caso{20, false}, Caso{500, true}, Caso{100000, true}}) {
    const std::string texto = Linhas(caso.linhas);
    Caixa_mensagem_qt caixa(texto, " Pontos da regiao 1", Botoes::OK_Cancelar, nullptr);
    EXPECT_EQ(caixa.Rolavel(), caso.rolavel) << caso.linhas;
    QDialog& janela = caixa.Janela();
    janela.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
    EXPECT_EQ(janela.windowTitle().toStdString(), " Pontos da regiao 1");
    EXPECT_EQ(Botoes_de(janela), QStringList({"Cancelar", "OK"}));
    EXPECT_LE(janela.frameGeometry().height(), altura_tela) << caso.linhas;
    if (caso.rolavel) {
      auto* quadro = janela.findChild<QPlainTextEdit*>();
      ASSERT_NE(quadro, nullptr);
      EXPECT_EQ(quadro->toPlainText().toStdString(), texto);  // the text unchanged
      EXPECT_TRUE(quadro->isReadOnly());
    }
    janela.close();
  }
}

TEST(Caixa_mensagem_qt, OkEEscNaCaixaRolavel) {
  for (bool com_ok : {true, false}) {
    Caixa_mensagem_qt caixa(Linhas(2000), "t", Botoes::OK_Cancelar, nullptr);
    ASSERT_TRUE(caixa.Rolavel());
    caixa.Janela().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&caixa.Janela()));
    QTest::keyClick(&caixa.Janela(), com_ok ? Qt::Key_Return : Qt::Key_Escape);
    EXPECT_FALSE(caixa.Janela().isVisible());
    EXPECT_EQ(caixa.Ok_pressionado(), com_ok);
  }
}

TEST(Definir_filtro, ListaOsTiposComoEscritosEFiltraPelosPadroes) {
  struct Caso {
    const char* filtro;
    std::vector<QString> descricoes;
    const char* aceito;
    const char* recusado;
  };
  const Caso casos[] = {
      {" Arquivos Coordenaas (*_RESERVA.ENh)|*_RESERVA.ENh",
       {" Arquivos Coordenaas (*_RESERVA.ENh)"},
       "folha_RESERVA.ENh",
       "folha.ENh"},
      {"Dados ENh|ENh", {"Dados ENh"}, "folha.ENh", "folha.txt"},
      {"Todas as imagens (*.jpg;*.bmp)|*.jpg;*.bmp|Bitmaps (*.bmp)|*.bmp",
       {"Todas as imagens (*.jpg;*.bmp)", "Bitmaps (*.bmp)"},
       "carta.bmp",
       "carta.png"},
  };
  for (const Caso& caso : casos) {
    QFileDialog dialogo;
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    Definir_filtro(dialogo, caso.filtro);
    auto* tipos = dialogo.findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(tipos, nullptr);
    std::vector<QString> mostradas;
    for (int i = 0; i < tipos->count(); ++i) mostradas.push_back(tipos->itemText(i));
    EXPECT_EQ(mostradas, caso.descricoes) << caso.filtro;
    // The patterns Qt matches with: the parenthesised end of its first filter.
    const QString primeiro = dialogo.nameFilters().first();
    const QStringList padroes =
        primeiro.mid(primeiro.lastIndexOf('(') + 1).chopped(1).split(' ', Qt::SkipEmptyParts);
    EXPECT_TRUE(QDir::match(padroes, caso.aceito)) << caso.filtro;
    EXPECT_FALSE(QDir::match(padroes, caso.recusado)) << caso.filtro;
  }
}
