#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "nucleo/base/Conversao.h"
#include "nucleo/base/Erro.h"
#include "nucleo/base/Formatacao.h"
#include "tests/apoio/Mensagem_de_erro.h"

TEST(Conversao, RealAceitaSinalDigitosPontoEExpoente) {
  const struct {
    const char* texto;
    double valor;
  } casos[] = {
      {"12", 12},
      {"12.5", 12.5},
      {".5", 0.5},
      {"5.", 5},
      {"-3", -3},
      {"+7.25", 7.25},
      {"1e3", 1000},
      {"2.5E-2", 0.025},
      {"  42", 42},
      {"42  ", 42},
      {" 7.25 ", 7.25},
      {"-0", 0},
      {"1234567.125", 1234567.125},
      {"1e-400", 0},
  };
  for (const auto& caso : casos)
    EXPECT_DOUBLE_EQ(Texto_para_real(caso.texto), caso.valor) << caso.texto;
}

TEST(Conversao, RealRecusaOQueNaoENumero) {
  for (const char* texto : {"", " ", "   ", ".", "1.2.3", "1,5", "12 m", "inf", "nan", "0x1A", "e5",
                            "1e", "1e+", "--1", "+", "- 1", "1 2", "1e999"}) {
    EXPECT_EQ(Mensagem_de_erro([&] { Texto_para_real(texto); }),
              fmt::sprintf("'%s' is not a valid floating point value", texto))
        << texto;
  }
}

TEST(Conversao, InteiroAceitaSinalEDigitosNaFaixaDe32Bits) {
  EXPECT_EQ(Texto_para_inteiro("42"), 42);
  EXPECT_EQ(Texto_para_inteiro("  42"), 42);
  EXPECT_EQ(Texto_para_inteiro("-17"), -17);
  EXPECT_EQ(Texto_para_inteiro("+8"), 8);
  EXPECT_EQ(Texto_para_inteiro("    1"), 1);
  EXPECT_EQ(Texto_para_inteiro("2147483647"), 2147483647);
  EXPECT_EQ(Texto_para_inteiro("-2147483648"), -2147483647 - 1);
}

TEST(Conversao, InteiroRecusaBrancosAposPontoHexEForaDaFaixa) {
  for (const char* texto : {"42 ", "", " ", "4.0", "1e3", "0x10", "$10", "2147483648",
                            "-2147483649", "99999999999999999999", "1,0", "abc", "+", "- 4"}) {
    EXPECT_EQ(Mensagem_de_erro([&] { Texto_para_inteiro(texto); }),
              fmt::sprintf("'%s' is not a valid integer value", texto))
        << texto;
  }
}

TEST(Conversao, NumeroParaTextoNoFormatoGeral) {
  EXPECT_EQ(Real_para_texto(12.5), "12.5");
  EXPECT_EQ(Real_para_texto(3.0), "3");
  EXPECT_EQ(Real_para_texto(-0.25), "-0.25");
  EXPECT_EQ(Real_para_texto(7654321.125), "7654321.125");
  EXPECT_EQ(Real_para_texto(1e20), "1E20");
  EXPECT_EQ(Real_para_texto(0.1 + 0.2), "0.3");
  // The largest doubles read back (15 digits would round them past the largest one).
  for (const double extremo :
       {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()})
    EXPECT_EQ(Texto_para_real(Real_para_texto(extremo)), extremo);
  EXPECT_EQ(Real_para_texto(std::numeric_limits<double>::max()), "1.7976931348623157E308");
  EXPECT_EQ(Real_para_texto(1.5e308), "1.5E308");
  EXPECT_DOUBLE_EQ(Texto_para_real(Real_para_texto(123456.789)), 123456.789);
}

TEST(Conversao, AparaCaracteresDeControleEBrancos) {
  EXPECT_EQ(Aparar(" \t 7.25 \r\n"), "7.25");
  EXPECT_EQ(Aparar("   "), "");
  EXPECT_EQ(Aparar("a b"), "a b");
}

