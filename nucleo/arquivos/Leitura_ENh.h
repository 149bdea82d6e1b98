#pragma once
// Reading an ENh file back: one point per line, "n E N h", in file order. The program
// itself only writes these files; the exporter for GIS reads them.

#include <cstdio>

#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"

// Every line is a point, the last one also without its newline; a line that is not
// (an empty one included) stops the reading with the conversion error of its field.
Lista<Ponto_digitalizado> Ler_ENh(std::FILE* arquivo);
