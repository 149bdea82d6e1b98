// The picture loader's entry: the reader is chosen by the file's extension, whatever
// its case, as the extension is the only format information the user gave.

#include "figuras/Ler_figura.h"

#include <algorithm>
#include <cctype>

#include "figuras/Ler_formatos.h"
#include "nucleo/base/Erro.h"

namespace {

// The text after the last full stop of the file's name (not of its folders), as typed.
std::string Extensao(const std::string& caminho) {
  const size_t barra = caminho.find_last_of('/');
  const size_t inicio_nome = barra == std::string::npos ? 0 : barra + 1;
  const size_t ponto = caminho.find_last_of('.');
  if (ponto == std::string::npos || ponto < inicio_nome) return "";
  return caminho.substr(ponto + 1);
}

std::string Minusculas(std::string texto) {
  std::transform(texto.begin(), texto.end(), texto.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return texto;
}

}  // namespace

Raster_em_faixas Ler_figura(const std::string& caminho, double pontos_por_polegada) {
  const std::string extensao = Extensao(caminho);
  const std::string formato = Minusculas(extensao);
  if (formato == "jpg" || formato == "jpeg") return Ler_jpeg(caminho);
  if (formato == "bmp") return Ler_bmp(caminho);
  if (formato == "ico") return Ler_ico(caminho);
  if (formato == "emf") return Ler_emf(caminho, pontos_por_polegada);
  if (formato == "wmf") return Ler_wmf(caminho, pontos_por_polegada);
  throw Erro::Extensao_figura(extensao);
}
