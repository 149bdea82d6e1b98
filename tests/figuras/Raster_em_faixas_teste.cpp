// A raster kept in strips must give back, paint and take painting exactly as one image
// of the same pixels, at widths around a strip's edge.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <cstdint>

#include "figuras/Raster_em_faixas.h"

namespace {

QImage Amostra(int largura, int altura) {
  QImage imagem(largura, altura, QImage::Format_RGB32);
  for (int y = 0; y < altura; ++y)
    for (int x = 0; x < largura; ++x)
      imagem.setPixel(
          x, y,
          0xFF000000u |
              (static_cast<uint32_t>(x) * 2654435761u ^ static_cast<uint32_t>(y) * 40503u) >> 8);
  return imagem;
}

constexpr int Larguras[] = {1, 127, 128, 129, 300};

TEST(Raster_em_faixas, GuardaEDevolveOsPixels) {
  for (const int largura : Larguras) {
    SCOPED_TRACE(largura);
    const QImage imagem = Amostra(largura, 7);
    const Raster_em_faixas raster = Raster_em_faixas::De_imagem(imagem);
    EXPECT_EQ(raster.Imagem(), imagem);
    EXPECT_EQ(raster.Pixel(largura - 1, 6), imagem.pixel(largura - 1, 6));
  }
}

// A run written across strips lands where one image would have it.
TEST(Raster_em_faixas, EscreveTrechoQueAtravessaFaixas) {
  QImage esperada = Amostra(300, 3);
  Raster_em_faixas raster = Raster_em_faixas::De_imagem(esperada);
  const uint32_t trecho[200] = {};
  raster.Escrever(100, 1, trecho, 200);
  for (int x = 100; x < 300; ++x) esperada.setPixel(x, 1, 0);
  EXPECT_EQ(raster.Imagem(), esperada);
}

// Any part, painted anywhere, and drawing into the raster: the same pixels as one image.
TEST(Raster_em_faixas, DesenhaEPintaComoUmaImagem) {
  for (const int largura : Larguras) {
    SCOPED_TRACE(largura);
    QImage imagem = Amostra(largura, 90);
    Raster_em_faixas raster = Raster_em_faixas::De_imagem(imagem);
    const QRect parte(largura / 3, 5, largura - largura / 3 + 10, 70);  // past the right edge
    QImage esperada(200, 100, QImage::Format_RGB32), obtida(200, 100, QImage::Format_RGB32);
    esperada.fill(Qt::white), obtida.fill(Qt::white);
    QPainter(&esperada).drawImage(QPoint(7, 9), imagem, parte.intersected(imagem.rect()));
    {
      QPainter pintor(&obtida);
      raster.Desenhar(pintor, QPoint(7, 9), parte);
    }
    EXPECT_EQ(obtida, esperada);

    // Lines along the rows and columns: a slanting line cut at a strip's edge may be
    // rounded to the next pixel there.
    const QPolygon poligono({{-5, 3}, {largura + 4, 3}, {largura + 4, 88}, {2, 88}, {2, 3}});
    const auto desenho = [&](QPainter& pintor) { pintor.drawPolyline(poligono); };
    QPainter(&imagem).drawPolyline(poligono);
    raster.Pintar(poligono.boundingRect(), desenho);
    EXPECT_EQ(raster.Imagem(), imagem);
  }
}

}  // namespace
