#include "nucleo/poligono/Pol_convexo.h"

#include <algorithm>

bool Tem_pol_convexo(const Lista<Ponto_digitalizado>& pontos) {
  return std::any_of(pontos.begin(), pontos.end(),
                     [](const Ponto_digitalizado& p) { return p.Marca_pconv != -1; });
}

void Ordena_pconv(Lista<Vertice_pconv>& pconv) {
  // A stable sort gives what the exchange sort gave (equal keys keep their order) in
  // O(n log n): a job of many vertices reopens in a moment instead of minutes.
  std::stable_sort(pconv.begin(), pconv.end(), [](const Vertice_pconv& a, const Vertice_pconv& b) {
    return a.Ordem < b.Ordem;
  });
}
