// The conversions between text and numbers held against the C library: a text that the
// program accepts must give exactly strtod's (strtoll's) value, and a plain decimal
// number that the C library reads whole must not be refused.

#include <locale.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "nucleo/base/Conversao.h"
#include "nucleo/base/Erro.h"

namespace {

const locale_t Locale_c = newlocale(LC_ALL_MASK, "C", nullptr);

// Texts made only of what a decimal number is written with, and blanks: the ones for
// which acceptance by the C library and by the program must agree.
bool So_decimal(const std::string& texto) {
  return texto.find_first_not_of("0123456789+-.eE ") == std::string::npos;
}

// strtod's reading of the text, when it takes everything but blanks before and after.
bool Ler_com_strtod(const std::string& texto, double& valor) {
  const char* inicio = texto.c_str();
  while (*inicio == ' ') ++inicio;
  if (*inicio == '\0') return false;
  char* fim = nullptr;
  valor = strtod_l(inicio, &fim, Locale_c);
  if (fim == inicio) return false;
  while (*fim == ' ') ++fim;
  return *fim == '\0';
}

void Conferir_real(const std::string& texto) {
  double esperado = 0;
  const bool c_aceita = Ler_com_strtod(texto, esperado);
  try {
    const double valor = Texto_para_real(texto);
    if (!c_aceita || !(valor == esperado) || std::signbit(valor) != std::signbit(esperado))
      std::abort();
    // What the program puts back into an edit box must read back.
    Texto_para_real(Real_para_texto(valor));
  } catch (const Erro&) {
    if (So_decimal(texto) && c_aceita && std::isfinite(esperado)) std::abort();
  }
}

void Conferir_inteiro(const std::string& texto) {
  const char* inicio = texto.c_str();
  while (*inicio == ' ') ++inicio;
  char* fim = nullptr;
  errno = 0;
  const long long esperado = std::strtoll(inicio, &fim, 10);
  const bool c_aceita = *inicio != '\0' && *inicio != ' ' && fim != inicio && *fim == '\0' &&
                        errno == 0 && esperado >= std::numeric_limits<int32_t>::min() &&
                        esperado <= std::numeric_limits<int32_t>::max();
  try {
    const int32_t valor = Texto_para_inteiro(texto);
    if (!c_aceita || valor != esperado) std::abort();
  } catch (const Erro&) {
    if (So_decimal(texto) && c_aceita) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
  const std::string texto(reinterpret_cast<const char*>(dados), tamanho);
  // strtod and strtoll stop at a NUL: such texts are refused by both sides anyway.
  if (texto.find('\0') != std::string::npos) {
    try {
      Texto_para_real(texto);
      std::abort();
    } catch (const Erro&) {
    }
    return 0;
  }
  Conferir_real(texto);
  Conferir_inteiro(texto);
  Aparar(texto);
  return 0;
}
