#include "nucleo/poligono/Extremos.h"

#include <functional>

namespace {

double Coordenada(const Ponto_digitalizado& ponto, char eixo) {
  return eixo == 'E' ? ponto.E : ponto.N;
}

// A point replaces the running extreme only when strictly better, so ties keep the
// earlier point.
template <typename Melhor>
int32_t Buscar(const Lista<Ponto_digitalizado>& pontos, char eixo, double inicio, Melhor melhor) {
  double extremo = inicio;
  int32_t achado = 0;
  for (int i = 0; i < pontos.Quantidade(); ++i) {
    const double valor = Coordenada(pontos.Item(i), eixo);
    if (melhor(valor, extremo)) {
      extremo = valor;
      achado = i + 1;
    }
  }
  return achado;
}

}  // namespace

int32_t Coord_maxima(const Lista<Ponto_digitalizado>& pontos, char eixo) {
  return Buscar(pontos, eixo, Limite_inferior, std::greater<double>{});
}

int32_t Coord_minima(const Lista<Ponto_digitalizado>& pontos, char eixo) {
  const double inicio = eixo == 'E' ? Limite_superior_E : Limite_superior_N;
  return Buscar(pontos, eixo, inicio, std::less<double>{});
}

Extremos Achar_extremos(const Lista<Ponto_digitalizado>& pontos) {
  // Braced initialisation runs the searches in this order.
  return {Coord_minima(pontos, 'E') - 1, Coord_maxima(pontos, 'N') - 1,
          Coord_maxima(pontos, 'E') - 1, Coord_minima(pontos, 'N') - 1};
}
