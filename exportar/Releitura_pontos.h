#pragma once
// The points file read back as any GIS reads it: the only proof that GDAL wrote it
// whole (some formats write at closing, past the last error check) and that the format
// keeps the coordinates and their system as they are (KML takes them for degrees,
// MapInfo moves them onto its grid, GeoJSON without a system reads as WGS 84).

#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include <string>

#include "exportar/Dados_gdal.h"
#include "exportar/Tabela_gdal.h"

// The file opened by this driver alone, read-only unless asked (GDAL_OF_UPDATE); null
// when it does not open.
Dados_gdal Abrir_com(GDALDriver& driver, const std::string& caminho,
                     unsigned modo = GDAL_OF_READONLY);

// Falha_exportacao, naming `saida`, at the first difference.
void Conferir_pontos_gravados(GDALDriver& driver, const std::string& caminho,
                              const std::string& saida, const OGRSpatialReference* sistema,
                              const Tabela_gdal& tabela);
