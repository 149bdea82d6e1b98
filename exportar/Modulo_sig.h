#pragma once
// The exporter as the window reaches it: a module of its own, loaded the first time the
// user exports, so that a window that never exports neither maps nor relocates GDAL and
// the hundred libraries beneath it.

#include <string>
#include <vector>

#include "exportar/Leitura_entrada.h"
#include "exportar/Opcoes_exportar.h"
#include "nucleo/trabalho/Trabalho.h"

// The entry points of the exporter the window calls (Para_exportar.h, Exportacao.h); a
// refusal raises Falha_exportacao, as when called directly.
struct Modulo_sig {
  Trabalho_lido (*para_exportar)(const Trabalho& trabalho);
  std::vector<std::string> (*arquivos_a_substituir)(Trabalho_lido trabalho,
                                                    const Opcoes_exportar& opcoes);
  std::vector<std::string> (*exportar_trabalho)(Trabalho_lido trabalho,
                                                const Opcoes_exportar& opcoes);
};

// The module's file, found along the program's run path, and its one exported symbol.
inline constexpr const char* Arquivo_modulo_sig = "mapirel-sig.so";
inline constexpr const char* Simbolo_modulo_sig = "mapirel_modulo_sig";
extern "C" const Modulo_sig* mapirel_modulo_sig();
