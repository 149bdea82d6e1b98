// Bitmap rows without compression: every depth and mask, each row converted into a
// small buffer and written from there into the raster's strips.

#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>
#include <vector>

#include "figuras/Bmp.h"
#include "figuras/Ler_formatos.h"
#include "nucleo/base/Formatacao.h"

namespace bmp {

namespace {

// One colour of a masked pixel, brought to 8 bits: wider fields keep their top 8 bits,
// narrower ones are stretched so that their maximum becomes 255.
struct Canal {
  uint32_t mascara = 0;
  int deslocamento = 0, descarte = 0;
  std::array<uint8_t, 256> escala{};
  uint32_t Valor(uint32_t pixel) const {
    return escala[(pixel & mascara) >> deslocamento >> descarte];
  }
};

// `sem_mascara` is the value of a channel the file does not have: black for a colour,
// opaque for the alpha.
Canal Preparar_canal(uint32_t mascara, int bits, uint8_t sem_mascara) {
  Canal canal;
  canal.mascara = mascara;
  canal.escala[0] = sem_mascara;
  if (mascara == 0) return canal;
  canal.deslocamento = std::countr_zero(mascara);
  const uint32_t maximo = mascara >> canal.deslocamento;
  if ((maximo & (maximo + 1)) != 0 || (bits < 32 && mascara >> bits != 0))
    Danificado(fmt::sprintf("máscara de cor %08X", mascara));
  canal.descarte = std::max(0, std::popcount(maximo) - 8);
  const uint32_t topo = maximo >> canal.descarte;
  for (uint32_t v = 0; v <= topo; ++v)
    canal.escala[v] = static_cast<uint8_t>((v * 255 + topo / 2) / topo);
  return canal;
}

std::array<uint32_t, 4> Mascaras_efetivas(const Cabecalho_bmp& cab) {
  if (cab.compressao != Sem_compressao) return cab.mascaras;
  if (cab.bits == 16) return {0x7C00, 0x03E0, 0x001F, 0};
  return {0xFF0000, 0xFF00, 0xFF, 0};
}

// Transparent parts show white, as on a sheet of paper (icons are shown the same way).
uint32_t Sobre_branco(uint32_t r, uint32_t g, uint32_t b, uint32_t alfa) {
  const auto compor = [alfa](uint32_t c) { return 255 - ((255 - c) * alfa + 127) / 255; };
  return 0xFF000000u | compor(r) << 16 | compor(g) << 8 | compor(b);
}

void Linha_mascaras(const unsigned char* origem, uint32_t* destino, int64_t largura,
                    const std::array<Canal, 4>& canais, int bytes) {
  for (int64_t x = 0; x < largura; ++x, origem += bytes) {
    const uint32_t p = bytes == 2 ? U16(origem) : U32(origem);
    destino[x] = Sobre_branco(canais[0].Valor(p), canais[1].Valor(p), canais[2].Valor(p),
                              canais[3].Valor(p));
  }
}

// Blue, green and red bytes are already Format_RGB32's order in a little-endian word:
// each pixel is read as one 32-bit word and made opaque (a fourth byte is unused). The
// last pixel of a 24-bit row reads one byte past it, which the row buffer has spare.
template <int Bytes>
void Linha_bgr(const unsigned char* origem, uint32_t* destino, int64_t largura) {
  static_assert(std::endian::native == std::endian::little);
  for (int64_t x = 0; x < largura; ++x, origem += Bytes) {
    uint32_t pixel;
    std::memcpy(&pixel, origem, 4);
    destino[x] = 0xFF000000u | pixel;
  }
}

// Indices of 1, 4 or 8 bits, the leftmost pixel in the high bits of its byte.
template <int Bits>
void Linha_indices(const unsigned char* origem, uint32_t* destino, int64_t largura,
                   const Paleta& cores) {
  constexpr int Por_byte = 8 / Bits;
  constexpr unsigned Maximo = (1u << Bits) - 1;
  uint32_t todas = 0xFF000000u;  // stays opaque while every index is in the palette
  for (int64_t x = 0; x < largura; ++x) {
    const int deslocamento = 8 - Bits * (1 + static_cast<int>(x % Por_byte));
    const uint32_t cor = cores[(origem[x / Por_byte] >> deslocamento) & Maximo];
    todas &= cor;
    destino[x] = cor;
  }
  if (todas >> 24 != 0xFF) Fora_da_paleta();
}

// Converts the given number of pixels of a row of the file, from its first byte.
using Conversor = std::function<void(const unsigned char*, uint32_t*, int64_t)>;

Conversor Escolher_conversor(const Cabecalho_bmp& cab, const Paleta& cores) {
  switch (cab.bits) {
    case 1:
      return [&cores](auto o, auto d, int64_t n) { Linha_indices<1>(o, d, n, cores); };
    case 4:
      return [&cores](auto o, auto d, int64_t n) { Linha_indices<4>(o, d, n, cores); };
    case 8:
      return [&cores](auto o, auto d, int64_t n) { Linha_indices<8>(o, d, n, cores); };
    case 24:
      return [](auto o, auto d, int64_t n) { Linha_bgr<3>(o, d, n); };
  }
  const std::array<uint32_t, 4> mascaras = Mascaras_efetivas(cab);
  if (cab.bits == 32 && mascaras == std::array<uint32_t, 4>{0xFF0000, 0xFF00, 0xFF, 0})
    return [](auto o, auto d, int64_t n) { Linha_bgr<4>(o, d, n); };
  const std::array<Canal, 4> canais = {
      Preparar_canal(mascaras[0], cab.bits, 0), Preparar_canal(mascaras[1], cab.bits, 0),
      Preparar_canal(mascaras[2], cab.bits, 0), Preparar_canal(mascaras[3], cab.bits, 255)};
  return [canais, bytes = cab.bits / 8](auto o, auto d, int64_t n) {
    Linha_mascaras(o, d, n, canais, bytes);
  };
}

int64_t Bytes_por_linha(const Cabecalho_bmp& cab) {
  return (cab.largura * cab.bits + 31) / 32 * 4;  // rows are padded to 4 bytes
}

// A file too short for its rows is refused before the raster is allocated.
void Conferir_disponiveis(const Cabecalho_bmp& cab, int64_t disponiveis) {
  const int64_t necessarios = Bytes_por_linha(cab) * cab.altura;
  if (disponiveis < necessarios)
    Incompleto(fmt::sprintf("%d bytes de pixels, %d esperados", disponiveis, necessarios));
}

// A row is converted one strip's part at a time into a small buffer, which goes into
// the strip while the next part is converted; a row claiming a huge width needs no
// buffer of its size. A part starts on a byte of the file at every depth.
constexpr int64_t Pixels_por_vez = Raster_em_faixas::Largura_faixa;

void Ler_linhas(std::FILE* arquivo, const Cabecalho_bmp& cab, const Conversor& converter,
                Raster_em_faixas& raster) {
  const size_t passo = static_cast<size_t>(Bytes_por_linha(cab));
  std::vector<unsigned char> linha(passo + 1);  // a spare byte for Linha_bgr
  std::vector<uint32_t> convertidos(static_cast<size_t>(std::min(cab.largura, Pixels_por_vez)));
  for (int64_t i = 0; i < cab.altura; ++i) {
    if (std::fread(linha.data(), 1, passo, arquivo) != passo)
      Incompleto(fmt::sprintf("termina na linha %d de %d", i + 1, cab.altura));
    for (int64_t x = 0; x < cab.largura; x += Pixels_por_vez) {
      const int64_t n = std::min(Pixels_por_vez, cab.largura - x);
      converter(linha.data() + x * cab.bits / 8, convertidos.data(), n);
      Escrever_sem_cache(raster, static_cast<int>(x), Y_no_raster(cab, i), convertidos.data(),
                         static_cast<int>(n));
    }
  }
}

}  // namespace

Raster_em_faixas Ler_sem_compressao(std::FILE* arquivo, const std::string& caminho,
                                    const Cabecalho_bmp& cab, const Paleta& cores,
                                    int64_t disponiveis) {
  const Conversor converter = Escolher_conversor(cab, cores);
  Conferir_disponiveis(cab, disponiveis);
  Raster_em_faixas raster = Criar_raster(caminho, cab.largura, cab.altura);
  const Paginas_antecipadas antecipadas(raster, Ordem_das_linhas(cab));
  Ler_linhas(arquivo, cab, converter, raster);
  return raster;
}

}  // namespace bmp
