#pragma once
// The limit polygon as the rest of the program sees it: whether the points hold one,
// and putting its vertex list back in polygon order after it was rebuilt from a file.

#include "app/Lista.h"
#include "app/Registros.h"

// True when some point carries a vertex mark (anything but -1); false for no points.
bool Tem_pol_convexo(const Lista<Ponto_digitalizado>& pontos);

// Exchange sort by Ordem, ascending and stable: adjacent entries swap their contents
// while a later Ordem is strictly less than the one before it.
void Ordena_pconv(Lista<Vertice_pconv>& pconv);
