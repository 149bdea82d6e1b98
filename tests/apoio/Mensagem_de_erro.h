#pragma once
// The message of the Erro an action raises, as the error box would show it; empty when
// it raises none.

#include <functional>
#include <string>

#include "nucleo/base/Erro.h"

inline std::string Mensagem_de_erro(const std::function<void()>& acao) {
  try {
    acao();
  } catch (const Erro& erro) {
    return erro.what();
  }
  return {};
}
