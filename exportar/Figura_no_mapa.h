#pragma once
// The scanned picture placed on the map: its world file and, with a reference system,
// the .aux.xml that holds it (without one, an old .aux.xml is removed, as it could hold
// a placement or a system of its own that GDAL would read before the world file).

#include <ogr_spatialref.h>

#include <string>
#include <vector>

#include "exportar/Gravacao_conjunta.h"
#include "nucleo/orientacao/Coeficientes.h"

// Writes the files into `conjunto` (of the picture's folder) and checks there that GDAL
// reads the picture where and in the system the report says. Returns the report's
// lines; Falha_exportacao.
std::vector<std::string> Gravar_posicao_figura(const std::string& figura,
                                               const Coeficientes& coeficientes,
                                               const OGRSpatialReference* sistema,
                                               Gravacao_conjunta& conjunto);
