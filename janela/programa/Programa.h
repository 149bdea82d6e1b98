#pragma once
// The program's windows, created in the order the program starts them: the main window,
// then the control point dialog, the value dialog, the removal dialog, the inspection
// window and the export dialog, all hidden. The program and the tests build the same set.

#include "janela/arquivos/DlgExportar.h"
#include "janela/comum/Interacao_janela.h"
#include "janela/digitalizacao/DlgRemocao.h"
#include "janela/digitalizacao/Dlg_Alt_Prof.h"
#include "janela/inspecao/Form_coord_digit.h"
#include "janela/orientacao/DlgOrientacao.h"
#include "janela/principal/Cartavel.h"
#include "nucleo/trabalho/Interacao_arquivo_inicial.h"
#include "nucleo/trabalho/Linha_de_comando.h"

struct Programa {
  explicit Programa(Interacao_janela& ui);

  // Opens the file named on the command line with the menu command of its kind, as if
  // that command's dialog had chosen it: the same boxes, state and errors.
  void Abrir(const Arquivo_inicial& arquivo);

  // Declaration order is creation order; the dialogs go before the window at the end.
  // The main window talks to the person through this; the dialogs, which ask no file,
  // through the seam itself.
  Interacao_arquivo_inicial ui;
  TForm1 Form1;
  TOKBottomDlg OKBottomDlg;
  TOKRightDlg1 OKRightDlg1;
  TOKRightDlg OKRightDlg;
  TForm2 Form2;
  TDlgExportar DlgExportar;
};
