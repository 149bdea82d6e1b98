// Icons through Qt's image reader.

#include <fmt/printf.h>

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <algorithm>

#include "app/Ler_formatos.h"

namespace {

// Transparent parts of an icon show white, as on a sheet of paper; opaque entries are
// only converted.
QImage Em_rgb32(const std::string& caminho, const QImage& figura) {
  if (!figura.hasAlphaChannel()) {
    QImage raster = figura.convertToFormat(QImage::Format_RGB32);
    if (raster.isNull()) throw Erro_grande_demais(figura.width(), figura.height());
    return raster;
  }
  QImage raster = Criar_raster(caminho, figura.width(), figura.height());
  raster.fill(Qt::white);
  QPainter(&raster).drawImage(0, 0, figura);
  return raster;
}

// Icons hold several entries and Qt reads the first (often 16 x 16): every entry is
// read and the largest kept, the deeper one between two of the same size.
QImage Ler_maior_entrada(const std::string& caminho, QImageReader& leitor) {
  const auto falhar = [&] {
    Falhar_leitura(caminho, fmt::sprintf("arquivo ICO inválido ou danificado (%s)",
                                         leitor.errorString().toStdString()));
  };
  QImage maior;
  const int entradas = std::max(1, leitor.imageCount());
  for (int i = 0; i < entradas; ++i) {
    if (entradas > 1 && !leitor.jumpToImage(i)) falhar();
    // The header's size is checked before Qt allocates the picture.
    const QSize tamanho = leitor.size();
    if (tamanho.isValid()) Conferir_tamanho_raster(caminho, tamanho.width(), tamanho.height());
    const QImage entrada = leitor.read();
    if (entrada.isNull()) falhar();
    const int64_t area = int64_t{entrada.width()} * entrada.height();
    const int64_t area_maior = int64_t{maior.width()} * maior.height();
    if (area > area_maior || (area == area_maior && entrada.depth() > maior.depth()))
      maior = entrada;
  }
  return maior;
}

}  // namespace

QImage Ler_ico(const std::string& caminho) {
  // Qt refuses pictures over 128 MB by default; the loader's own check of the size
  // against the available memory replaces that.
  QImageReader::setAllocationLimit(
      static_cast<int>(std::min<int64_t>(Memoria_disponivel() >> 20, INT32_MAX)));
  const Arquivo arquivo = Abrir_arquivo(caminho);  // by the bytes of its name
  QFile dispositivo;
  if (!dispositivo.open(arquivo.get(), QIODevice::ReadOnly))
    Falhar_leitura(caminho, "erro de leitura do arquivo");
  QImageReader leitor(&dispositivo, "ico");
  return Em_rgb32(caminho, Ler_maior_entrada(caminho, leitor));
}
