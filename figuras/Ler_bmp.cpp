// Windows bitmaps, decoded here rather than by Qt: Qt's reader refuses any side over
// 16384 pixels, and an A0 sheet scanned at 600 dpi is about 19900 x 28100. The file is
// read once, front to back, one row at a time, and every row is converted into a buffer
// of one row and written from there into the raster, whatever the depth of the file.
//
// Anything that does not fit the raster (a run or a jump past a row or past the last
// row, a colour index beyond the palette) and a file that ends before its last row are
// refused: a survey chart must not be shown with a part of it silently missing.

#include "figuras/Bmp.h"
#include "figuras/Ler_formatos.h"

namespace {

Raster_em_faixas Decodificar(std::FILE* arquivo, const std::string& caminho) {
  using namespace bmp;
  const Cabecalho_bmp cab = Ler_cabecalho(arquivo);
  Conferir_formato(cab);
  // Absurd sides are refused before anything else is read or allocated.
  Conferir_tamanho_raster(caminho, cab.largura, cab.altura);
  const Paleta cores = Ler_paleta(arquivo, cab);
  const int64_t disponiveis = Ir_aos_pixels(arquivo, cab);
  if (cab.compressao == Rle8 || cab.compressao == Rle4)
    return Ler_comprimido(arquivo, caminho, cab, cores);
  return Ler_sem_compressao(arquivo, caminho, cab, cores, disponiveis);
}

}  // namespace

Raster_em_faixas Ler_bmp(const std::string& caminho) {
  const Arquivo arquivo = Abrir_arquivo(caminho);
  try {
    return Decodificar(arquivo.get(), caminho);
  } catch (const bmp::Bmp_invalido& erro) {
    Falhar_leitura(caminho, erro.problema);
  }
}
