#pragma once
// The exporter's module, loaded on the first export and kept for the rest of the run.

#include <string>

#include "exportar/Modulo_sig.h"

// What opening a module's file gave: its entry points, or the loader's reason.
struct Modulo_aberto {
  const Modulo_sig* modulo = nullptr;
  std::string motivo;
};
Modulo_aberto Abrir_modulo_sig(const char* arquivo);

// The module, opened once from Arquivo_modulo_sig; raises Falha_exportacao, with the
// loader's reason, when it could not be.
const Modulo_sig& Carregar_modulo_sig();
