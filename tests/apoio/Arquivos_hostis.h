#pragma once
// Small files crafted against the picture readers: each claims far more work or memory
// than its size suggests. Written by the tests, the benchmarks and the fuzzing seeds
// themselves, so that no large file is kept in the repository.

#include <cstdint>
#include <string>
#include <vector>

namespace hostis {

using Bytes = std::vector<unsigned char>;

// A flat grey (128) progressive JPEG of lado x lado, three components at full
// resolution, written scan by scan without an encoder: a DC scan, then for each
// component a first AC scan and its refinement, every block an end-of-band run (seven
// scans). Then the last scan is repeated `refinamentos_repetidos` times (the decoder
// warns that the progression is inconsistent), and after that the third component's
// AC band is sent `primeiras_repetidas` more times as a first scan without point
// transform, which the decoder takes without a warning. Each extra scan costs the
// decoder a pass over every block of the component and costs the file a few bytes.
Bytes Jpeg_progressivo_liso(int lado, int refinamentos_repetidos = 0, int primeiras_repetidas = 0);

// A run-length (RLE8) bitmap header of largura x altura with a palette of two colours
// and the given compressed bytes after it.
Bytes Bmp_rle(int64_t largura, int64_t altura, const Bytes& dados);

// An RGBA PNG of largura x altura in one colour (given as 0xAARRGGBB), compressed as
// it is written (a 23170 x 23170 picture takes a few megabytes).
Bytes Png_liso(int64_t largura, int64_t altura, uint32_t argb = 0xFF336699);

// A PNG whose header claims largura x altura and which has no pixel data.
Bytes Png_so_cabecalho(int64_t largura, int64_t altura);

// An icon of `entradas` entries that all point to the same image (a PNG or a bitmap
// of an icon), the directory giving the sizes `largura_diretorio` x `altura_diretorio`
// (0 meaning 256).
Bytes Ico_de(const Bytes& imagem, int entradas = 1, int largura_diretorio = 16,
             int altura_diretorio = 16);

// A placeable metafile of lado x lado pixels at 96 dpi whose header claims its largest
// record is `maior_registro` words long, followed only by the end record (46 bytes).
Bytes Wmf_com_maior_registro(uint32_t maior_registro, int lado = 96);

// An enhanced metafile of lado x lado pixels at 96 dpi that draws nothing: its header
// and the end record (108 bytes).
Bytes Emf_vazio(int lado);

void Gravar(const std::string& caminho, const Bytes& conteudo);

}  // namespace hostis
