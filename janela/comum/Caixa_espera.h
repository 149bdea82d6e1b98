#pragma once
// Work too long for the interface's thread (a gigapixel scan warped by GDAL takes
// minutes) runs on a thread of its own behind a modal box with a busy bar, so that the
// window repaints and takes no other command meanwhile. The box has no way to be closed:
// the work cannot be stopped halfway, and the window must not come back before it ends.

#include <QDialog>
#include <functional>
#include <future>
#include <string>
#include <type_traits>
#include <utility>

class Caixa_espera : public QDialog {
  Q_OBJECT

 public:
  Caixa_espera(const std::string& titulo, const std::string& texto, QWidget* pai);

  void reject() override {}  // Escape

 protected:
  void closeEvent(QCloseEvent* evento) override;
};

// Runs `trabalho` on another thread while the box shows, handling the window's events
// until it ends. `trabalho` must not throw.
void Esperar_trabalho(const std::string& titulo, const std::string& texto, QWidget* pai,
                      const std::function<void()>& trabalho);

// The same for a function with a result: returns it, or raises here, on the interface's
// thread, what it raised. Whatever `funcao` reads must be its own copy.
template <typename Funcao>
std::invoke_result_t<Funcao&> Em_segundo_plano(const std::string& titulo, const std::string& texto,
                                               QWidget* pai, Funcao funcao) {
  std::packaged_task<std::invoke_result_t<Funcao&>()> tarefa(std::move(funcao));
  auto resultado = tarefa.get_future();
  Esperar_trabalho(titulo, texto, pai, [&tarefa] { tarefa(); });
  return resultado.get();
}
