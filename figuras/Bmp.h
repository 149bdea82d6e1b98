#pragma once
// What the parts of the bitmap decoder share: the header reduced to what decoding needs,
// the palette, the rows of the raster in the file's order, and the decoder's own errors.

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "figuras/Paginas_antecipadas.h"
#include "figuras/Raster_em_faixas.h"

namespace bmp {

// The problem found in the file, turned into the loader's error by Ler_bmp, which
// knows the file's name.
struct Bmp_invalido {
  std::string problema;
};

[[noreturn]] inline void Danificado(const std::string& detalhe) {
  throw Bmp_invalido{"arquivo BMP inválido ou danificado (" + detalhe + ")"};
}

[[noreturn]] inline void Incompleto(const std::string& detalhe) {
  throw Bmp_invalido{"arquivo BMP incompleto (" + detalhe + ")"};
}

enum Compressao : uint32_t {
  Sem_compressao = 0,  // BI_RGB
  Rle8 = 1,
  Rle4 = 2,
  Mascaras = 3,       // BI_BITFIELDS
  Mascaras_alfa = 6,  // BI_ALPHABITFIELDS
};

inline uint32_t U16(const unsigned char* p) {
  return p[0] | p[1] << 8;
}
inline uint32_t U32(const unsigned char* p) {
  return U16(p) | U16(p + 2) << 16;
}

// Every header version reduced to what decoding needs.
struct Cabecalho_bmp {
  int64_t largura = 0, altura = 0;  // the height without the sign of the row order
  bool de_cima_para_baixo = false;  // a negative height: the first row is the top one
  int bits = 0;                     // per pixel
  uint32_t compressao = Sem_compressao;
  std::array<uint32_t, 4> mascaras{};  // red, green, blue, alpha
  int64_t cores_declaradas = 0;        // palette entries announced by the header
  int bytes_por_cor = 4;
  int64_t inicio_pixels = 0;  // offset of the pixel data in the file
  int64_t inicio_paleta = 0;  // offset just after the headers and masks
};

// Colours by index, as Format_RGB32 pixels. Every colour of the file is opaque, so the
// entries it does not define are left 0: their alpha byte tells them apart.
using Paleta = std::array<uint32_t, 256>;

[[noreturn]] inline void Fora_da_paleta() {
  Danificado("índice de cor fora da paleta");
}

inline uint32_t Cor_definida(const Paleta& cores, unsigned indice) {
  const uint32_t cor = cores[indice];
  if (cor >> 24 != 0xFF) Fora_da_paleta();
  return cor;
}

// The raster's row of the file's row `linha_arquivo`, counted in the file's order.
inline int Y_no_raster(const Cabecalho_bmp& cab, int64_t linha_arquivo) {
  return static_cast<int>(cab.de_cima_para_baixo ? linha_arquivo : cab.altura - 1 - linha_arquivo);
}

// The order in which the rows come, for the pages asked for ahead of them.
inline Paginas_antecipadas::Ordem Ordem_das_linhas(const Cabecalho_bmp& cab) {
  return cab.de_cima_para_baixo ? Paginas_antecipadas::Ordem::De_cima
                                : Paginas_antecipadas::Ordem::De_baixo;
}

// The headers, read and checked; the palette; the file moved to the pixel data.
Cabecalho_bmp Ler_cabecalho(std::FILE* arquivo);
void Conferir_formato(const Cabecalho_bmp& cab);
Paleta Ler_paleta(std::FILE* arquivo, const Cabecalho_bmp& cab);
// Moves to the pixel data; returns how many bytes the file holds from there on.
int64_t Ir_aos_pixels(std::FILE* arquivo, const Cabecalho_bmp& cab);

// The pixel data into a new raster: rows without compression (of `disponiveis` bytes in
// the file) or a run-length compressed stream (BI_RLE8, BI_RLE4).
Raster_em_faixas Ler_sem_compressao(std::FILE* arquivo, const std::string& caminho,
                                    const Cabecalho_bmp& cab, const Paleta& cores,
                                    int64_t disponiveis);
Raster_em_faixas Ler_comprimido(std::FILE* arquivo, const std::string& caminho,
                                const Cabecalho_bmp& cab, const Paleta& cores);

}  // namespace bmp
