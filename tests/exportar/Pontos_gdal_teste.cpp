// The exported points read back through GDAL's own readers: every point, every value
// exactly as the job's file holds it, and the coordinate reference system.

#include <ogrsf_frmts.h>

#include <QFile>
#include <QXmlStreamReader>
#include <memory>
#include <set>

#include "exportar/Exportacao.h"
#include "exportar/Falha_exportacao.h"
#include "nucleo/base/Formatacao.h"
#include "tests/exportar/Apoio_exportar.h"

namespace {

struct Ponto_esperado {
  int ponto;
  double E, N, h;
};

// As Save writes them: widths overrun, depths negative, a point numbered out of order.
const char* const Texto_ENh =
    "     1 312062.013 7455244.979   48.80\n"
    "     2 313281.077 7455885.241  -35.80\n"
    "    17 12345678.125 12345678.999 -99999.99\n"
    "     4 -0.001       0.000    0.00\n";
const std::vector<Ponto_esperado> Esperados = {{1, 312062.013, 7455244.979, 48.80},
                                               {2, 313281.077, 7455885.241, -35.80},
                                               {17, 12345678.125, 12345678.999, -99999.99},
                                               {4, -0.001, 0.0, 0.0}};

OGRSpatialReference Sistema(const char* definicao) {
  OGRSpatialReference sistema;
  sistema.SetFromUserInput(definicao);
  sistema.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);  // as GDAL's readers give it
  return sistema;
}

class Pontos_gdal : public Teste_exportar {
 protected:
  // Reads the file back with GDAL and checks every point; the layer's system, if any.
  void Conferir(const std::string& arquivo, const OGRSpatialReference* sistema) {
    const Dados_gdal dados = Abrir_gdal(arquivo, GDAL_OF_VECTOR);
    ASSERT_TRUE(dados) << arquivo;
    ASSERT_EQ(dados->GetLayerCount(), 1);
    OGRLayer& camada = *dados->GetLayer(0);
    if (sistema) {
      ASSERT_NE(camada.GetSpatialRef(), nullptr);
      EXPECT_TRUE(camada.GetSpatialRef()->IsSame(sistema)) << camada.GetSpatialRef()->GetName();
    } else {
      EXPECT_EQ(camada.GetSpatialRef(), nullptr);
    }
    ASSERT_EQ(camada.GetFeatureCount(), static_cast<GIntBig>(Esperados.size()));
    camada.ResetReading();
    for (const Ponto_esperado& esperado : Esperados) {
      std::unique_ptr<OGRFeature> feicao(camada.GetNextFeature());
      ASSERT_TRUE(feicao);
      EXPECT_EQ(feicao->GetFieldAsInteger("ponto"), esperado.ponto);
      EXPECT_EQ(feicao->GetFieldAsDouble("E"), esperado.E);
      EXPECT_EQ(feicao->GetFieldAsDouble("N"), esperado.N);
      EXPECT_EQ(feicao->GetFieldAsDouble("h"), esperado.h);
      const auto* ponto = dynamic_cast<const OGRPoint*>(feicao->GetGeometryRef());
      ASSERT_NE(ponto, nullptr);
      EXPECT_EQ(ponto->getX(), esperado.E);
      EXPECT_EQ(ponto->getY(), esperado.N);
    }
  }
};

TEST_F(Pontos_gdal, CadaFormatoComOSistemaDado) {
  Gravar_texto("folha.ENh", Texto_ENh);
  const OGRSpatialReference sirgas = Sistema("EPSG:31983");
  // A shapefile's .prj would be the CSV's: each set has a name of its own.
  for (const std::string nome : {"p.gpkg", "p.geojson", "p.csv", "q.shp"}) {
    SCOPED_TRACE(nome);
    Opcoes_exportar opcoes;
    opcoes.entrada = Caminho("folha.ENh");
    opcoes.saida = Caminho(nome);
    opcoes.srs = "EPSG:31983";
    const auto relato = ::Exportar(opcoes);
    EXPECT_EQ(relato.size(), 1u);
    Conferir(Caminho(nome), &sirgas);
  }
  // A CSV names its columns on its first line and writes plain numbers; the types go into
  // the .csvt beside it.
  EXPECT_EQ(Ler_texto("p.csv"),
            "X,Y,ponto,E,N,h\n"
            "312062.013,7455244.979,1,312062.013,7455244.979,48.8\n"
            "313281.077,7455885.241,2,313281.077,7455885.241,-35.8\n"
            "12345678.125,12345678.999,17,12345678.125,12345678.999,-99999.99\n"
            "-0.001,0.0,4,-0.001,0,0\n");
}

