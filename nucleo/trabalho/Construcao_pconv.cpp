#include "nucleo/trabalho/Construcao_pconv.h"

#include <algorithm>

#include "nucleo/poligono/Regiao.h"

void Destruir_pol_convexo(Trabalho& t) {
  Descartar_marcas_pconv(t);
  t.Lista_pconv.Esvaziar();
}

void Construir_pol_convexo(Trabalho& t, const Extremos& x) {
  // Vertices left from a polygon whose marks were discarded elsewhere must not join
  // the new one.
  t.Lista_pconv.Esvaziar();
  Descricao_regiao& desc = t.Desc_regiao;
  Caracteriza_regiao(t.Lista_pontos, x.iW, x.iN, x.iE, x.iS, desc);
  const int vertices = std::min(desc.Num_subregioes, 4);
  for (int k = 0; k < vertices; ++k)
    t.Lista_pontos.Item(desc.Indices_extremos[k]).Marca_pconv = k + 1;
  if (desc.Tipo_regiao > 13) return;  // a point or a line: no polygon to list
  for (int k = 0; k < vertices; ++k) t.Lista_pconv.Acrescentar({k, desc.Indices_extremos[k]});
  Classifica_pontos(desc, t.Lista_pontos, t.Regioes);
}
