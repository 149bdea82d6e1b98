// The scanned picture placed on the map by its world file: GDAL's own tools must take each
// control point's pixel to its E and N.

#include <gdal_alg.h>

#include <QFile>
#include <cmath>
#include <sstream>

#include "exportar/Arquivo_mundo.h"
#include "nucleo/base/Formatacao.h"
#include "nucleo/base/Registros.h"
#include "tests/exportar/Apoio_exportar.h"

namespace {

TEST(Arquivo_mundo, ACentroDoPixelClicadoOPontoDaOrientacao) {
  // E = 2x + 100, N = -2y + 500: the pixel clicked at (10, 20) is GDAL's (10.5, 20.5).
  const auto g = Geotransformacao({2, 0, 100, 0, -2, 500});
  EXPECT_EQ(g, (std::array<double, 6>{99, 2, 0, 501, 0, -2}));
  EXPECT_EQ(g[0] + g[1] * 10.5 + g[2] * 20.5, 120);
  EXPECT_EQ(g[3] + g[4] * 10.5 + g[5] * 20.5, 460);
  // Turned: the half pixel goes along both of the picture's axes.
  const auto t = Geotransformacao({0.5, 0.25, 10, 0.25, -0.5, 20});
  EXPECT_EQ(t[0], 10 - 0.375);
  EXPECT_EQ(t[3], 20 + 0.125);
}

TEST(Arquivo_mundo, NomeComoOGdalProcura) {
  const std::pair<const char*, const char*> casos[] = {
      {"carta.jpg", "carta.jgw"},       {"/d/carta.jpeg", "/d/carta.jgw"},
      {"CARTA.BMP", "CARTA.BPW"},       {"/a.b/carta.ico", "/a.b/carta.iow"},
      {"/a.b/carta", "/a.b/carta.wld"}, {"folha 1.v2.jpg", "folha 1.v2.jgw"}};
  for (const auto& [figura, mundo] : casos) EXPECT_EQ(Caminho_mundo(figura), mundo);
}

class Mundo_no_gdal : public Teste_exportar {
 protected:
  struct Controle {
    double E, N, x, y;
  };

  // The sample job, its picture copied beside it and named without a folder, as a job
  // saved in the folder where it is exported.
  void SetUp() override {
    Teste_exportar::SetUp();
    ASSERT_TRUE(QFile::copy(MAPIREL_AMOSTRAS "/carta_exemplo.jpg",
                            QString::fromStdString(Caminho("carta.jpg"))));
    std::istringstream amostra(Ler_amostra());
    std::string linha, reserva = "carta.jpg\n";
    std::getline(amostra, linha);  // the sample's own picture name
    while (std::getline(amostra, linha)) reserva += linha + "\n";
    Gravar_texto("carta_RESERVA.ENh", reserva);
    std::istringstream texto(reserva);
    int quantos = 0;
    texto >> linha >> quantos;
    for (int i = 0; i < quantos; ++i) {
      Controle c{};
      int numero = 0;
      texto >> numero >> c.E >> c.N >> c.x >> c.y;
      controles.push_back(c);
    }
    texto >> k.a >> k.b >> k.c >> k.d >> k.e >> k.f;
  }

  static std::string Ler_amostra() {
    QFile arquivo(MAPIREL_AMOSTRAS "/carta_exemplo_RESERVA.ENh");
    EXPECT_TRUE(arquivo.open(QIODevice::ReadOnly));
    return arquivo.readAll().toStdString();
  }

  // Metres of one pixel along the picture's rows.
  double Pixel() const { return std::hypot(k.a, k.d); }

