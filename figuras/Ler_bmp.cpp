// Windows bitmaps, decoded here rather than by Qt: Qt's reader refuses any side over
// 16384 pixels, and an A0 sheet scanned at 600 dpi is about 19900 x 28100. The file is
// read once, front to back, one row at a time, and every row is converted straight into
// the raster's own scanline, whatever the depth of the file.
//
// Anything that does not fit the raster (a run or a jump past a row or past the last
// row, a colour index beyond the palette) and a file that ends before its last row are
// refused: a survey chart must not be shown with a part of it silently missing.

#include <fmt/printf.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "figuras/Ler_formatos.h"
#include "figuras/Paginas_antecipadas.h"

namespace {

// The problem found in the file, turned into the loader's error by Ler_bmp, which
// knows the file's name.
struct Bmp_invalido {
  std::string problema;
};

[[noreturn]] void Danificado(const std::string& detalhe) {
  throw Bmp_invalido{"arquivo BMP inválido ou danificado (" + detalhe + ")"};
}

[[noreturn]] void Incompleto(const std::string& detalhe) {
  throw Bmp_invalido{"arquivo BMP incompleto (" + detalhe + ")"};
}

enum Compressao : uint32_t {
  Sem_compressao = 0,  // BI_RGB
  Rle8 = 1,
  Rle4 = 2,
  Mascaras = 3,       // BI_BITFIELDS
  Mascaras_alfa = 6,  // BI_ALPHABITFIELDS
};

std::string Nome_compressao(uint32_t compressao) {
  static const char* const nomes[] = {"RGB",  "RLE8", "RLE4",          "BITFIELDS",
                                      "JPEG", "PNG",  "ALPHABITFIELDS"};
  return compressao < std::size(nomes) ? nomes[compressao] : fmt::sprintf("%d", compressao);
}

uint32_t U16(const unsigned char* p) {
  return p[0] | p[1] << 8;
}
uint32_t U32(const unsigned char* p) {
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

void Ler_bytes(std::FILE* arquivo, unsigned char* destino, size_t quantos) {
  if (std::fread(destino, 1, quantos, arquivo) != quantos) Incompleto("cabeçalho cortado");
}

// BITMAPCOREHEADER: 16-bit sides, always bottom-up, palette entries of three bytes.
void Interpretar_core(const unsigned char* dib, Cabecalho_bmp& cab) {
  cab.largura = U16(dib + 4);
  cab.altura = U16(dib + 6);
  cab.bits = static_cast<int>(U16(dib + 10));
  cab.bytes_por_cor = 3;
  cab.cores_declaradas = cab.bits <= 8 ? int64_t{1} << cab.bits : 0;
}

// BITMAPINFOHEADER and its successors: V2 and V3 add the masks, V4 and V5 colour spaces,
// which are ignored. The masks count only with BI_BITFIELDS and BI_ALPHABITFIELDS.
void Interpretar_info(std::FILE* arquivo, unsigned char* dib, uint32_t tamanho,
                      Cabecalho_bmp& cab) {
  cab.largura = static_cast<int32_t>(U32(dib + 4));
  const int64_t altura = static_cast<int32_t>(U32(dib + 8));
  cab.de_cima_para_baixo = altura < 0;
  cab.altura = altura < 0 ? -altura : altura;
  cab.bits = static_cast<int>(U16(dib + 14));
  cab.compressao = U32(dib + 16);
  const uint32_t cores_usadas = U32(dib + 32);
  cab.cores_declaradas = cores_usadas != 0 || cab.bits > 8 ? cores_usadas : 1u << cab.bits;
  if (cab.compressao != Mascaras && cab.compressao != Mascaras_alfa) return;
  // The masks that follow a 40-byte header land where the later headers hold theirs.
  if (tamanho == 40) {
    const size_t bytes = cab.compressao == Mascaras_alfa ? 16 : 12;
    Ler_bytes(arquivo, dib + 40, bytes);
    cab.inicio_paleta += bytes;
  }
  const bool sem_alfa = tamanho == 52 || (tamanho == 40 && cab.compressao == Mascaras);
  for (int i = 0; i < (sem_alfa ? 3 : 4); ++i) cab.mascaras[i] = U32(dib + 40 + 4 * i);
}

Cabecalho_bmp Ler_cabecalho(std::FILE* arquivo) {
  unsigned char inicio[18];  // BITMAPFILEHEADER and the size of the header after it
  const size_t lidos = std::fread(inicio, 1, sizeof inicio, arquivo);
  if (lidos < 2 || inicio[0] != 'B' || inicio[1] != 'M') Danificado("não começa com \"BM\"");
  if (lidos < sizeof inicio) Incompleto("cabeçalho cortado");
  const uint32_t tamanho = U32(inicio + 14);
  if (tamanho != 12 && tamanho != 40 && tamanho != 52 && tamanho != 56 && tamanho != 108 &&
      tamanho != 124)
    Danificado(fmt::sprintf("cabeçalho de %d bytes", tamanho));
  unsigned char dib[124];
  Ler_bytes(arquivo, dib + 4, tamanho - 4);
  Cabecalho_bmp cab;
  cab.inicio_pixels = U32(inicio + 10);
  cab.inicio_paleta = 14 + int64_t{tamanho};
  if (tamanho == 12)
    Interpretar_core(dib, cab);
  else
    Interpretar_info(arquivo, dib, tamanho, cab);
  return cab;
}

// The depths that each compression allows.
void Conferir_formato(const Cabecalho_bmp& cab) {
  const int b = cab.bits;
  bool valido = false;
  switch (cab.compressao) {
    case Sem_compressao:
      valido = b == 1 || b == 4 || b == 8 || b == 16 || b == 24 || b == 32;
      break;
    case Rle8:
      valido = b == 8;
      break;
    case Rle4:
      valido = b == 4;
      break;
    case Mascaras:
    case Mascaras_alfa:
      valido = b == 16 || b == 32;
      break;
    default:
      throw Bmp_invalido{"arquivo BMP com compressão não suportada (" +
                         Nome_compressao(cab.compressao) + ")"};
  }
  if (!valido)
    Danificado(
        fmt::sprintf("%d bits por pixel com compressão %s", b, Nome_compressao(cab.compressao)));
  if (cab.inicio_pixels < cab.inicio_paleta)
    Danificado(fmt::sprintf("dados da imagem no byte %d, dentro do cabeçalho", cab.inicio_pixels));
}

// Colours by index, as Format_RGB32 pixels. Every colour of the file is opaque, so the
// entries it does not define are left 0: their alpha byte tells them apart.
using Paleta = std::array<uint32_t, 256>;

[[noreturn]] void Fora_da_paleta() {
  Danificado("índice de cor fora da paleta");
}

uint32_t Cor_definida(const Paleta& cores, unsigned indice) {
  const uint32_t cor = cores[indice];
  if (cor >> 24 != 0xFF) Fora_da_paleta();
  return cor;
}

// A header may announce more colours than the file holds before its pixel data: only
// those held are taken, and a pixel that uses another one is refused.
Paleta Ler_paleta(std::FILE* arquivo, const Cabecalho_bmp& cab) {
  Paleta cores{};
  if (cab.bits > 8) return cores;
  const int64_t cabem = (cab.inicio_pixels - cab.inicio_paleta) / cab.bytes_por_cor;
  const int64_t quantas = std::min({cab.cores_declaradas, int64_t{1} << cab.bits, cabem});
  if (quantas <= 0) Danificado("sem paleta de cores");
  std::vector<unsigned char> bytes(static_cast<size_t>(quantas * cab.bytes_por_cor));
  Ler_bytes(arquivo, bytes.data(), bytes.size());
  for (int64_t i = 0; i < quantas; ++i) {
    const unsigned char* p = &bytes[static_cast<size_t>(i * cab.bytes_por_cor)];
    cores[static_cast<size_t>(i)] = 0xFF000000u | p[2] << 16 | p[1] << 8 | p[0];
  }
  return cores;
}

// Moves to the pixel data; returns how many bytes the file holds from there on.
int64_t Ir_aos_pixels(std::FILE* arquivo, const Cabecalho_bmp& cab) {
  if (std::fseek(arquivo, 0, SEEK_END) != 0) throw Bmp_invalido{"erro de leitura do arquivo"};
  const int64_t tamanho = std::ftell(arquivo);
  if (tamanho < 0) throw Bmp_invalido{"erro de leitura do arquivo"};
  if (cab.inicio_pixels > tamanho)
    Danificado(fmt::sprintf("dados da imagem no byte %d, além do fim do arquivo de %d bytes",
                            cab.inicio_pixels, tamanho));
  if (std::fseek(arquivo, static_cast<long>(cab.inicio_pixels), SEEK_SET) != 0)
    throw Bmp_invalido{"erro de leitura do arquivo"};
  return tamanho - cab.inicio_pixels;
}

// ---- Rows without compression ---------------------------------------------------------

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

// Converts one row of the file into one row of the raster.
using Conversor = std::function<void(const unsigned char*, uint32_t*)>;

Conversor Escolher_conversor(const Cabecalho_bmp& cab, const Paleta& cores) {
  const int64_t l = cab.largura;
  switch (cab.bits) {
    case 1:
      return [l, &cores](auto o, auto d) { Linha_indices<1>(o, d, l, cores); };
    case 4:
      return [l, &cores](auto o, auto d) { Linha_indices<4>(o, d, l, cores); };
    case 8:
      return [l, &cores](auto o, auto d) { Linha_indices<8>(o, d, l, cores); };
    case 24:
      return [l](auto o, auto d) { Linha_bgr<3>(o, d, l); };
  }
  const std::array<uint32_t, 4> mascaras = Mascaras_efetivas(cab);
  if (cab.bits == 32 && mascaras == std::array<uint32_t, 4>{0xFF0000, 0xFF00, 0xFF, 0})
    return [l](auto o, auto d) { Linha_bgr<4>(o, d, l); };
  const std::array<Canal, 4> canais = {
      Preparar_canal(mascaras[0], cab.bits, 0), Preparar_canal(mascaras[1], cab.bits, 0),
      Preparar_canal(mascaras[2], cab.bits, 0), Preparar_canal(mascaras[3], cab.bits, 255)};
  return
      [l, canais, bytes = cab.bits / 8](auto o, auto d) { Linha_mascaras(o, d, l, canais, bytes); };
}

int64_t Bytes_por_linha(const Cabecalho_bmp& cab) {
  return (cab.largura * cab.bits + 31) / 32 * 4;  // rows are padded to 4 bytes
}

uint32_t* Linha_do_raster(QImage& raster, const Cabecalho_bmp& cab, int64_t linha_arquivo) {
  const int64_t y = cab.de_cima_para_baixo ? linha_arquivo : cab.altura - 1 - linha_arquivo;
  return reinterpret_cast<uint32_t*>(raster.scanLine(static_cast<int>(y)));
}

Paginas_antecipadas::Ordem Ordem_das_linhas(const Cabecalho_bmp& cab) {
  return cab.de_cima_para_baixo ? Paginas_antecipadas::Ordem::De_cima
                                : Paginas_antecipadas::Ordem::De_baixo;
}

// A file too short for its rows is refused before the raster is allocated.
void Conferir_disponiveis(const Cabecalho_bmp& cab, int64_t disponiveis) {
  const int64_t necessarios = Bytes_por_linha(cab) * cab.altura;
  if (disponiveis < necessarios)
    Incompleto(fmt::sprintf("%d bytes de pixels, %d esperados", disponiveis, necessarios));
}

void Ler_linhas(std::FILE* arquivo, const Cabecalho_bmp& cab, const Conversor& converter,
                QImage& raster) {
  const size_t passo = static_cast<size_t>(Bytes_por_linha(cab));
  std::vector<unsigned char> linha(passo + 1);  // a spare byte for Linha_bgr
  for (int64_t i = 0; i < cab.altura; ++i) {
    if (std::fread(linha.data(), 1, passo, arquivo) != passo)
      Incompleto(fmt::sprintf("termina na linha %d de %d", i + 1, cab.altura));
    converter(linha.data(), Linha_do_raster(raster, cab, i));
  }
}

// ---- Run-length compressed rows (BI_RLE8, BI_RLE4) -------------------------------------

// The compressed stream byte by byte, through a small buffer of its own.
class Fluxo_bytes {
 public:
  explicit Fluxo_bytes(std::FILE* arquivo) : arquivo_(arquivo), bloco_(65536) {}

  // The next byte; the end of the file here ends the picture before its last row.
  unsigned Proximo() {
    const int byte = Proximo_ou_fim();
    if (byte < 0) Cortado();
    return static_cast<unsigned>(byte);
  }

  [[noreturn]] static void Cortado() { Incompleto("dados comprimidos cortados"); }

  // The next byte, or -1 at the end of the file.
  int Proximo_ou_fim() { return Ha_dados() ? bloco_[posicao_++] : -1; }

  // Whether a byte is left, without taking it.
  bool Ha_dados() {
    if (posicao_ == fim_) {
      fim_ = std::fread(bloco_.data(), 1, bloco_.size(), arquivo_);
      posicao_ = 0;
    }
    return posicao_ < fim_;
  }

 private:
  std::FILE* arquivo_;
  std::vector<unsigned char> bloco_;
  size_t posicao_ = 0, fim_ = 0;
};

// Where the next pixel of the stream goes; rows are counted in the file's order.
// Pixels that the stream skips show the first colour of the palette. A row is filled
// with it only when the stream reaches it (or at the end), so that a short stream
// behind a header claiming a huge picture touches only the rows it really has.
class Posicao_rle {
 public:
  Posicao_rle(QImage& raster, const Cabecalho_bmp& cab, uint32_t fundo)
      : raster_(raster), cab_(cab), fundo_(fundo) {}

  // The next `quantos` pixels of the current row.
  uint32_t* Pixels(int64_t quantos) {
    if (linha_ >= cab_.altura) Danificado("sequência RLE além do fim da imagem");
    if (x_ + quantos > cab_.largura) Danificado("sequência RLE além do fim de uma linha");
    Preencher_ate(linha_ + 1);
    uint32_t* pixels = Linha_do_raster(raster_, cab_, linha_) + x_;
    x_ += quantos;
    return pixels;
  }

  // The rows the stream never reached, once it has ended well.
  void Concluir() { Preencher_ate(cab_.altura); }

  void Nova_linha() { Deslocar(-x_, 1); }

  void Deslocar(int64_t direita, int64_t linhas) {
    if (linha_ + linhas > cab_.altura) Danificado("sequência RLE além do fim da imagem");
    if (x_ + direita > cab_.largura) Danificado("sequência RLE além do fim de uma linha");
    x_ += direita;
    linha_ += linhas;
  }

  // Every row reached: a stream that ends here lacks only its end-of-bitmap mark.
  bool No_fim() const {
    return linha_ == cab_.altura || (linha_ == cab_.altura - 1 && x_ == cab_.largura);
  }

 private:
  void Preencher_ate(int64_t fim) {
    for (; preenchidas_ < fim; ++preenchidas_) {
      uint32_t* linha = Linha_do_raster(raster_, cab_, preenchidas_);
      std::fill(linha, linha + cab_.largura, fundo_);
    }
  }

  QImage& raster_;
  const Cabecalho_bmp& cab_;
  const uint32_t fundo_;
  int64_t x_ = 0, linha_ = 0, preenchidas_ = 0;
};

// An encoded run: RLE8 repeats one index, RLE4 alternates the two of its byte.
void Repetir(uint32_t* pixels, unsigned quantos, unsigned indices, int bits, const Paleta& cores) {
  const uint32_t par[2] = {Cor_definida(cores, bits == 8 ? indices : indices >> 4),
                           Cor_definida(cores, bits == 8 ? indices : indices & 0xF)};
  for (unsigned i = 0; i < quantos; ++i) pixels[i] = par[i % 2];
}

// An absolute run: the indices themselves, packed like an uncompressed row, padded to
// an even number of bytes.
void Copiar(Fluxo_bytes& fluxo, uint32_t* pixels, unsigned quantos, int bits, const Paleta& cores) {
  const unsigned bytes = bits == 8 ? quantos : (quantos + 1) / 2;
  unsigned byte = 0;
  for (unsigned i = 0; i < quantos; ++i) {
    if (bits == 8 || i % 2 == 0) byte = fluxo.Proximo();
    const unsigned indice = bits == 8 ? byte : i % 2 == 0 ? byte >> 4 : byte & 0xF;
    pixels[i] = Cor_definida(cores, indice);
  }
  if (bytes % 2 != 0) fluxo.Proximo();
}

// Pairs of bytes: a count and an index run, or 0 and an escape (0 end of row, 1 end of
// bitmap, 2 a jump right and up the picture, 3 to 255 an absolute run of that length).
void Ler_rle(Fluxo_bytes& fluxo, const Cabecalho_bmp& cab, const Paleta& cores, QImage& raster) {
  Posicao_rle posicao(raster, cab, cores[0]);
  for (;;) {
    const int quantos = fluxo.Proximo_ou_fim();
    if (quantos < 0) {
      if (!posicao.No_fim()) Fluxo_bytes::Cortado();
      return posicao.Concluir();
    }
    const unsigned segundo = fluxo.Proximo();
    if (quantos > 0) {
      Repetir(posicao.Pixels(quantos), quantos, segundo, cab.bits, cores);
    } else if (segundo == 0) {
      posicao.Nova_linha();
    } else if (segundo == 1) {
      return posicao.Concluir();
    } else if (segundo == 2) {
      const unsigned direita = fluxo.Proximo();
      posicao.Deslocar(direita, fluxo.Proximo());
    } else {
      Copiar(fluxo, posicao.Pixels(segundo), segundo, cab.bits, cores);
    }
  }
}

// ---- The file ---------------------------------------------------------------------------

QImage Decodificar(std::FILE* arquivo, const std::string& caminho) {
  const Cabecalho_bmp cab = Ler_cabecalho(arquivo);
  Conferir_formato(cab);
  // Absurd sides are refused before anything else is read or allocated.
  Conferir_tamanho_raster(caminho, cab.largura, cab.altura);
  const Paleta cores = Ler_paleta(arquivo, cab);
  const int64_t disponiveis = Ir_aos_pixels(arquivo, cab);
  if (cab.compressao == Rle8 || cab.compressao == Rle4) {
    // The raster is allocated once the stream shows it has data at all.
    Fluxo_bytes fluxo(arquivo);
    if (!fluxo.Ha_dados()) Fluxo_bytes::Cortado();
    QImage raster = Criar_raster(caminho, cab.largura, cab.altura);
    const Paginas_antecipadas antecipadas(raster, Ordem_das_linhas(cab));
    Ler_rle(fluxo, cab, cores, raster);
    return raster;
  }
  const Conversor converter = Escolher_conversor(cab, cores);
  Conferir_disponiveis(cab, disponiveis);
  QImage raster = Criar_raster(caminho, cab.largura, cab.altura);
  const Paginas_antecipadas antecipadas(raster, Ordem_das_linhas(cab));
  Ler_linhas(arquivo, cab, converter, raster);
  return raster;
}

}  // namespace

QImage Ler_bmp(const std::string& caminho) {
  const Arquivo arquivo = Abrir_arquivo(caminho);
  try {
    return Decodificar(arquivo.get(), caminho);
  } catch (const Bmp_invalido& erro) {
    Falhar_leitura(caminho, erro.problema);
  }
}
