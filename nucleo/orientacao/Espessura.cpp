#include "nucleo/orientacao/Espessura.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// Twice the signed area of the triangle a, b, c: positive when c is left of a -> b.
double Produto(const Posicao& a, const Posicao& b, const Posicao& c) {
  return (b.u - a.u) * (c.v - a.v) - (b.v - a.v) * (c.u - a.u);
}

// Counter-clockwise, without repeated or collinear vertices; empty for one position (Andrew's
// monotone chain).
std::vector<Posicao> Casco_convexo(std::vector<Posicao> p) {
  std::sort(p.begin(), p.end(), [](const Posicao& a, const Posicao& b) {
    return a.u < b.u || (a.u == b.u && a.v < b.v);
  });
  p.erase(std::unique(p.begin(), p.end(),
                      [](const Posicao& a, const Posicao& b) { return a.u == b.u && a.v == b.v; }),
          p.end());
  std::vector<Posicao> casco;
  for (int metade = 0; metade < 2; ++metade) {  // the lower half, then the upper
    const std::size_t inicio = casco.size();
    for (const Posicao& c : p) {
      while (casco.size() >= inicio + 2 && Produto(casco[casco.size() - 2], casco.back(), c) <= 0)
        casco.pop_back();
      casco.push_back(c);
    }
    casco.pop_back();  // it begins the other half
    std::reverse(p.begin(), p.end());
  }
  return casco;
}

}  // namespace

// The narrowest strip lies along a side of the convex hull, and the farthest position
// from a side is a vertex. Taken from the first position, coordinates of millions of
// metres keep their millimetres in the products.
double Espessura(std::vector<Posicao> posicoes) {
  if (posicoes.empty()) return 0.0;
  const Posicao origem = posicoes.front();
  for (Posicao& p : posicoes) p = {p.u - origem.u, p.v - origem.v};
  const std::vector<Posicao> casco = Casco_convexo(std::move(posicoes));
  if (casco.size() < 2) return 0.0;
  double menor = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < casco.size(); ++i) {
    const Posicao& a = casco[i];
    const Posicao& b = casco[(i + 1) % casco.size()];
    double maior = 0.0;
    for (const Posicao& c : casco) maior = std::max(maior, std::fabs(Produto(a, b, c)));
    menor = std::min(menor, maior / std::hypot(b.u - a.u, b.v - a.v));
  }
  return menor;
}
