#include <gtest/gtest.h>

#include "nucleo/arquivos/Ler_linha.h"
#include "tests/nucleo/arquivos/Apoio_arquivos.h"

namespace {

std::vector<std::string> Linhas(const std::string& texto, int quantas) {
  const Arquivo fluxo = Fluxo_de_texto(texto);
  std::vector<std::string> linhas;
  for (int i = 0; i < quantas; ++i) linhas.push_back(Ler_linha(fluxo.get()));
  return linhas;
}

using V = std::vector<std::string>;

}  // namespace

TEST(Ler_linha, LFeCRLFTerminamLinhasIguais) {
  EXPECT_EQ(Linhas("mapa.bmp\n4\n", 3), (V{"mapa.bmp", "4", ""}));
  EXPECT_EQ(Linhas("mapa.bmp\r\n4\r\n", 3), (V{"mapa.bmp", "4", ""}));
}

TEST(Ler_linha, UltimaLinhaSemNovaLinha) {
  EXPECT_EQ(Linhas("a\n    3", 3), (V{"a", "    3", ""}));
}

TEST(Ler_linha, LinhasVaziasEBrancosSaoMantidos) {
  EXPECT_EQ(Linhas("\n  nome com brancos  \n\r\n", 4), (V{"", "  nome com brancos  ", "", ""}));
}

TEST(Ler_linha, CRForaDoFimDaLinhaPertenceALinha) {
  EXPECT_EQ(Linhas("a\rb\n\r\r\n", 2), (V{"a\rb", "\r"}));
}

TEST(Ler_linha, BytesNulosEAltosPassamInteiros) {
  const std::string binario("\x89PNG\0\xff", 6);
  EXPECT_EQ(Linhas(binario + "\nfim", 2), (V{binario, "fim"}));
}

TEST(Ler_linha, LinhaLongaInteira) {
  const std::string longa(100000, 'x');
  EXPECT_EQ(Linhas(longa + "\n", 1), (V{longa}));
}
