#pragma once
// The searches for the extreme points of the cloud. Each gives the position + 1 of the
// point found (its number when the points are numbered 1..n), or 0 when no point lies
// inside the search's limits.

#include <cstdint>

#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"

// Starting values of the searches: the construction works on projected-grid
// coordinates with 0 < E < 10,000,000 and 0 < N < 20,000,000.
constexpr double Limite_inferior = 0.0;
constexpr double Limite_superior_E = 10'000'000.0;
constexpr double Limite_superior_N = 20'000'000.0;

// 'E' selects the E coordinate; any other axis selects N. Exact comparisons: among
// equal extremes the first point in list order wins.
int32_t Coord_maxima(const Lista<Ponto_digitalizado>& pontos, char eixo);
int32_t Coord_minima(const Lista<Ponto_digitalizado>& pontos, char eixo);
