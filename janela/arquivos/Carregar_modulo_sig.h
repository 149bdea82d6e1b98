#pragma once
// The exporter's module, loaded on the first export and kept for the rest of the run.

#include "exportar/Modulo_sig.h"

// Raises Falha_exportacao, with the loader's reason, when the module cannot be loaded.
const Modulo_sig& Carregar_modulo_sig();
