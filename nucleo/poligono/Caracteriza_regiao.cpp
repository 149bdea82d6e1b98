#include <initializer_list>

#include "nucleo/poligono/Regiao.h"

namespace {

// Writes the type and, for each vertex k, its position and coordinates into entry k;
// the labels fill the texts from the first slot onward.
void Registrar(Descricao_regiao& desc, const Lista<Ponto_digitalizado>& pontos, int32_t tipo,
               int32_t subregioes, std::initializer_list<int32_t> vertices,
               std::initializer_list<const char*> textos) {
  desc.Tipo_regiao = tipo;
  desc.Num_subregioes = subregioes;
  int k = 0;
  for (int32_t indice : vertices) {
    const Ponto_digitalizado& vertice = pontos.Item(indice);
    desc.Indices_extremos[k] = indice;
    desc.E[k] = vertice.E;
    desc.N[k] = vertice.N;
    ++k;
  }
  k = 0;
  for (const char* texto : textos) desc.Textos_regiao[k++] = texto;
}

void Ponto_auxiliar(Descricao_regiao& desc, int entrada, double E, double N) {
  desc.E[entrada] = E;
  desc.N[entrada] = N;
}

// Four distinct extremes: the type follows from how the W and E points compare in N and
// the N and S points in E. The skewed types get two auxiliary corner points.
void Quatro_vertices(Descricao_regiao& desc, double nW, double nE, double eN, double eS) {
  const auto Inclinado = [&desc](int32_t tipo, const char* quinto) {
    desc.Tipo_regiao = tipo;
    desc.Num_subregioes = 5;
    desc.Textos_regiao[4] = quinto;
  };
  if (nW == nE) {
    desc.Tipo_regiao = eN == eS ? 7 : 6;
    desc.Num_subregioes = 4;
  } else if (eN == eS) {
    desc.Tipo_regiao = 5;
    desc.Num_subregioes = 4;
  } else if (nW > nE && eN < eS) {
    Inclinado(4, "OV");
    Ponto_auxiliar(desc, 4, eN, nE);
    Ponto_auxiliar(desc, 5, eS, nW);
  } else if (nW > nE) {
    Inclinado(3, "EM");
    Ponto_auxiliar(desc, 4, eS, nE);
    Ponto_auxiliar(desc, 5, eN, nW);
  } else if (eN > eS) {
    Inclinado(2, "OV");
    Ponto_auxiliar(desc, 4, eS, nW);
    Ponto_auxiliar(desc, 5, eN, nE);
  } else {
    Inclinado(1, "EM");
    Ponto_auxiliar(desc, 4, eN, nW);
    Ponto_auxiliar(desc, 5, eS, nE);
  }
}

}  // namespace

bool Caracteriza_regiao(const Lista<Ponto_digitalizado>& pontos, int32_t iW, int32_t iN, int32_t iE,
                        int32_t iS, Descricao_regiao& desc) {
  desc.Tipo_regiao = Tipo_indeterminado;
  const auto& p = pontos;
  if (iW == iN && iN == iE && iE == iS)
    Registrar(desc, p, 16, 0, {}, {});
  else if (iN == iS)
    Registrar(desc, p, 14, 0, {}, {});
  else if (iW == iE)
    Registrar(desc, p, 15, 0, {}, {});
  else if (iW == iN && iE == iS)
    Registrar(desc, p, 12, 2, {iW, iE}, {"NE", "SO"});
  else if (iW == iS && iN == iE)
    Registrar(desc, p, 13, 2, {iW, iN}, {"NO", "SE"});
  else if (iW == iN)
    Registrar(desc, p, 8, 3, {iW, iE, iS}, {"NE", "SE", "SO"});
  else if (iN == iE)
    Registrar(desc, p, 9, 3, {iW, iN, iS}, {"NO", "SE", "SO"});
  else if (iE == iS)
    Registrar(desc, p, 10, 3, {iW, iN, iE}, {"NO", "NE", "SO"});
  else if (iS == iW)
    Registrar(desc, p, 11, 3, {iW, iN, iE}, {"NO", "NE", "SE"});
  else {
    Registrar(desc, p, Tipo_indeterminado, 4, {iW, iN, iE, iS}, {"NO", "NE", "SE", "SO"});
    Quatro_vertices(desc, p.Item(iW).N, p.Item(iE).N, p.Item(iN).E, p.Item(iS).E);
  }
  return desc.Tipo_regiao != Tipo_indeterminado;
}
