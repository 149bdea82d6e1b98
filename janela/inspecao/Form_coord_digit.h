#pragma once
// The inspection window "Dados Digitalizados": a read-only listing of the digitized
// points, one line each, with a status bar that says how many there are and whether
// the job has a limit polygon. It is created once and refilled on each opening.

#include <QDialog>
#include <array>
#include <cstdint>

#include "janela/comum/Interacao_janela.h"

class QLabel;
class QStatusBar;
class TCaixa_lista;
struct Conteudo_inspecao;

class TForm2 : public QDialog {
  Q_OBJECT

 public:
  TForm2(Interacao_janela& ui, QWidget* parent);

  // Shows the points' lines and the two panels modally, and empties the list once the
  // user has closed the window, ready for the next opening.
  void Exibir(const Conteudo_inspecao& conteudo);

  // ---- Components -------------------------------------------------------------
  QLabel* Label1 = nullptr;
  TCaixa_lista* ListBox1 = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  std::array<QLabel*, 7> Paineis{};  // StatusBar1's panels, numbered from 0

  // ---- State ------------------------------------------------------------------
  int32_t eli = 0;  // list item current at the last mouse-down (-1: none)
  int32_t elf = 0;  // shown beside eli; nothing changes it

  // ---- Event handlers ---------------------------------------------------------
  // Mouse-down in ListBox1, after the list box has moved its current item.
  void Apertou_algo(Qt::MouseButton botao, Qt::KeyboardModifiers shift, int X, int Y);

 private:
  void Criar_componentes(QWidget* area);
  void Criar_barra_de_estado(QWidget* area);

  Interacao_janela& ui_;
};
