// Raster allocation, file access and error texts shared by the picture readers.

#include <fmt/printf.h>

#include "app/Ler_formatos.h"

void Falhar_leitura(const std::string& caminho, const std::string& problema) {
  throw Erro(fmt::sprintf("Não foi possível ler a imagem \"%s\": %s", caminho, problema));
}

Erro Erro_grande_demais(int64_t largura, int64_t altura) {
  return Erro(
      fmt::sprintf("Imagem grande demais para a memória (%d x %d pixels)", largura, altura));
}

void Conferir_tamanho_raster(const std::string& caminho, int64_t largura, int64_t altura) {
  if (largura <= 0 || altura <= 0)
    Falhar_leitura(caminho, fmt::sprintf("dimensões inválidas (%d x %d pixels)", largura, altura));
  // Compared by division, so that a header claiming huge sides cannot overflow.
  if (largura > Maximo_bytes_raster / 4 / altura) throw Erro_grande_demais(largura, altura);
}

QImage Criar_raster(const std::string& caminho, int64_t largura, int64_t altura) {
  Conferir_tamanho_raster(caminho, largura, altura);
  QImage raster(static_cast<int>(largura), static_cast<int>(altura), QImage::Format_RGB32);
  if (raster.isNull()) throw Erro_grande_demais(largura, altura);
  return raster;
}

Arquivo Abrir_arquivo(const std::string& caminho) {
  Arquivo arquivo(std::fopen(caminho.c_str(), "rb"));
  if (!arquivo)
    throw Erro(fmt::sprintf("Não foi possível abrir o arquivo de imagem \"%s\"", caminho));
  return arquivo;
}

std::vector<unsigned char> Ler_arquivo_inteiro(const std::string& caminho) {
  const Arquivo arquivo = Abrir_arquivo(caminho);
  std::vector<unsigned char> conteudo;
  unsigned char bloco[65536];
  size_t lidos;
  while ((lidos = std::fread(bloco, 1, sizeof bloco, arquivo.get())) > 0)
    conteudo.insert(conteudo.end(), bloco, bloco + lidos);
  if (std::ferror(arquivo.get())) Falhar_leitura(caminho, "erro de leitura do arquivo");
  return conteudo;
}
