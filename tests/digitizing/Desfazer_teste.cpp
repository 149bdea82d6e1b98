#include <QLineEdit>

#include "digitizing/DlgRemocao.h"
#include "tests/digitizing/Apoio_digitalizacao.h"

namespace {

class Desfazer : public Digitalizacao {
 protected:
  // The next showing of the removal dialog: `ver` reads it, then the button is pressed.
  void Remocao(bool remover, std::function<void(TOKRightDlg&)> ver = {}) {
    ui.No_modal([remover, ver](QDialog& janela) {
      auto& dlg = dynamic_cast<TOKRightDlg&>(janela);
      if (ver) ver(dlg);
      (remover ? dlg.OKBtn : dlg.CancelBtn)->click();
    });
  }

  std::vector<int> Numeros() const {
    std::vector<int> numeros;
    for (const auto& ponto : Form1.Lista_pontos) numeros.push_back(ponto.Numero);
    return numeros;
  }
};

std::string Texto(const QLineEdit* campo) { return campo->text().toStdString(); }

}  // namespace

TEST_F(Desfazer, TresRemocoesEmOrdemInversa) {
  Form1.Altitudes1Click();
  Digitalizar(10, 10, "1");
  Digitalizar(20, 20, "2");
  Digitalizar(30, 30, "3");

  for (const int esperado : {3, 2, 1}) {
    Remocao(true, [&](TOKRightDlg& dlg) {
      EXPECT_EQ(Texto(dlg.Edit1), " " + std::to_string(esperado));
      EXPECT_EQ(Texto(dlg.Edit4), "    " + std::to_string(esperado) + ".0");
      EXPECT_EQ(Form1.Painel(6), " Função corrente: Desfazer/eliminar último ponto da lista");
    });
    Form1.Desfazer1Click();
    EXPECT_EQ(Form1.Lista_pontos.Quantidade(), esperado - 1);
    EXPECT_EQ(Form1.Proximo_ponto, esperado);
    EXPECT_EQ(Form1.Painel(6), " Função corrente: Nenhuma");
  }
  EXPECT_TRUE(ui.caixas.empty());
}

TEST_F(Desfazer, ONumeroVoltaParaOProximoPonto) {
  Form1.Altitudes1Click();
  Digitalizar(10, 10, "1");
  Digitalizar(20, 20, "2");
  Digitalizar(30, 30, "3");
  Remocao(true);
  Form1.Desfazer1Click();
  EXPECT_EQ(Numeros(), (std::vector<int>{1, 2}));
  EXPECT_EQ(Form1.Proximo_ponto, 3);

  Digitar("4", false, [](TOKRightDlg1& dlg) { EXPECT_EQ(dlg.Edit4->text().toStdString(), " 3"); });
  Clicar(40, 40);
  EXPECT_EQ(Numeros(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(Form1.Lista_pontos.Item(2).h, 4.0);
}

TEST_F(Desfazer, DialogoMostraOUltimoPontoComProfundidadeNegativa) {
  Form1.Profundidades1Click();
  Digitalizar(15, 25, "12.34");
  Remocao(false, [](TOKRightDlg& dlg) {
    EXPECT_EQ(Texto(dlg.Edit1), " 1");
    EXPECT_EQ(Texto(dlg.Edit2), "     130.000");   // 2 * 15 + 100
    EXPECT_EQ(Texto(dlg.Edit3), "      450.000");  // -2 * 25 + 500
    EXPECT_EQ(Texto(dlg.Edit4), "  -12.3");
  });
  Form1.Desfazer1Click();
  // Cancelled: nothing removed, only the panel changes.
  EXPECT_EQ(Form1.Lista_pontos.Quantidade(), 1);
  EXPECT_EQ(Form1.Proximo_ponto, 2);
  EXPECT_EQ(Form1.Painel(6), " Função corrente: Nenhuma");
  EXPECT_EQ(Cor(15, 25), 0xFF0000u);
}

TEST_F(Desfazer, ListaVaziaDaOErroDeIndiceAntesDoDialogo) {
  Form1.Executar([this] { Form1.Desfazer1Click(); });
  EXPECT_EQ(ui.Erros(), std::vector<std::string>{"List index out of bounds (-1)"});
  EXPECT_EQ(ui.modais, 0);
  EXPECT_EQ(Form1.Proximo_ponto, 1);
  EXPECT_EQ(Form1.Painel(6), " Função corrente: Desfazer/eliminar último ponto da lista");
}

TEST_F(Desfazer, TudoRemovidoOProximoDesfazerDaOErro) {
  Form1.Altitudes1Click();
  Digitalizar(10, 10, "1");
  Remocao(true);
  Form1.Executar([this] { Form1.Desfazer1Click(); });
  Form1.Executar([this] { Form1.Desfazer1Click(); });
  EXPECT_EQ(ui.Erros(), std::vector<std::string>{"List index out of bounds (-1)"});
  EXPECT_EQ(ui.modais, 2);  // the value dialog and one removal
  EXPECT_EQ(Form1.Proximo_ponto, 1);
}

TEST_F(Desfazer, PontoAmareloDentroDoDiscoVermelho) {
  Form1.Altitudes1Click();
  Digitalizar(60, 70, "1");
  Remocao(true);
  Form1.Desfazer1Click();

  int amarelos = 0;
  for (int x = 60; x < 63; ++x)
    for (int y = 70; y < 73; ++y) amarelos += Cor(x, y) == 0xFFFF00u;
  EXPECT_GT(amarelos, 0);
  // The dot starts at the point itself: the rest of the disc is still red.
  EXPECT_EQ(Cor(58, 70), 0xFF0000u);
  EXPECT_EQ(Cor(60, 68), 0xFF0000u);
  for (int x = 54; x < 66; ++x)
    for (int y = 64; y < 76; ++y) {
      if (x >= 60 && y >= 70 && x <= 62 && y <= 72) continue;
      EXPECT_NE(Cor(x, y), 0xFFFF00u) << x << "," << y;
    }
}
