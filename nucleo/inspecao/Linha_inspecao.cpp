#include "nucleo/inspecao/Linha_inspecao.h"

#include "nucleo/base/Formatacao.h"

std::string Linha_inspecao(const Ponto_digitalizado& ponto) {
  return fmt::sprintf("%6d %11.3f %12.3f %8.3f %4d", ponto.Numero, ponto.E, ponto.N, ponto.h,
                      ponto.Marca_pconv);
}

Conteudo_inspecao Montar_inspecao(const Lista<Ponto_digitalizado>& pontos, bool tem_pol_convexo) {
  Conteudo_inspecao conteudo;
  for (const Ponto_digitalizado& ponto : pontos) conteudo.linhas.push_back(Linha_inspecao(ponto));
  conteudo.num_pontos = fmt::sprintf(" %d", pontos.Quantidade());
  conteudo.pol_convexo = tem_pol_convexo ? " Polígono convexo:  SIM " : " Polígono convexo:  NAO ";
  return conteudo;
}
