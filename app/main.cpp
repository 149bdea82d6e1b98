// Mapirel: digitizing spot heights and soundings from scanned maps and charts.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>
#include <exception>

#include "app/Interacao_qt.h"
#include "app/Programa.h"

int main(int argc, char** argv) {
  QApplication aplicacao(argc, argv);
  // Qt adopts the environment's locale: numbers are read and written with a full stop.
  std::setlocale(LC_NUMERIC, "C");
  // Qt's own texts (the file dialogs) in Portuguese, like the rest of the program.
  QTranslator traducao_qt;
  if (traducao_qt.load(QLocale(QLocale::Portuguese, QLocale::Brazil), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    aplicacao.installTranslator(&traducao_qt);
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
