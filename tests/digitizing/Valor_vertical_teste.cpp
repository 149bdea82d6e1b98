#include <gtest/gtest.h>

#include "digitizing/Valor_vertical.h"

TEST(Tem_caractere_invalido, SoDigitosEPontoPassam) {
  for (const char* valor : {"12", "12.5", ".5", "5.", "0123456789", "1.2.3", ""})
    EXPECT_FALSE(Tem_caractere_invalido(valor)) << valor;
  for (const char* valor : {"-3", "+3", "1,5", "1e3", "12 m", " 7", "7\t", "/", ":", "1\xC3\xA9",
                            "\x80", "5\xFF"})  // every byte above 127 is foreign
    EXPECT_TRUE(Tem_caractere_invalido(valor)) << valor;
}

TEST(Codigo_erro_valor, CaractereEstranhoUmVirgulaMaisDoisNoTextoAparado) {
  for (const char* valor : {"12", " 7.25 ", "\t7.25\r\n", "   ", ""})
    EXPECT_EQ(Codigo_erro_valor(valor), 0) << '"' << valor << '"';
  EXPECT_EQ(Codigo_erro_valor("-3"), 1);
  EXPECT_EQ(Codigo_erro_valor(" 12 m "), 1);  // a blank inside still counts
  EXPECT_EQ(Codigo_erro_valor("1,5"), 3);
}

TEST(Mensagem_valor_invalido, TextosEValorInteiro) {
  const Mensagem_caixa alt = Mensagem_valor_invalido("12 m", false);
  EXPECT_EQ(alt.texto,
            "Valor digitado   `12 m`  para a ALTITUDE é inválido. \n\n Repita a operações de \n\n "
            "DIGITALIZAÇÃO e DIGITAÇÃO.\n\n");
  EXPECT_EQ(alt.titulo, " Erro ao digitar o valor da ALTITUDE");

  // Far longer than a fixed line buffer, with a "%" that must stay as typed.
  const std::string valor = std::string(300, '9') + "%s,x";
  const Mensagem_caixa prof = Mensagem_valor_invalido(valor, true);
  EXPECT_EQ(prof.texto, "Valor digitado   `" + valor +
                            "`  para a PROFUNDIDADE é inválido. \n\n Repita a operações de \n\n "
                            "DIGITALIZAÇÃO e DIGITAÇÃO.\n\n");
  EXPECT_EQ(prof.titulo, " Erro ao digitar o valor da PROFUNDIDADE");
}