// With a comma as the user's decimal separator the program still reads and writes a
// full stop, once LC_NUMERIC is "C" as the program sets it after the QApplication.
TEST(Conversao, PontoDecimalSobLocalidadeComVirgula) {
  const std::string anterior = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "pt_BR.UTF-8")) GTEST_SKIP() << "locale pt_BR.UTF-8 not generated";
  EXPECT_DOUBLE_EQ(Texto_para_real("2.5"), 2.5);  // even with LC_NUMERIC in pt_BR
  EXPECT_EQ(fmt::sprintf("%10.3f", 1234.5), "  1234.500");
  EXPECT_EQ(Real_para_texto(2.5), "2.5");
  std::setlocale(LC_ALL, anterior.c_str());
}

TEST(Erros, MensagensExatas) {
  EXPECT_STREQ(Erro::Indice_lista(-1).what(), "List index out of bounds (-1)");
  EXPECT_STREQ(Erro::Extensao_figura("tif").what(), "Unknown picture file extension (.tif)");
  EXPECT_STREQ(Erro::Divisao_por_zero().what(), "Floating point division by zero");
  EXPECT_STREQ(Erro::Overflow().what(), "Floating point overflow");
  EXPECT_STREQ(Erro::Operacao_invalida().what(), "Invalid floating point operation");
}

// A NUL would cut the box's text, returns and escapes garble it: every control
// character but the line break is shown as its code.
TEST(Erros, CaracteresDeControleEscapadosNaMensagem) {
  const struct {
    std::string texto, mensagem;
  } casos[] = {
      {std::string("10\0", 3), "'10\\x00' is not a valid integer value"},
      {"\t1", "'\\x091' is not a valid integer value"},
      {"7\r\x1b[2J\x7f", "'7\\x0D\\x1B[2J\\x7F' is not a valid integer value"},
      {"ação", "'ação' is not a valid integer value"},
  };
  for (const auto& caso : casos)
    EXPECT_EQ(Mensagem_de_erro([&] { Texto_para_inteiro(caso.texto); }), caso.mensagem);
  EXPECT_STREQ(Erro("linha 1\nlinha 2").what(), "linha 1\nlinha 2");
}

TEST(Erros, TextoLongoCortadoNaMensagem) {
  const std::string longo = std::string(199, 'x') + "é" + std::string(5000, 'y');
  const std::string mensagem = Erro::Real_invalido(longo).what();
  EXPECT_EQ(mensagem, "'" + std::string(199, 'x') + "...' is not a valid floating point value");
  const std::string curto(200, 'z');
  EXPECT_EQ(std::string(Erro::Inteiro_invalido(curto).what()),
            "'" + curto + "' is not a valid integer value");
}

TEST(Conversao, PixelTruncadoDentroDoQueAVistaEndereca) {
  EXPECT_EQ(Truncar_pixel(120.9), 120);
  EXPECT_EQ(Truncar_pixel(-3.7), -3);
  EXPECT_EQ(Truncar_pixel(1e12), 1 << 30);
  EXPECT_EQ(Truncar_pixel(-1e300), -(1 << 30));
  EXPECT_EQ(Truncar_pixel(std::nan("")), 0);
}

TEST(Erros, DivisaoVerificada) {
  EXPECT_DOUBLE_EQ(Dividir(1.0, 4.0), 0.25);
  const auto mensagem = [](double a, double b) { return Mensagem_de_erro([&] { Dividir(a, b); }); };
  EXPECT_EQ(mensagem(1.0, 0.0), "Floating point division by zero");
  EXPECT_EQ(mensagem(0.0, 0.0), "Invalid floating point operation");
  EXPECT_EQ(mensagem(1e300, 1e-300), "Floating point overflow");
  EXPECT_EQ(mensagem(std::nan(""), 1.0), "Invalid floating point operation");
}