  std::vector<Controle> controles;
  Coeficientes k;
};

TEST_F(Mundo_no_gdal, CadaPontoDeControleNoSeuLugar) {
  const Execucao execucao = Exportar("carta_RESERVA.ENh --world --srs EPSG:31983");
  ASSERT_EQ(execucao.status, 0) << execucao.erros;
  EXPECT_EQ(execucao.saida,
            "carta.jgw: arquivo de mundo de carta.jpg\n"
            "carta.jpg.aux.xml: SIRGAS 2000 / UTM zone 23S\n");
  ASSERT_EQ(controles.size(), 4u);

  // gdaltransform takes GDAL's pixel and line: the clicked pixel's centre.
  std::string entrada;
  for (const Controle& c : controles) entrada += fmt::sprintf("%.1f %.1f\n", c.x + 0.5, c.y + 0.5);
  Gravar_texto("pixels.txt", entrada);
  std::istringstream transformados(Na_pasta("gdaltransform carta.jpg < pixels.txt").saida);
  for (const Controle& c : controles) {
    double E = 0, N = 0, z = 0;
    ASSERT_TRUE(transformados >> E >> N >> z);
    const double residuo = std::hypot(k.Este(c.x, c.y) - c.E, k.Norte(c.x, c.y) - c.N);
    EXPECT_LE(std::hypot(E - c.E, N - c.N), residuo + 0.01 * Pixel()) << c.x << " " << c.y;
    // Sharper: GDAL and the program agree on the pixel's position to a hundredth.
    EXPECT_LE(std::hypot(E - k.Este(c.x, c.y), N - k.Norte(c.x, c.y)), 0.01 * Pixel());

    // And back: the ground position the program gives the pixel lies in that pixel.
    const std::string local = Na_pasta(fmt::sprintf("gdallocationinfo -geoloc carta.jpg %.6f %.6f",
                                                    k.Este(c.x, c.y), k.Norte(c.x, c.y)))
                                  .saida;
    const std::string esperado =
        fmt::sprintf("Location: (%dP,%dL)", static_cast<int>(c.x), static_cast<int>(c.y));
    EXPECT_NE(local.find(esperado), std::string::npos) << local;
  }

  // The system travels in the .aux.xml, which GDAL reads with the picture.
  const Dados_gdal figura = Abrir_gdal(Caminho("carta.jpg"), GDAL_OF_RASTER);
  ASSERT_TRUE(figura);
  ASSERT_NE(figura->GetSpatialRef(), nullptr);
  EXPECT_STREQ(figura->GetSpatialRef()->GetAuthorityCode(nullptr), "31983");
}

// QGIS's georeferencer fits what the world file says: GDAL's own first-order fit of the
// .points file's points (rows negative, as QGIS counts them) puts the picture's corners
// and centre where the world file does, to the millimetre.
TEST_F(Mundo_no_gdal, PontosDoGeorreferenciadorDaoOArquivoDeMundo) {
  const Execucao execucao = Exportar("carta_RESERVA.ENh --world --qgis --srs EPSG:31983");
  ASSERT_EQ(execucao.status, 0) << execucao.erros;
  EXPECT_NE(execucao.saida.find(
                "\ncarta.jpg.points: 4 pontos de controle para o georreferenciador do QGIS\n"),
            std::string::npos);
  std::istringstream texto(Ler_texto("carta.jpg.points"));
  std::string linha;
  std::getline(texto, linha);
  ASSERT_EQ(linha.rfind("#CRS: ", 0), 0u);
  OGRSpatialReference sistema;
  ASSERT_EQ(sistema.importFromWkt(linha.substr(6).c_str()), OGRERR_NONE);
  EXPECT_STREQ(sistema.GetAuthorityCode(nullptr), "31983");
  std::getline(texto, linha);
  EXPECT_EQ(linha, "mapX,mapY,sourceX,sourceY,enable,dX,dY,residual");
  static char vazio[] = "";
  std::vector<GDAL_GCP> gcps;
  while (std::getline(texto, linha)) {
    double E = 0, N = 0, x = 0, y = 0;
    int ativo = 0;
    ASSERT_EQ(std::sscanf(linha.c_str(), "%lf,%lf,%lf,%lf,%d", &E, &N, &x, &y, &ativo), 5);
    EXPECT_EQ(ativo, 1);
    gcps.push_back({vazio, vazio, x, -y, E, N, 0});
  }
  ASSERT_EQ(gcps.size(), controles.size());
  void* ajuste = GDALCreateGCPTransformer(static_cast<int>(gcps.size()), gcps.data(), 1, FALSE);
  ASSERT_NE(ajuste, nullptr);
  const Dados_gdal figura = Abrir_gdal(Caminho("carta.jpg"), GDAL_OF_RASTER);
  ASSERT_TRUE(figura);
  std::array<double, 6> g{};
  ASSERT_EQ(figura->GetGeoTransform(g.data()), CE_None);
  const double largura = figura->GetRasterXSize(), altura = figura->GetRasterYSize();
  const std::pair<double, double> pixels[] = {
      {0, 0}, {largura, 0}, {0, altura}, {largura, altura}, {largura / 2, altura / 2}};
  for (const auto& [P, L] : pixels) {
    double x = P, y = L, z = 0;
    int feito = FALSE;
    EXPECT_TRUE(GDALGCPTransform(ajuste, FALSE, 1, &x, &y, &z, &feito) && feito);
    EXPECT_LE(std::hypot(x - (g[0] + g[1] * P + g[2] * L), y - (g[3] + g[4] * P + g[5] * L)), 0.001)
        << P << " " << L;
  }
  GDALDestroyGCPTransformer(ajuste);
}

}  // namespace
