#pragma once
// Control point configurations shared by the orientation tests.

#include <vector>

#include "app/Registros.h"

// Four control points at the corners of a 100 m square, clockwise from the north-west
// corner, clicked at the corners of a 400 pixel square: 0.25 m per pixel.
inline std::vector<Ponto_orientacao> Quadrado_100m() {
  return {{101, 100, 300, 100, 100},
          {102, 200, 300, 500, 100},
          {103, 200, 200, 500, 500},
          {104, 100, 200, 100, 500}};
}

// The same square with the second point clicked one pixel to the right and the fourth
// one pixel higher.
inline std::vector<Ponto_orientacao> Quadrado_100m_perturbado() {
  auto pontos = Quadrado_100m();
  pontos[1].x = 501;
  pontos[3].y = 499;
  return pontos;
}
