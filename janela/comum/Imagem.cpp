#include "janela/comum/Imagem.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TImagem::TImagem(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);  // moves without a button pressed update the position panels
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImagem::paintEvent(QPaintEvent* evento) {
  ++Pinturas;
  QPainter pintor(this);
  const QRect exposto = evento->rect();
  const QRect com_imagem = exposto.intersected(Raster.Retangulo());
  Raster.Desenhar(pintor, com_imagem.topLeft(), com_imagem);
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
