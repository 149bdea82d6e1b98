#pragma once
// The texts of the inspection window: one line per point, with number, E, N, vertical
// value and polygon mark in fixed-width columns under the window's header, and the two
// status panels that say how many points there are and whether they have a polygon.

#include <string>
#include <vector>

#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"

std::string Linha_inspecao(const Ponto_digitalizado& ponto);

// What the window shows at one opening.
struct Conteudo_inspecao {
  std::vector<std::string> linhas;
  std::string num_pontos;   // the point count's panel
  std::string pol_convexo;  // the polygon's panel
};

Conteudo_inspecao Montar_inspecao(const Lista<Ponto_digitalizado>& pontos, bool tem_pol_convexo);
