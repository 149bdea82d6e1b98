#pragma once
// The one exception type of the program. Its message is exactly what the user reads
// in the error box; every entry from Qt catches it (see Protegido.h).

#include <stdexcept>
#include <string>

class Erro : public std::runtime_error {
 public:
  // Control characters other than the line break are written as \xNN: a text read
  // from a file may hold a NUL, which would cut the message, or returns and escapes
  // that garble the box.
  explicit Erro(const std::string& mensagem);

  static Erro Indice_lista(int indice);
  static Erro Real_invalido(const std::string& texto);
  static Erro Inteiro_invalido(const std::string& texto);
  static Erro Nome_arquivo_invalido(const std::string& texto);
  static Erro Extensao_figura(const std::string& extensao);
  static Erro Divisao_por_zero();
  static Erro Overflow();
  static Erro Operacao_invalida();
};

// Floating-point faults are checked explicitly instead of trapped by the hardware.
// Dividir raises division by zero (or invalid operation for 0/0) and overflow;
// Verificado raises overflow for an infinity and invalid operation for a NaN.
double Dividir(double numerador, double denominador);
double Verificado(double valor);
