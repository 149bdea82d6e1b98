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

// Qt renders into one image, which is then copied into strips: rendering strip by strip
// would walk the whole drawing once for every strip.
Raster_em_faixas Rasterizar_svg(const std::string& caminho, const QByteArray& svg,
                                const QRectF& janela, QSize tamanho) {
  QSvgRenderer desenho(svg);
  if (!desenho.isValid()) return {};
  QImage imagem = Criar_imagem_intermediaria(caminho, tamanho.width(), tamanho.height());
  imagem.fill(Qt::white);  // a metafile paints only what it draws, as on paper
  desenho.setViewBox(janela);
  {
    QPainter pintor(&imagem);
    desenho.render(&pintor, QRectF(QPointF(0, 0), tamanho));
  }
  return Em_faixas(imagem);
}
