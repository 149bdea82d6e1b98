#include "nucleo/base/Conversao.h"

#include <locale.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "nucleo/base/Erro.h"
#include "nucleo/base/Formatacao.h"

namespace {

bool Digito(char c) {
  return c >= '0' && c <= '9';
}

std::size_t Pular_brancos(const std::string& t, std::size_t i) {
  while (i < t.size() && t[i] == ' ') ++i;
  return i;
}

std::size_t Pular_digitos(const std::string& t, std::size_t i) {
  while (i < t.size() && Digito(t[i])) ++i;
  return i;
}

// Length of the number [sign] digits [. digits] [e [sign] digits] starting at i,
// or 0 when there is none (a mantissa needs at least one digit).
std::size_t Medir_real(const std::string& t, std::size_t i) {
  const std::size_t inicio = i;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  const std::size_t inteiros = i;
  i = Pular_digitos(t, i);
  bool tem_digito = i > inteiros;
  if (i < t.size() && t[i] == '.') {
    const std::size_t fracao = ++i;
    i = Pular_digitos(t, i);
    tem_digito = tem_digito || i > fracao;
  }
  if (!tem_digito) return 0;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    const std::size_t expoente = j;
    j = Pular_digitos(t, j);
    if (j == expoente) return 0;
    i = j;
  }
  return i - inicio;
}

}  // namespace

double Texto_para_real(const std::string& texto) {
  const std::size_t inicio = Pular_brancos(texto, 0);
  const std::size_t tamanho = Medir_real(texto, inicio);
  if (tamanho == 0 || Pular_brancos(texto, inicio + tamanho) != texto.size())
    throw Erro::Real_invalido(texto);

  // The grammar is checked above, so the conversions see no hex, "inf" or "nan"; both
  // ignore LC_NUMERIC. from_chars (no leading "+") is the fast path of the file readers.
  const char* de = texto.data() + inicio + (texto[inicio] == '+' ? 1 : 0);
  const char* ate = texto.data() + inicio + tamanho;
  double valor = 0.0;
  const auto [fim, erro] = std::from_chars(de, ate, valor);
  if (erro == std::errc() && fim == ate) return valor;
  // Out of range: an underflow quietly gives zero or a denormal, an overflow is refused.
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
  valor = strtod_l(texto.substr(inicio, tamanho).c_str(), nullptr, c_locale);
  if (!std::isfinite(valor)) throw Erro::Real_invalido(texto);
  return valor;
}

int32_t Texto_para_inteiro(const std::string& texto) {
  std::size_t i = Pular_brancos(texto, 0);
  bool negativo = false;
  if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) negativo = texto[i++] == '-';
  const std::size_t digitos = i;
  i = Pular_digitos(texto, i);
  if (i == digitos || i != texto.size()) throw Erro::Inteiro_invalido(texto);

  int64_t valor = 0;
  for (std::size_t k = digitos; k < i; ++k) {
    valor = valor * 10 + (texto[k] - '0');
    if (valor > int64_t{std::numeric_limits<int32_t>::max()} + 1)
      throw Erro::Inteiro_invalido(texto);
  }
  if (negativo) valor = -valor;
  if (valor > std::numeric_limits<int32_t>::max() || valor < std::numeric_limits<int32_t>::min())
    throw Erro::Inteiro_invalido(texto);
  return static_cast<int32_t>(valor);
}

std::string Real_para_texto(double valor) {
  // %.15G gives the shortest of fixed and exponent form with 15 significant digits;
  // the exponent is written without a "+" and without leading zeros, as edits show it.
  // Rounded to 15 digits the largest doubles would go past the largest one and not read
  // back: those get the 17 digits that always give the same double again.
  std::string texto = fmt::sprintf("%.15G", valor);
  double relido = 0.0;
  if (std::from_chars(texto.data(), texto.data() + texto.size(), relido).ec != std::errc())
    texto = fmt::sprintf("%.17G", valor);
  const std::size_t e = texto.find('E');
  if (e == std::string::npos) return texto;
  std::string mantissa = texto.substr(0, e);
  std::string expoente = texto.substr(e + 1);
  std::string sinal;
  if (!expoente.empty() && (expoente[0] == '+' || expoente[0] == '-')) {
    if (expoente[0] == '-') sinal = "-";
    expoente.erase(0, 1);
  }
  expoente.erase(0, std::min(expoente.find_first_not_of('0'), expoente.size() - 1));
  return mantissa + "E" + sinal + expoente;
}

int Truncar_pixel(double valor) {
  constexpr double limite = 1 << 30;
  if (std::isnan(valor)) return 0;
  return static_cast<int>(std::clamp(std::trunc(valor), -limite, limite));
}

std::string Aparar(const std::string& texto) {
  std::size_t inicio = 0;
  std::size_t fim = texto.size();
  while (inicio < fim && static_cast<unsigned char>(texto[inicio]) <= 32) ++inicio;
  while (fim > inicio && static_cast<unsigned char>(texto[fim - 1]) <= 32) --fim;
  return texto.substr(inicio, fim - inicio);
}
