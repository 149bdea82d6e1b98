#pragma once
// The scanned picture turned north-up into one GeoTIFF that holds its placement and
// reference system inside: a GIS draws it without a world file and without turning the
// scan again at every redraw.

#include <ogr_spatialref.h>

#include <string>

#include "exportar/Gravacao_conjunta.h"
#include "nucleo/orientacao/Coeficientes.h"

// Warps `figura` (cubic resampling, an alpha band for the corners outside the scan) by
// the orientation into `saida`, written into `conjunto` (of saida's folder) and read back
// there. Returns the report's line; Falha_exportacao.
std::string Gravar_figura_norte(const std::string& figura, const Coeficientes& coeficientes,
                                const OGRSpatialReference* sistema, const std::string& saida,
                                Gravacao_conjunta& conjunto);
