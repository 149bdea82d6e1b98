#pragma once
// The least-squares orientation: an affine transform from chart to image is fitted to
// the control points and inverted, giving the image-to-chart coefficients; then the
// residuals of the control points and their statistics.

#include <vector>

#include "nucleo/base/Registros.h"
#include "nucleo/orientacao/Coeficientes.h"

enum class Configuracao {
  Valida,
  Poucos_pontos,      // fewer than four control points
  Degenerada_carta,   // the chart positions lie within 1 mm of one line
  Degenerada_imagem,  // the image positions lie within 1 pixel of one line
  Pixel_alongado,     // the fitted pixel is over ten times longer one way than the other
};

constexpr int Minimo_pontos_orientacao = 4;

// Checked before any computation, so that a configuration that cannot determine the
// transform is refused instead of ending in a division by zero or in garbage.
Configuracao Verificar_configuracao(const std::vector<Ponto_orientacao>& pontos);

// Fits the chart-to-image transform T by least squares (orthogonal reflections, which
// keep a thin layout's fit exact) and returns the first two rows of its inverse. Both
// coordinate sets enter taken from their means, which changes nothing in exact
// arithmetic and keeps the fit exact at grid coordinates of millions of metres; the
// means are folded back into c and f.
Coeficientes Ajustar_orientacao(const std::vector<Ponto_orientacao>& pontos);

// Checked on the fitted coefficients. No scan stretches its pixels tenfold, so such a
// pixel means that the two layouts do not match: a slip in the typing or in the clicks.
Configuracao Verificar_pixel(const Coeficientes& coef);

struct Residuo {
  double DeltaE = 0.0;  // computed minus given, metres
  double DeltaN = 0.0;
  double DeltaD = 0.0;  // length of (DeltaE, DeltaN)
};

std::vector<Residuo> Calcular_residuos(const std::vector<Ponto_orientacao>& pontos,
                                       const Coeficientes& coef);

struct Estatisticas {
  Residuo media;   // DeltaE and DeltaN keep their signs
  Residuo desvio;  // sample standard deviation (divided by n - 1) of each series
};

// Needs at least two residuals.
Estatisticas Calcular_estatisticas(const std::vector<Residuo>& residuos);
