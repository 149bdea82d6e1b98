#pragma once
// The control point dialog: the chart coordinates of the control points are typed,
// numbered from 101, listed, corrected and cleared here. The dialog owns the list;
// once accepted, the main window shares that very list as its OLista_coord.

#include <QDialog>
#include <cstdint>
#include <memory>
#include <string>

#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"

class Interacao_janela;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TOKBottomDlg : public QDialog {
  Q_OBJECT

 public:
  TOKBottomDlg(Interacao_janela& ui, QWidget* parent);

  // Shows the dialog with one line per entry of its list; the list when the user
  // accepted it (the dialog keeps sharing it), nothing when the dialog closed otherwise.
  std::shared_ptr<Lista<Ponto_orientacao>> Ler_pontos();
  // Empties the list box; the list itself stays.
  void Esvaziar_lista();

  // ---- Components -------------------------------------------------------------
  QFrame* Panel1 = nullptr;
  QLabel* StaticText1 = nullptr;
  QLabel* StaticText2 = nullptr;
  QLabel* StaticText3 = nullptr;
  QLabel* StaticText4 = nullptr;
  QLabel* StaticText5 = nullptr;
  QLabel* StaticText6 = nullptr;
  QLabel* StaticText7 = nullptr;
  QLabel* StaticText8 = nullptr;
  QLineEdit* Edit1 = nullptr;  // Este
  QLineEdit* Edit2 = nullptr;  // Norte
  QPushButton* Button1 = nullptr;
  QPushButton* Button3 = nullptr;
  QListWidget* ListBox1 = nullptr;
  QPushButton* LimparTodos = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

  // ---- State ------------------------------------------------------------------
  std::shared_ptr<Lista<Ponto_orientacao>> OLista_coord =
      std::make_shared<Lista<Ponto_orientacao>>();
  int32_t Proximo_numero = 101;
  bool Editando = false;  // the next add replaces the entry at Indice_editado
  int32_t Indice_editado = 0;

  // ---- Event handlers ---------------------------------------------------------
  void Adiciona_ponto();
  void Clicou_um_elemento();
  void LimparTodosClick();
  void Button3Click();
  void OKBtnClick();

 private:
  // Empties ListBox1 and writes one line per entry of the list, in list order.
  void Preencher_lista();
  void Criar_componentes();
  void Definir_ordem_tabulacao();
  void Ligar_eventos();
  void Acrescentar_ponto(double este, double norte);
  void Acrescentar_linha(const Ponto_orientacao& ponto);
  void Corrigir_ponto(double este, double norte);
  void Limpar_edicao();
  void Executar(void (TOKBottomDlg::*handler)());

  Interacao_janela& ui;
};

// The list box line of one control point.
std::string Linha_ponto_orientacao(const Ponto_orientacao& ponto);
