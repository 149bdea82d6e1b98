#pragma once
// A layer of points as it is written and read back: its fields and, per feature, the
// fields' values and the point.

#include <ogr_core.h>

#include <string>
#include <vector>

struct Campo_tabela {
  const char* nome;
  OGRFieldType tipo;  // OFTInteger or OFTReal
};

struct Feicao_tabela {
  int numero;  // the point's number, which messages name
  std::vector<double> valores;
  double x, y, z;  // z only in a layer with Z
};

struct Tabela_gdal {
  std::string nome;
  std::vector<Campo_tabela> campos;
  bool com_z = false;
  std::vector<Feicao_tabela> feicoes;
};
