#include "app/Imagem.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

TImagem::TImagem(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);  // moves without a button pressed update the position panels
  setAttribute(Qt::WA_OpaquePaintEvent);
}

namespace {

// Rows of the raster painted at a time. While a band is painted, the next one is asked
// of the memory: the rows of a wide raster lie far apart, and the processor's own
// prefetching starts again at every row (and every page), so that without this a window
// of a 100-megapixel chart costs up to twice as much to paint as the same window of a
// small picture.
constexpr int Linhas_por_faixa = 16;

void Antecipar(const QImage& raster, const QRect& faixa) {
  if (faixa.isEmpty()) return;
  const uchar* bits = raster.constBits();
  const qsizetype passo = raster.bytesPerLine();
  const qsizetype bytes = qsizetype{faixa.width()} * 4;
  for (int y = faixa.top(); y <= faixa.bottom(); ++y) {
    const uchar* linha = bits + y * passo + qsizetype{faixa.left()} * 4;
    for (qsizetype i = 0; i < bytes; i += 64) __builtin_prefetch(linha + i);
  }
}

}  // namespace

void TImagem::Pintar_raster(QPainter& pintor, const QRect& parte) const {
  for (int y = parte.top(); y <= parte.bottom(); y += Linhas_por_faixa) {
    const QRect faixa(parte.left(), y, parte.width(),
                      std::min(Linhas_por_faixa, parte.bottom() + 1 - y));
    Antecipar(Raster, faixa.translated(0, Linhas_por_faixa).intersected(parte));
    pintor.drawImage(faixa.topLeft(), Raster, faixa);
  }
}

void TImagem::paintEvent(QPaintEvent* evento) {
  ++Pinturas;
  QPainter pintor(this);
  const QRect exposto = evento->rect();
  const QRect com_imagem = exposto.intersected(Raster.rect());
  Pintar_raster(pintor, com_imagem);
  // Whatever the raster does not cover shows the window's background.
  const QRegion resto = QRegion(exposto).subtracted(QRegion(com_imagem));
  for (const QRect& r : resto) pintor.fillRect(r, palette().color(QPalette::Button));
}

void TImagem::mousePressEvent(QMouseEvent* evento) {
  const QPoint p = evento->position().toPoint();
  if (Ao_pressionar) Ao_pressionar(evento->button(), evento->modifiers(), p.x(), p.y());
}

void TImagem::mouseMoveEvent(QMouseEvent* evento) {
  const QPoint p = evento->position().toPoint();
  if (Ao_mover) Ao_mover(Qt::NoButton, evento->modifiers(), p.x(), p.y());
}

void TImagem::mouseReleaseEvent(QMouseEvent* evento) {
  const QPoint p = evento->position().toPoint();
  if (Ao_soltar) Ao_soltar(evento->button(), evento->modifiers(), p.x(), p.y());
}
