#include "hull/Pol_convexo.h"

#include <algorithm>
#include <utility>

bool Tem_pol_convexo(const Lista<Ponto_digitalizado>& pontos) {
  return std::any_of(pontos.begin(), pontos.end(),
                     [](const Ponto_digitalizado& p) { return p.Marca_pconv != -1; });
}

void Ordena_pconv(Lista<Vertice_pconv>& pconv) {
  bool trocou = true;
  while (trocou) {
    trocou = false;
    for (int i = 1; i < pconv.Quantidade(); ++i) {
      Vertice_pconv& anterior = pconv.Item(i - 1);
      Vertice_pconv& atual = pconv.Item(i);
      if (atual.Ordem < anterior.Ordem) {
        std::swap(anterior, atual);
        trocou = true;
      }
    }
  }
}
