#pragma once
// The plain records that the lists of the job hold. Records compare field by field.

#include <cstdint>

struct Ponto_orientacao {
  int32_t Numero = 0;
  double E = 0.0;
  double N = 0.0;
  double x = 0.0;  // image column, pixels
  double y = 0.0;  // image row, pixels, growing downwards

  bool operator==(const Ponto_orientacao&) const = default;
};

struct Ponto_digitalizado {
  int32_t Numero = 0;
  int32_t Marca_pconv = -1;  // -1: not a vertex of the limit polygon; k >= 1: its place in order
  double E = 0.0;
  double N = 0.0;
  double x = 0.0;
  double y = 0.0;
  double h = 0.0;  // altitude as typed; depths are kept negative

  bool operator==(const Ponto_digitalizado&) const = default;
};

// One vertex of the limit polygon: order key and position in Lista_pontos.
struct Vertice_pconv {
  int32_t Ordem = 0;
  int32_t Indice = 0;

  bool operator==(const Vertice_pconv&) const = default;
};

// One point assigned to a region outside an edge of the limit polygon.
struct Ponto_regiao {
  int32_t Indice = 0;
  char Codigo = 'E';  // 'E' classified by side, 'S' lying on the segment's line

  bool operator==(const Ponto_regiao&) const = default;
};
