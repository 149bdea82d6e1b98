#include <gtest/gtest.h>

#include "nucleo/arquivos/Interpreta_registro.h"
#include "tests/nucleo/arquivos/Apoio_arquivos.h"

namespace {

void Esperar_ponto(const Ponto_digitalizado& p, int numero, double E, double N, double h, double x,
                   double y, int marca) {
  EXPECT_EQ(p.Numero, numero);
  EXPECT_DOUBLE_EQ(p.E, E);
  EXPECT_DOUBLE_EQ(p.N, N);
  EXPECT_DOUBLE_EQ(p.h, h);
  EXPECT_DOUBLE_EQ(p.x, x);
  EXPECT_DOUBLE_EQ(p.y, y);
  EXPECT_EQ(p.Marca_pconv, marca);
}

std::string Erro_ponto(const std::string& linha) {
  return Mensagem_de_erro([&] { Interpreta_registro(linha, Modo_registro::Ponto); });
}

std::string Erro_controle(const std::string& linha) {
  return Mensagem_de_erro([&] { Interpreta_registro(linha, Modo_registro::Controle); });
}

}  // namespace

TEST(Interpreta_registro, LinhaDePontoComoOGravadorEscreve) {
  Esperar_ponto(Interpreta_registro("      1    100.250     300.125   12.50   101   100 -1",
                                    Modo_registro::Ponto),
                1, 100.25, 300.125, 12.5, 101, 100, -1);
}

TEST(Interpreta_registro, HVemAntesDeXeY) {
  Esperar_ponto(Interpreta_registro("7 1 2 -3.25 40 50 3", Modo_registro::Ponto), 7, 1, 2, -3.25,
                40, 50, 3);
}

TEST(Interpreta_registro, LinhaDeControleTerminaEmXeY) {
  const auto p =
      Interpreta_registro("103     200.000     200.000 312 145", Modo_registro::Controle);
  Esperar_ponto(p, 103, 200, 200, 0, 312, 145, -1);
  EXPECT_DOUBLE_EQ(Interpreta_registro("104 1 2 145.9 -3", Modo_registro::Controle).x, 145.9);
}

TEST(Interpreta_registro, CamposLargosSeparadosSoPorUmBranco) {
  Esperar_ponto(
      Interpreta_registro(" 123456789 12345678.500 123456789.500 -123456.50 123456     7 12",
                          Modo_registro::Ponto),
      123456789, 12345678.5, 123456789.5, -123456.5, 123456, 7, 12);
}

TEST(Interpreta_registro, DoisBrancosValemUm) {
  const auto um = Interpreta_registro("1 2 3 4 5 6 7", Modo_registro::Ponto);
  const auto dois = Interpreta_registro("1  2  3  4  5  6  7", Modo_registro::Ponto);
  Esperar_ponto(dois, um.Numero, um.E, um.N, um.h, um.x, um.y, um.Marca_pconv);
}

TEST(Interpreta_registro, CamposAlemDoUltimoSaoIgnorados) {
  Esperar_ponto(Interpreta_registro("1 2 3 4 5 6 7 8", Modo_registro::Ponto), 1, 2, 3, 4, 5, 6, 7);
  Esperar_ponto(Interpreta_registro("1 2 3 4 5 6 7 texto qualquer", Modo_registro::Ponto), 1, 2, 3,
                4, 5, 6, 7);
  Esperar_ponto(Interpreta_registro("101 2 3 4 5 -1", Modo_registro::Controle), 101, 2, 3, 0, 4, 5,
                -1);
}

TEST(Interpreta_registro, BrancosEControlesNasPontasSaoIgnorados) {
  Esperar_ponto(Interpreta_registro("\t  1 2 3 4 5 6 7 \r", Modo_registro::Ponto), 1, 2, 3, 4, 5, 6,
                7);
}

TEST(Interpreta_registro, TabulacaoNoMeioFazParteDoCampo) {
  // The error shows the tab by its code.
  EXPECT_EQ(Erro_ponto("1\t2 3 4 5 6 7 8"), "'1\\x092' is not a valid integer value");
}

TEST(Interpreta_registro, CampoQueFaltaEOErroDoTextoVazio) {
  EXPECT_EQ(Erro_ponto("1 2 3 4 5 6"), "'' is not a valid integer value");
  EXPECT_EQ(Erro_ponto("1 2 3"), "'' is not a valid floating point value");
  EXPECT_EQ(Erro_ponto(""), "'' is not a valid integer value");
  EXPECT_EQ(Erro_ponto("   \r"), "'' is not a valid integer value");
  EXPECT_EQ(Erro_controle("101 100.0 200.0 312"), "'' is not a valid floating point value");
}

TEST(Interpreta_registro, CampoQueNaoENumeroDaOErroDoCampo) {
  EXPECT_EQ(Erro_ponto("1 2x 3 4 5 6 7"), "'2x' is not a valid floating point value");
  EXPECT_EQ(Erro_ponto("1.0 2 3 4 5 6 7"), "'1.0' is not a valid integer value");
  EXPECT_EQ(Erro_ponto("1 2 3 4 5 6 -1.5"), "'-1.5' is not a valid integer value");
  EXPECT_EQ(Erro_controle("101 1,5 2 3 4"), "'1,5' is not a valid floating point value");
}

// The writer cannot put such a pixel position back into a reserve file: the reader
// refuses it too, instead of letting the next save fail.
TEST(Interpreta_registro, PixelQueOArquivoNaoGuardaERecusado) {
  EXPECT_EQ(Erro_ponto("1 2 3 4 1e12 6 7"), "'1e12' is not a valid floating point value");
  EXPECT_EQ(Erro_ponto("1 2 3 4 5 -2147483647 7"),
            "'-2147483647' is not a valid floating point value");
  EXPECT_EQ(Erro_controle("101 1 2 3 2147483648"),
            "'2147483648' is not a valid floating point value");
  Esperar_ponto(Interpreta_registro("1 2 3 4 2147483646 -2147483646 7", Modo_registro::Ponto), 1, 2,
                3, 4, 2147483646, -2147483646, 7);
}
