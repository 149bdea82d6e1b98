#include "nucleo/base/Erro.h"

#include <cmath>

#include "nucleo/base/Formatacao.h"

namespace {

// The offending text as the error box shows it: a whole line of a binary file would
// make a box no one can read (or close), so a long text is cut, never mid-character.
std::string Texto_exibivel(const std::string& texto) {
  constexpr std::size_t limite = 200;
  if (texto.size() <= limite) return texto;
  std::size_t corte = limite;
  while (corte > 0 && (static_cast<unsigned char>(texto[corte]) & 0xC0) == 0x80) --corte;
  return texto.substr(0, corte) + "...";
}

std::string Controles_escapados(const std::string& texto) {
  std::string escapado;
  escapado.reserve(texto.size());
  for (const char c : texto) {
    const auto codigo = static_cast<unsigned char>(c);
    if ((codigo < 32 && c != '\n') || codigo == 127)
      escapado += fmt::sprintf("\\x%02X", codigo);
    else
      escapado += c;
  }
  return escapado;
}

}  // namespace

Erro::Erro(const std::string& mensagem) : std::runtime_error(Controles_escapados(mensagem)) {}

Erro Erro::Indice_lista(int indice) {
  return Erro(fmt::sprintf("List index out of bounds (%d)", indice));
}

Erro Erro::Real_invalido(const std::string& texto) {
  return Erro(fmt::sprintf("'%s' is not a valid floating point value", Texto_exibivel(texto)));
}

Erro Erro::Inteiro_invalido(const std::string& texto) {
  return Erro(fmt::sprintf("'%s' is not a valid integer value", Texto_exibivel(texto)));
}

Erro Erro::Nome_arquivo_invalido(const std::string& texto) {
  return Erro(fmt::sprintf("'%s' is not a valid file name", Texto_exibivel(texto)));
}

Erro Erro::Extensao_figura(const std::string& extensao) {
  return Erro(fmt::sprintf("Unknown picture file extension (.%s)", extensao));
}

Erro Erro::Divisao_por_zero() {
  return Erro("Floating point division by zero");
}
Erro Erro::Overflow() {
  return Erro("Floating point overflow");
}
Erro Erro::Operacao_invalida() {
  return Erro("Invalid floating point operation");
}

double Verificado(double valor) {
  if (std::isnan(valor)) throw Erro::Operacao_invalida();
  if (std::isinf(valor)) throw Erro::Overflow();
  return valor;
}

double Dividir(double numerador, double denominador) {
  Verificado(numerador);
  Verificado(denominador);
  if (denominador == 0.0) {
    if (numerador == 0.0) throw Erro::Operacao_invalida();
    throw Erro::Divisao_por_zero();
  }
  return Verificado(numerador / denominador);
}
