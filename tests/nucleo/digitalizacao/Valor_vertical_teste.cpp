#include <gtest/gtest.h>

#include <cmath>

#include "nucleo/base/Erro.h"
#include "nucleo/digitalizacao/Valor_vertical.h"

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

TEST(Interpretar_valor, MarcaVaziaRecusaOuAlturaComOSinalDoBotao) {
  const struct {
    const char* texto;
    bool profundidade;
    int erro;
    std::optional<double> h;
    const char* recusa;  // the refusal's caption, empty for none
  } casos[] = {
      {"12.5", false, 0, 12.5, ""},
      {" 7.25 ", true, 0, -7.25, ""},
      {"VAZIO", false, 0, std::nullopt, ""},
      {"VAZIO", true, 1, std::nullopt, ""},  // the mark goes first, silently
      {"1,5", false, 3, std::nullopt, " Erro ao digitar o valor da ALTITUDE"},
      {"-3", true, 1, std::nullopt, " Erro ao digitar o valor da PROFUNDIDADE"},
  };
  for (const auto& caso : casos) {
    const Destino_valor destino = Interpretar_valor({caso.texto, caso.profundidade, caso.erro});
    EXPECT_EQ(destino.h, caso.h) << caso.texto;
    EXPECT_EQ(destino.recusa ? destino.recusa->titulo : "", caso.recusa) << caso.texto;
  }
  EXPECT_FALSE(std::signbit(*Interpretar_valor({"0", true, 0}).h));  // a zero depth is 0
  EXPECT_THROW(Interpretar_valor({"1.2.3", false, 0}), Erro);
}
