#pragma once
// Parses one record line of a reserve file. Fields are separated by blanks only (any
// number of them; a tab belongs to its field); leading and trailing blanks and
// control characters are ignored, and so is whatever follows the last field used.

#include <string>

#include "nucleo/base/Registros.h"

enum class Modo_registro {
  Controle = 0,  // number, E, N, x, y: a control point line (h is 0)
  Ponto = 1,     // number, E, N, h, x, y, polygon mark: a digitized point line
  ENh = 2,       // number, E, N, h: a line of the ENh file (x and y are 0)
};

// A field that is missing raises the conversion error of an empty text, as a field
// that is not a number raises the one of its own text.
Ponto_digitalizado Interpreta_registro(const std::string& linha, Modo_registro modo);
