#pragma once
// One run of the exporter: everything is checked before the first file is written, and
// a failure while writing removes what the run had written.

#include <string>
#include <vector>

#include "exportar/Opcoes_exportar.h"

// The lines that report what was written. Raises Falha_exportacao.
std::vector<std::string> Exportar(const Opcoes_exportar& opcoes);
