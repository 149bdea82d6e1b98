#include "nucleo/arquivos/Interpreta_registro.h"

#include "nucleo/arquivos/Valores_gravaveis.h"
#include "nucleo/base/Conversao.h"
#include "nucleo/base/Erro.h"

namespace {

// The fields of a trimmed line, one after the other; once they run out, each further
// field is empty, so its conversion fails instead of reading beyond the text.
class Campos {
 public:
  explicit Campos(const std::string& texto)
      : inicio_(texto.data()), fim_texto_(texto.data() + texto.size()) {}

  int32_t Inteiro() { return Texto_para_inteiro(Proximo()); }
  double Real() { return Texto_para_real(Proximo()); }
  // A pixel position that a reserve file cannot hold is refused with the conversion
  // error of its text, as the writer refuses it: read, it would fail the next save.
  double Pixel() {
    const std::string campo = Proximo();
    const double valor = Texto_para_real(campo);
    if (!Pixel_gravavel(valor)) throw Erro::Real_invalido(campo);
    return valor;
  }

 private:
  std::string Proximo() {
    const char* fim = inicio_;
    while (fim != fim_texto_ && *fim != ' ') ++fim;
    std::string campo(inicio_, fim);
    while (fim != fim_texto_ && *fim == ' ') ++fim;
    inicio_ = fim;
    return campo;
  }

  const char* inicio_;
  const char* fim_texto_;
};

}  // namespace

Ponto_digitalizado Interpreta_registro(const std::string& linha, Modo_registro modo) {
  const std::string aparada = Aparar(linha);
  Campos campos(aparada);
  Ponto_digitalizado registro;
  registro.Numero = campos.Inteiro();
  registro.E = campos.Real();
  registro.N = campos.Real();
  switch (modo) {
    case Modo_registro::Ponto:
      registro.h = campos.Real();
      registro.x = campos.Pixel();
      registro.y = campos.Pixel();
      registro.Marca_pconv = campos.Inteiro();
      break;
    case Modo_registro::Controle:
      registro.x = campos.Pixel();
      registro.y = campos.Pixel();
      break;
    case Modo_registro::ENh:
      registro.h = campos.Real();
      break;
  }
  return registro;
}
