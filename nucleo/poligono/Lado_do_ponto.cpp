#include "nucleo/poligono/Lado_do_ponto.h"

#include "nucleo/base/Erro.h"

namespace {

// +1 when a > b, -1 when a < b, 0 when equal.
int Comparar(double a, double b) {
  return (a > b) - (a < b);
}

bool Iguais(double Ea, double Na, double Eb, double Nb) {
  return Ea == Eb && Na == Nb;
}

// The slopes are compared as the line's own test does, but a slope measured towards a
// point behind P1 (west of it when the line runs east, or the reverse) grows the other
// way: the directions of both runs turn the comparison into the side.
int Lado_pela_inclinacao(double E1, double N1, double E2, double N2, double E3, double N3) {
  const int sentido_linha = Comparar(E2, E1);
  if (E3 == E1) return Comparar(N3, N1) * sentido_linha;  // on the vertical through P1
  const double s1 = Dividir(N1 - N2, E1 - E2);
  const double s2 = Dividir(N1 - N3, E1 - E3);
  return Comparar(s2, s1) * Comparar(E3, E1) * sentido_linha;
}

}  // namespace

int Lado_do_ponto(double E1, double N1, double E2, double N2, double E3, double N3) {
  if (Iguais(E1, N1, E2, N2) || Iguais(E1, N1, E3, N3) || Iguais(E2, N2, E3, N3)) return 0;
  if (E1 == E2) {
    // Running north the left is the west; running south it is the east.
    return N1 < N2 ? Comparar(E1, E3) : Comparar(E3, E1);
  }
  if (N1 == N2) {
    // Running east the left is the north; running west it is the south.
    return E1 < E2 ? Comparar(N3, N1) : Comparar(N1, N3);
  }
  return Lado_pela_inclinacao(E1, N1, E2, N2, E3, N3);
}
