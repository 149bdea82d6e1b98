// Long work behind the waiting box: on another thread, the box modal and shut to the
// person meanwhile, its result or its failure handed back to the interface's thread.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <future>
#include <stdexcept>
#include <thread>

#include "janela/comum/Caixa_espera.h"

TEST(Caixa_espera, TrabalhoEmOutraLinhaAtrasDaCaixaQueNaoFecha) {
  std::promise<void> liberar;
  std::shared_future<void> liberado = liberar.get_future().share();
  QString titulo, texto;
  bool aberta_depois_de_fechar = false;
  // Runs inside the box's wait, while the work waits to be released.
  QTimer::singleShot(0, [&] {
    if (QWidget* caixa = QApplication::activeModalWidget()) {
      titulo = caixa->windowTitle();
      texto = caixa->findChild<QLabel*>()->text();
      caixa->close();
      QTest::keyClick(caixa, Qt::Key_Escape);
      aberta_depois_de_fechar = caixa->isVisible();
    }
    liberar.set_value();
  });
  const std::thread::id linha =
      Em_segundo_plano("Exportar para SIG", " Exportando para SIG...", nullptr, [liberado] {
        liberado.wait_for(std::chrono::seconds(10));
        return std::this_thread::get_id();
      });
  EXPECT_NE(linha, std::this_thread::get_id());
  EXPECT_EQ(titulo, "Exportar para SIG");
  EXPECT_EQ(texto, " Exportando para SIG...");
  EXPECT_TRUE(aberta_depois_de_fechar);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(Caixa_espera, FalhaDoTrabalhoLevantadaAqui) {
  try {
    Em_segundo_plano("Exportar para SIG", " Exportando para SIG...", nullptr,
                     []() -> int { throw std::runtime_error("não gravado"); });
    ADD_FAILURE() << "nothing raised";
  } catch (const std::runtime_error& falha) {
    EXPECT_STREQ(falha.what(), "não gravado");
  }
}
