#include "nucleo/poligono/Lado_do_ponto.h"
#include "nucleo/poligono/Regiao.h"

namespace {

struct Vertice {
  double E;
  double N;
};

int Lado(Vertice a, Vertice b, const Ponto_digitalizado& ponto) {
  return Lado_do_ponto(a.E, a.N, b.E, b.N, ponto.E, ponto.N);
}

// Three vertices: the first edge the point lies beyond takes it; a point beyond none
// lies inside the triangle and belongs to no region.
void Por_tres_lados(const std::array<Vertice, 3>& v, const Ponto_digitalizado& ponto,
                    Ponto_regiao entrada, std::array<Lista<Ponto_regiao>, Num_regioes>& regioes) {
  for (int lado = 0; lado < 3; ++lado) {
    if (Lado(v[lado], v[(lado + 1) % 3], ponto) == 1) {
      regioes[lado].Acrescentar(entrada);
      return;
    }
  }
}

// Two vertices: the side of the first label takes region 1, the other side region 2;
// a point on the segment's line joins region 1 marked 'S'.
void Por_um_segmento(const std::array<Vertice, 3>& v, const Ponto_digitalizado& ponto,
                     Ponto_regiao entrada, std::array<Lista<Ponto_regiao>, Num_regioes>& regioes) {
  const int lado = Lado(v[0], v[1], ponto);
  if (lado == 0) entrada.Codigo = 'S';
  regioes[lado == -1 ? 1 : 0].Acrescentar(entrada);
}

}  // namespace

void Classifica_pontos(const Descricao_regiao& desc, const Lista<Ponto_digitalizado>& pontos,
                       std::array<Lista<Ponto_regiao>, Num_regioes>& regioes) {
  const int32_t tipo = desc.Tipo_regiao;
  if (tipo < 8 || tipo > 13) return;
  const std::array<Vertice, 3> v{
      {{desc.E[0], desc.N[0]}, {desc.E[1], desc.N[1]}, {desc.E[2], desc.N[2]}}};
  for (int j = 0; j < pontos.Quantidade(); ++j) {
    const Ponto_digitalizado& ponto = pontos.Item(j);
    if (ponto.Marca_pconv != -1) continue;
    const Ponto_regiao entrada{j, 'E'};
    if (tipo <= 11)
      Por_tres_lados(v, ponto, entrada, regioes);
    else
      Por_um_segmento(v, ponto, entrada, regioes);
  }
}