TEST_F(Pontos_gdal, SemSistemaACamadaNaoTemNenhumEODiz) {
  Gravar_texto("folha.ENh", Texto_ENh);
  Opcoes_exportar opcoes;
  opcoes.entrada = Caminho("folha.ENh");
  opcoes.saida = Caminho("p.shp");
  EXPECT_EQ(::Exportar(opcoes),
            std::vector<std::string>{Caminho("p.shp") +
                                     ": 4 pontos, formato ESRI Shapefile, sem sistema de "
                                     "referência (use --srs para dar um)"});
  Conferir(Caminho("p.shp"), nullptr);
  EXPECT_EQ(Arquivos(), (std::vector<std::string>{"folha.ENh", "p.dbf", "p.shp", "p.shx"}));
}

// A shapefile's number columns hold 24 characters: a value that needs more is a failure,
// not a value written cut.
TEST_F(Pontos_gdal, ValorQueOFormatoNaoGuardaEFalha) {
  Gravar_texto("folha.ENh", "     1 312062.013 123456789.999   48.80\n");
  Opcoes_exportar opcoes;
  opcoes.entrada = Caminho("folha.ENh");
  opcoes.saida = Caminho("p.shp");
  EXPECT_THROW(::Exportar(opcoes), Falha_exportacao);
  EXPECT_EQ(Arquivos(), std::vector<std::string>{"folha.ENh"});
}

// The reserve file holds the same points, after the orientation.
TEST_F(Pontos_gdal, OsPontosDoArquivoReserva) {
  std::string reserva = "carta.jpg\n1\n1 0 0 0 0\n";
  for (int i = 0; i < 6; ++i) reserva += "1.0\n";
  reserva += "4\n";
  for (const auto& p : Esperados)
    reserva += fmt::sprintf(" %d %.3f %.3f %.2f 10 20 -1\n", p.ponto, p.E, p.N, p.h);
  Gravar_texto("folha_RESERVA.ENh", reserva);
  Opcoes_exportar opcoes;
  opcoes.entrada = Caminho("folha_RESERVA.ENh");
  opcoes.saida = Caminho("p.geojson");
  opcoes.srs = "EPSG:4674";  // geographic: E and N still go to x and y
  ::Exportar(opcoes);
  const OGRSpatialReference sirgas = Sistema("EPSG:4674");
  Conferir(Caminho("p.geojson"), &sirgas);
}

}  // namespace

namespace {

// A format that does not give the points back as they are (KML takes them for degrees,
// MapInfo moves them onto its grid, GeoJSON reads as WGS 84) is refused in one line.
TEST_F(Pontos_gdal, FormatoQueNaoGuardaOsPontosERecusado) {
  Gravar_texto("folha.ENh", Texto_ENh);
  const std::tuple<const char*, const char*, const char*> casos[] = {
      {"p.kml", nullptr,
       "o formato LIBKML não guarda o sistema de referência (nenhum lido de volta como WGS 84)"},
      {"p.kml", "EPSG:31983",
       "o formato LIBKML não guarda o sistema de referência (SIRGAS 2000 / UTM zone 23S lido de "
       "volta como WGS 84)"},
      {"p.geojson", nullptr,
       "o formato GeoJSON não guarda o sistema de referência (nenhum lido de volta como WGS 84)"},
      {"p.tab", nullptr,
       "o formato MapInfo File não guarda o sistema de referência (nenhum lido de volta como "
       "Nonearth)"}};
  for (const auto& [nome, srs, motivo] : casos) {
    SCOPED_TRACE(nome);
    Opcoes_exportar opcoes;
    opcoes.entrada = Caminho("folha.ENh");
    opcoes.saida = Caminho(nome);
    if (srs) opcoes.srs = srs;
    try {
      ::Exportar(opcoes);
      ADD_FAILURE() << "exportado";
    } catch (const Falha_exportacao& falha) {
      EXPECT_EQ(falha.what(), Caminho(nome) + ": " + motivo);
    }
    EXPECT_EQ(Arquivos(), std::vector<std::string>{"folha.ENh"});
  }
}

// Coordinates in a text format to the millimetre, as the job has them.
TEST_F(Pontos_gdal, GeoJSONComMilimetros) {
  Gravar_texto("folha.ENh", "     1 312062.013 7455244.979   48.80\n");
  Opcoes_exportar opcoes;
  opcoes.entrada = Caminho("folha.ENh");
  opcoes.saida = Caminho("p.geojson");
  opcoes.srs = "EPSG:31983";
  ::Exportar(opcoes);
  EXPECT_NE(Ler_texto("p.geojson").find("\"coordinates\": [ 312062.013, 7455244.979 ]"),
            std::string::npos)
      << Ler_texto("p.geojson");
}

}  // namespace

