#pragma once
// One run of the exporter, as the command line and a window call it: everything is
// checked before the first file is written, every file is written beside its place and
// read back there, and only a run that went through replaces anything. A failure
// leaves every file as it was, new ones absent.

#include <string>
#include <vector>

#include "exportar/Opcoes_exportar.h"

// The lines that report what was written; prints nothing. Raises Falha_exportacao,
// whose one line says why nothing was written.
std::vector<std::string> Exportar(const Opcoes_exportar& opcoes);
