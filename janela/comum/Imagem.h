#pragma once
// The image control Image1: shows its raster at natural size at (0, 0) and reports the
// mouse in image pixels. Only the exposed rectangle is painted, and the raster's strips
// make that cost follow the viewport and not the size of the picture.

#include <QWidget>

#include "figuras/Raster_em_faixas.h"
#include "janela/comum/Tratador_mouse.h"

class TImagem : public QWidget {
  Q_OBJECT

 public:
  explicit TImagem(QWidget* parent);

  // The view's raster. Markers are painted into it and stay until it is replaced.
  Raster_em_faixas Raster;

  Tratador_mouse Ao_pressionar;
  Tratador_mouse Ao_mover;  // the button argument is Qt::NoButton
  Tratador_mouse Ao_soltar;

  // Paint events received so far (tests use it to check that nothing repaints).
  int Pinturas = 0;

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
};
