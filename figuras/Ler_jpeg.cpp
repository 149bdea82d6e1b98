// JPEG pictures through libjpeg-turbo. libjpeg writes whole rows and the raster keeps
// strips, so a few rows at a time are decoded into a small buffer that stays in the
// processor's cache, and written from there into the strips.
//
// libjpeg reports a fatal error by calling error_exit, which must not return. It is
// replaced by a longjmp back into the function that called libjpeg; those functions
// hold only plain C data, so no C++ destructor is skipped, and they raise Erro after
// the jump. The caller owns the decompressor and the file through a guard that
// releases them however the reading ends.

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include "nucleo/base/Formatacao.h"
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "figuras/Ler_formatos.h"
#include "figuras/Paginas_antecipadas.h"

namespace {

// A progressive file may repeat its scans without end, each one a pass over the whole
// picture; libjpeg-turbo's own tools stop such a file after about a hundred. Real
// files have about ten (libjpeg's standard script), rarely more than a few dozen.
constexpr int Maximo_varreduras = 100;

// The rows decoded at a time fill about this much (at least one row), so that they are
// still in the processor's cache when they are written into the raster's strips, beside
// libjpeg's own rows of blocks. In the window, an A0 sheet opened 15 % slower with a
// buffer of 1.2 MB than with one of one or three rows, and a 100-megapixel chart a few
// percent slower with 128 KiB than with 256 KiB.
constexpr size_t Bytes_buffer = size_t{256} << 10;

struct Erros_jpeg {
  jpeg_error_mgr padrao;  // first, so that libjpeg's err pointer is also ours
  std::jmp_buf retorno;
  char mensagem[JMSG_LENGTH_MAX];
  bool incompleto;
  bool varreduras_demais;
};

struct Jpeg_em_leitura {
  jpeg_decompress_struct cinfo;
  Erros_jpeg erros;
  jpeg_progress_mgr progresso;
};

[[noreturn]] void Interromper(j_common_ptr cinfo) {
  auto* erros = reinterpret_cast<Erros_jpeg*>(cinfo->err);
  cinfo->err->format_message(cinfo, erros->mensagem);
  std::longjmp(erros->retorno, 1);
}

// A file that ends early (or whose entropy data stops at a marker) would decode into a
// picture whose missing rows are grey filler; a digitized chart must not silently
// lose part of its sheet, so these warnings end the reading like errors. So does a
// progressive scan that refines bits the file already sent or never sent: the
// coefficients would be wrong, and a file repeating such a scan makes the decoder pass
// over the whole picture again for every copy. Other warnings (stray bytes between
// markers and the like) leave a complete picture and are ignored; nothing is printed.
void Avisar(j_common_ptr cinfo, int nivel) {
  if (nivel >= 0) return;
  const int codigo = cinfo->err->msg_code;
  if (codigo == JWRN_JPEG_EOF || codigo == JWRN_HIT_MARKER) {
    reinterpret_cast<Erros_jpeg*>(cinfo->err)->incompleto = true;
    Interromper(cinfo);
  }
  if (codigo == JWRN_BOGUS_PROGRESSION) Interromper(cinfo);
  cinfo->err->num_warnings++;
}

// Called by libjpeg on every row of blocks of every scan it reads.
void Vigiar_varreduras(j_common_ptr cinfo) {
  const int varredura = reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number;
  if (varredura <= Maximo_varreduras) return;
  auto* erros = reinterpret_cast<Erros_jpeg*>(cinfo->err);
  erros->varreduras_demais = true;
  std::longjmp(erros->retorno, 1);
}

// A file whose picture comes in several scans (every progressive file) keeps all its
// coefficients while it decodes, 128 bytes a block of 8 x 8 pixels: about 6 bytes a
// pixel for three components at full resolution, more than the raster itself. A file
// of one scan is decoded row by row and keeps none.
int64_t Bytes_coeficientes(jpeg_decompress_struct* cinfo) {
  if (!jpeg_has_multiple_scans(cinfo)) return 0;
  int64_t bytes = 0;
  for (int c = 0; c < cinfo->num_components; ++c) {
    const jpeg_component_info& componente = cinfo->comp_info[c];
    const auto arredondar = [](int64_t n, int64_t multiplo) {
      return (n + multiplo - 1) / multiplo * multiplo;
    };
    bytes += arredondar(componente.width_in_blocks, componente.h_samp_factor) *
             arredondar(componente.height_in_blocks, componente.v_samp_factor) * DCTSIZE2 *
             int64_t{sizeof(JCOEF)};
  }
  return bytes;
}

[[noreturn]] void Falhar_jpeg(const char* caminho, Jpeg_em_leitura* jpeg) {
  const Erros_jpeg& erros = jpeg->erros;
  if (erros.padrao.msg_code == JERR_NO_BACKING_STORE) {
    const int64_t largura = jpeg->cinfo.output_width, altura = jpeg->cinfo.output_height;
    throw Erro_grande_demais(largura, altura,
                             largura * altura * 4 + Bytes_coeficientes(&jpeg->cinfo));
  }
  if (erros.varreduras_demais)
    Falhar_leitura(caminho, fmt::sprintf("arquivo JPEG danificado (mais de %d varreduras)",
                                         Maximo_varreduras));
  const char* problema =
      erros.incompleto ? "arquivo JPEG incompleto (%s)" : "arquivo JPEG danificado (%s)";
  Falhar_leitura(caminho, fmt::sprintf(problema, erros.mensagem));
}

bool Cmyk(const jpeg_decompress_struct& cinfo) {
  return cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
}

void Ler_cabecalho(Jpeg_em_leitura* jpeg, std::FILE* arquivo, const char* caminho) {
  if (setjmp(jpeg->erros.retorno)) Falhar_jpeg(caminho, jpeg);
  jpeg_create_decompress(&jpeg->cinfo);
  jpeg->cinfo.progress = &jpeg->progresso;  // after the creation, which clears it
  jpeg_stdio_src(&jpeg->cinfo, arquivo);
  jpeg_read_header(&jpeg->cinfo, TRUE);
  // Four bytes a pixel either way: BGRA is Format_RGB32's byte order with the fourth
  // byte guaranteed 0xFF; CMYK is converted in the row buffer.
  jpeg->cinfo.out_color_space = Cmyk(jpeg->cinfo) ? JCS_CMYK : JCS_EXT_BGRA;
  jpeg_calc_output_dimensions(&jpeg->cinfo);
}

// Adobe writes CMYK (and YCCK, which libjpeg turns into CMYK) inverted: the stored
// value is 255 minus the ink, so the colour is C·K/255. Files without Adobe's marker
// store the ink itself.
void Cmyk_para_rgb(unsigned char* p, JDIMENSION largura, bool invertido) {
  for (JDIMENSION x = 0; x < largura; ++x, p += 4) {
    int c = p[0], m = p[1], a = p[2], k = p[3];
    if (!invertido) c = 255 - c, m = 255 - m, a = 255 - a, k = 255 - k;
    p[0] = static_cast<unsigned char>((a * k + 127) / 255);  // blue
    p[1] = static_cast<unsigned char>((m * k + 127) / 255);  // green
    p[2] = static_cast<unsigned char>((c * k + 127) / 255);  // red
    p[3] = 0xFF;
  }
}

// Rows of four bytes a pixel, decoded a few at a time and written into the raster.
// `linhas` points at the buffer's rows, `quantas` of them.
void Decodificar(Jpeg_em_leitura* jpeg, Raster_em_faixas* raster, JSAMPROW* linhas,
                 JDIMENSION quantas, const char* caminho) {
  if (setjmp(jpeg->erros.retorno)) Falhar_jpeg(caminho, jpeg);
  jpeg_decompress_struct* cinfo = &jpeg->cinfo;
  jpeg_start_decompress(cinfo);
  const bool cmyk = Cmyk(*cinfo);
  while (cinfo->output_scanline < cinfo->output_height) {
    const auto primeira = static_cast<int>(cinfo->output_scanline);
    const JDIMENSION lidas = jpeg_read_scanlines(cinfo, linhas, quantas);
    for (JDIMENSION i = 0; i < lidas; ++i) {
      if (cmyk) Cmyk_para_rgb(linhas[i], cinfo->output_width, cinfo->saw_Adobe_marker);
      Escrever_sem_cache(*raster, 0, primeira + static_cast<int>(i),
                         reinterpret_cast<const uint32_t*>(linhas[i]), raster->Largura());
    }
  }
  jpeg_finish_decompress(cinfo);
}

// Releases the decompressor however the reading ends.
struct Liberar_jpeg {
  Jpeg_em_leitura& jpeg;
  ~Liberar_jpeg() { jpeg_destroy_decompress(&jpeg.cinfo); }
};

}  // namespace

