// The bitmap's headers, every version of them, and its palette.

#include <algorithm>
#include <vector>

#include "figuras/Bmp.h"
#include "nucleo/base/Formatacao.h"

namespace bmp {

namespace {

std::string Nome_compressao(uint32_t compressao) {
  static const char* const nomes[] = {"RGB",  "RLE8", "RLE4",          "BITFIELDS",
                                      "JPEG", "PNG",  "ALPHABITFIELDS"};
  return compressao < std::size(nomes) ? nomes[compressao] : fmt::sprintf("%d", compressao);
}

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

}  // namespace

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

}  // namespace bmp
