#pragma once
// Control point configurations shared by the orientation tests, and the statistics
// reports they must give, character for character.

#include <string>
#include <vector>

#include "nucleo/base/Registros.h"

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

// The rounding noise of the fit (about 1e-13 m, some of it negative) reads 0.000.
inline const std::string Relatorio_quadrado =
    " DIFERENÇAS ENTRE COORDENADAS DE ORIENTAÇÃO \n\n"
    " Pto     DeltaE       DeltaN       DeltaD\n"
    "   1       0.000m      0.000m    0.000m\n"
    "   2       0.000m      0.000m    0.000m\n"
    "   3       0.000m      0.000m    0.000m\n"
    "   4       0.000m      0.000m    0.000m\n"
    "\nMedia    0.000m     0.000m     0.000m\n\n "
    " Desvios-padrão por direção:\n\n"
    "    Este  ->     0.000m\n"
    "    Norte ->    0.000m\n"
    "    Dist  ->      0.000m"
    "\n\n REFERÊNCIA --->   1 pixel ~=  0.25m"
    " \n\n OK          Para aceitar a orientação.\n\n"
    " CANCEL  Para refazer a leitura de ptos de tela.";

inline const std::string Relatorio_perturbado =
    " DIFERENÇAS ENTRE COORDENADAS DE ORIENTAÇÃO \n\n"
    " Pto     DeltaE       DeltaN       DeltaD\n"
    "   1      -0.062m     -0.063m    0.088m\n"
    "   2       0.062m      0.063m    0.088m\n"
    "   3      -0.062m     -0.063m    0.088m\n"
    "   4       0.062m      0.063m    0.088m\n"
    "\nMedia    0.000m     0.000m     0.088m\n\n "
    " Desvios-padrão por direção:\n\n"
    "    Este  ->     0.072m\n"
    "    Norte ->    0.072m\n"
    "    Dist  ->      0.000m"
    "\n\n REFERÊNCIA --->   1 pixel ~=  0.25m"
    " \n\n OK          Para aceitar a orientação.\n\n"
    " CANCEL  Para refazer a leitura de ptos de tela.";
