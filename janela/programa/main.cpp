// Mapirel: digitizing spot heights and soundings from scanned maps and charts.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <exception>

#include "janela/comum/Interacao_qt.h"
#include "janela/programa/Programa.h"
#include "nucleo/trabalho/Linha_de_comando.h"

int main(int argc, char** argv) {
  // The command line is read before Qt starts, so that the help and the refusals need no
  // display. Qt gets no arguments of its own: the environment (QT_QPA_PLATFORM...) does that.
  const Pedido_inicial pedido = Ler_linha_de_comando({argv + 1, argv + argc});
  switch (pedido.acao) {
    case Pedido_inicial::Acao::Ajuda:
      std::fputs(Texto_ajuda().c_str(), stdout);
      return 0;
    case Pedido_inicial::Acao::Versao:
      std::fputs(Texto_versao().c_str(), stdout);
      return 0;
    case Pedido_inicial::Acao::Recusar:
      std::fprintf(stderr, "%s\n", pedido.mensagem.c_str());
      return Saida_linha_recusada;
    case Pedido_inicial::Acao::Iniciar:
      break;
  }

  int argc_qt = 1;
  QApplication aplicacao(argc_qt, argv);
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
    // The file opens from the event loop, once the window is up, as a menu command would.
    if (pedido.arquivo)
      QTimer::singleShot(0, &programa.Form1, [&] { programa.Abrir(*pedido.arquivo); });
    return aplicacao.exec();
  } catch (const std::exception& erro) {
    ui.Caixa_erro(erro.what());
    return 0;
  }
}
