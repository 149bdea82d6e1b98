#include "janela/arquivos/Carregar_modulo_sig.h"

#include <dlfcn.h>

#include <string>

#include "exportar/Falha_exportacao.h"

namespace {

struct Modulo_aberto {
  const Modulo_sig* modulo = nullptr;
  std::string motivo;  // the loader's, when there is no module
};

// Looked for by name along this program's run path (the build folder, or the package's
// library folder beside bin/): dlopen searches the run path of the file that calls it,
// which is why this is not Qt's loader.
Modulo_aberto Abrir_modulo() {
  void* arquivo = dlopen(Arquivo_modulo_sig, RTLD_NOW | RTLD_LOCAL);
  void* entrada = arquivo ? dlsym(arquivo, Simbolo_modulo_sig) : nullptr;
  if (!entrada) {
    const char* erro = dlerror();
    return {nullptr, erro ? erro : Arquivo_modulo_sig};
  }
  return {reinterpret_cast<const Modulo_sig* (*)()>(entrada)(), ""};
}

}  // namespace

const Modulo_sig& Carregar_modulo_sig() {
  // Tried once: a module missing now stays missing for the whole run.
  static const Modulo_aberto aberto = Abrir_modulo();
  if (!aberto.modulo)
    throw Falha_exportacao("o exportador para SIG não pôde ser carregado (" + aberto.motivo + ")");
  return *aberto.modulo;
}
