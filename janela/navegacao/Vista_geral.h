#pragma once
// "Vista geral": a tool window kept above the main window that shows the whole sheet
// scaled to fit, the part the main view shows, the control points with their residuals,
// the digitized points and the limit polygon. A click or a drag in it moves the main
// view there. It only reads the main window's job and moves its scroll bars.

#include <QImage>
#include <QWidget>

class TForm1;

class TVista_geral : public QWidget {
  Q_OBJECT

 public:
  explicit TVista_geral(TForm1& form);

  // The picture now in the main view, reduced (Raster_em_faixas::Reduzida), and its size.
  void Trocar_figura(const QImage& reduzida, QSize folha);
  // Draws the job's points, residuals and polygon anew (after a command or a click).
  void Redesenhar_trabalho();
  // The overview scaled to the window's size, as painted (tests compare its pixels).
  const QImage& Escalada() const { return escalada_; }
  // The exaggeration of the residuals last drawn, 0 when none were.
  int Exagero() const { return exagero_; }

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void hideEvent(QHideEvent* evento) override;  // closed by its own frame too

 private:
  void Escalar();
  void Ir_para(QPoint ponto);
  void Desenhar_pontos(QPainter& pintor, double escala);
  void Desenhar_residuos(QPainter& pintor, double escala);

  TForm1& form_;
  QImage reduzida_, escalada_, composta_;  // composta_: escalada_ with the job drawn
  QSize folha_;
  int exagero_ = 0;
};
