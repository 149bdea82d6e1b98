// Writes a synthetic chart (bench/apoio/Carta_sintetica.h) of the given size, as a
// colour JPEG of quality 90 or a 24-bit bottom-up Windows bitmap, by the extension of
// the output: the files of the window benchmark (scripts/modulos/bench_janela.py), too big to
// keep in the repository.
//
//   carta_sintetica LARGURA ALTURA SAIDA.jpg|SAIDA.bmp

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
// clang-format off
#include <jpeglib.h>
// clang-format on

#include "bench/apoio/Carta_sintetica.h"

namespace {

void Gravar_jpeg(std::FILE* arquivo, int largura, int altura) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr erros;
  cinfo.err = jpeg_std_error(&erros);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, arquivo);
  cinfo.image_width = largura;
  cinfo.image_height = altura;
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 90, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> linha(size_t(largura) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    const int y = static_cast<int>(cinfo.next_scanline);
    for (int x = 0; x < largura; ++x) carta_sintetica::Amostra(x, y, &linha[size_t(x) * 3]);
    JSAMPROW linhas[1] = {linha.data()};
    jpeg_write_scanlines(&cinfo, linhas, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
}

void U16(std::vector<uint8_t>& b, unsigned v) {
  b.push_back(v & 0xFF), b.push_back(v >> 8 & 0xFF);
}
void U32(std::vector<uint8_t>& b, uint32_t v) {
  U16(b, v & 0xFFFF), U16(b, v >> 16);
}

void Gravar_bmp(std::FILE* arquivo, int largura, int altura) {
  const uint32_t passo = (uint32_t(largura) * 3 + 3) / 4 * 4;
  std::vector<uint8_t> cabecalho;
  U16(cabecalho, 0x4D42);
  U32(cabecalho, static_cast<uint32_t>(54 + uint64_t{passo} * altura));  // wraps above 4 GB
  U32(cabecalho, 0), U32(cabecalho, 54);
  U32(cabecalho, 40), U32(cabecalho, largura), U32(cabecalho, altura);
  U16(cabecalho, 1), U16(cabecalho, 24), U32(cabecalho, 0);
  U32(cabecalho, passo * altura), U32(cabecalho, 23622), U32(cabecalho, 23622);  // 600 dpi
  U32(cabecalho, 0), U32(cabecalho, 0);
  std::fwrite(cabecalho.data(), 1, cabecalho.size(), arquivo);
  std::vector<uint8_t> linha(passo, 0);
  for (int y = altura - 1; y >= 0; --y) {
    for (int x = 0; x < largura; ++x) {
      uint8_t rgb[3];
      carta_sintetica::Amostra(x, y, rgb);
      uint8_t* p = &linha[size_t(x) * 3];
      p[0] = rgb[2], p[1] = rgb[1], p[2] = rgb[0];
    }
    std::fwrite(linha.data(), 1, linha.size(), arquivo);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "uso: carta_sintetica LARGURA ALTURA SAIDA.jpg|SAIDA.bmp\n");
    return 2;
  }
  const int largura = std::atoi(argv[1]), altura = std::atoi(argv[2]);
  const std::string saida = argv[3];
  std::FILE* arquivo = std::fopen(saida.c_str(), "wb");
  if (!arquivo || largura <= 0 || altura <= 0) return 1;
  if (saida.ends_with(".bmp"))
    Gravar_bmp(arquivo, largura, altura);
  else
    Gravar_jpeg(arquivo, largura, altura);
  return std::fclose(arquivo) == 0 ? 0 : 1;
}
