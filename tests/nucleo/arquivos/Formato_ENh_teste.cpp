#include <gtest/gtest.h>

#include "nucleo/arquivos/Formato_ENh.h"
#include "tests/nucleo/arquivos/Apoio_arquivos.h"

namespace {

std::string Linha(const Ponto_digitalizado& ponto) {
  return Conteudo_escrito([&](std::FILE* f) { Escrever_linha_ENh(f, ponto); });
}

}  // namespace

TEST(Formato_ENh, LinhaComLargurasMinimasDosCampos) {
  EXPECT_EQ(Linha(Ponto(1, 1234.5678, 7654321.0004, 12.5)),
            "     1   1234.568 7654321.000   12.50\n");
  EXPECT_EQ(Linha(Ponto(37, -5.0, 0.0, 0.0)), "    37     -5.000       0.000    0.00\n");
}

TEST(Formato_ENh, ProfundidadeSaiNegativaComDuasCasas) {
  EXPECT_EQ(Linha(Ponto(2, 100.0, 200.0, -3.25)), "     2    100.000     200.000   -3.25\n");
}

TEST(Formato_ENh, CampoLargoAlargaALinhaSemCortarNumeros) {
  EXPECT_EQ(Linha(Ponto(1234567, 12345678.9, 98765432.1, -12345.5)),
            "1234567 12345678.900 98765432.100 -12345.50\n");
}

TEST(Formato_ENh, UmaLinhaPorPontoNaOrdemDaLista) {
  const auto pontos = Lista_de({Ponto(3, 1, 2, 3), Ponto(1, 4, 5, 6), Ponto(2, 7, 8, -9)});
  EXPECT_EQ(Conteudo_escrito([&](std::FILE* f) { Escrever_ENh(f, pontos); }),
            "     3      1.000       2.000    3.00\n"
            "     1      4.000       5.000    6.00\n"
            "     2      7.000       8.000   -9.00\n");
}

TEST(Formato_ENh, PontoDecimalQualquerQueSejaALocalidade) {
  const char* anterior = std::setlocale(LC_NUMERIC, nullptr);
  const std::string guardada = anterior ? anterior : "C";
  if (!std::setlocale(LC_NUMERIC, "pt_BR.UTF-8"))
    GTEST_SKIP() << "locale pt_BR.UTF-8 is not installed";
  const std::string linha = Linha(Ponto(1, 0.5, 1.5, 2.5));
  std::setlocale(LC_NUMERIC, guardada.c_str());
  EXPECT_EQ(linha, "     1      0.500       1.500    2.50\n");
}
