#pragma once
// The user seam as the window's dialogs need it: the core's seam and, on top, the showing
// of a dialog or window modally, which only the window knows.

#include "nucleo/base/Interacao.h"

class QDialog;

class Interacao_janela : public Interacao {
 public:
  // Shows a dialog or window modally and returns its result (QDialog::Accepted = 1).
  virtual int Exibir_modal(QDialog& janela) = 0;
};
