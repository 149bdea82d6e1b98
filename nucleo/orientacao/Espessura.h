#pragma once
// How thin a layout of points is: the width of the narrowest strip that holds them all.

#include <vector>

struct Posicao {
  double u = 0.0;
  double v = 0.0;
};

// 0 for repeated positions or positions on one line.
double Espessura(std::vector<Posicao> posicoes);
