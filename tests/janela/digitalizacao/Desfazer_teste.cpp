#include <QLineEdit>

#include "janela/digitalizacao/DlgRemocao.h"
#include "nucleo/base/Formatacao.h"
#include "tests/janela/digitalizacao/Apoio_digitalizacao.h"

namespace {

class Desfazer : public Digitalizacao {
 protected:
  // The next showing of the removal dialog: `ver` reads it, then a button is pressed.
  void Remocao(bool remover, std::function<void(TOKRightDlg&)> ver = {}) {
    ui.No_modal([remover, ver](QDialog& janela) {
      auto& dlg = dynamic_cast<TOKRightDlg&>(janela);
      if (ver) ver(dlg);
      (remover ? dlg.OKBtn : dlg.CancelBtn)->click();
    });
  }

  std::vector<double> Alturas() const {
    std::vector<double> alturas;
    for (const auto& ponto : Form1.trabalho.Lista_pontos) alturas.push_back(ponto.h);
    return alturas;
  }
};

std::string Texto(const QLineEdit* campo) {
  return campo->text().toStdString();
}

}  // namespace

TEST_F(Desfazer, RemoveEmOrdemInversaEDevolveONumero) {
  Form1.Altitudes1Click();
  for (const char* valor : {"1", "2", "3"}) Digitalizar(10, 10, valor);
  Remocao(true);
  Form1.Desfazer1Click();
  EXPECT_EQ(Alturas(), (std::vector<double>{1, 2}));
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 3);
  Digitar("4", false, [](TOKRightDlg1& dlg) { EXPECT_EQ(dlg.Edit4->text().toStdString(), " 3"); });
  Clicar(40, 40);
  EXPECT_EQ(Form1.trabalho.Lista_pontos.Item(2).Numero, 3);

  for (const int numero : {3, 2, 1}) {
    Remocao(true, [&](TOKRightDlg& dlg) {
      EXPECT_EQ(Texto(dlg.Edit1), fmt::sprintf(" %d", numero));
      EXPECT_EQ(Form1.Painel(6), " Função corrente: Desfazer/eliminar último ponto da lista");
    });
    Form1.Desfazer1Click();
    EXPECT_EQ(Form1.trabalho.Lista_pontos.Quantidade(), numero - 1);
    EXPECT_EQ(Form1.trabalho.Proximo_ponto, numero);
    EXPECT_EQ(Form1.Painel(6), " Função corrente: Nenhuma");
    if (numero == 3) {
      EXPECT_EQ(Alturas(), (std::vector<double>{1, 2}));  // the point of value 4 went first
    }
  }
  EXPECT_TRUE(ui.caixas.empty());
}

TEST_F(Desfazer, DialogoMostraOUltimoPontoECancelarNadaRemove) {
  Form1.Profundidades1Click();
  Digitalizar(15, 25, "12.34");
  Remocao(false, [](TOKRightDlg& dlg) {
    EXPECT_EQ(Texto(dlg.Edit1), " 1");
    EXPECT_EQ(Texto(dlg.Edit2), "     130.000");   // 2 * 15 + 100
    EXPECT_EQ(Texto(dlg.Edit3), "      450.000");  // -2 * 25 + 500
    EXPECT_EQ(Texto(dlg.Edit4), "  -12.3");
  });
  Form1.Desfazer1Click();
  EXPECT_EQ(Form1.trabalho.Lista_pontos.Quantidade(), 1);
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 2);
  EXPECT_EQ(Form1.Painel(6), " Função corrente: Nenhuma");
  EXPECT_EQ(Cor(15, 25), 0xFF0000u);
}

TEST_F(Desfazer, ListaVaziaDaOErroDeIndiceAntesDoDialogo) {
  Form1.Altitudes1Click();
  Digitalizar(10, 10, "1");
  Remocao(true);
  Form1.Desfazer1Click();
  Form1.Executar([this] { Form1.Desfazer1Click(); });  // every point removed: nothing left
  EXPECT_EQ(ui.Erros(), std::vector<std::string>{"List index out of bounds (-1)"});
  EXPECT_EQ(ui.modais, 2);  // the value dialog and one removal, none for the error
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 1);
  EXPECT_EQ(Form1.Painel(6), " Função corrente: Desfazer/eliminar último ponto da lista");
}

TEST_F(Desfazer, PontoAmareloDentroDoDiscoVermelho) {
  Form1.Altitudes1Click();
  Digitalizar(60, 70, "1");
  Remocao(true);
  Form1.Desfazer1Click();

  // The dot's corner is the point itself: yellow appears only right of and below it,
  // and the rest of the disc stays red.
  int amarelos = 0;
  for (int x = 54; x < 66; ++x) {
    for (int y = 64; y < 76; ++y) {
      const bool no_ponto = x >= 60 && y >= 70 && x <= 62 && y <= 72;
      if (Cor(x, y) == 0xFFFF00u) ++amarelos;
      if (!no_ponto) {
        EXPECT_NE(Cor(x, y), 0xFFFF00u) << x << "," << y;
      }
    }
  }
  EXPECT_GT(amarelos, 0);
  EXPECT_EQ(Cor(58, 70), 0xFF0000u);
  EXPECT_EQ(Cor(60, 68), 0xFF0000u);
}
