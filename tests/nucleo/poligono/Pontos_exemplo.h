#pragma once
// Small point clouds for the limit polygon tests.

#include <cstdint>
#include <vector>

#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"

struct EN {
  double E;
  double N;
};

// Points at the given coordinates, numbered from `primeiro` in list order, unmarked.
inline Lista<Ponto_digitalizado> Pontos(const std::vector<EN>& coordenadas, int32_t primeiro = 1) {
  Lista<Ponto_digitalizado> pontos;
  for (EN c : coordenadas) pontos.Acrescentar({primeiro++, -1, c.E, c.N, 0, 0, 0});
  return pontos;
}
