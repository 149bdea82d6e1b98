// A job saved, the program reset, the job reopened: the same job comes back, rounded
// as the reserve file writes it, and digitizing goes on from the next number.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "janela/comum/Imagem.h"
#include "janela/digitalizacao/Dlg_Alt_Prof.h"
#include "nucleo/poligono/Pol_convexo.h"
#include "tests/janela/arquivos/Comandos_arquivos.h"

namespace {

// Half a unit of the last decimal written, and a hair for the binary representation.
constexpr double Meia_milesima = 0.0005 + 1e-9;
constexpr double Meia_centesima = 0.005 + 1e-9;
constexpr double Meio_decimo_de_bilionesimo = 5e-11 + 1e-12;

class Ida_e_volta : public Comandos_arquivos {
 protected:
  void SetUp() override {
    Comandos_arquivos::SetUp();
    Orientar_exemplo();
    Form1.trabalho.Coef_orientacao = Coef_irregular;
  }

  void Digitalizar(int numero, double x, double y, double h, int marca = -1) {
    Form1.trabalho.Lista_pontos.Acrescentar(
        Ponto(numero, Coef_irregular.Este(x, y), Coef_irregular.Norte(x, y), h, x, y, marca));
    Form1.trabalho.Proximo_ponto = numero + 1;
  }

  void Salvar_reiniciar_e_abrir() {
    ui.Responder(Resposta::OK)
        .Escolher_arquivo(Caminho("folha12.ENh"))
        .Responder(Resposta::OK)
        .Responder(Resposta::OK);
    Form1.Salvar1->trigger();
    ASSERT_EQ(Caixas().back().first, " Dados gravados em arquivo ");
    Form1.Reiniciar();
    ui.Escolher_arquivo(Caminho("folha12_RESERVA.ENh"));
    Form1.Abrirdados1->trigger();
    ASSERT_TRUE(ui.Erros().empty()) << ui.Erros()[0];
  }

  QRgb Cor(double x, double y) const {
    return Form1.Image1->Raster.Pixel(static_cast<int>(x), static_cast<int>(y)) & 0xFFFFFF;
  }

  static constexpr Coeficientes Coef_irregular{0.2512345678901, -0.00012345,      75.123456789012,
                                               0.0001,          -0.2498765432109, 325.98765432101};
};

}  // namespace

