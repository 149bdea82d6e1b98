// What the two metafile readers share: the natural size and the rendering of the SVG
// drawing that the metafile libraries make of the file.

#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>

#include "figuras/Ler_formatos.h"
#include "figuras/Paginas_antecipadas.h"
#include "nucleo/base/Formatacao.h"

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

namespace {

// At most this much of the picture is drawn at a time, in a band of whole rows then
// copied into the strips. A picture of up to this size is drawn in one pass, as one
// image; a larger one walks the drawing once a band, and Qt antialiases the edges of a
// shape cut by a band's side on its own: a few pixels there may be one level off.
constexpr int64_t Bytes_por_faixa = int64_t{32} << 20;

}  // namespace

Raster_em_faixas Rasterizar_svg(const std::string& caminho, const QByteArray& svg,
                                const QRectF& janela, QSize tamanho) {
  QSvgRenderer desenho(svg);
  if (!desenho.isValid()) return {};
  desenho.setViewBox(janela);
  const int largura = tamanho.width(), altura = tamanho.height();
  Raster_em_faixas raster = Criar_raster(caminho, largura, altura);
  const auto linhas =
      static_cast<int>(std::clamp<int64_t>(Bytes_por_faixa / (int64_t{4} * largura), 1, altura));
  QImage faixa(largura, linhas, QImage::Format_RGB32);
  if (faixa.isNull())
    throw Erro_grande_demais(largura, altura, raster.Bytes() + 4.0 * largura * linhas);
  const Paginas_antecipadas antecipadas(raster);
  for (int y0 = 0; y0 < altura; y0 += linhas) {
    faixa.fill(Qt::white);  // a metafile paints only what it draws, as on paper
    {
      QPainter pintor(&faixa);
      pintor.translate(0, -y0);
      desenho.render(&pintor, QRectF(QPointF(0, 0), tamanho));
    }
    for (int y = y0; y < std::min(altura, y0 + linhas); ++y)
      Escrever_sem_cache(raster, 0, y,
                         reinterpret_cast<const uint32_t*>(faixa.constScanLine(y - y0)), largura);
  }
  return raster;
}
