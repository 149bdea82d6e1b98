#pragma once
// The points as a layer of any vector format GDAL writes: one point feature per point,
// with the fields ponto, E, N and h, in list order.

#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include <string>

#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"

// The driver that writes vector files with the output's extension (.gpkg, .geojson,
// .csv, .shp...); Falha_exportacao when there is none.
GDALDriver& Driver_vetorial(const std::string& saida);

// Writes the file; on a failure it removes what it began and raises Falha_exportacao.
void Gravar_pontos(GDALDriver& driver, const std::string& saida,
                   const Lista<Ponto_digitalizado>& pontos, const OGRSpatialReference* sistema);
