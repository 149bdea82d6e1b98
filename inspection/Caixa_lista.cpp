#include "inspection/Caixa_lista.h"

#include <QMouseEvent>

TCaixa_lista::TCaixa_lista(QWidget* parent) : QListWidget(parent) {}

void TCaixa_lista::mousePressEvent(QMouseEvent* evento) {
  QListWidget::mousePressEvent(evento);
  if (!Ao_pressionar) return;
  const QPoint posicao = evento->position().toPoint();
  Ao_pressionar(evento->button(), evento->modifiers(), posicao.x(), posicao.y());
}
