#pragma once
// "Lupa": a small tool window showing the pixels around the pointer magnified, nearest
// neighbour, with a cross on the pointer's pixel, so that a point can be hit to the
// pixel. A move only records the pointer and asks for this window's repaint.

#include <QImage>
#include <QWidget>
#include <functional>

#include "figuras/Raster_em_faixas.h"

class TLupa : public QWidget {
  Q_OBJECT

 public:
  static constexpr int Aumento = 4;
  static constexpr int Raio = 20;  // pixels shown on each side of the pointer's
  static constexpr int Lado = (2 * Raio + 1) * Aumento;

  // `raster` is the view's: it is read at every paint, whatever picture it holds then.
  TLupa(QWidget* dono, const Raster_em_faixas& raster);

  void Mostrar_em(int x, int y);
  // The magnified pixels without the cross; outside the picture, the window's background.
  QImage Ampliada() const;

  std::function<void()> Ao_esconder;  // closed by its own frame or by its menu item

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void hideEvent(QHideEvent* evento) override;

 private:
  const Raster_em_faixas& raster_;
  QPoint centro_;
};
