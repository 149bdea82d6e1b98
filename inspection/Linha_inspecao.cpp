#include "inspection/Linha_inspecao.h"

#include <fmt/printf.h>

std::string Linha_inspecao(const Ponto_digitalizado& ponto) {
  return fmt::sprintf("%6d %11.3f %12.3f %8.3f %4d", ponto.Numero, ponto.E, ponto.N, ponto.h,
                      ponto.Marca_pconv);
}
