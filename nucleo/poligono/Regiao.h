#pragma once
// The configuration of the limit polygon and the regions outside its edges.

#include <array>
#include <cstdint>
#include <string>

#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"

constexpr int32_t Tipo_indeterminado = 300;
constexpr int Num_regioes = 5;

// The configuration found by Caracteriza_regiao: its type, its vertices (positions and
// coordinates, and the two auxiliary corners of the skewed types) and the labels of its
// sub-regions.
struct Descricao_regiao {
  int32_t Tipo_regiao = Tipo_indeterminado;
  int32_t Num_subregioes = 0;
  uint8_t Marca = 0;  // kept for the record's layout; nothing reads it
  std::array<int32_t, 4> Indices_extremos{};
  std::array<double, 6> E{};
  std::array<double, 6> N{};
  std::array<std::string, 5> Textos_regiao{};

  bool operator==(const Descricao_regiao&) const = default;
};

// Classifies the configuration of the extreme points, given by their positions in the
// list (the westmost, northmost, eastmost and southmost), into one of sixteen types and
// records it with its vertices, in polygon order, and the labels of its sub-regions.
// Only the entries the type uses are written; the others keep earlier values. Only the
// vertices' coordinates are read, so the single-point and one-line types (14 to 16)
// read no point. Returns whether the type was determined.
bool Caracteriza_regiao(const Lista<Ponto_digitalizado>& pontos, int32_t iW, int32_t iN, int32_t iE,
                        int32_t iS, Descricao_regiao& desc);

// Appends every point that is not a vertex to the region outside the edge it lies
// beyond, for the two- and three-vertex types (8 to 13); other types assign nothing.
void Classifica_pontos(const Descricao_regiao& desc, const Lista<Ponto_digitalizado>& pontos,
                       std::array<Lista<Ponto_regiao>, Num_regioes>& regioes);
