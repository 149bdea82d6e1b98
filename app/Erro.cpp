#include "app/Erro.h"

#include <cmath>
#include <fmt/printf.h>

Erro Erro::Indice_lista(int indice) {
  return Erro(fmt::sprintf("List index out of bounds (%d)", indice));
}

Erro Erro::Real_invalido(const std::string& texto) {
  return Erro(fmt::sprintf("'%s' is not a valid floating point value", texto));
}

Erro Erro::Inteiro_invalido(const std::string& texto) {
  return Erro(fmt::sprintf("'%s' is not a valid integer value", texto));
}

Erro Erro::Extensao_figura(const std::string& extensao) {
  return Erro(fmt::sprintf("Unknown picture file extension (.%s)", extensao));
}

Erro Erro::Divisao_por_zero() { return Erro("Floating point division by zero"); }
Erro Erro::Overflow() { return Erro("Floating point overflow"); }
Erro Erro::Operacao_invalida() { return Erro("Invalid floating point operation"); }

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
