// The scan turned north-up into a GeoTIFF: read back north-up in the system given, with
// each mark of the scan where the orientation puts its clicked pixel.

#include <QImage>
#include <QPainter>
#include <array>
#include <cmath>
#include <vector>

#include "nucleo/base/Formatacao.h"
#include "nucleo/orientacao/Coeficientes.h"
#include "tests/exportar/Apoio_exportar.h"

namespace {

// A sheet's grid coordinates, 0.5 m pixels, the scan turned 30°: a placement half a
// pixel off along either of the scan's axes moves every mark by 0.35 m.
const Coeficientes Orientacao{0.25 * std::sqrt(3.0),  0.25,   312000, 0.25,
                              -0.25 * std::sqrt(3.0), 7455000};
constexpr double Pixel = 0.5;

struct Marca {
  int x, y;  // the pixel clicked at its centre
};
const Marca Marcas[] = {{20, 20}, {130, 25}, {80, 95}};

class Figura_norte : public Teste_exportar {
 protected:
  // A white scan with a black square of 5 pixels around each mark.
  void Gravar_marcas(const std::string& nome) const {
    QImage figura(160, 120, QImage::Format_Grayscale8);
    figura.fill(Qt::white);
    for (const Marca& m : Marcas) QPainter(&figura).fillRect(m.x - 2, m.y - 2, 5, 5, Qt::black);
    ASSERT_TRUE(figura.save(QString::fromStdString(Caminho(nome)), "BMP"));
  }

  // Where the darkness around (coluna, linha) is centred, in the raster's pixels.
  static std::array<double, 2> Centro_escuro(GDALDataset& dados, double coluna, double linha) {
    constexpr int Janela = 15;
    const int x0 = static_cast<int>(coluna) - Janela / 2, y0 = static_cast<int>(linha) - Janela / 2;
    std::vector<GByte> cinza(Janela * Janela);
    EXPECT_EQ(dados.GetRasterBand(1)->RasterIO(GF_Read, x0, y0, Janela, Janela, cinza.data(),
                                               Janela, Janela, GDT_Byte, 0, 0, nullptr),
              CE_None);
    double soma = 0, sx = 0, sy = 0;
    for (int i = 0; i < Janela * Janela; ++i) {
      const double peso = 255 - cinza[i];
      soma += peso;
      sx += peso * (x0 + i % Janela + 0.5);
      sy += peso * (y0 + i / Janela + 0.5);
    }
    return {sx / soma, sy / soma};
  }
};

TEST_F(Figura_norte, CadaMarcaOndeAOrientacaoAPoe) {
  Gravar_marcas("marcas.bmp");
  // A placement of the scan's own beside it, which is not the job's.
  Gravar_texto("marcas.bpw", "1\n0\n0\n-1\n0\n0\n");
  const Coeficientes& k = Orientacao;
  Gravar_texto("marcas_RESERVA.ENh", fmt::sprintf("marcas.bmp\n0\n%.17g\n%.17g\n%.17g\n%.17g\n"
                                                  "%.17g\n%.17g\n0\n",
                                                  k.a, k.b, k.c, k.d, k.e, k.f));
  const Execucao execucao = Exportar("marcas_RESERVA.ENh --geotiff norte.tif --srs EPSG:31983");
  ASSERT_EQ(execucao.status, 0) << execucao.erros;

  const Dados_gdal norte = Abrir_gdal(Caminho("norte.tif"), GDAL_OF_RASTER);
  ASSERT_TRUE(norte);
  EXPECT_EQ(execucao.saida, fmt::sprintf("norte.tif: marcas.bmp voltada para o norte, %d x %d "
                                         "pixels, SIRGAS 2000 / UTM zone 23S\n",
                                         norte->GetRasterXSize(), norte->GetRasterYSize()));
  ASSERT_NE(norte->GetSpatialRef(), nullptr);
  EXPECT_STREQ(norte->GetSpatialRef()->GetAuthorityCode(nullptr), "31983");
  std::array<double, 6> g{};
  ASSERT_EQ(norte->GetGeoTransform(g.data()), CE_None);
  EXPECT_EQ(g[2], 0);
  EXPECT_EQ(g[4], 0);
  EXPECT_EQ(g[5], -g[1]);
  int bloco_x = 0, bloco_y = 0;  // tiles: a GIS reads a window without whole rows
  norte->GetRasterBand(1)->GetBlockSize(&bloco_x, &bloco_y);
  EXPECT_EQ(bloco_x, bloco_y);

  for (const Marca& m : Marcas) {
    SCOPED_TRACE(fmt::sprintf("marca em %d, %d", m.x, m.y));
    const double E = k.Este(m.x, m.y), N = k.Norte(m.x, m.y);
    const auto [coluna, linha] = Centro_escuro(*norte, (E - g[0]) / g[1], (N - g[3]) / g[5]);
    // Stricter than half a pixel, so that a slip of half a pixel fails.
    EXPECT_LE(std::hypot(g[0] + coluna * g[1] - E, g[3] + linha * g[5] - N), 0.25 * Pixel);
  }
}

}  // namespace