namespace {

// h as each point's Z, in a layer named as asked: read back from GDAL, Z and all.
TEST_F(Pontos_gdal, HComoZNaCamadaDada) {
  Gravar_texto("folha.ENh", Texto_ENh);
  for (const std::string nome : {"p.gpkg", "p.shp", "p.geojson"}) {
    SCOPED_TRACE(nome);
    Opcoes_exportar opcoes;
    opcoes.entrada = Caminho("folha.ENh");
    opcoes.saida = Caminho(nome);
    opcoes.srs = "EPSG:31983";
    opcoes.camada = "folha 12";
    opcoes.h_como_z = true;
    ::Exportar(opcoes);
    const Dados_gdal dados = Abrir_gdal(Caminho(nome), GDAL_OF_VECTOR);
    ASSERT_TRUE(dados);
    OGRLayer& camada = *dados->GetLayer(0);
    if (nome == "p.gpkg") {
      EXPECT_STREQ(camada.GetName(), "folha 12");
    }
    EXPECT_EQ(wkbFlatten(camada.GetGeomType()), wkbPoint);
    EXPECT_TRUE(wkbHasZ(camada.GetGeomType()));
    for (const Ponto_esperado& esperado : Esperados) {
      const std::unique_ptr<OGRFeature> feicao(camada.GetNextFeature());
      ASSERT_TRUE(feicao);
      EXPECT_EQ(feicao->GetGeometryRef()->toPoint()->getZ(), esperado.h);
    }
  }
}

}  // namespace

namespace {

// A GeoPackage holds the limit polygon, its vertices in their marks' order, and the
// control points with their residuals (computed minus given) beside the points; a
// format of one layer a file, the points alone.
TEST_F(Pontos_gdal, CamadasDoTrabalhoNoGeoPackage) {
  Gravar_texto("folha_RESERVA.ENh",
               "carta.jpg\n2\n101 120 460 10 20\n102 130.5 440 15 30\n2\n0\n100\n0\n-2\n500\n"
               "4\n 1 312062.013 7455244.979 48.80 10 20 2\n 2 312100 7455244.979 1 10 20 -1\n"
               " 3 312100 7455300 2 10 20 1\n 4 312062.013 7455300 3 10 20 3\n");
  Opcoes_exportar opcoes;
  opcoes.entrada = Caminho("folha_RESERVA.ENh");
  opcoes.saida = Caminho("p.gpkg");
  opcoes.srs = "EPSG:31983";
  const auto relato = ::Exportar(opcoes);
  ASSERT_EQ(relato.size(), 3u);
  EXPECT_EQ(relato[1],
            Caminho("p.gpkg") + ": polígono limite de 3 vértices, camada poligono_limite");
  EXPECT_EQ(relato[2],
            Caminho("p.gpkg") + ": 2 pontos de controle com os resíduos, camada pontos_controle");
  const Dados_gdal dados = Abrir_gdal(Caminho("p.gpkg"), GDAL_OF_VECTOR);
  ASSERT_TRUE(dados);
  ASSERT_EQ(dados->GetLayerCount(), 3);
  const std::unique_ptr<OGRFeature> limite(
      dados->GetLayerByName("poligono_limite")->GetNextFeature());
  ASSERT_TRUE(limite);
  char* wkt = nullptr;
  limite->GetGeometryRef()->exportToWkt(&wkt);
  EXPECT_STREQ(wkt,
               "POLYGON ((312100 7455300,312062.013 7455244.979,312062.013 7455300.0,312100 "
               "7455300))");
  CPLFree(wkt);
  OGRLayer* controle = dados->GetLayerByName("pontos_controle");
  ASSERT_NE(controle, nullptr);
  const OGRSpatialReference sirgas = Sistema("EPSG:31983");
  EXPECT_TRUE(controle->GetSpatialRef()->IsSame(&sirgas));
  const std::vector<std::vector<double>> esperados = {{101, 120, 460, 10, 20, 0, 0},
                                                      {102, 130.5, 440, 15, 30, -0.5, 0}};
  for (const auto& esperado : esperados) {
    const std::unique_ptr<OGRFeature> feicao(controle->GetNextFeature());
    ASSERT_TRUE(feicao);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(feicao->GetFieldAsDouble(i), esperado[i]) << i;
    EXPECT_EQ(feicao->GetGeometryRef()->toPoint()->getX(), esperado[1]);
  }
  opcoes.saida = Caminho("p.geojson");
  EXPECT_EQ(::Exportar(opcoes).size(), 1u);
}

}  // namespace

