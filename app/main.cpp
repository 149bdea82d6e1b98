// Mapirel: digitizing spot heights and soundings from scanned maps and charts.

#include <QApplication>
#include <clocale>
#include <exception>

#include "app/Interacao_qt.h"
#include "app/Programa.h"

int main(int argc, char** argv) {
  QApplication aplicacao(argc, argv);
  // Qt adopts the environment's locale: numbers are read and written with a full stop.
  std::setlocale(LC_NUMERIC, "C");
  Interacao_qt ui;
  try {
    Programa programa(ui);
    ui.Definir_janela(&programa.Form1);
    programa.Form1.showMaximized();
    return aplicacao.exec();
  } catch (const std::exception& erro) {
    ui.Caixa_erro(erro.what());
    return 0;
  }
}
