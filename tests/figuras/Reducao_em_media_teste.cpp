// The reduced copy kept while a picture is decoded must be the area average of the
// picture's pixels, whatever order the decoder writes rows in and however it cuts them.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "figuras/Ler_figura.h"
#include "figuras/Raster_em_faixas.h"
#include "figuras/Reducao_em_media.h"

namespace {

// Thin lines on a gradient: what aliasing would break up.
QImage Carta(int largura, int altura) {
  QImage imagem(largura, altura, QImage::Format_RGB32);
  for (int y = 0; y < altura; ++y)
    for (int x = 0; x < largura; ++x) {
      const bool linha = x % 7 == 0 || (x + 2 * y) % 11 == 0;
      imagem.setPixel(x, y, linha ? qRgb(20, 60, 140) : qRgb(x % 256, y % 256, (x + y) % 256));
    }
  return imagem;
}

// Each block's mean computed on its own, in doubles.
void Conferir_media(const QImage& reduzida, const QImage& figura, int fator) {
  ASSERT_EQ(reduzida.width(), (figura.width() + fator - 1) / fator);
  ASSERT_EQ(reduzida.height(), (figura.height() + fator - 1) / fator);
  for (int j = 0; j < reduzida.height(); ++j)
    for (int i = 0; i < reduzida.width(); ++i) {
      double soma[3] = {0, 0, 0};
      int n = 0;
      for (int y = j * fator; y < std::min((j + 1) * fator, figura.height()); ++y)
        for (int x = i * fator; x < std::min((i + 1) * fator, figura.width()); ++x, ++n) {
          const QRgb p = figura.pixel(x, y);
          soma[0] += qRed(p), soma[1] += qGreen(p), soma[2] += qBlue(p);
        }
      const QRgb r = reduzida.pixel(i, j);
      const int obtido[3] = {qRed(r), qGreen(r), qBlue(r)};
      for (int c = 0; c < 3; ++c)
        ASSERT_LE(std::abs(obtido[c] - soma[c] / n), 1.0) << i << ", " << j << " canal " << c;
    }
}

}  // namespace

// Rows bottom-up (as bitmaps store them), each cut at a column inside a block.
TEST(Reducao_em_media, LinhasEmQualquerOrdemETrechosCortados) {
  const QImage figura = Carta(301, 203);  // blocks cut short at both edges
  Reducao_em_media reducao(301, 203, 4);
  for (int y = 202; y >= 0; --y) {
    const auto* linha = reinterpret_cast<const uint32_t*>(figura.constScanLine(y));
    reducao.Somar(0, y, linha, 130);
    EXPECT_FALSE(reducao.Completa());
    reducao.Somar(130, y, linha + 130, 171);
  }
  EXPECT_TRUE(reducao.Completa());
  Conferir_media(reducao.Imagem(), figura, 4);
}

// Blocks taller than 16-bit column sums can hold (257 rows of 255).
TEST(Reducao_em_media, BlocosDeMaisDe257Linhas) {
  QImage figura = Carta(700, 600);
  figura.fill(Qt::white);
  Reducao_em_media reducao(700, 600, 300);
  for (int y = 0; y < 600; ++y)
    reducao.Somar(0, y, reinterpret_cast<const uint32_t*>(figura.constScanLine(y)), 700);
  Conferir_media(reducao.Imagem(), figura, 300);
}

TEST(Reducao_em_media, FatorPeloLadoMaior) {
  EXPECT_EQ(Fator_reducao(1024, 700), 1);
  EXPECT_EQ(Fator_reducao(700, 1025), 2);
  EXPECT_EQ(Fator_reducao(19866, 28087), 28);  // an A0 sheet at 600 dpi
  EXPECT_EQ(Fator_reducao(10000, 10000), 12);  // beyond 4, a multiple of 4
}

// The decoders feed the reduced copy as they write: markers painted afterwards are not
// in it. A raster written without it is reduced from its pixels.
TEST(Reducao_em_media, CopiaDoDecodificadorOuDosPixels) {
  const QImage figura = Carta(2100, 700);  // reduced by 3
  QTemporaryDir pasta;
  for (const char* formato : {"bmp", "jpg"}) {
    SCOPED_TRACE(formato);
    const QString caminho = pasta.filePath(QString("carta.") + formato);
    ASSERT_TRUE(figura.save(caminho, formato, 95));
    Raster_em_faixas raster = Ler_figura(caminho.toStdString(), 96);
    const QImage lida = raster.Imagem();
    raster.Pintar(QRect(0, 0, 300, 300), [](QPainter& p) { p.fillRect(0, 0, 300, 300, Qt::red); });
    Conferir_media(raster.Reduzida(), lida, 3);
  }
  Raster_em_faixas escrito(2100, 700);
  for (int y = 0; y < 700; ++y)
    escrito.Escrever_linha(y, reinterpret_cast<const uint32_t*>(figura.constScanLine(y)));
  Conferir_media(escrito.Reduzida(), figura, 3);
}

// A reduced pixel's columns are folded together: a last column one pixel wide, a factor
// of one, where every column is a reduced pixel of its own, and one of 8, whose columns
// are summed 4 at a time.
TEST(Reducao_em_media, UltimaColunaEstreitaEFatorUm) {
  const QImage figura = Carta(29, 23);
  for (const int fator : {7, 1, 8}) {
    SCOPED_TRACE(fator);
    Reducao_em_media reducao(29, 23, fator);
    for (int y = 0; y < 23; ++y)
      for (int x = 0; x < 29; ++x)  // a pixel at a time
        reducao.Somar(x, y, reinterpret_cast<const uint32_t*>(figura.constScanLine(y)) + x, 1);
    const QImage reduzida = reducao.Imagem();
    Conferir_media(reduzida, figura, fator);
    if (fator == 1) {
      EXPECT_EQ(reduzida, figura);
    }
  }
}
