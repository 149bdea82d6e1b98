#pragma once
// Building blocks of the fixed-layout dialogs: every control sits at its pixel position in
// the client area, and the dialogs built on Dialogo_centrado open in the middle of the screen.

#include <QDialog>
#include <QRect>
#include <initializer_list>

class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

class Dialogo_centrado : public QDialog {
 public:
  // A fixed client area with the given caption, as a dialog border allows no resizing.
  Dialogo_centrado(QWidget* parent, const char* titulo, int largura, int altura);

 protected:
  void showEvent(QShowEvent* evento) override;
};

void Negrito(QWidget* controle);
// A label sizes itself to its text, so only its top-left corner is given.
QLabel* Novo_rotulo(QWidget* pai, const char* texto, int esquerda, int topo, bool negrito = false);
QLineEdit* Novo_campo(QWidget* pai, QRect posicao, bool negrito = false);
// The button never takes the default role by taking the focus: Qt's auto-default
// buttons keep that role across showings, and Enter would then press them.
QPushButton* Novo_botao(QWidget* pai, const char* texto, QRect posicao, bool negrito = false);
// The Tab key visits the controls in the order given.
void Ordem_tab(std::initializer_list<QWidget*> controles);
