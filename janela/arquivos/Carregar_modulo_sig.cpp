#include "janela/arquivos/Carregar_modulo_sig.h"

#include <dlfcn.h>

#include "exportar/Falha_exportacao.h"

// Looked for by name along this program's run path (the build folder, or the package's
// library folder beside bin/): dlopen searches the run path of the file that calls it,
// which is why this is not Qt's loader.
Modulo_aberto Abrir_modulo_sig(const char* arquivo) {
  void* aberto = dlopen(arquivo, RTLD_NOW | RTLD_LOCAL);
  void* entrada = aberto ? dlsym(aberto, Simbolo_modulo_sig) : nullptr;
  if (!entrada) {
    const char* erro = dlerror();
    std::string motivo = erro ? erro : arquivo;  // before dlclose, which frees the text
    if (aberto) dlclose(aberto);
    return {nullptr, motivo};
  }
  return {reinterpret_cast<const Modulo_sig* (*)()>(entrada)(), ""};
}

const Modulo_sig& Carregar_modulo_sig() {
  // Tried once: a module missing now stays missing for the whole run.
  static const Modulo_aberto aberto = Abrir_modulo_sig(Arquivo_modulo_sig);
  if (!aberto.modulo)
    throw Falha_exportacao("o exportador para SIG não pôde ser carregado (" + aberto.motivo + ")");
  return *aberto.modulo;
}
