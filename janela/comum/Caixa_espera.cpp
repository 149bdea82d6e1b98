#include "janela/comum/Caixa_espera.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <atomic>
#include <thread>

#include "janela/comum/Texto_qt.h"

Caixa_espera::Caixa_espera(const std::string& titulo, const std::string& texto, QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(Q(titulo));
  setWindowModality(Qt::ApplicationModal);
  auto* coluna = new QVBoxLayout(this);
  coluna->addWidget(new QLabel(Q(texto), this));
  auto* barra = new QProgressBar(this);
  barra->setRange(0, 0);  // busy: how long a warp takes is not known in advance
  barra->setTextVisible(false);
  barra->setMinimumWidth(260);
  coluna->addWidget(barra);
}

void Caixa_espera::closeEvent(QCloseEvent* evento) {
  evento->ignore();
}

void Esperar_trabalho(const std::string& titulo, const std::string& texto, QWidget* pai,
                      const std::function<void()>& trabalho) {
  Caixa_espera caixa(titulo, texto, pai);
  caixa.show();
  std::atomic<bool> terminado = false;
  std::thread linha([&] {
    trabalho();
    terminado = true;
    // Wakes the loop below, which may be waiting for events.
    QMetaObject::invokeMethod(
        &caixa, [] {}, Qt::QueuedConnection);
  });
  while (!terminado) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  linha.join();
}
