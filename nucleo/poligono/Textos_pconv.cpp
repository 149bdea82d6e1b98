#include "nucleo/poligono/Textos_pconv.h"

#include "nucleo/base/Formatacao.h"

std::string Texto_indices(int32_t iW, int32_t iN, int32_t iE, int32_t iS,
                          const Descricao_regiao& desc) {
  return fmt::sprintf(" %d %d %d %d  Regiao = %d / %d", iW, iN, iE, iS, desc.Tipo_regiao,
                      desc.Num_subregioes);
}

std::string Texto_caracterizacao(const Descricao_regiao& desc) {
  std::string texto = "  REGIAO  TIPO \n";
  texto += fmt::sprintf(" Tipo = %d com %d sub-regioes\n\n", desc.Tipo_regiao, desc.Num_subregioes);
  // For the skewed types the fifth sub-region lists the first auxiliary point.
  for (int j = 0; j < desc.Num_subregioes; ++j)
    texto += fmt::sprintf(" E= %11.3f N=%12.3f \n", desc.E.at(j), desc.N.at(j));
  return texto;
}

std::string Texto_vertices(const Lista<Vertice_pconv>& pconv) {
  std::string texto;
  for (int k = 0; k < pconv.Quantidade(); ++k)
    texto += fmt::sprintf(" Pto(%d) = %u \n", k + 1, static_cast<uint32_t>(pconv.Item(k).Indice));
  return texto;
}

std::string Texto_regiao(int regiao, const Lista<Ponto_regiao>& pontos) {
  std::string texto = fmt::sprintf("Regiao %d\n", regiao);
  for (const Ponto_regiao& ponto : pontos) texto += fmt::sprintf(" %d\n", ponto.Indice);
  return texto;
}

std::string Texto_ind_pconv(const Lista<Vertice_pconv>& pconv) {
  std::string texto = " Ind dos pontos PCONVX \n";
  for (int k = 0; k < pconv.Quantidade(); ++k)
    texto += fmt::sprintf(" Pto[%d]= %d\n", k + 1, pconv.Item(k).Indice);
  return texto;
}
