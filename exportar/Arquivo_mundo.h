#pragma once
// Placing the scanned picture on the map: its world file, written by GDAL from the
// orientation, and the coordinate reference system in GDAL's .aux.xml beside it.

#include <array>
#include <string>

#include "nucleo/orientacao/Coeficientes.h"

// Where GDAL (and QGIS) put the pixel clicked at column or row `clique`: its centre. A
// click gives the integers (X, Y) and GDAL's pixel X spans X to X + 1 from the picture's
// corner, so the pixel clicked is best taken at X + 0.5.
constexpr double Centro_pixel(double clique) {
  return clique + 0.5;
}

// GDAL's geotransform of the picture: (x0, dx/col, dx/row, y0, dy/col, dy/row), with
// (0, 0) at the top-left corner of the top-left pixel.
std::array<double, 6> Geotransformacao(const Coeficientes& coeficientes);

// The world file's path: the picture's extension made of its first and last letters
// and a w (carta.jpg gives carta.jgw, carta.bmp carta.bpw), as GDAL looks for it.
std::string Caminho_mundo(const std::string& figura);

// Falha_exportacao when the coefficients place no picture: not finite, or collapsing
// the plane onto a line.
void Conferir_orientacao(const Coeficientes& coeficientes);
