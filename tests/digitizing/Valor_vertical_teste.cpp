#include "digitizing/Valor_vertical.h"

#include <gtest/gtest.h>

TEST(Tem_caractere_invalido, AceitaSoDigitosEPonto) {
  for (const char* valor : {"12", "12.5", ".5", "5.", "0123456789", "1.2.3", ".", ""})
    EXPECT_FALSE(Tem_caractere_invalido(valor)) << valor;
}

TEST(Tem_caractere_invalido, RecusaSinaisBrancosLetrasEVirgula) {
  for (const char* valor : {"-3", "+3", "1,5", "1e3", "12 m", " 7.25", "7.25 ", "7\t", "/", ":"})
    EXPECT_TRUE(Tem_caractere_invalido(valor)) << valor;
}

TEST(Tem_caractere_invalido, TodoByteAcimaDe127EEstranho) {
  EXPECT_TRUE(Tem_caractere_invalido("1\xC3\xA9"));  // "1é" in UTF-8
  EXPECT_TRUE(Tem_caractere_invalido("\x80"));
  EXPECT_TRUE(Tem_caractere_invalido("5\xFF"));
}

TEST(Codigo_erro_valor, ValorLimpoDaZero) {
  for (const char* valor : {"12", ".5", " 7.25 ", "\t7.25\r\n", "   ", ""})
    EXPECT_EQ(Codigo_erro_valor(valor), 0) << '"' << valor << '"';
}

TEST(Codigo_erro_valor, CaractereEstranhoDaUmEVirgulaSomaDois) {
  EXPECT_EQ(Codigo_erro_valor("-3"), 1);
  EXPECT_EQ(Codigo_erro_valor("1e3"), 1);
  EXPECT_EQ(Codigo_erro_valor(" 12 m "), 1);  // the blank inside still counts
  EXPECT_EQ(Codigo_erro_valor("1,5"), 3);
  EXPECT_EQ(Codigo_erro_valor(" ,"), 3);
}

TEST(Mensagem_valor_invalido, TextosDaAltitudeEDaProfundidade) {
  const Mensagem_caixa alt = Mensagem_valor_invalido("12 m", false);
  EXPECT_EQ(alt.texto,
            "Valor digitado   `12 m`  para a ALTITUDE é inválido. \n\n Repita a operações de \n\n "
            "DIGITALIZAÇÃO e DIGITAÇÃO.\n\n");
  EXPECT_EQ(alt.titulo, " Erro ao digitar o valor da ALTITUDE");

  const Mensagem_caixa prof = Mensagem_valor_invalido("-3", true);
  EXPECT_EQ(prof.texto,
            "Valor digitado   `-3`  para a PROFUNDIDADE é inválido. \n\n Repita a operações de \n\n "
            "DIGITALIZAÇÃO e DIGITAÇÃO.\n\n");
  EXPECT_EQ(prof.titulo, " Erro ao digitar o valor da PROFUNDIDADE");
}

TEST(Mensagem_valor_invalido, ValorLongoApareceInteiro) {
  // Far longer than any fixed line buffer would hold, with a "%" that must stay as typed.
  const std::string valor = std::string(300, '9') + "%s,x" + std::string(300, '1');
  const Mensagem_caixa m = Mensagem_valor_invalido(valor, true);
  EXPECT_EQ(m.texto, "Valor digitado   `" + valor +
                         "`  para a PROFUNDIDADE é inválido. \n\n Repita a operações de \n\n "
                         "DIGITALIZAÇÃO e DIGITAÇÃO.\n\n");
}
