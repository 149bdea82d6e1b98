#pragma once
// The orientation's least squares computed another way, in any precision: Cramer's rule
// on sums about the means for the chart-to-image transform, then its affine inverse
// written out. In __float128 it stands for the exact fit of double data.

#include <vector>

#include "nucleo/base/Registros.h"

template <typename Real>
struct Afim {
  Real a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;

  Real Este(Real x, Real y) const { return a * x + b * y + c; }
  Real Norte(Real x, Real y) const { return d * x + e * y + f; }
};

template <typename Real>
Afim<Real> Ajuste_independente(const std::vector<Ponto_orientacao>& pontos) {
  const Real n = static_cast<Real>(pontos.size());
  Real mE = 0, mN = 0, mx = 0, my = 0;
  for (const auto& p : pontos) mE += p.E / n, mN += p.N / n, mx += p.x / n, my += p.y / n;
  Real See = 0, Sen = 0, Snn = 0, Sex = 0, Snx = 0, Sey = 0, Sny = 0;
  for (const auto& p : pontos) {
    const Real e = p.E - mE, u = p.N - mN, x = p.x - mx, y = p.y - my;
    See += e * e, Sen += e * u, Snn += u * u, Sex += e * x, Snx += u * x, Sey += e * y,
        Sny += u * y;
  }
  const Real det = See * Snn - Sen * Sen;
  const Real p1 = (Sex * Snn - Snx * Sen) / det, q1 = (See * Snx - Sen * Sex) / det;
  const Real p2 = (Sey * Snn - Sny * Sen) / det, q2 = (See * Sny - Sen * Sey) / det;
  const Real D = p1 * q2 - q1 * p2;
  Afim<Real> c;
  c.a = q2 / D, c.b = -q1 / D, c.d = -p2 / D, c.e = p1 / D;
  c.c = mE - (c.a * mx + c.b * my);
  c.f = mN - (c.d * mx + c.e * my);
  return c;
}
