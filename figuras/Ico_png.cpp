// An icon's PNG entry through libpng, row by row straight into the raster's strips: no
// picture of the entry's size is held beside the raster. The pixels are those that Qt's
// reader gives, drawn on white as Qt draws each of its formats:
//  - palette, and grey of 8 bits or less: Qt keeps indices and a table of colours; that
//    table drawn on white by Qt gives each index its colour;
//  - 8 bits a channel: straight alpha over white (Sobre_branco);
//  - 16 bits a channel: Qt's 64-bit formats, each row drawn on white by Qt.
// Qt reads a 16-bit RGB picture with a colour key (tRNS) into the wrong bytes; here the
// key is transparent, as the format means.
//
// libpng reports a fatal error by a longjmp. Every call into it goes through Sem_erro,
// whose frame, like the frames the jump skips, holds only plain data; the error is raised
// after the jump. An interlaced picture comes in seven passes of scattered pixels: each
// pixel is written once, where it lies, so no pass is kept.

#include <png.h>

#include <QImage>
#include <QPainter>
#include <array>
#include <csetjmp>
#include <cstring>
#include <vector>

#include "figuras/Ico.h"
#include "figuras/Ler_formatos.h"
#include "figuras/Paginas_antecipadas.h"

namespace ico {
namespace {

struct Png_em_leitura {
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::FILE* arquivo = nullptr;
  int64_t restantes = 0;  // bytes of the entry not yet read
  char mensagem[256] = {};
};

// The entry's bytes only: a PNG running past them is cut, as Qt reads it.
void Ler_bytes(png_structp png, png_bytep destino, size_t quantos) {
  auto* leitura = static_cast<Png_em_leitura*>(png_get_io_ptr(png));
  if (static_cast<int64_t>(quantos) > leitura->restantes ||
      std::fread(destino, 1, quantos, leitura->arquivo) != quantos)
    png_error(png, "PNG além do fim da entrada");
  leitura->restantes -= static_cast<int64_t>(quantos);
}

[[noreturn]] void Interromper(png_structp png, png_const_charp mensagem) {
  auto* leitura = static_cast<Png_em_leitura*>(png_get_error_ptr(png));
  std::snprintf(leitura->mensagem, sizeof leitura->mensagem, "%s", mensagem);
  png_longjmp(png, 1);
}

// A warning leaves a whole picture (a damaged ancillary chunk and the like).
void Ignorar(png_structp, png_const_charp) {}

// Runs `passo`, calls into libpng; false when libpng failed. Never inlined (it calls
// setjmp), so the jump lands in this frame.
template <typename Passo>
bool Sem_erro(Png_em_leitura& leitura, const Passo& passo) {
  if (setjmp(png_jmpbuf(leitura.png))) return false;
  passo();
  return true;
}

template <typename Passo>
void Chamar(Png_em_leitura& leitura, const Passo& passo) {
  if (!Sem_erro(leitura, passo)) throw Ico_invalido{leitura.mensagem};
}

struct Liberar_png {
  Png_em_leitura& leitura;
  ~Liberar_png() { png_destroy_read_struct(&leitura.png, &leitura.info, nullptr); }
};

struct Formato_png {
  png_uint_32 largura = 0, altura = 0;
  int profundidade = 0, tipo_cor = 0;
  bool entrelacado = false, transparencia = false;  // Adam7; a tRNS chunk
};

Formato_png Ler_cabecalho(Png_em_leitura& leitura) {
  png_read_info(leitura.png, leitura.info);
  Formato_png f;
  int entrelacamento = 0;
  png_get_IHDR(leitura.png, leitura.info, &f.largura, &f.altura, &f.profundidade, &f.tipo_cor,
               &entrelacamento, nullptr, nullptr);
  f.entrelacado = entrelacamento == PNG_INTERLACE_ADAM7;
  f.transparencia = png_get_valid(leitura.png, leitura.info, PNG_INFO_tRNS) != 0;
  return f;
}

enum class Modo { Indices, Bits_8, Bits_16 };

Modo Modo_de(const Formato_png& f) {
  if (f.tipo_cor == PNG_COLOR_TYPE_PALETTE ||
      (f.tipo_cor == PNG_COLOR_TYPE_GRAY && f.profundidade <= 8))
    return Modo::Indices;
  return f.profundidade == 16 ? Modo::Bits_16 : Modo::Bits_8;
}

// Rows of one byte an index; of B, G, R, A bytes (Format_ARGB32 on this little-endian
// machine, as in the other decoders); of R, G, B, A in 16 bits (Format_RGBA64).
void Pedir_linhas(png_structp png, Modo modo) {
  if (modo == Modo::Indices) return png_set_packing(png);
  png_set_expand(png);  // a colour key becomes alpha
  png_set_gray_to_rgb(png);
  if (modo == Modo::Bits_8) {
    png_set_bgr(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  } else {
    png_set_add_alpha(png, 0xFFFF, PNG_FILLER_AFTER);
    png_set_swap(png);
  }
}

constexpr QRgb Branco = 0xFFFFFFFF;

// Every index's colour on white, as Qt gives it: its table of colours drawn by Qt.
std::array<QRgb, 256> Tabela_sobre_branco(Png_em_leitura& leitura, const Formato_png& f) {
  QList<QRgb> cores;
  png_bytep alfas = nullptr;
  int n_alfas = 0;
  png_color_16p chave = nullptr;
  if (f.transparencia) png_get_tRNS(leitura.png, leitura.info, &alfas, &n_alfas, &chave);
  if (f.tipo_cor == PNG_COLOR_TYPE_PALETTE) {
    png_colorp paleta = nullptr;
    int n = 0;
    png_get_PLTE(leitura.png, leitura.info, &paleta, &n);
    for (int i = 0; i < n; ++i)
      cores.push_back(
          qRgba(paleta[i].red, paleta[i].green, paleta[i].blue, i < n_alfas ? alfas[i] : 255));
    // Qt gives a picture of one bit a pixel two colours, one it lacks transparent.
    if (f.profundidade == 1) cores.resize(2, 0);
  } else {
    const int n = 1 << f.profundidade;
    for (int i = 0; i < n; ++i) {
      const int cinza = i * 255 / (n - 1);
      cores.push_back(qRgb(cinza, cinza, cinza));
    }
    if (chave && chave->gray < n) cores[chave->gray] = 0;  // the grey that is transparent
  }
  QImage indices(256, 1, QImage::Format_Indexed8);
  for (int i = 0; i < 256; ++i) indices.scanLine(0)[i] = static_cast<uchar>(i);
  indices.setColorTable(cores);
  QImage tabela(256, 1, QImage::Format_RGB32);
  tabela.fill(Branco);
  QPainter(&tabela).drawImage(0, 0, indices);
  std::array<QRgb, 256> resultado;
  std::memcpy(resultado.data(), tabela.constScanLine(0), sizeof resultado);
  return resultado;
}

// A row of libpng's into the raster's pixels.
class Composicao {
 public:
  Composicao(Png_em_leitura& leitura, const Formato_png& f)
      : modo_(Modo_de(f)),
        formato_16_(f.tipo_cor & PNG_COLOR_MASK_ALPHA || f.transparencia ? QImage::Format_RGBA64
                                                                         : QImage::Format_RGBX64) {
    if (modo_ == Modo::Indices) tabela_ = Tabela_sobre_branco(leitura, f);
  }
  // The row's pixels: in `cores`, or libpng's row itself when it is all opaque.
  const uint32_t* Compor(const uint32_t* linha, int quantos, uint32_t* cores) const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(linha);
    if (modo_ == Modo::Indices) {
      for (int i = 0; i < quantos; ++i) cores[i] = tabela_[bytes[i]];
    } else if (modo_ == Modo::Bits_8) {
      uint32_t opacos = 0xFF000000;
      for (int i = 0; i < quantos; ++i) opacos &= linha[i];
      if (opacos == 0xFF000000) return linha;
      for (int i = 0; i < quantos; ++i) cores[i] = Sobre_branco(linha[i]);
    } else {
      const QImage origem(bytes, quantos, 1, qsizetype{8} * quantos, formato_16_);
      QImage destino(reinterpret_cast<uchar*>(cores), quantos, 1, qsizetype{4} * quantos,
                     QImage::Format_RGB32);
      destino.fill(Branco);
      QPainter(&destino).drawImage(0, 0, origem);
    }
    return cores;
  }

 private:
  Modo modo_;
  QImage::Format formato_16_;
  std::array<QRgb, 256> tabela_{};
};

// The rows of each pass (one pass when not interlaced), each pixel where it lies.
void Decodificar(Png_em_leitura& leitura, const Formato_png& f, const Composicao& composicao,
                 Raster_em_faixas& raster) {
  // Of whole pixels, so that an opaque row can be written from there.
  std::vector<uint32_t> linha((png_get_rowbytes(leitura.png, leitura.info) + 3) / 4);
  std::vector<uint32_t> cores(f.largura);
  const int passes = f.entrelacado ? PNG_INTERLACE_ADAM7_PASSES : 1;
  for (int passe = 0; passe < passes; ++passe) {
    const png_uint_32 colunas = f.entrelacado ? PNG_PASS_COLS(f.largura, passe) : f.largura;
    const png_uint_32 linhas = f.entrelacado ? PNG_PASS_ROWS(f.altura, passe) : f.altura;
    if (colunas == 0) continue;  // libpng passes over a pass without pixels
    for (png_uint_32 i = 0; i < linhas; ++i) {
      auto* bytes = reinterpret_cast<unsigned char*>(linha.data());
      Chamar(leitura, [&] { png_read_row(leitura.png, bytes, nullptr); });
      const uint32_t* pixels =
          composicao.Compor(linha.data(), static_cast<int>(colunas), cores.data());
      const int y = static_cast<int>(f.entrelacado ? PNG_ROW_FROM_PASS_ROW(i, passe) : i);
      if (colunas == f.largura) {
        Escrever_sem_cache(raster, 0, y, pixels, raster.Largura());
        continue;
      }
      for (png_uint_32 c = 0; c < colunas; ++c)
        raster.Escrever(static_cast<int>(PNG_COL_FROM_PASS_COL(c, passe)), y, pixels + c, 1);
    }
  }
}

}  // namespace

Raster_em_faixas Ler_png(const std::string& caminho, std::FILE* arquivo, const Entrada_png& png) {
  Raster_em_faixas raster = Criar_raster(caminho, png.largura, png.altura);
  if (std::fseek(arquivo, static_cast<long>(png.inicio), SEEK_SET) != 0)
    throw Ico_invalido{"erro de leitura do arquivo"};
  Png_em_leitura leitura;
  leitura.arquivo = arquivo;
  leitura.restantes = png.bytes;
  leitura.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &leitura, Interromper, Ignorar);
  const Liberar_png liberar{leitura};
  if (!leitura.png || !(leitura.info = png_create_info_struct(leitura.png)))
    throw Ico_invalido{"a biblioteca de PNG não pôde ser iniciada"};
  png_set_read_fn(leitura.png, &leitura, Ler_bytes);
  Formato_png formato;
  Chamar(leitura, [&] { formato = Ler_cabecalho(leitura); });
  if (formato.largura != static_cast<png_uint_32>(raster.Largura()) ||
      formato.altura != static_cast<png_uint_32>(raster.Altura()))
    throw Ico_invalido{"tamanho da entrada diferente do seu cabeçalho"};
  Chamar(leitura, [&] {
    Pedir_linhas(leitura.png, Modo_de(formato));
    png_read_update_info(leitura.png, leitura.info);
  });
  const Composicao composicao(leitura, formato);
  {
    const Paginas_antecipadas antecipadas(raster);
    Decodificar(leitura, formato, composicao, raster);
  }
  Chamar(leitura, [&] { png_read_end(leitura.png, nullptr); });
  return raster;
}

}  // namespace ico