namespace {

// A second job added to the same GeoPackage under a name of its own: its polygon and
// control points take that name, and the first job's layers stay as they were. A layer
// replaced on request holds the new job's points.
TEST_F(Pontos_gdal, SegundoTrabalhoAcrescentadoAoGeoPackage) {
  Gravar_texto("folha_RESERVA.ENh",
               "carta.jpg\n1\n101 120 460 10 20\n1\n0\n100\n0\n-2\n500\n"
               "3\n 1 312062.013 7455244.979 48.80 10 20 1\n 2 312100 7455244.979 1 10 20 2\n"
               " 3 312100 7455300 2 10 20 3\n");
  Gravar_texto("folha.ENh", Texto_ENh);
  Opcoes_exportar opcoes;
  opcoes.entrada = Caminho("folha_RESERVA.ENh");
  opcoes.saida = Caminho("p.gpkg");
  ::Exportar(opcoes);
  opcoes.acrescentar = true;
  opcoes.camada = "folha 2";
  ::Exportar(opcoes);
  opcoes.entrada = Caminho("folha.ENh");
  opcoes.sobrescrever = true;
  ::Exportar(opcoes);
  const Dados_gdal dados = Abrir_gdal(Caminho("p.gpkg"), GDAL_OF_VECTOR);
  ASSERT_TRUE(dados);
  const std::pair<const char*, GIntBig> camadas[] = {
      {"pontos", 3},  {"poligono_limite", 1},         {"pontos_controle", 1},
      {"folha 2", 4}, {"folha 2_poligono_limite", 1}, {"folha 2_pontos_controle", 1}};
  ASSERT_EQ(dados->GetLayerCount(), 6);
  for (const auto& [nome, feicoes] : camadas) {
    OGRLayer* camada = dados->GetLayerByName(nome);
    ASSERT_NE(camada, nullptr) << nome;
    EXPECT_EQ(camada->GetFeatureCount(), feicoes) << nome;
  }
}

}  // namespace

namespace {

// The style QGIS loads with the points names only fields the layer has, as GDAL reads it
// back from each format, and draws depths, altitudes and any other points (a GeoPackage's
// control points, which QGIS gives the same style) in colours of their own.
TEST_F(Pontos_gdal, EstiloDoQgisComOsCamposDaCamada) {
  Gravar_texto("folha.ENh", Texto_ENh);
  for (const std::string nome : {"p.gpkg", "q.shp"}) {
    SCOPED_TRACE(nome);
    Opcoes_exportar opcoes;
    opcoes.entrada = Caminho("folha.ENh");
    opcoes.saida = Caminho(nome);
    opcoes.qgis = true;
    const std::string estilo = Caminho(nome.substr(0, 1) + ".qml");
    EXPECT_EQ(::Exportar(opcoes).back(),
              estilo +
                  ": estilo do QGIS para os pontos (profundidades e altitudes em duas cores, h "
                  "como rótulo)");
    const Dados_gdal dados = Abrir_gdal(Caminho(nome), GDAL_OF_VECTOR);
    ASSERT_TRUE(dados);
    std::set<std::string> campos;
    OGRFeatureDefn& definicao = *dados->GetLayer(0)->GetLayerDefn();
    for (int i = 0; i < definicao.GetFieldCount(); ++i)
      campos.insert(definicao.GetFieldDefn(i)->GetNameRef());

    QFile arquivo(QString::fromStdString(estilo));
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&arquivo);
    std::vector<std::string> filtros;
    std::set<std::string> cores;
    while (!xml.atEnd()) {
      if (xml.readNext() != QXmlStreamReader::StartElement) continue;
      auto atributo = [&](const char* nome) { return xml.attributes().value(nome).toString(); };
      if (xml.name() == u"rule") filtros.push_back(atributo("filter").toStdString());
      if (xml.name() == u"text-style") {
        EXPECT_EQ(campos.count(atributo("fieldName").toStdString()), 1u);
      }
      if (xml.name() == u"prop" && atributo("k") == u"color")
        cores.insert(atributo("v").toStdString());
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(filtros, (std::vector<std::string>{"\"h\" < 0", "\"h\" >= 0", "ELSE"}));
    EXPECT_EQ(campos.count("h"), 1u);
    EXPECT_EQ(cores.size(), filtros.size());
  }
}

}  // namespace
