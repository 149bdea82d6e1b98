#include "datafiles/Interpreta_registro.h"

#include <algorithm>

#include "app/Conversao.h"

namespace {

// The fields of a trimmed line, one after the other; once they run out, each further
// field is empty, so its conversion fails instead of reading beyond the text.
class Campos {
 public:
  explicit Campos(std::string texto) : texto_(std::move(texto)) {}

  int32_t Inteiro() { return Texto_para_inteiro(Proximo()); }
  double Real() { return Texto_para_real(Proximo()); }

 private:
  std::string Proximo() {
    const std::size_t fim = std::min(texto_.find(' ', inicio_), texto_.size());
    std::string campo = texto_.substr(inicio_, fim - inicio_);
    inicio_ = std::min(texto_.find_first_not_of(' ', fim), texto_.size());
    return campo;
  }

  std::string texto_;
  std::size_t inicio_ = 0;
};

}  // namespace

Ponto_digitalizado Interpreta_registro(const std::string& linha, Modo_registro modo) {
  Campos campos(Aparar(linha));
  Ponto_digitalizado registro;
  registro.Numero = campos.Inteiro();
  registro.E = campos.Real();
  registro.N = campos.Real();
  if (modo == Modo_registro::Ponto) {
    registro.h = campos.Real();
    registro.x = campos.Real();
    registro.y = campos.Real();
    registro.Marca_pconv = campos.Inteiro();
  } else {
    registro.x = campos.Real();
    registro.y = campos.Real();
  }
  return registro;
}
