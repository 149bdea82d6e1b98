#include "app/Programa.h"

Programa::Programa(Interacao& ui)
    : Form1(ui),
      OKBottomDlg(ui, &Form1),
      OKRightDlg1(ui, &Form1),
      OKRightDlg(ui, &Form1),
      Form2(ui, &Form1) {
  Form1.OKBottomDlg = &OKBottomDlg;
  Form1.OKRightDlg1 = &OKRightDlg1;
  Form1.OKRightDlg = &OKRightDlg;
  Form1.Form2 = &Form2;
}
