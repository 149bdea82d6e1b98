#include <gtest/gtest.h>

#include "nucleo/arquivos/Formato_ENh.h"
#include "nucleo/arquivos/Leitura_ENh.h"
#include "tests/nucleo/arquivos/Apoio_arquivos.h"

namespace {

Lista<Ponto_digitalizado> Ler_texto(const std::string& texto) {
  const Arquivo fluxo = Fluxo_de_texto(texto);
  return Ler_ENh(fluxo.get());
}

}  // namespace

TEST(Leitura_ENh, DevolveOQueOGravadorEscreveu) {
  const auto gravados =
      Lista_de({Ponto(1, 312062.013, 7455244.979, 48.8), Ponto(2, 12345678.5, 123456789.25, -35.8),
                Ponto(1000000, -0.001, 0, -99999.99)});
  const auto lidos = Ler_texto(Conteudo_escrito([&](std::FILE* f) { Escrever_ENh(f, gravados); }));
  ASSERT_EQ(lidos.Quantidade(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(lidos.Item(i).Numero, gravados.Item(i).Numero);
    EXPECT_EQ(lidos.Item(i).E, gravados.Item(i).E);
    EXPECT_EQ(lidos.Item(i).N, gravados.Item(i).N);
    EXPECT_EQ(lidos.Item(i).h, gravados.Item(i).h);
  }
}

TEST(Leitura_ENh, FinsDeLinhaEUltimaLinhaSemNovaLinha) {
  for (const char* texto :
       {"     1 10.5 20.25 -3.00\r\n     2 1 2 3", "1 10.5 20.25 -3\n2 1 2 3\n"}) {
    SCOPED_TRACE(texto);
    const auto lidos = Ler_texto(texto);
    ASSERT_EQ(lidos.Quantidade(), 2);
    EXPECT_EQ(lidos.Item(0).h, -3);
    EXPECT_EQ(lidos.Item(1).Numero, 2);
  }
  EXPECT_TRUE(Ler_texto("").Vazia());
}

TEST(Leitura_ENh, LinhaQueNaoEPontoParaALeitura) {
  EXPECT_EQ(Mensagem_de_erro([] { Ler_texto("1 2 3 4\n\n2 3 4 5\n"); }),
            "'' is not a valid integer value");
  EXPECT_EQ(Mensagem_de_erro([] { Ler_texto("1 2 3\n"); }),
            "'' is not a valid floating point value");
  EXPECT_EQ(Mensagem_de_erro([] { Ler_texto("1 2 3 4,5\n"); }),
            "'4,5' is not a valid floating point value");
}
