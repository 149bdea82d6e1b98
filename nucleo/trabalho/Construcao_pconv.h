#pragma once
// The limit polygon built on the job's points: the work of "Polig. convexo" without its
// boxes and panel texts.

#include "nucleo/poligono/Extremos.h"
#include "nucleo/trabalho/Trabalho.h"

// An existing polygon destroyed: the vertex marks and the vertex list go.
void Destruir_pol_convexo(Trabalho& trabalho);

// From extremes that are not Incompletos: the vertex list starts again, the
// configuration goes into Desc_regiao, its vertices are marked on their points (1
// onward) and, unless it is a point or a line (types over 13), listed in Lista_pconv
// and the other points appended to the regions outside the edges.
void Construir_pol_convexo(Trabalho& trabalho, const Extremos& x);
