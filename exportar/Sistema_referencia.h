#pragma once
// The coordinate reference system given on the command line, as GDAL reads it.

#include <ogr_spatialref.h>

#include <string>

// Any definition GDAL accepts (EPSG:31983, WKT, PROJ); Falha_exportacao when it is none.
// E and N go to x and y whatever axis order the system's definition states.
OGRSpatialReference Ler_sistema_referencia(const std::string& definicao);

std::string Nome_sistema(const OGRSpatialReference& sistema);

// The system a report line names: its name, or that there is none and how to give one.
std::string Sistema_relatado(const OGRSpatialReference* sistema);

// "nenhum" for none.
std::string Nome_sistema(const OGRSpatialReference* sistema);

// The same system, or both none, whatever order of axes each reader states.
bool Mesmo_sistema(const OGRSpatialReference* lido, const OGRSpatialReference* dado);

// What GDAL read back against what was written: Falha_exportacao "queixa (gravado lido de
// volta como lido)" when they are not the same system.
void Conferir_sistema_lido(const OGRSpatialReference* lido, const OGRSpatialReference* gravado,
                           const std::string& queixa);
