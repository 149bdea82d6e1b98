// Icons: the entry to show is chosen from the headers of the entries, and only that one
// is decoded. An icon may list up to 65535 entries, and an entry may be a PNG of any size
// whatever its directory says: decoding every entry, or trusting the directory, would let
// a small file take minutes or gigabytes. A PNG entry is decoded here (Ico_png.cpp),
// straight into the raster; a bitmap entry by Qt's reader, which takes none larger than
// 256 x 256.

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "figuras/Ico.h"
#include "figuras/Ler_formatos.h"
#include "nucleo/base/Formatacao.h"

namespace {

using ico::Ico_invalido;

uint32_t U16(const unsigned char* p) {
  return p[0] | p[1] << 8;
}
uint32_t U32(const unsigned char* p) {
  return U16(p) | U16(p + 2) << 16;
}
uint32_t U32_be(const unsigned char* p) {
  return uint32_t{p[0]} << 24 | p[1] << 16 | p[2] << 8 | p[3];
}

// What an entry will be once decoded, read from its own header.
struct Entrada_ico {
  int indice = 0;
  int64_t largura = 0, altura = 0;
  int bits = 0;  // per pixel, to prefer the deeper of two entries of one size
  bool png = false;
  int64_t inicio = 0, bytes = 0;  // where it lies in the file
};

void Ler_em(std::FILE* arquivo, int64_t posicao, unsigned char* destino, size_t quantos) {
  if (std::fseek(arquivo, static_cast<long>(posicao), SEEK_SET) != 0 ||
      std::fread(destino, 1, quantos, arquivo) != quantos)
    throw Ico_invalido{"entrada além do fim do arquivo"};
}

int Bits_png(unsigned profundidade, unsigned tipo_cor) {
  static constexpr std::array<int, 7> canais = {1, 0, 3, 1, 2, 0, 4};
  return static_cast<int>(profundidade) * (tipo_cor < canais.size() ? canais[tipo_cor] : 0);
}

// A PNG entry carries its real size in its IHDR chunk, whatever the directory says.
Entrada_ico Ler_entrada(std::FILE* arquivo, const unsigned char* diretorio, int indice,
                        int64_t tamanho_arquivo) {
  const unsigned char* d = diretorio + 16 * indice;
  const int64_t bytes = U32(d + 8), inicio = U32(d + 12);
  if (bytes < 26 || inicio + bytes > tamanho_arquivo)
    throw Ico_invalido{fmt::sprintf("entrada %d além do fim do arquivo", indice + 1)};
  unsigned char cabecalho[26];
  Ler_em(arquivo, inicio, cabecalho, sizeof cabecalho);
  static constexpr unsigned char assinatura_png[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Entrada_ico entrada{indice};
  entrada.inicio = inicio;
  entrada.bytes = bytes;
  entrada.png = std::memcmp(cabecalho, assinatura_png, 8) == 0;
  if (entrada.png) {
    entrada.largura = U32_be(cabecalho + 16);
    entrada.altura = U32_be(cabecalho + 20);
    entrada.bits = Bits_png(cabecalho[24], cabecalho[25]);
  } else {
    // As Qt reads it: the directory's size, or the bitmap header's where the directory
    // says 0 (the header's height counts the colour and the mask rows).
    entrada.largura = d[0] != 0 ? d[0] : static_cast<int32_t>(U32(cabecalho + 4));
    entrada.altura = d[1] != 0 ? d[1] : static_cast<int32_t>(U32(cabecalho + 8)) / 2;
    entrada.bits = static_cast<int>(U16(cabecalho + 14));
  }
  // Sides beyond int32 are no picture, and their product could overflow.
  if (entrada.largura <= 0 || entrada.altura <= 0 || entrada.largura > INT32_MAX ||
      entrada.altura > INT32_MAX)
    throw Ico_invalido{fmt::sprintf("entrada %d com dimensões inválidas (%d x %d pixels)",
                                    indice + 1, entrada.largura, entrada.altura)};
  return entrada;
}

// The largest entry, the deeper one between two of the same size, the first between
// equals.
Entrada_ico Escolher_entrada(std::FILE* arquivo) {
  unsigned char inicio[6] = {};
  const bool lido = std::fread(inicio, 1, 6, arquivo) == 6;
  const uint32_t tipo = U16(inicio + 2);  // 1 an icon, 2 a cursor
  if (!lido || U16(inicio) != 0 || (tipo != 1 && tipo != 2) || U16(inicio + 4) == 0)
    throw Ico_invalido{"não é um ícone"};
  if (std::fseek(arquivo, 0, SEEK_END) != 0) throw Ico_invalido{"erro de leitura do arquivo"};
  const int64_t tamanho_arquivo = std::ftell(arquivo);
  const int entradas = static_cast<int>(U16(inicio + 4));
  std::vector<unsigned char> diretorio(16 * static_cast<size_t>(entradas));
  Ler_em(arquivo, 6, diretorio.data(), diretorio.size());
  Entrada_ico melhor{-1};
  for (int i = 0; i < entradas; ++i) {
    const Entrada_ico e = Ler_entrada(arquivo, diretorio.data(), i, tamanho_arquivo);
    // In floating point: a damaged header's sides overflow any integer product.
    const double area = static_cast<double>(e.largura) * static_cast<double>(e.altura);
    const double area_melhor =
        static_cast<double>(melhor.largura) * static_cast<double>(melhor.altura);
    if (melhor.indice < 0 || area > area_melhor || (area == area_melhor && e.bits > melhor.bits))
      melhor = e;
  }
  return melhor;
}

// A bitmap's transparent parts show white too. A 32-bit picture is composed in place and
// copied into strips; others (palette, grey) are drawn by Qt onto white strips.
Raster_em_faixas Em_rgb32(const std::string& caminho, QImage figura) {
  if (figura.format() == QImage::Format_ARGB32 ||
      figura.format() == QImage::Format_ARGB32_Premultiplied) {
    const bool pre = figura.format() == QImage::Format_ARGB32_Premultiplied;
    for (int y = 0; y < figura.height(); ++y) {
      auto* linha = reinterpret_cast<QRgb*>(figura.scanLine(y));
      for (int x = 0; x < figura.width(); ++x) {
        const QRgb p = linha[x];
        const int a = qAlpha(p);
        linha[x] = pre ? qRgb(qRed(p) + 255 - a, qGreen(p) + 255 - a, qBlue(p) + 255 - a)
                       : ico::Sobre_branco(p);
      }
    }
    figura.reinterpretAsFormat(QImage::Format_RGB32);
  }
  if (figura.format() == QImage::Format_RGB32) return Em_faixas(figura);
  Raster_em_faixas raster = Criar_raster(caminho, figura.width(), figura.height());
  raster.Preencher(qRgb(255, 255, 255));
  raster.Pintar(raster.Retangulo(), [&](QPainter& pintor) { pintor.drawImage(0, 0, figura); });
  return raster;
}

Raster_em_faixas Ler_bitmap(const std::string& caminho, std::FILE* arquivo,
                            const Entrada_ico& entrada) {
  // Qt's decoded picture and its copy in strips are held together for a moment.
  Conferir_tamanho_raster(caminho, entrada.largura, entrada.altura, 2);
  std::rewind(arquivo);
  QFile dispositivo;
  if (!dispositivo.open(arquivo, QIODevice::ReadOnly))
    throw Ico_invalido{"erro de leitura do arquivo"};
  QImageReader leitor(&dispositivo, "ico");
  QImage figura;
  if (entrada.indice == 0 || leitor.jumpToImage(entrada.indice)) figura = leitor.read();
  if (figura.isNull()) throw Ico_invalido{leitor.errorString().toStdString()};
  if (figura.width() != entrada.largura || figura.height() != entrada.altura)
    throw Ico_invalido{"tamanho da entrada diferente do seu cabeçalho"};
  return Em_rgb32(caminho, std::move(figura));
}

Raster_em_faixas Decodificar(const std::string& caminho, std::FILE* arquivo) {
  const Entrada_ico entrada = Escolher_entrada(arquivo);
  if (!entrada.png) return Ler_bitmap(caminho, arquivo, entrada);
  return ico::Ler_png(caminho, arquivo,
                      {entrada.inicio, entrada.bytes, entrada.largura, entrada.altura});
}

}  // namespace

Raster_em_faixas Ler_ico(const std::string& caminho) {
  const Arquivo arquivo = Abrir_arquivo(caminho);  // by the bytes of its name
  try {
    return Decodificar(caminho, arquivo.get());
  } catch (const Ico_invalido& erro) {
    Falhar_leitura(caminho, fmt::sprintf("arquivo ICO inválido ou danificado (%s)", erro.detalhe));
  }
}
