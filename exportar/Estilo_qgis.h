#pragma once
// QGIS's style for the points, in the file QGIS loads with a layer of its own accord
// (p.qml beside p.shp or p.gpkg): depths and altitudes in two colours, h as each
// point's label. A rule on h tells them apart, as the job keeps depths negative. QGIS
// puts the style on every layer of a GeoPackage: it names the geometry it is for, so
// that QGIS keeps it off the polygon, and draws points without h (the control points)
// in a third colour.

#include <string>

#include "exportar/Gravacao_conjunta.h"

std::string Caminho_estilo(const std::string& saida);

// Writes the style of the points' file `saida` into `conjunto`; the report's line.
// Falha_exportacao.
std::string Gravar_estilo_qgis(const std::string& saida, const Gravacao_conjunta& conjunto);
