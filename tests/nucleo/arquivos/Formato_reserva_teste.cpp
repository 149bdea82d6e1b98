#include <gtest/gtest.h>

#include "nucleo/arquivos/Formato_reserva.h"
#include "nucleo/base/Erro.h"
#include "nucleo/base/Formatacao.h"
#include "tests/nucleo/arquivos/Apoio_arquivos.h"

namespace {

const Coeficientes Coef_exemplo{0.25, 0.0, 75.0, 0.0, -0.25, 325.0};

std::string Reserva(const std::string& nome, const Lista<Ponto_orientacao>& controle,
                    const Coeficientes& coeficientes, const Lista<Ponto_digitalizado>& pontos) {
  return Conteudo_escrito(
      [&](std::FILE* f) { Escrever_reserva(f, nome, controle, coeficientes, pontos); });
}

const std::string Linhas_coef_exemplo =
    "        0.2500000000\n"
    "        0.0000000000\n"
    "       75.0000000000\n"
    "        0.0000000000\n"
    "       -0.2500000000\n"
    "      325.0000000000\n";

}  // namespace

TEST(Formato_reserva, ArquivoCompletoNaOrdemEFormatos) {
  const auto controle =
      Lista_de({Controle(101, 100, 300, 100, 100), Controle(102, 200, 300, 500.7, 100.2),
                Controle(103, 200, 200, 312, 145.9), Controle(104, -5.5, 200, -3.7, 500)});
  const auto pontos = Lista_de(
      {Ponto(1, 100.25, 300.125, 12.5, 101.4, 99.6), Ponto(2, 150, 250, -3.25, 200, 300, 2)});
  EXPECT_EQ(Reserva("/mapas/folha 12.bmp", controle, Coef_exemplo, pontos),
            "/mapas/folha 12.bmp\n"
            "4\n"
            "101     100.000     300.000 100 100\n"
            "102     200.000     300.000 500 100\n"
            "103     200.000     200.000 312 145\n"
            "104      -5.500     200.000 -3 500\n" +
                Linhas_coef_exemplo +
                "    2\n"
                "      1    100.250     300.125   12.50   101   100 -1\n"
                "      2    150.000     250.000   -3.25   200   300 2\n");
}

TEST(Formato_reserva, UmPontoDaContagemComQuatroBrancos) {
  const std::string texto = Reserva("f.bmp", {}, Coef_exemplo, Lista_de({Ponto(1, 1, 2, 3, 4, 5)}));
  EXPECT_EQ(texto, "f.bmp\n0\n" + Linhas_coef_exemplo + "    1\n" +
                       "      1      1.000       2.000    3.00     4     5 -1\n");
}

TEST(Formato_reserva, CamposLargosAlargamAsLinhas) {
  const auto controle = Lista_de({Controle(101, 12345678.5, -98765432.25, 123456, 7)});
  const auto pontos =
      Lista_de({Ponto(123456789, 12345678.5, 123456789.5, -123456.5, 123456, 7, 12)});
  const Coeficientes grandes{123456789.5, -1e9, 0, 0, 0, 0};
  const std::string texto = Reserva("x", controle, grandes, pontos);
  EXPECT_NE(texto.find("\n101 12345678.500 -98765432.250 123456 7\n"), std::string::npos) << texto;
  EXPECT_NE(texto.find("\n123456789.5000000000\n-1000000000.0000000000\n"), std::string::npos)
      << texto;
  EXPECT_NE(texto.find("\n 123456789 12345678.500 123456789.500 -123456.50 123456     7 12\n"),
            std::string::npos)
      << texto;
}

// The largest pixel positions the "%d" of a control point line holds, truncated, and
// the point line's "%5.0f", rounded, still as an int32.
TEST(Formato_reserva, PosicaoDePixelAteOLimiteDoInteiro) {
  const auto controle = Lista_de({Controle(101, 1, 2, 2147483646.9, -2147483646.9)});
  const auto pontos = Lista_de({Ponto(1, 0, 0, 0, 2147483646.4, -2147483646.4)});
  const std::string texto = Reserva("x", controle, Coef_exemplo, pontos);
  EXPECT_NE(texto.find("\n101       1.000       2.000 2147483646 -2147483646\n"), std::string::npos)
      << texto;
  EXPECT_NE(texto.find(" 2147483646 -2147483646 -1\n"), std::string::npos) << texto;
  for (const double fora : {2147483647.0, -2147483647.0, 1e12})
    EXPECT_EQ(Mensagem_de_erro([&] {
                Reserva("x", Lista_de({Controle(101, 1, 2, 5, fora)}), Coef_exemplo, {});
              }),
              fmt::sprintf("Ponto de controle 101: o valor de y (%g) nao pode ser gravado.\n"
                           "Nenhum arquivo foi gravado.",
                           fora));
}

TEST(Caminho_reserva, InsereAntesDosUltimosQuatroCaracteres) {
  EXPECT_EQ(Caminho_reserva("/dados/folha12.ENh"), "/dados/folha12_RESERVA.ENh");
  EXPECT_EQ(Caminho_reserva("/dados/pontos.txt"), "/dados/pontos_RESERVA.txt");
  EXPECT_EQ(Caminho_reserva("/dados/semextensao"), "/dados/semexte_RESERVAnsao");
  EXPECT_EQ(Caminho_reserva("a.e"), "_RESERVAa.e");
  EXPECT_EQ(Caminho_reserva("/dados/abcd"), "/dados/_RESERVAabcd");
}

TEST(Caminho_reserva, NomeCurtoNaoPoeAMarcaNaPasta) {
  EXPECT_EQ(Caminho_reserva("/dados/d/x.b"), "/dados/d/x_RESERVA.b");
  EXPECT_EQ(Caminho_reserva("/dados/d/xy"), "/dados/d/xy_RESERVA");
  EXPECT_EQ(Caminho_reserva("/dados/d/.b"), "/dados/d/.b_RESERVA");
  EXPECT_EQ(Caminho_reserva("/dados/d.x/y"), "/dados/d.x/y_RESERVA");
}

TEST(Caminho_reserva, ContaCaracteresNaoBytes) {
  EXPECT_EQ(Caminho_reserva("/dados/área_ção"), "/dados/área_RESERVA_ção");
}
