// The reserve file reader on any bytes, in both of its modes (Open data's full reading
// and Concatenate's points only): a file it cannot take must end in the conversion
// error of a line, and the counts it reports must match what it handed over.

#include <cstdio>
#include <cstdlib>

#include "nucleo/arquivos/Leitura_reserva.h"
#include "nucleo/base/Erro.h"

namespace {

class Receptor_contador : public Receptor_reserva {
 public:
  void Ponto_controle(const Ponto_orientacao&) override { ++controles_; }
  void Fim_pontos_controle(int quantidade) override {
    if (quantidade != controles_) std::abort();
  }
  void Ponto(const Ponto_digitalizado&) override { ++pontos_; }
  void Fim_pontos(int quantidade) override {
    if (quantidade != pontos_) std::abort();
  }

 private:
  int controles_ = 0;
  int pontos_ = 0;
};

void Ler(const uint8_t* dados, std::size_t tamanho, Leitura_reserva leitura) {
  std::FILE* arquivo = fmemopen(const_cast<uint8_t*>(dados), tamanho, "r");
  if (arquivo == nullptr) std::abort();
  Receptor_contador receptor;
  try {
    Ler_reserva(arquivo, leitura, receptor);
  } catch (const Erro&) {
  }
  std::fclose(arquivo);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
  Ler(dados, tamanho, Leitura_reserva::Completa);
  Ler(dados, tamanho, Leitura_reserva::Somente_pontos);
  return 0;
}
