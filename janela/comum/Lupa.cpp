#include "janela/comum/Lupa.h"

#include <QPainter>

#include "janela/comum/Texto_qt.h"

TLupa::TLupa(QWidget* dono, const Raster_em_faixas& raster)
    : QWidget(dono, Qt::Tool), raster_(raster) {
  setWindowTitle(Q("Lupa"));
  setFixedSize(Lado, Lado);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TLupa::Mostrar_em(int x, int y) {
  if (centro_ == QPoint(x, y)) return;
  centro_ = {x, y};
  update();
}

QImage TLupa::Ampliada() const {
  QImage pedaco(2 * Raio + 1, 2 * Raio + 1, QImage::Format_RGB32);
  pedaco.fill(palette().color(QPalette::Window));
  const QRect parte(centro_ - QPoint(Raio, Raio), pedaco.size());
  QPainter pintor(&pedaco);
  const QRect dentro = parte.intersected(raster_.Retangulo());
  raster_.Desenhar(pintor, dentro.topLeft() - parte.topLeft(), dentro);
  pintor.end();
  return pedaco.scaled(Lado, Lado, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The cross leaves the pointer's pixel itself clear, framed.
void TLupa::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.drawImage(0, 0, Ampliada());
  const int a = Raio * Aumento, b = a + Aumento - 1, meio = a + Aumento / 2;
  pintor.setPen(QPen(Qt::red, 1));
  pintor.drawLine(meio, 0, meio, a - 2);
  pintor.drawLine(meio, b + 2, meio, Lado - 1);
  pintor.drawLine(0, meio, a - 2, meio);
  pintor.drawLine(b + 2, meio, Lado - 1, meio);
  pintor.drawRect(a - 1, a - 1, Aumento + 1, Aumento + 1);
}

void TLupa::hideEvent(QHideEvent*) {
  if (Ao_esconder) Ao_esconder();
}
