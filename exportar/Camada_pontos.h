#pragma once
// The points' layer as it is written and read back.

#include <ogr_spatialref.h>

#include <string>

#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"

struct Camada_pontos {
  const Lista<Ponto_digitalizado>& pontos;
  const OGRSpatialReference* sistema;  // null for none
  std::string nome;
  bool h_como_z;
};
