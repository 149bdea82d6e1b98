#include "nucleo/arquivos/Formato_ENh.h"

#include "nucleo/arquivos/Valores_gravaveis.h"
#include "nucleo/base/Formatacao.h"

void Exigir_ENh_gravavel(const Ponto_digitalizado& ponto) {
  const std::string registro = fmt::sprintf("Ponto %d", ponto.Numero);
  Exigir_finito(ponto.E, registro, "E");
  Exigir_finito(ponto.N, registro, "N");
  Exigir_finito(ponto.h, registro, "h");
}

void Escrever_linha_ENh(std::FILE* arquivo, const Ponto_digitalizado& ponto) {
  Exigir_ENh_gravavel(ponto);
  fmt::fprintf(arquivo, "%6d %10.3f %11.3f %7.2f\n", ponto.Numero, ponto.E, ponto.N, ponto.h);
}

void Escrever_ENh(std::FILE* arquivo, const Lista<Ponto_digitalizado>& pontos) {
  for (const auto& ponto : pontos) Escrever_linha_ENh(arquivo, ponto);
}