Raster_em_faixas Ler_jpeg(const std::string& caminho) {
  const Arquivo arquivo = Abrir_arquivo(caminho);
  Jpeg_em_leitura jpeg{};
  jpeg.cinfo.err = jpeg_std_error(&jpeg.erros.padrao);
  jpeg.erros.padrao.error_exit = Interromper;
  jpeg.erros.padrao.emit_message = Avisar;
  jpeg.progresso.progress_monitor = Vigiar_varreduras;
  const Liberar_jpeg liberar{jpeg};
  Ler_cabecalho(&jpeg, arquivo.get(), caminho.c_str());
  // The raster's size is checked before it is allocated, and libjpeg may take for the
  // coefficients only what the raster and the buffer leave of the available memory:
  // beyond that it stops before allocating them ("Backing store not supported").
  const int64_t disponivel = Memoria_disponivel();
  Raster_em_faixas raster =
      Criar_raster(caminho, jpeg.cinfo.output_width, jpeg.cinfo.output_height);
  const size_t bytes_linha = size_t{4} * jpeg.cinfo.output_width;
  const size_t quantas =
      std::max<size_t>(jpeg.cinfo.rec_outbuf_height,
                       std::min<size_t>(jpeg.cinfo.output_height, Bytes_buffer / bytes_linha));
  std::vector<unsigned char> buffer(quantas * bytes_linha);
  std::vector<JSAMPROW> linhas(quantas);
  for (size_t i = 0; i < quantas; ++i) linhas[i] = buffer.data() + i * bytes_linha;
  jpeg.cinfo.mem->max_memory_to_use = static_cast<long>(
      std::max<int64_t>(1, disponivel - raster.Bytes() - static_cast<int64_t>(buffer.size())));
  const Paginas_antecipadas antecipadas(raster);
  Decodificar(&jpeg, &raster, linhas.data(), static_cast<JDIMENSION>(quantas), caminho.c_str());
  return raster;
}
