// Enhanced metafiles: libemf2svg turns the records into SVG, Qt renders it.
//
// libemf2svg trusts the record sizes and reads past the end of a cut-off file, so the
// records are walked here first and it only ever sees whole records, followed by
// zero bytes for the fields it reads beyond a record.

#include <emf2svg.h>

#include <cstdlib>
#include <cstring>

#include "figuras/Ler_formatos.h"
#include "nucleo/base/Formatacao.h"

namespace {

constexpr uint32_t Emr_header = 1;
constexpr uint32_t Emr_eof = 14;
constexpr uint32_t Assinatura_emf = 0x464D4520;  // " EMF"
constexpr size_t Tamanho_cabecalho = 88;
constexpr size_t Folga_de_zeros = 64 * 1024;
constexpr double Centesimos_mm_por_polegada = 2540.0;

uint32_t U32(const std::vector<unsigned char>& emf, size_t pos) {
  return uint32_t{emf[pos]} | uint32_t{emf[pos + 1]} << 8 | uint32_t{emf[pos + 2]} << 16 |
         uint32_t{emf[pos + 3]} << 24;
}

int32_t I32(const std::vector<unsigned char>& emf, size_t pos) {
  return static_cast<int32_t>(U32(emf, pos));
}

// The header's fields that place the picture (offsets of ENHMETAHEADER).
struct Cabecalho_emf {
  double limites_esq, limites_topo;  // rclBounds: the drawing, in device pixels
  double moldura[4];                 // rclFrame: the picture, in 0.01 mm
  double dispositivo[2];             // szlDevice: reference device, pixels
  double milimetros[2];              // szlMillimeters: the same device, mm
};

bool Cabecalho_valido(const std::vector<unsigned char>& emf) {
  return emf.size() >= Tamanho_cabecalho && U32(emf, 0) == Emr_header &&
         U32(emf, 4) >= Tamanho_cabecalho && U32(emf, 40) == Assinatura_emf;
}

Cabecalho_emf Ler_cabecalho(const std::vector<unsigned char>& emf) {
  Cabecalho_emf c{};
  c.limites_esq = I32(emf, 8);
  c.limites_topo = I32(emf, 12);
  for (int i = 0; i < 4; ++i) c.moldura[i] = I32(emf, 24 + 4 * i);
  for (int i = 0; i < 2; ++i) c.dispositivo[i] = I32(emf, 72 + 4 * i);
  for (int i = 0; i < 2; ++i) c.milimetros[i] = I32(emf, 80 + 4 * i);
  return c;
}

// Bytes from the start to the end of the EMR_EOF record, or 0 when a record is
// malformed or runs past the end of the file (a damaged or cut-off metafile).
size_t Comprimento_registros(const std::vector<unsigned char>& emf) {
  size_t pos = 0;
  while (emf.size() - pos >= 8) {
    const uint32_t tipo = U32(emf, pos);
    const uint32_t tamanho = U32(emf, pos + 4);
    if (tamanho < 8 || tamanho % 4 != 0 || tamanho > emf.size() - pos) return 0;
    pos += tamanho;
    if (tipo == Emr_eof) return pos;
  }
  return 0;
}

QByteArray Converter_em_svg(const std::string& caminho, const std::vector<unsigned char>& emf,
                            size_t comprimento) {
  std::vector<char> copia(comprimento + Folga_de_zeros, 0);
  std::memcpy(copia.data(), emf.data(), comprimento);
  generatorOptions opcoes{};
  opcoes.nameSpace = nullptr;
  opcoes.emfplus = true;
  opcoes.svgDelimiter = true;
  opcoes.imgWidth = 0;  // the drawing at its own size; the raster is sized below
  opcoes.imgHeight = 0;
  char* svg = nullptr;
  size_t tamanho_svg = 0;
  const int ok = emf2svg(copia.data(), comprimento, &svg, &tamanho_svg, &opcoes);
  const std::unique_ptr<char, decltype(&std::free)> liberar(svg, &std::free);
  if (ok != 1 || svg == nullptr) Falhar_leitura(caminho, "arquivo EMF danificado");
  return QByteArray(svg, static_cast<qsizetype>(tamanho_svg));
}

}  // namespace

Raster_em_faixas Ler_emf(const std::string& caminho, double pontos_por_polegada) {
  const std::vector<unsigned char> emf = Ler_arquivo_inteiro(caminho);
  if (!Cabecalho_valido(emf)) Falhar_leitura(caminho, "não é um arquivo EMF");
  const size_t comprimento = Comprimento_registros(emf);
  if (comprimento == 0) Falhar_leitura(caminho, "arquivo EMF danificado ou incompleto");
  const Cabecalho_emf c = Ler_cabecalho(emf);
  if (c.dispositivo[0] <= 0 || c.dispositivo[1] <= 0 || c.milimetros[0] <= 0 ||
      c.milimetros[1] <= 0)
    Falhar_leitura(caminho, "cabeçalho do EMF sem o tamanho do dispositivo");
  const double largura_moldura = c.moldura[2] - c.moldura[0];
  const double altura_moldura = c.moldura[3] - c.moldura[1];
  const QSize tamanho =
      Tamanho_metafile(caminho, largura_moldura / Centesimos_mm_por_polegada,
                       altura_moldura / Centesimos_mm_por_polegada, pontos_por_polegada);
  // The picture is its frame, as Windows plays a metafile into a rectangle. The SVG is
  // in the reference device's pixels with the drawing's bounds at its origin.
  const double px_x = c.dispositivo[0] / (c.milimetros[0] * 100.0);  // per 0.01 mm
  const double px_y = c.dispositivo[1] / (c.milimetros[1] * 100.0);
  const QRectF janela(c.moldura[0] * px_x - c.limites_esq, c.moldura[1] * px_y - c.limites_topo,
                      largura_moldura * px_x, altura_moldura * px_y);
  Raster_em_faixas raster =
      Rasterizar_svg(caminho, Converter_em_svg(caminho, emf, comprimento), janela, tamanho);
  if (raster.Vazio()) Falhar_leitura(caminho, "arquivo EMF danificado");
  return raster;
}
