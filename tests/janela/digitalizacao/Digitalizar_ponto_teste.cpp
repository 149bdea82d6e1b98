#include <QRadioButton>
#include <cmath>

#include "tests/janela/digitalizacao/Apoio_digitalizacao.h"

namespace {

std::vector<double> Alturas(const TForm1& form) {
  std::vector<double> alturas;
  for (const auto& ponto : form.trabalho.Lista_pontos) alturas.push_back(ponto.h);
  return alturas;
}

}  // namespace

TEST_F(Digitalizacao, PrimeiroPontoNumeroUmMarcadoEmVermelho) {
  Form1.Altitudes1Click();
  Digitar("12", false, [](TOKRightDlg1& dlg) {
    EXPECT_EQ(dlg.Edit1->text().toStdString(), "     180.000");   // 2 * 40 + 100
    EXPECT_EQ(dlg.Edit2->text().toStdString(), "      400.000");  // -2 * 50 + 500
    EXPECT_EQ(dlg.Edit4->text().toStdString(), " 1");
    EXPECT_TRUE(dlg.Altitude->isChecked());
    EXPECT_FALSE(dlg.Profundidade->isChecked());
  });
  Clicar(40, 50);

  ASSERT_EQ(Form1.trabalho.Lista_pontos.Quantidade(), 1);
  const Ponto_digitalizado& p = Form1.trabalho.Lista_pontos.Item(0);
  EXPECT_EQ(p.Numero, 1);
  EXPECT_EQ(p.Marca_pconv, -1);
  EXPECT_EQ(p.E, 180.0);
  EXPECT_EQ(p.N, 400.0);
  EXPECT_EQ(p.x, 40.0);
  EXPECT_EQ(p.y, 50.0);
  EXPECT_EQ(p.h, 12.0);
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 2);
  EXPECT_TRUE(ui.caixas.empty());

  // A disc of radius 5 around the click.
  EXPECT_EQ(Cor(40, 50), 0xFF0000u);
  EXPECT_EQ(Cor(37, 50), 0xFF0000u);
  EXPECT_EQ(Cor(40, 47), 0xFF0000u);
  EXPECT_EQ(Cor(34, 50), 0xFFFFFFu);
  EXPECT_EQ(Cor(40, 56), 0xFFFFFFu);
  EXPECT_EQ(Cor(35, 45), 0xFFFFFFu);
}

TEST_F(Digitalizacao, CliqueNaOrigemDaCeF) {
  Form1.trabalho.Coef_orientacao = Coeficientes{1.5, -0.25, 312345.678, 0.125, -1.75, 7456789.012};
  Form1.Altitudes1Click();
  Digitalizar(0, 0, "3");
  ASSERT_EQ(Form1.trabalho.Lista_pontos.Quantidade(), 1);
  EXPECT_EQ(Form1.trabalho.Lista_pontos.Item(0).E, 312345.678);
  EXPECT_EQ(Form1.trabalho.Lista_pontos.Item(0).N, 7456789.012);
}

TEST_F(Digitalizacao, ValoresAceitosComOSinalDoModo) {
  Form1.Altitudes1Click();
  for (const char* valor : {"12", "12.5", ".5", "5."}) Digitalizar(30, 30, valor);
  Form1.Profundidades1Click();
  for (const char* valor : {"12", "12.5", ".5", "5.", "0"}) Digitalizar(30, 30, valor);
  Digitar(" 7.25 ", true);  // complains while typing, passes at OK
  Clicar(30, 30);

  EXPECT_EQ(Alturas(Form1),
            (std::vector<double>{12, 12.5, 0.5, 5, -12, -12.5, -0.5, -5, 0, -7.25}));
  EXPECT_FALSE(std::signbit(Form1.trabalho.Lista_pontos.Item(8).h));  // a zero depth is plain 0
  for (int i = 0; i < Form1.trabalho.Lista_pontos.Quantidade(); ++i)
    EXPECT_EQ(Form1.trabalho.Lista_pontos.Item(i).Numero, i + 1);
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 11);
  EXPECT_EQ(ui.Textos(), std::vector<std::string>{Texto_caractere_invalido});
}

TEST_F(Digitalizacao, ValoresRecusadosMostramAsDuasMensagensENadaGuardam) {
  const std::string longo = std::string(200, '7') + " m";  // shown whole
  for (const bool altitudes : {true, false}) {
    const std::string grandeza = altitudes ? "ALTITUDE" : "PROFUNDIDADE";
    altitudes ? Form1.Altitudes1Click() : Form1.Profundidades1Click();
    for (const std::string valor : {"-3", "1,5", "1e3", "12 m", longo.c_str()}) {
      ui.caixas.clear();
      Digitar(valor, true);
      ui.Responder(Resposta::Cancelar);  // the answer changes nothing
      Clicar(40, 50);
      ASSERT_EQ(ui.caixas.size(), 2u) << valor;
      EXPECT_EQ(ui.caixas[0].texto, Texto_caractere_invalido);
      EXPECT_EQ(ui.caixas[1].texto, "Valor digitado   `" + valor + "`  para a " + grandeza +
                                        " é inválido. \n\n Repita a operações de \n\n "
                                        "DIGITALIZAÇÃO e DIGITAÇÃO.\n\n");
      EXPECT_EQ(ui.caixas[1].titulo, " Erro ao digitar o valor da " + grandeza);
      EXPECT_EQ(ui.caixas[1].botoes, Botoes::OK_Cancelar);
    }
  }
  EXPECT_TRUE(Form1.trabalho.Lista_pontos.Vazia());
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 1);
  EXPECT_EQ(Cor(40, 50), 0xFFFFFFu);
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
  EXPECT_TRUE(Form1.trabalho.Modo_digitalizacao == Modo_valor::Altitude);

  // A refused value is named after the button checked at OK as well.
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
  EXPECT_TRUE(Form1.trabalho.Lista_pontos.Vazia());
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 1);
}

TEST_F(Digitalizacao, ValorQueNaoEhNumeroTerminaComOErroDeConversao) {
  Form1.Altitudes1Click();
  for (const std::string valor : {"1.2.3", ".", "  "}) {
    ui.caixas.clear();
    Digitar(valor, valor == "  ");
    Clicar(30, 30);
    EXPECT_EQ(ui.Erros(),
              std::vector<std::string>{"'" + valor + "' is not a valid floating point value"});
  }
  EXPECT_TRUE(Form1.trabalho.Lista_pontos.Vazia());
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 1);
  EXPECT_EQ(Cor(30, 30), 0xFFFFFFu);
}

TEST_F(Digitalizacao, SemModoSemCoeficientesOuCanceladoNadaAcontece) {
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

  Form1.trabalho.Coef_orientacao.reset();  // nothing to take the pixel to the chart with
  Clicar(30, 30);
  EXPECT_EQ(ui.modais, 1);

  EXPECT_TRUE(ui.caixas.empty());
  EXPECT_TRUE(Form1.trabalho.Lista_pontos.Vazia());
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 1);
  EXPECT_EQ(Cor(30, 30), 0xFFFFFFu);
}
