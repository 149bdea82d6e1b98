#pragma once
// The control points for QGIS's georeferencer, in the file it reads beside the picture
// (carta.jpg.points): each point's E and N and the centre of the pixel clicked, as the
// world file takes it, with the rows negative as QGIS counts them. A first-order fit of
// them gives the world file's placement, and QGIS shows the residuals again.

#include <ogr_spatialref.h>

#include <string>
#include <vector>

#include "exportar/Gravacao_conjunta.h"
#include "nucleo/base/Registros.h"
#include "nucleo/orientacao/Coeficientes.h"

std::string Caminho_pontos_qgis(const std::string& figura);

// Falha_exportacao when the georeferencer cannot take the points: fewer than a
// first-order fit needs, or a fit that does not put each control pixel where the world
// file does, within a millimetre (a file whose orientation was edited by hand).
void Conferir_pontos_qgis(const std::vector<Ponto_orientacao>& controle,
                          const Coeficientes& coeficientes);

// Writes the file into `conjunto` (of the picture's folder) and reads it back. Returns
// the report's line; Falha_exportacao.
std::string Gravar_pontos_qgis(const std::string& figura,
                               const std::vector<Ponto_orientacao>& controle,
                               const OGRSpatialReference* sistema,
                               const Gravacao_conjunta& conjunto);
