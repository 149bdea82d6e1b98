#pragma once
// The limit polygon built on the job's points: the work of "Polig. convexo" without its
// boxes and panel texts.

#include <cstdint>

#include "nucleo/trabalho/Trabalho.h"

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

// An existing polygon destroyed: the vertex marks and the vertex list go.
void Destruir_pol_convexo(Trabalho& trabalho);

// From extremes that are not Incompletos: the vertex list starts again, the
// configuration goes into Desc_regiao, its vertices are marked on their points (1
// onward) and, unless it is a point or a line (types over 13), listed in Lista_pconv
// and the other points appended to the regions outside the edges.
void Construir_pol_convexo(Trabalho& trabalho, const Extremos& x);
