// The ENh file as the tools of the field read it: GDAL's ogrinfo, through a VRT layer
// over its CSV reader (blank-separated columns).

#include <gtest/gtest.h>

#include <regex>

#include "nucleo/arquivos/Formato_ENh.h"
#include "nucleo/arquivos/Gravacao_segura.h"
#include "tests/apoio/Comando_externo.h"
#include "tests/nucleo/arquivos/Apoio_arquivos.h"

namespace {

// GDAL's CSV reader takes its column count from the first line with the leading blanks
// dropped, but keeps them as an empty first column on every row. A header line with a
// column for that empty field ("c") lines the columns up; the file itself is fed unchanged.
const char* const Descricao_vrt = R"(<OGRVRTDataSource>
  <OGRVRTLayer name="pontos">
    <SrcDataSource>CSV:/vsistdin/</SrcDataSource>
    <OpenOptions><OOI key="MERGE_SEPARATOR">YES</OOI></OpenOptions>
    <SrcLayer>layer</SrcLayer>
    <Field name="n" type="Integer"/>
    <Field name="E" type="Real"/>
    <Field name="N" type="Real"/>
    <Field name="h" type="Real"/>
    <GeometryType>wkbPoint</GeometryType>
    <GeometryField encoding="PointFromColumns" x="E" y="N"/>
  </OGRVRTLayer>
</OGRVRTDataSource>
)";

}  // namespace

TEST(ENh_no_ogrinfo, OgrinfoLeOsPontosGravados) {
  if (!Programa_disponivel("ogrinfo"))
    GTEST_SKIP()
        << "ogrinfo not found: install gdal-bin (scripts/setup) to read the ENh file with GDAL";
  Pasta_temporaria pasta;
  const std::string& base = pasta.Caminho();
  Lista<Ponto_digitalizado> pontos;
  for (int i = 1; i <= 25; ++i)
    pontos.Acrescentar(Ponto(i, 500000 + i * 10.5, 7400000 + i * 3.25, i - 12.5));
  pontos.Acrescentar(Ponto(26, 123456.789, 7654321.123, -3.25));
  ASSERT_EQ(Gravar_arquivo(base + "/folha12.ENh", [&](std::FILE* f) { Escrever_ENh(f, pontos); }),
            Resultado_gravacao::Gravado);
  Gravar_conteudo(base + "/folha12.vrt", Descricao_vrt);

  const std::string saida =
      Saida_do_comando("(echo 'c n E N h'; cat '" + base + "/folha12.ENh') | ogrinfo -ro -al -q '" +
                       base + "/folha12.vrt' 2>&1");
  const std::regex feicao(R"(OGRFeature\(pontos\):\d+)");
  const auto quantas = std::distance(std::sregex_iterator(saida.begin(), saida.end(), feicao),
                                     std::sregex_iterator());
  EXPECT_EQ(quantas, 26) << saida;
  EXPECT_NE(saida.find("  n (Integer) = 26\n"
                       "  E (Real) = 123456.789\n"
                       "  N (Real) = 7654321.123\n"
                       "  h (Real) = -3.25\n"
                       "  POINT (123456.789 7654321.123)"),
            std::string::npos)
      << saida;
}
