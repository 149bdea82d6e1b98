#pragma once
// The value dialog: shows E, N and the number of the point just clicked and asks for
// its altitude or depth. Created once at start-up and refilled for every point.

#include <optional>

#include "janela/comum/Controles.h"
#include "janela/comum/Interacao_janela.h"
#include "nucleo/digitalizacao/Valor_vertical.h"

class QEvent;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TOKRightDlg1 : public Dialogo_centrado {
  Q_OBJECT

 public:
  TOKRightDlg1(Interacao_janela& ui, QWidget* parent);

  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QFrame* Bevel1 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Edit1 = nullptr;  // E, display only
  QLabel* Label2 = nullptr;
  QLineEdit* Edit2 = nullptr;  // N, display only
  QRadioButton* Profundidade = nullptr;
  QRadioButton* Altitude = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* Edit3 = nullptr;  // the vertical value
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label8 = nullptr;
  QLineEdit* Edit4 = nullptr;  // the point's number, display only
  QLabel* Label9 = nullptr;

  // 0: the value passed the check at OK; otherwise Codigo_erro_valor's code.
  int Erro_valor = 0;

  // Asks for the vertical value of the point that will be numbered `numero`, at E and N,
  // with the radio buttons starting at the current mode; what the dialog holds when it
  // closes with OK, nothing when it closes otherwise.
  std::optional<Valor_digitado> Pedir_valor(double E, double N, int numero, bool profundidade);

  // Refills the fields for a new point and forgets the last value's error.
  void Preencher(double E, double N, int numero);

  void OKBtnClick();
  void Qdo_muda();
  void Foco_em_Edit3();

 protected:
  void changeEvent(QEvent* evento) override;

 private:
  void Criar_controles();
  void Criar_grandeza();
  void Ligar_eventos();
  void Marcar_grandeza(bool profundidade);

  Interacao_janela& ui_;
};
