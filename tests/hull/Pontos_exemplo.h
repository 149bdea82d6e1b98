#pragma once
// Small point clouds for the limit polygon tests.

#include <cstdint>
#include <initializer_list>

#include "app/Lista.h"
#include "app/Registros.h"
#include "hull/Extremos.h"
#include "hull/Regiao.h"

struct EN {
  double E;
  double N;
};

// Points at the given coordinates, numbered from `primeiro` in list order, unmarked.
inline Lista<Ponto_digitalizado> Pontos(std::initializer_list<EN> coordenadas,
                                        int32_t primeiro = 1) {
  Lista<Ponto_digitalizado> pontos;
  for (EN c : coordenadas) {
    Ponto_digitalizado p;
    p.Numero = primeiro++;
    p.E = c.E;
    p.N = c.N;
    pontos.Acrescentar(p);
  }
  return pontos;
}

// The positions of the westmost, northmost, eastmost and southmost points.
struct Extremos_achados {
  int32_t iW, iN, iE, iS;
};

inline Extremos_achados Achar_extremos(const Lista<Ponto_digitalizado>& pontos) {
  return {Coord_minima(pontos, 'E') - 1, Coord_maxima(pontos, 'N') - 1,
          Coord_maxima(pontos, 'E') - 1, Coord_minima(pontos, 'N') - 1};
}

inline Descricao_regiao Caracterizar(const Lista<Ponto_digitalizado>& pontos) {
  const Extremos_achados x = Achar_extremos(pontos);
  Descricao_regiao desc;
  Caracteriza_regiao(pontos, x.iW, x.iN, x.iE, x.iS, desc);
  return desc;
}
