// What the two metafile readers share: the natural size and the rendering of the SVG
// drawing that the metafile libraries make of the file.

#include <fmt/printf.h>

#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

#include "figuras/Ler_formatos.h"

QSize Tamanho_metafile(const std::string& caminho, double largura_polegadas,
                       double altura_polegadas, double pontos_por_polegada) {
  const double largura = std::round(largura_polegadas * pontos_por_polegada);
  const double altura = std::round(altura_polegadas * pontos_por_polegada);
  // Written so that a NaN fails too.
  const auto plausivel = [](double lado) { return lado >= 1 && lado <= Maximo_lado_metafile; };
  if (!plausivel(largura) || !plausivel(altura))
    Falhar_leitura(
        caminho, fmt::sprintf("cabeçalho do metafile com dimensões inválidas (%.0f x %.0f pixels)",
                              largura, altura));
  return QSize(static_cast<int>(largura), static_cast<int>(altura));
}

// Drawn strip by strip, each strip a QImage over the raster's own memory, so that no
// second picture of the raster's size is held: the drawing is walked once a strip. Only
// what the strip shows is rasterised, but Qt antialiases the edges of a shape cut by a
// strip's side from there on its own: a few edge pixels may differ by one level from one
// image drawn whole.
Raster_em_faixas Rasterizar_svg(const std::string& caminho, const QByteArray& svg,
                                const QRectF& janela, QSize tamanho) {
  QSvgRenderer desenho(svg);
  if (!desenho.isValid()) return {};
  desenho.setViewBox(janela);
  Raster_em_faixas raster = Criar_raster(caminho, tamanho.width(), tamanho.height());
  raster.Preencher(qRgb(255, 255, 255));  // a metafile paints only what it draws, as on paper
  raster.Pintar(raster.Retangulo(),
                [&](QPainter& pintor) { desenho.render(&pintor, QRectF(QPointF(0, 0), tamanho)); });
  return raster;
}