TEST_F(Ida_e_volta, OTrabalhoVoltaArredondadoComoOArquivoEscreve) {
  Form1.trabalho.OLista_coord->Item(1).x =
      500.9;  // a control point clicked at a fractional position
  Digitalizar(1, 40, 60, 12.345);
  Digitalizar(2, 300.4, 200.6, -3.257, 2);
  Digitalizar(3, 550, 580, 0.004, 1);
  Digitalizar(4, 123.5, 321.25, 1001.5, 3);
  const auto controle = *Form1.trabalho.OLista_coord;
  const auto pontos = Form1.trabalho.Lista_pontos;

  Salvar_reiniciar_e_abrir();

  ASSERT_EQ(Form1.trabalho.OLista_coord->Quantidade(), controle.Quantidade());
  for (int i = 0; i < controle.Quantidade(); ++i) {
    const auto& antes = controle.Item(i);
    const auto& depois = Form1.trabalho.OLista_coord->Item(i);
    EXPECT_EQ(depois.Numero, antes.Numero);
    EXPECT_NEAR(depois.E, antes.E, Meia_milesima);
    EXPECT_NEAR(depois.N, antes.N, Meia_milesima);
    EXPECT_EQ(depois.x, std::trunc(antes.x));
    EXPECT_EQ(depois.y, std::trunc(antes.y));
    EXPECT_EQ(Cor(depois.x, depois.y), Cor_marca::Azul);
  }
  ASSERT_TRUE(Form1.trabalho.Coef_orientacao);
  EXPECT_NEAR(Form1.trabalho.Coef_orientacao->a, Coef_irregular.a, Meio_decimo_de_bilionesimo);
  EXPECT_NEAR(Form1.trabalho.Coef_orientacao->b, Coef_irregular.b, Meio_decimo_de_bilionesimo);
  EXPECT_NEAR(Form1.trabalho.Coef_orientacao->c, Coef_irregular.c, Meio_decimo_de_bilionesimo);
  EXPECT_NEAR(Form1.trabalho.Coef_orientacao->d, Coef_irregular.d, Meio_decimo_de_bilionesimo);
  EXPECT_NEAR(Form1.trabalho.Coef_orientacao->e, Coef_irregular.e, Meio_decimo_de_bilionesimo);
  EXPECT_NEAR(Form1.trabalho.Coef_orientacao->f, Coef_irregular.f, Meio_decimo_de_bilionesimo);

  ASSERT_EQ(Form1.trabalho.Lista_pontos.Quantidade(), pontos.Quantidade());
  for (int i = 0; i < pontos.Quantidade(); ++i) {
    const auto& antes = pontos.Item(i);
    const auto& depois = Form1.trabalho.Lista_pontos.Item(i);
    EXPECT_EQ(depois.Numero, antes.Numero);
    EXPECT_NEAR(depois.E, antes.E, Meia_milesima);
    EXPECT_NEAR(depois.N, antes.N, Meia_milesima);
    EXPECT_NEAR(depois.h, antes.h, Meia_centesima);
    EXPECT_NEAR(depois.x, antes.x, 0.5);
    EXPECT_EQ(depois.x, std::round(depois.x));
    EXPECT_NEAR(depois.y, antes.y, 0.5);
    EXPECT_EQ(depois.y, std::round(depois.y));
    EXPECT_EQ(depois.Marca_pconv, antes.Marca_pconv);
    EXPECT_EQ(Cor(depois.x, depois.y), Cor_marca::Verde);
  }
  std::vector<std::pair<int, int>> vertices;
  for (const auto& v : Form1.trabalho.Lista_pconv) vertices.emplace_back(v.Ordem, v.Indice);
  EXPECT_EQ(vertices, (std::vector<std::pair<int, int>>{{1, 2}, {2, 1}, {3, 3}}));
  EXPECT_TRUE(Tem_pol_convexo(Form1.trabalho.Lista_pontos));
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 5);
  EXPECT_EQ(Form1.trabalho.Nome_arquivo, Caminho("mapa.bmp"));
}

TEST_F(Ida_e_volta, ADigitalizacaoContinuaDoProximoNumero) {
  Digitalizar(1, 40, 60, 12.5);
  Digitalizar(2, 300, 200, 7.25);
  Digitalizar(3, 550, 580, -1);
  Salvar_reiniciar_e_abrir();

  Form1.Altitudes1Click();
  ui.No_modal([](QDialog& janela) {
    auto& dlg = dynamic_cast<TOKRightDlg1&>(janela);
    EXPECT_EQ(dlg.Edit4->text().toStdString(), " 4");
    dlg.Edit3->setText("33.5");
    dlg.OKBtn->click();
  });
  Form1.Image1->Ao_pressionar(Qt::LeftButton, {}, 250, 250);

  ASSERT_EQ(Form1.trabalho.Lista_pontos.Quantidade(), 4);
  const Ponto_digitalizado& novo = Form1.trabalho.Lista_pontos.Item(3);
  EXPECT_EQ(novo.Numero, 4);
  EXPECT_EQ(novo.h, 33.5);
  // The orientation in force is the one read back from the file.
  EXPECT_EQ(novo.E, Form1.trabalho.Coef_orientacao->Este(250, 250));
  EXPECT_EQ(novo.N, Form1.trabalho.Coef_orientacao->Norte(250, 250));
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 5);
  EXPECT_EQ(Cor(250, 250), Cor_marca::Vermelho);
}
