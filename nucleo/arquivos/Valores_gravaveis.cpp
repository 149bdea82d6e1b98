#include "nucleo/arquivos/Valores_gravaveis.h"

#include <cmath>

#include "nucleo/base/Erro.h"
#include "nucleo/base/Formatacao.h"

namespace {

[[noreturn]] void Recusar(double valor, const std::string& registro, const char* campo) {
  throw Erro(
      fmt::sprintf("%s: o valor de %s (%g) nao pode ser gravado.\nNenhum arquivo foi gravado.",
                   registro, campo, valor));
}

}  // namespace

bool Pixel_gravavel(double valor) {
  // Below 2^31 - 1 in magnitude, both the truncation and the rounding fit.
  return std::fabs(valor) < 2147483647.0;
}

void Exigir_finito(double valor, const std::string& registro, const char* campo) {
  if (!std::isfinite(valor)) Recusar(valor, registro, campo);
}

void Exigir_pixel(double valor, const std::string& registro, const char* campo) {
  if (!Pixel_gravavel(valor)) Recusar(valor, registro, campo);
}
