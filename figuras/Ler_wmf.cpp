// Windows metafiles: libwmf's SVG device turns the records into SVG, Qt renders it.
//
// Only placeable metafiles are pictures with a size of their own: the Aldus header in
// front of the records gives the picture's rectangle and its units per inch. A bare
// metafile has no size, and is refused like any file that is not a picture.

#include <cstdlib>

#include "nucleo/base/Formatacao.h"

// libwmf defines macros (U8, U16, ...) that break Qt's headers: it comes after them.
#include "figuras/Ler_formatos.h"
// clang-format off
#include <libwmf/api.h>
#include <libwmf/svg.h>
// clang-format on

namespace {

constexpr uint32_t Chave_posicionavel = 0x9AC6CDD7;
constexpr size_t Tamanho_cabecalhos = 22 + 18;    // placeable header + metafile header
constexpr double Pontos_por_polegada_wmf = 72.0;  // libwmf's device unit is the point

int Palavra(const std::vector<unsigned char>& wmf, size_t pos) {
  return static_cast<int16_t>(wmf[pos] | wmf[pos + 1] << 8);
}

// The picture's width and height in inches, from the placeable header.
QSizeF Polegadas(const std::string& caminho, const std::vector<unsigned char>& wmf) {
  const auto chave = [&] {
    return uint32_t{wmf[0]} | uint32_t{wmf[1]} << 8 | uint32_t{wmf[2]} << 16 |
           uint32_t{wmf[3]} << 24;
  };
  if (wmf.size() < Tamanho_cabecalhos || chave() != Chave_posicionavel)
    Falhar_leitura(caminho, "não é um arquivo WMF posicionável");
  const double unidades_por_polegada = static_cast<uint16_t>(Palavra(wmf, 14));
  if (unidades_por_polegada == 0) Falhar_leitura(caminho, "cabeçalho do WMF sem escala");
  return QSizeF(std::abs(Palavra(wmf, 10) - Palavra(wmf, 6)) / unidades_por_polegada,
                std::abs(Palavra(wmf, 12) - Palavra(wmf, 8)) / unidades_por_polegada);
}

uint32_t Palavra_dupla(const std::vector<unsigned char>& wmf, size_t pos) {
  return static_cast<uint16_t>(Palavra(wmf, pos)) |
         uint32_t{static_cast<uint16_t>(Palavra(wmf, pos + 2))} << 16;
}

// libwmf sizes its record buffer from the header's largest record (in 16-bit words)
// before it reads a record: a damaged field asks it for up to 8 GB. No record can be
// longer than the records that the file holds, nor shorter than a record's own head.
void Conferir_cabecalho(const std::string& caminho, const std::vector<unsigned char>& wmf) {
  constexpr size_t Inicio = 22;  // the metafile header, after the placeable one
  const uint32_t palavras_cabecalho = static_cast<uint16_t>(Palavra(wmf, Inicio + 2));
  const uint64_t maior_registro = Palavra_dupla(wmf, Inicio + 12);
  if (palavras_cabecalho != 9 || maior_registro < 3 ||
      maior_registro * 2 > wmf.size() - Tamanho_cabecalhos)
    Falhar_leitura(caminho, "arquivo WMF danificado");
}

struct Destruir_wmf {
  void operator()(wmfAPI* api) const { wmf_api_destroy(api); }
};
using Api_wmf = std::unique_ptr<wmfAPI, Destruir_wmf>;

Api_wmf Criar_api(const std::string& caminho) {
  wmfAPI_Options opcoes{};
  opcoes.function = wmf_svg_function;
  const unsigned long bandeiras =
      WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
  wmfAPI* api = nullptr;
  const wmf_error_t erro = wmf_api_create(&api, bandeiras, &opcoes);
  Api_wmf dono(api);
  if (erro != wmf_E_None) Falhar_leitura(caminho, "a biblioteca de WMF não pôde ser iniciada");
  return dono;
}

// Plays the metafile into SVG whose user units are the raster's pixels. The whole page
// is the bounding box, not the box that wmf_scan finds: that one covers only what is
// drawn and would stretch the drawing over the picture.
QByteArray Tocar_em_svg(const std::string& caminho, std::vector<unsigned char>& wmf,
                        QSizeF polegadas, QSize tamanho) {
  const Api_wmf api = Criar_api(caminho);
  wmfD_Rect caixa;
  if (wmf_mem_open(api.get(), wmf.data(), static_cast<long>(wmf.size())) != wmf_E_None ||
      wmf_scan(api.get(), 0, &caixa) != wmf_E_None)
    Falhar_leitura(caminho, "arquivo WMF danificado");
  static char descricao[] = "Mapirel";
  wmf_svg_t* svg = WMF_SVG_GetData(api.get());
  svg->out = wmf_stream_create(api.get(), nullptr);
  svg->Description = descricao;
  svg->bbox.TL = {0, 0};
  svg->bbox.BR = {static_cast<float>(polegadas.width() * Pontos_por_polegada_wmf),
                  static_cast<float>(polegadas.height() * Pontos_por_polegada_wmf)};
  svg->width = static_cast<unsigned>(tamanho.width());
  svg->height = static_cast<unsigned>(tamanho.height());
  svg->flags |= WMF_SVG_INLINE_IMAGES;  // embedded bitmaps as data, never as files
  const wmf_error_t tocado = wmf_play(api.get(), 0, &caixa);
  char* texto = nullptr;
  unsigned long comprimento = 0;
  wmf_stream_destroy(api.get(), svg->out, &texto, &comprimento);
  QByteArray resultado(texto, static_cast<qsizetype>(comprimento));
  wmf_free(api.get(), texto);
  if (tocado != wmf_E_None) Falhar_leitura(caminho, "arquivo WMF danificado");
  // libwmf writes polylines without a fill, which SVG fills black.
  return resultado.replace("<polyline ", "<polyline fill=\"none\" ");
}

}  // namespace

Raster_em_faixas Ler_wmf(const std::string& caminho, double pontos_por_polegada) {
  std::vector<unsigned char> wmf = Ler_arquivo_inteiro(caminho);
  const QSizeF polegadas = Polegadas(caminho, wmf);
  Conferir_cabecalho(caminho, wmf);
  const QSize tamanho =
      Tamanho_metafile(caminho, polegadas.width(), polegadas.height(), pontos_por_polegada);
  const QByteArray svg = Tocar_em_svg(caminho, wmf, polegadas, tamanho);
  Raster_em_faixas raster = Rasterizar_svg(caminho, svg, QRectF(QPointF(0, 0), tamanho), tamanho);
  if (raster.Vazio()) Falhar_leitura(caminho, "arquivo WMF danificado");
  return raster;
}
