#pragma once
// Layers of points in any vector format GDAL writes, one point feature per row, in
// order.

#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include <string>
#include <vector>

#include "exportar/Gravacao_conjunta.h"
#include "exportar/Tabela_gdal.h"

// The driver that writes vector files with the output's extension (.gpkg, .geojson,
// .csv, .shp...); Falha_exportacao when there is none.
GDALDriver& Driver_vetorial(const std::string& saida);

// Writes the file at `caminho` (adding the layers to the file already there, if any) and
// reads it back: Falha_exportacao, naming `saida`, on
// any error or warning of GDAL and when the file read back is not the points as they
// are (a value moved, a point missing, another reference system).
void Gravar_pontos(GDALDriver& driver, const std::string& caminho, const std::string& saida,
                   const OGRSpatialReference* sistema, const std::vector<Tabela_gdal>& tabelas);

// Whether one file of the driver holds several layers (GeoPackage does).
bool Varias_camadas(GDALDriver& driver);

// The names of the files (a shapefile's .dbf, .prj...) that make up the dataset at
// `caminho` as this driver reads it, in its folder; none when it reads none there.
std::vector<std::string> Arquivos_do_conjunto(GDALDriver& driver, const std::string& caminho);

// The old set's companions (a .prj, a .csvt, a raster's .ovr or .aux.xml) that the new
// one written into `conjunto` lacks: removed on publishing, or they would be read with
// the new file.
void Remover_companheiros_antigos(GDALDriver& driver, const std::string& saida,
                                  Gravacao_conjunta& conjunto);
