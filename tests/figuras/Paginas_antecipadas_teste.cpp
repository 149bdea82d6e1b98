// Asking the system for a raster's pages while the decoder writes it must leave every
// byte as the decoder wrote it, whether written before the thread started or while it
// ran.

#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>

#include "figuras/Paginas_antecipadas.h"

namespace {

uint32_t Amostra(int x, int y) {
  return 0xFF000000u |
         (static_cast<uint32_t>(x) * 2654435761u ^ static_cast<uint32_t>(y) * 40503u) >> 8;
}

void Escrever_linhas(QImage& raster, int de, int ate) {
  for (int y = de; y < ate; ++y) {
    auto* linha = reinterpret_cast<uint32_t*>(raster.scanLine(y));
    for (int x = 0; x < raster.width(); ++x) linha[x] = Amostra(x, y);
  }
}

TEST(Paginas_antecipadas, ConteudoEscritoAntesEDuranteFicaIntacto) {
  QImage raster(4096, 4096, QImage::Format_RGB32);  // 64 MiB: large enough for the thread
  ASSERT_FALSE(raster.isNull());
  Escrever_linhas(raster, 0, 256);  // 4 MiB the thread finds already written
  {
    const Paginas_antecipadas antecipadas(raster);
    Escrever_linhas(raster, 256, raster.height());
  }
  int64_t erradas = 0;
  for (int y = 0; y < raster.height(); ++y) {
    const auto* linha = reinterpret_cast<const uint32_t*>(raster.constScanLine(y));
    for (int x = 0; x < raster.width(); ++x) erradas += linha[x] != Amostra(x, y);
  }
  EXPECT_EQ(erradas, 0);
}

}  // namespace
