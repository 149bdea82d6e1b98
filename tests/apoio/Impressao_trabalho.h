#pragma once
// How GoogleTest prints a job, its lists and records when a comparison of whole states
// fails: field by field, the doubles with every digit, instead of the bytes it prints
// for a type it does not know.

#include <ostream>

#include "nucleo/base/Formatacao.h"
#include "nucleo/trabalho/Trabalho.h"

inline void PrintTo(const Ponto_orientacao& p, std::ostream* os) {
  *os << fmt::sprintf("{%d E=%.17g N=%.17g x=%.17g y=%.17g}", p.Numero, p.E, p.N, p.x, p.y);
}

inline void PrintTo(const Ponto_digitalizado& p, std::ostream* os) {
  *os << fmt::sprintf("{%d marca=%d E=%.17g N=%.17g x=%.17g y=%.17g h=%.17g}", p.Numero,
                      p.Marca_pconv, p.E, p.N, p.x, p.y, p.h);
}

inline void PrintTo(const Vertice_pconv& v, std::ostream* os) {
  *os << fmt::sprintf("{ordem=%d indice=%d}", v.Ordem, v.Indice);
}

inline void PrintTo(const Ponto_regiao& p, std::ostream* os) {
  *os << fmt::sprintf("{indice=%d %c}", p.Indice, p.Codigo);
}

template <typename T>
void PrintTo(const Lista<T>& lista, std::ostream* os) {
  *os << "[";
  for (const T& item : lista) {
    *os << " ";
    PrintTo(item, os);
  }
  *os << " ]";
}

inline void PrintTo(const Descricao_regiao& d, std::ostream* os) {
  *os << fmt::sprintf("{tipo=%d subregioes=%d marca=%d", d.Tipo_regiao, d.Num_subregioes, d.Marca);
  for (int k = 0; k < 6; ++k) {
    if (k < 4) *os << fmt::sprintf(" i%d=%d", k, d.Indices_extremos[k]);
    *os << fmt::sprintf(" (%.17g, %.17g)", d.E[k], d.N[k]);
  }
  for (const std::string& texto : d.Textos_regiao) *os << " '" << texto << "'";
  *os << "}";
}

inline void PrintTo(const Trabalho& t, std::ostream* os) {
  *os << "\n  OLista_coord ";
  if (t.OLista_coord)
    PrintTo(*t.OLista_coord, os);
  else
    *os << "(nula)";
  *os << "\n  Lista_pontos ";
  PrintTo(t.Lista_pontos, os);
  *os << "\n  Lista_pconv ";
  PrintTo(t.Lista_pconv, os);
  for (int r = 0; r < Num_regioes; ++r) {
    *os << fmt::sprintf("\n  Regioes[%d] ", r);
    PrintTo(t.Regioes[r], os);
  }
  *os << fmt::sprintf(
      "\n  Modo_clique=%d Orientada=%d Tem_lista_coord=%d Pontos_associados=%d"
      " Digitalizacao_liberada=%d Coord_carta_lidas=%d Proximo_ponto=%d"
      " Modo_digitalizacao=%d Nome_arquivo='%s'",
      t.Modo_clique, t.Orientada, t.Tem_lista_coord, t.Pontos_associados, t.Digitalizacao_liberada,
      t.Coord_carta_lidas, t.Proximo_ponto, static_cast<int>(t.Modo_digitalizacao), t.Nome_arquivo);
  *os << "\n  Coef_orientacao ";
  if (const auto& c = t.Coef_orientacao)
    *os << fmt::sprintf("{%.17g %.17g %.17g %.17g %.17g %.17g}", c->a, c->b, c->c, c->d, c->e,
                        c->f);
  else
    *os << "(nenhum)";
  *os << "\n  Desc_regiao ";
  PrintTo(t.Desc_regiao, os);
  *os << "\n";
}
