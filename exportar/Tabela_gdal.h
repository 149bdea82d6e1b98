#pragma once
// A layer as it is written and read back: its fields and, per feature, the fields'
// values and the point (or a polygon's vertices).

#include <ogr_core.h>

#include <array>
#include <string>
#include <vector>

struct Campo_tabela {
  const char* nome;
  OGRFieldType tipo;  // OFTInteger or OFTReal
};

struct Feicao_tabela {
  int numero;  // the point's number, which messages name
  std::vector<double> valores;
  double x, y, z;                           // the point; z only in a layer with Z
  std::vector<std::array<double, 2>> anel;  // a polygon's vertices, instead of the point
};

struct Tabela_gdal {
  std::string nome;
  std::vector<Campo_tabela> campos;
  bool com_z = false;
  bool poligono = false;
  std::vector<Feicao_tabela> feicoes;
};
