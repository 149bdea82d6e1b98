#include <QRadioButton>
#include <cmath>

#include "tests/digitizing/Apoio_digitalizacao.h"

namespace {

std::string Recusa(const std::string& valor, const char* grandeza) {
  return "Valor digitado   `" + valor + "`  para a " + grandeza +
         " é inválido. \n\n Repita a operações de \n\n DIGITALIZAÇÃO e DIGITAÇÃO.\n\n";
}

std::vector<double> Alturas(const TForm1& form) {
  std::vector<double> alturas;
  for (const auto& ponto : form.Lista_pontos) alturas.push_back(ponto.h);
  return alturas;
}

}  // namespace

TEST_F(Digitalizacao, PrimeiroPontoNumeroUmComCamposFormatados) {
  Form1.Altitudes1Click();
  Digitar("12", false, [](TOKRightDlg1& dlg) {
    EXPECT_EQ(dlg.Edit1->text().toStdString(), "     120.000");  // 2 * 10 + 100
    EXPECT_EQ(dlg.Edit2->text().toStdString(), "      460.000");  // -2 * 20 + 500
    EXPECT_EQ(dlg.Edit3->text().toStdString(), "");
    EXPECT_EQ(dlg.Edit4->text().toStdString(), " 1");
    EXPECT_TRUE(dlg.Altitude->isChecked());
    EXPECT_FALSE(dlg.Profundidade->isChecked());
  });
  Clicar(10, 20);

  ASSERT_EQ(Form1.Lista_pontos.Quantidade(), 1);
  const Ponto_digitalizado& p = Form1.Lista_pontos.Item(0);
  EXPECT_EQ(p.Numero, 1);
  EXPECT_EQ(p.Marca_pconv, -1);
  EXPECT_EQ(p.E, 120.0);
  EXPECT_EQ(p.N, 460.0);
  EXPECT_EQ(p.x, 10.0);
  EXPECT_EQ(p.y, 20.0);
  EXPECT_EQ(p.h, 12.0);
  EXPECT_EQ(Form1.Proximo_ponto, 2);
  EXPECT_TRUE(ui.caixas.empty());
}

TEST_F(Digitalizacao, CliqueNaOrigemDaCeF) {
  Form1.Coef_orientacao = Coeficientes{1.5, -0.25, 312345.678, 0.125, -1.75, 7456789.012};
  Form1.Altitudes1Click();
  Digitalizar(0, 0, "3");
  ASSERT_EQ(Form1.Lista_pontos.Quantidade(), 1);
  EXPECT_EQ(Form1.Lista_pontos.Item(0).E, 312345.678);
  EXPECT_EQ(Form1.Lista_pontos.Item(0).N, 7456789.012);
}

TEST_F(Digitalizacao, ValoresAceitosComOSinalDoModo) {
  Form1.Altitudes1Click();
  for (const char* valor : {"12", "12.5", ".5", "5."}) Digitalizar(30, 30, valor);
  Form1.Profundidades1Click();
  for (const char* valor : {"12", "12.5", ".5", "5."}) Digitalizar(30, 30, valor);
  EXPECT_EQ(Alturas(Form1), (std::vector<double>{12, 12.5, 0.5, 5, -12, -12.5, -0.5, -5}));
  for (int i = 0; i < Form1.Lista_pontos.Quantidade(); ++i)
    EXPECT_EQ(Form1.Lista_pontos.Item(i).Numero, i + 1);
  EXPECT_EQ(Form1.Proximo_ponto, 9);
  EXPECT_TRUE(ui.caixas.empty());
}

TEST_F(Digitalizacao, BrancosEmVoltaQueixamMasOValorEAceito) {
  Form1.Profundidades1Click();
  Digitar(" 7.25 ", true);
  Clicar(30, 30);
  EXPECT_EQ(ui.Textos(), std::vector<std::string>{Texto_caractere_invalido});
  EXPECT_EQ(Alturas(Form1), std::vector<double>{-7.25});
}

TEST_F(Digitalizacao, ValoresRecusadosMostramAsDuasMensagensENadaGuardam) {
  const struct {
    void (TForm1::*modo)();
    const char* grandeza;
  } modos[] = {{&TForm1::Altitudes1Click, "ALTITUDE"},
               {&TForm1::Profundidades1Click, "PROFUNDIDADE"}};
  for (const auto& modo : modos) {
    (Form1.*modo.modo)();
    for (const std::string valor : {"-3", "1,5", "1e3", "12 m"}) {
      ui.caixas.clear();
      Digitar(valor, true);
      ui.Responder(Resposta::OK);
      Clicar(40, 50);
      ASSERT_EQ(ui.caixas.size(), 2u) << valor;
      EXPECT_EQ(ui.caixas[0].texto, Texto_caractere_invalido);
      EXPECT_EQ(ui.caixas[1].texto, Recusa(valor, modo.grandeza));
      EXPECT_EQ(ui.caixas[1].titulo, std::string(" Erro ao digitar o valor da ") + modo.grandeza);
      EXPECT_EQ(ui.caixas[1].botoes, Botoes::OK_Cancelar);
    }
  }
  EXPECT_TRUE(Form1.Lista_pontos.Vazia());
  EXPECT_EQ(Form1.Proximo_ponto, 1);
  EXPECT_EQ(Cor(40, 50), 0xFFFFFFu);  // no marker
}

