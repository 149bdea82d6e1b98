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

// The extreme points found by the four searches, as positions in Lista_pontos; -1 when
// no point qualified.
struct Extremos {
  int32_t iW, iN, iE, iS;

  // With points, each axis has at least one search that finds; a search that finds
  // nothing then means the points lie outside the grid the searches assume.
  bool Incompletos() const {
    const int achados = (iW >= 0) + (iN >= 0) + (iE >= 0) + (iS >= 0);
    return achados != 0 && achados != 4;
  }
};

// The four searches in the construction's order: W, N, E, S.
Extremos Achar_extremos(const Lista<Ponto_digitalizado>& pontos);
