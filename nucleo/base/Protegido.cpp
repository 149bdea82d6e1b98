#include "nucleo/base/Protegido.h"

#include <exception>
#include <new>

void Protegido(Interacao& ui, const std::function<void()>& comando) noexcept {
  try {
    comando();
  } catch (const std::bad_alloc&) {
    ui.Caixa_erro("Out of memory");
  } catch (const std::exception& erro) {
    ui.Caixa_erro(erro.what());
  } catch (...) {
    ui.Caixa_erro("Erro inesperado");
  }
}
