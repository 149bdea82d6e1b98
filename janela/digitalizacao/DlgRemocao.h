#pragma once
// The removal dialog: shows the last point of the list before it is removed. Created
// once at start-up and refilled before each showing; its edits only display.

#include "janela/comum/Controles.h"
#include "janela/comum/Interacao_janela.h"
#include "nucleo/base/Registros.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TOKRightDlg : public Dialogo_centrado {
  Q_OBJECT

 public:
  TOKRightDlg(Interacao_janela& ui, QWidget* parent);

  // Shows the point about to be removed with the number it received; true when the
  // user confirmed the removal.
  bool Confirmar_remocao(int numero, const Ponto_digitalizado& ponto);

  // Refills the fields with the point about to be removed and the number it received.
  void Preencher(int numero, double E, double N, double h);

  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QLineEdit* Edit1 = nullptr;  // number
  QLineEdit* Edit2 = nullptr;  // E
  QLineEdit* Edit3 = nullptr;  // N
  QLineEdit* Edit4 = nullptr;  // vertical value
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label8 = nullptr;

 private:
  void Criar_controles();

  Interacao_janela& ui_;
};
