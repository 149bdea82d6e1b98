#include <gtest/gtest.h>

#include "exportar/Opcoes_exportar.h"

namespace {

using Acao = Pedido_exportar::Acao;

std::string Recusa(const std::string& motivo) {
  return "mapirel-exportar: " + motivo + " (veja mapirel-exportar --help)";
}

}  // namespace

TEST(Opcoes_exportar, CadaFormaDeLinha) {
  struct Caso {
    std::vector<std::string> argumentos;
    Acao acao;
    std::string mensagem;
  };
  const std::vector<Caso> casos = {
      {{"folha.ENh", "-o", "p.gpkg"}, Acao::Exportar, ""},
      {{"--srs", "EPSG:31983", "f_RESERVA.ENh", "--world", "-o", "p.csv", "--sobrescrever"},
       Acao::Exportar,
       ""},
      {{"-o", "p.shp", "--", "-f.ENh"}, Acao::Exportar, ""},
      {{"--help", "x"}, Acao::Ajuda, ""},
      {{"--version"}, Acao::Versao, ""},
      {{"folha.ENh", "--world"},
       Acao::Recusar,
       Recusa("--world precisa da orientação, que só o arquivo _RESERVA.ENh guarda")},
      {{"folha.ENh", "--geotiff", "n.tif"},
       Acao::Recusar,
       Recusa("--geotiff precisa da orientação, que só o arquivo _RESERVA.ENh guarda")},
      {{"folha.ENh"},
       Acao::Recusar,
       Recusa("diga o que gravar: -o SAIDA, --world e/ou --geotiff SAIDA.tif")},
      {{"-o", "p.gpkg"}, Acao::Recusar, Recusa("falta o arquivo de entrada")},
      {{"a.ENh", "b.ENh", "-o", "p.gpkg"},
       Acao::Recusar,
       Recusa("só um arquivo de entrada, e foram dados a.ENh e b.ENh")},
      {{"a.ENh", "-o"}, Acao::Recusar, Recusa("-o precisa de um valor")},
      {{"a.ENh", "--srs"}, Acao::Recusar, Recusa("--srs precisa de um valor")},
      {{"a.ENh", "-f", "GPKG"}, Acao::Recusar, Recusa("opção desconhecida: -f")},
      {{"a.ENh", "-o", "p.gpkg", "--camada"},
       Acao::Recusar,
       Recusa("--camada precisa de um valor")},
      {{"a.ENh", "-o", "p.gpkg", "--camada", ""},
       Acao::Recusar,
       Recusa("--camada precisa de um nome")},
      {{"a_RESERVA.ENh", "--world", "--acrescentar"},
       Acao::Recusar,
       Recusa("--acrescentar precisa de -o SAIDA")},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(::testing::PrintToString(caso.argumentos));
    const Pedido_exportar pedido = Ler_opcoes_exportar(caso.argumentos);
    EXPECT_EQ(pedido.acao, caso.acao);
    EXPECT_EQ(pedido.mensagem, caso.mensagem);
  }
  const Opcoes_exportar opcoes = Ler_opcoes_exportar(casos[1].argumentos).opcoes;
  EXPECT_EQ(opcoes.entrada, "f_RESERVA.ENh");
  EXPECT_EQ(opcoes.saida, "p.csv");
  EXPECT_EQ(opcoes.srs, "EPSG:31983");
  EXPECT_TRUE(opcoes.mundo);
  EXPECT_TRUE(opcoes.sobrescrever);
  EXPECT_EQ(opcoes.camada, "pontos");
  EXPECT_FALSE(opcoes.h_como_z);
  EXPECT_EQ(Ler_opcoes_exportar(casos[2].argumentos).opcoes.entrada, "-f.ENh");
  EXPECT_FALSE(opcoes.acrescentar || opcoes.qgis);
  const Opcoes_exportar z = Ler_opcoes_exportar({"a.ENh", "--z", "-o", "p.gpkg", "--camada",
                                                 "folha 12", "--acrescentar", "--qgis"})
                                .opcoes;
  EXPECT_TRUE(z.h_como_z);
  EXPECT_EQ(z.camada, "folha 12");
  EXPECT_TRUE(z.acrescentar);
  EXPECT_TRUE(z.qgis);
}
