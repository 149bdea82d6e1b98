#include "janela/programa/Programa.h"

#include <QAction>

Programa::Programa(Interacao_janela& ui_base)
    : ui(ui_base),
      Form1(ui),
      OKBottomDlg(ui_base, &Form1),
      OKRightDlg1(ui_base, &Form1),
      OKRightDlg(ui_base, &Form1),
      Form2(ui_base, &Form1),
      DlgExportar(ui_base, &Form1) {
  Form1.OKBottomDlg = &OKBottomDlg;
  Form1.OKRightDlg1 = &OKRightDlg1;
  Form1.OKRightDlg = &OKRightDlg;
  Form1.Form2 = &Form2;
  Form1.DlgExportar = &DlgExportar;
}

void Programa::Abrir(const Arquivo_inicial& arquivo) {
  ui.Responder_com(arquivo);
  QAction* comando =
      arquivo.tipo == Arquivo_inicial::Tipo::Figura ? Form1.Abririmagem : Form1.Abrirdados1;
  comando->trigger();
  // The answer belongs to this command alone, whether or not it asked.
  ui.Esquecer();
}
