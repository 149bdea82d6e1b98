// The metafiles' drawing, rendered a band of rows at a time into the strips: pixel for
// pixel what Qt renders into one image.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "figuras/Ler_formatos.h"

namespace {

QImage Numa_imagem(const QByteArray& svg, QSize tamanho) {
  QSvgRenderer desenho(svg);
  desenho.setViewBox(QRectF(QPointF(0, 0), tamanho));
  QImage imagem(tamanho, QImage::Format_RGB32);
  imagem.fill(Qt::white);
  QPainter pintor(&imagem);
  desenho.render(&pintor, QRectF(QPointF(0, 0), tamanho));
  return imagem;
}

QImage Em_faixas(const QByteArray& svg, QSize tamanho) {
  return Rasterizar_svg("desenho.svg", svg, QRectF(QPointF(0, 0), tamanho), tamanho).Imagem();
}

QByteArray Svg(QSize tamanho, const QString& corpo) {
  return QString(R"(<svg xmlns="http://www.w3.org/2000/svg" width="%1" height="%2">%3</svg>)")
      .arg(tamanho.width())
      .arg(tamanho.height())
      .arg(corpo)
      .toUtf8();
}

// Slanting antialiased edges across the strips' sides: drawn in one pass, as one image.
TEST(Rasterizar_svg, DesenhoPequenoComoUmaImagem) {
  const QSize tamanho(300, 200);
  const QByteArray svg = Svg(tamanho, R"(
      <polyline fill="none" stroke="blue" stroke-width="1.3" points="1,2 299,150 20,199 260,3"/>
      <ellipse cx="150" cy="100" rx="133.3" ry="77.7" fill="red" stroke="black"/>)");
  EXPECT_EQ(Em_faixas(svg, tamanho), Numa_imagem(svg, tamanho));
}

// More than one band (3000 x 3000 pixels, 34 MiB): edges on whole pixels, across the
// bands' sides, land where one image has them.
TEST(Rasterizar_svg, DesenhoGrandeEmVariasFaixas) {
  const QSize tamanho(3000, 3000);
  const QByteArray svg = Svg(tamanho, R"(
      <rect x="10" y="2700" width="2980" height="200" fill="red"/>
      <rect x="1000" y="5" width="7" height="2990" fill="green"/>
      <rect x="0" y="2795" width="3000" height="2" fill="blue"/>)");
  EXPECT_EQ(Em_faixas(svg, tamanho), Numa_imagem(svg, tamanho));
}

}  // namespace
