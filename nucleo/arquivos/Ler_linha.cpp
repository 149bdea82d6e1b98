#include "nucleo/arquivos/Ler_linha.h"

#include <sys/types.h>

#include <cstdlib>

namespace {

// getline's buffer, kept between calls; one grown by a huge line (a binary file
// read by mistake) is given back instead of being held until the program ends.
struct Memoria_linha {
  static constexpr std::size_t Maxima_guardada = 1 << 20;
  char* dados = nullptr;
  std::size_t capacidade = 0;
  void Aliviar() {
    if (capacidade <= Maxima_guardada) return;
    std::free(dados);
    dados = nullptr;
    capacidade = 0;
  }
  ~Memoria_linha() { std::free(dados); }
};

}  // namespace

void Ler_linha(std::FILE* arquivo, std::string& linha) {
  thread_local Memoria_linha memoria;
  const ssize_t lidos = getline(&memoria.dados, &memoria.capacidade, arquivo);
  std::size_t tamanho = lidos > 0 ? static_cast<std::size_t>(lidos) : 0;
  if (tamanho > 0 && memoria.dados[tamanho - 1] == '\n') {
    --tamanho;
    if (tamanho > 0 && memoria.dados[tamanho - 1] == '\r') --tamanho;
  }
  linha.assign(memoria.dados ? memoria.dados : "", tamanho);
  memoria.Aliviar();
}

std::string Ler_linha(std::FILE* arquivo) {
  std::string linha;
  Ler_linha(arquivo, linha);
  return linha;
}
