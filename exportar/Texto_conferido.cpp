#include "exportar/Texto_conferido.h"

#include <cpl_vsi.h>

#include <cerrno>
#include <cstring>

#include "exportar/Falha_exportacao.h"
#include "nucleo/base/Formatacao.h"

namespace {

bool Gravar(const std::string& caminho, const std::string& texto) {
  VSILFILE* arquivo = VSIFOpenL(caminho.c_str(), "wb");
  if (!arquivo) return false;
  const bool escrito = VSIFWriteL(texto.data(), 1, texto.size(), arquivo) == texto.size();
  return VSIFCloseL(arquivo) == 0 && escrito;
}

std::string Ler(const std::string& caminho, std::size_t maximo) {
  std::string lido(maximo + 1, '\0');
  VSILFILE* arquivo = VSIFOpenL(caminho.c_str(), "rb");
  if (!arquivo) return {};
  lido.resize(VSIFReadL(lido.data(), 1, lido.size(), arquivo));
  VSIFCloseL(arquivo);
  return lido;
}

}  // namespace

void Gravar_texto_conferido(const std::string& caminho, const std::string& texto,
                            const std::string& nome) {
  errno = 0;
  if (!Gravar(caminho, texto))
    throw Falha_exportacao(fmt::sprintf("%s: não pode ser gravado (%s)", nome,
                                        errno ? std::strerror(errno) : "erro de escrita"));
  if (Ler(caminho, texto.size()) != texto)
    throw Falha_exportacao(nome + ": não pode ser gravado (lido de volta diferente do gravado)");
}
