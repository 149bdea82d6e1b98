#include "nucleo/arquivos/Leitura_ENh.h"

#include <string>

#include "nucleo/arquivos/Interpreta_registro.h"
#include "nucleo/arquivos/Ler_linha.h"

Lista<Ponto_digitalizado> Ler_ENh(std::FILE* arquivo) {
  Lista<Ponto_digitalizado> pontos;
  std::string linha;
  for (;;) {
    Ler_linha(arquivo, linha);
    // An empty text at the end of the file is what follows the last newline.
    if (linha.empty() && (std::feof(arquivo) || std::ferror(arquivo))) break;
    pontos.Acrescentar(Interpreta_registro(linha, Modo_registro::ENh));
  }
  return pontos;
}
