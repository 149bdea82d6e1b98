#pragma once
// A list box that reports mouse-downs after it has handled them itself, so that the
// clicked line is already the current item (and the selection updated) when the
// handler runs. Only the left button moves the current line, and the list has no
// current line until one is clicked or reached with the keys.

#include <QListWidget>

#include "janela/comum/Tratador_mouse.h"

class TCaixa_lista : public QListWidget {
 public:
  explicit TCaixa_lista(QWidget* parent);

  Tratador_mouse Ao_pressionar;

 protected:
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void focusInEvent(QFocusEvent* evento) override;
};
