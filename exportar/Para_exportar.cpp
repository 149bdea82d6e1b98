#include "exportar/Para_exportar.h"

Trabalho_lido Para_exportar(const Trabalho& trabalho) {
  Trabalho_lido lido;
  lido.pontos = trabalho.Lista_pontos;
  lido.imagem = trabalho.Nome_arquivo;
  if (const Coeficientes* coef = Orientacao_em_vigor(trabalho)) lido.coeficientes = *coef;
  lido.controle = Pontos_controle(trabalho);
  return lido;
}
