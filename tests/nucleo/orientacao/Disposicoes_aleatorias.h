#pragma once
// Random control point layouts at the sizes of real sheets: grid coordinates of up to
// ten million metres, pixels of 2 cm to 50 m, layouts of 20 m to 200 km. The chart
// coordinates are an exact affine image of the (whole) pixel positions, so a sound fit
// leaves only the rounding of the coordinates themselves.

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>
#include <vector>

#include "nucleo/base/Registros.h"
#include "nucleo/orientacao/Coeficientes.h"

struct Disposicao {
  std::vector<Ponto_orientacao> pontos;
  Coeficientes verdadeiro;  // the image-to-chart transform the chart positions come from
  double extensao = 0.0;    // side of the square the layout spreads over, metres
};

// The layout's transform: a pixel of the given size turned by the given cosine and
// sine, y downwards unless espelhada, the image's corner at (E0, N0).
inline Coeficientes Transformacao(double pixel, double cosseno, double seno, bool espelhada,
                                  double E0, double N0) {
  const double sentido_y = espelhada ? -1.0 : 1.0;
  return {pixel * cosseno, pixel * seno * sentido_y,     E0,
          pixel * seno,    -pixel * cosseno * sentido_y, N0};
}

// n points at whole pixels of the square [0, lado]^2, placed by the transform.
inline std::vector<Ponto_orientacao> Pontos_da_transformacao(const Coeficientes& t, int n,
                                                             double lado, std::mt19937_64& g) {
  std::uniform_real_distribution<double> u(0.0, 1.0);
  std::vector<Ponto_orientacao> pontos;
  for (int i = 0; i < n; ++i) {
    Ponto_orientacao p;
    p.Numero = 101 + i;
    p.x = std::floor(u(g) * (lado + 1));
    p.y = std::floor(u(g) * (lado + 1));
    p.E = t.Este(p.x, p.y);
    p.N = t.Norte(p.x, p.y);
    pontos.push_back(p);
  }
  return pontos;
}

inline double Log_uniforme(std::mt19937_64& g, double minimo, double maximo) {
  std::uniform_real_distribution<double> u(0.0, 1.0);
  return minimo * std::pow(maximo / minimo, u(g));
}

// Cosine and sine of a turn: a quarter of them exact quarter turns, the rest any angle.
inline std::pair<double, double> Giro_aleatorio(std::mt19937_64& g) {
  std::uniform_real_distribution<double> u(0.0, 1.0);
  if (u(g) < 0.25) {
    const int quartos = static_cast<int>(g() % 4);
    return {(quartos == 0) - (quartos == 2), (quartos == 1) - (quartos == 3)};
  }
  const double angulo = 2 * M_PI * u(g);
  return {std::cos(angulo), std::sin(angulo)};
}

inline Disposicao Disposicao_aleatoria(std::mt19937_64& g) {
  std::uniform_real_distribution<double> u(0.0, 1.0);
  const double pixel = Log_uniforme(g, 0.02, 50.0);
  // At most 100 000 pixels across, and at least 10 so that whole pixels can differ.
  const double extensao = Log_uniforme(g, std::max(20.0, 10 * pixel), std::min(2e5, 1e5 * pixel));
  const auto [cosseno, seno] = Giro_aleatorio(g);
  const bool espelhada = u(g) < 0.5;
  const Coeficientes t = Transformacao(pixel, cosseno, seno, espelhada, 9e5 * u(g), 1e7 * u(g));
  const int n = 4 + static_cast<int>(g() % 27);
  return {Pontos_da_transformacao(t, n, extensao / pixel, g), t, extensao};
}
