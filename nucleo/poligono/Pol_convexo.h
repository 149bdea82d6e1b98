#pragma once
// The limit polygon as the rest of the program sees it: whether the points hold one,
// and putting its vertex list back in polygon order after it was rebuilt from a file.

#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"

// True when some point carries a vertex mark (anything but -1); false for no points.
bool Tem_pol_convexo(const Lista<Ponto_digitalizado>& pontos);

// Sorts by Ordem, ascending and stable: entries of equal Ordem keep their order, as an
// exchange sort of adjacent entries would leave them.
void Ordena_pconv(Lista<Vertice_pconv>& pconv);
