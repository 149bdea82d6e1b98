#pragma once
// The configuration of the limit polygon and the regions outside its edges.

#include <array>
#include <cstdint>

#include "app/Lista.h"
#include "app/Registros.h"

constexpr int32_t Tipo_indeterminado = 300;
constexpr int Num_regioes = 5;

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
