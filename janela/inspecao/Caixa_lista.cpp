#include "janela/inspecao/Caixa_lista.h"

#include <QFocusEvent>
#include <QMouseEvent>

TCaixa_lista::TCaixa_lista(QWidget* parent) : QListWidget(parent) {}

void TCaixa_lista::mousePressEvent(QMouseEvent* evento) {
  if (evento->button() == Qt::LeftButton) QListWidget::mousePressEvent(evento);
  if (!Ao_pressionar) return;
  const QPoint posicao = evento->position().toPoint();
  Ao_pressionar(evento->button(), evento->modifiers(), posicao.x(), posicao.y());
}

void TCaixa_lista::mouseReleaseEvent(QMouseEvent* evento) {
  if (evento->button() == Qt::LeftButton) QListWidget::mouseReleaseEvent(evento);
}

void TCaixa_lista::focusInEvent(QFocusEvent* evento) {
  // Qt makes the first line current when the list takes the focus other than by a
  // click, as it does when the window opens.
  const bool tinha_corrente = currentIndex().isValid();
  QListWidget::focusInEvent(evento);
  if (!tinha_corrente && evento->reason() != Qt::MouseFocusReason)
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}