TEST_F(Digitalizacao, RecusaMostraOValorLongoInteiro) {
  Form1.Altitudes1Click();
  const std::string valor = std::string(200, '7') + " m";
  Digitar(valor, true);
  ui.Responder(Resposta::Cancelar);  // the answer changes nothing
  Clicar(40, 50);
  ASSERT_EQ(ui.caixas.size(), 2u);
  EXPECT_EQ(ui.caixas[1].texto, Recusa(valor, "ALTITUDE"));
  EXPECT_TRUE(Form1.Lista_pontos.Vazia());
}

TEST_F(Digitalizacao, RadioTrocadoNoDialogoDecideOSinalSoDaquelePonto) {
  Form1.Altitudes1Click();
  Digitar("8", false, [](TOKRightDlg1& dlg) { dlg.Profundidade->click(); });
  Clicar(30, 30);
  Digitar("9", false, [](TOKRightDlg1& dlg) {
    EXPECT_TRUE(dlg.Altitude->isChecked());  // each showing starts at the mode
    EXPECT_FALSE(dlg.Profundidade->isChecked());
  });
  Clicar(31, 31);
  EXPECT_EQ(Alturas(Form1), (std::vector<double>{-8, 9}));
  EXPECT_TRUE(Form1.Modo_altitude);
  EXPECT_FALSE(Form1.Modo_profundidade);

  // A refused value is named after the button checked at OK, too.
  Digitar("-1", true, [](TOKRightDlg1& dlg) { dlg.Profundidade->click(); });
  ui.Responder(Resposta::OK);
  Clicar(32, 32);
  EXPECT_EQ(ui.caixas.back().titulo, " Erro ao digitar o valor da PROFUNDIDADE");
}

TEST_F(Digitalizacao, OkSemValorNaoCriaPonto) {
  Form1.Altitudes1Click();
  Digitar("", false);
  ui.Responder(Resposta::OK).Responder(Resposta::OK);  // the empty value, then "VAZIO"
  Clicar(30, 30);
  EXPECT_EQ(ui.Textos(),
            (std::vector<std::string>{
                " Não há valor vertical, nada se altera \n PARA SAIR SEM VALOR TECLE CANCEL ",
                Texto_caractere_invalido}));
  EXPECT_TRUE(Form1.Lista_pontos.Vazia());
  EXPECT_EQ(Form1.Proximo_ponto, 1);
}

TEST_F(Digitalizacao, ValorQueNaoEhNumeroTerminaComOErroDeConversao) {
  Form1.Altitudes1Click();
  for (const std::string valor : {"1.2.3", ".", "  "}) {
    ui.caixas.clear();
    Digitar(valor, valor == "  ");
    Clicar(30, 30);
    EXPECT_EQ(ui.Erros(), std::vector<std::string>{"'" + valor + "' is not a valid floating point value"});
  }
  EXPECT_TRUE(Form1.Lista_pontos.Vazia());
  EXPECT_EQ(Form1.Proximo_ponto, 1);
  EXPECT_EQ(Cor(30, 30), 0xFFFFFFu);
}

TEST_F(Digitalizacao, CancelarOuSemModoNadaAcontece) {
  Clicar(30, 30);  // no mode chosen yet: no dialog
  EXPECT_EQ(ui.modais, 0);

  Form1.Profundidades1Click();
  ui.No_modal([](QDialog& janela) {
    auto& dlg = dynamic_cast<TOKRightDlg1&>(janela);
    dlg.Edit3->setText("4");
    dlg.CancelBtn->click();
  });
  Clicar(30, 30);
  EXPECT_EQ(ui.modais, 1);
  EXPECT_TRUE(Form1.Lista_pontos.Vazia());
  EXPECT_EQ(Form1.Proximo_ponto, 1);
  EXPECT_EQ(Cor(30, 30), 0xFFFFFFu);
}

TEST_F(Digitalizacao, SemCoeficientesNaoHaPonto) {
  Form1.Altitudes1Click();
  Form1.Coef_orientacao.reset();
  Clicar(30, 30);
  EXPECT_EQ(ui.modais, 0);
  EXPECT_TRUE(ui.caixas.empty());
}

TEST_F(Digitalizacao, ProfundidadeZeroFicaZero) {
  Form1.Profundidades1Click();
  Digitalizar(30, 30, "0");
  ASSERT_EQ(Form1.Lista_pontos.Quantidade(), 1);
  EXPECT_EQ(Form1.Lista_pontos.Item(0).h, 0.0);
  EXPECT_FALSE(std::signbit(Form1.Lista_pontos.Item(0).h));
}

TEST_F(Digitalizacao, MarcaVermelhaDeRaioCincoNoClique) {
  Form1.Altitudes1Click();
  Digitalizar(60, 70, "1");
  EXPECT_EQ(Cor(60, 70), 0xFF0000u);
  EXPECT_EQ(Cor(57, 70), 0xFF0000u);
  EXPECT_EQ(Cor(60, 67), 0xFF0000u);
  EXPECT_EQ(Cor(54, 70), 0xFFFFFFu);  // outside the 10 by 10 box
  EXPECT_EQ(Cor(60, 76), 0xFFFFFFu);
  EXPECT_EQ(Cor(55, 65), 0xFFFFFFu);  // the box's corner is outside the disc
}
