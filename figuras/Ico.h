#pragma once
// What the parts of the icon reader share: its own error, the composition on white, and
// the decoding of a PNG entry.

#include <QRgb>
#include <cstdint>
#include <cstdio>
#include <string>

#include "figuras/Raster_em_faixas.h"

namespace ico {

// The problem found in the file, turned into the loader's error by Ler_ico, which knows
// the file's name.
struct Ico_invalido {
  std::string detalhe;
};

// Transparent parts of an icon show white, as on a sheet of paper: a colour of straight
// (not premultiplied) alpha over white, each channel rounded to the nearest.
inline QRgb Sobre_branco(QRgb cor) {
  const int a = qAlpha(cor);
  if (a == 255) return cor;
  const auto compor = [a](int c) { return 255 - ((255 - c) * a + 127) / 255; };
  return qRgb(compor(qRed(cor)), compor(qGreen(cor)), compor(qBlue(cor)));
}

// Where a PNG entry lies in the file and the size its header gives.
struct Entrada_png {
  int64_t inicio = 0, bytes = 0;
  int64_t largura = 0, altura = 0;
};

// The PNG entry, decoded row by row straight into a new raster, its pixels those that
// Qt's reader gives drawn on white.
Raster_em_faixas Ler_png(const std::string& caminho, std::FILE* arquivo, const Entrada_png& png);

}  // namespace ico
