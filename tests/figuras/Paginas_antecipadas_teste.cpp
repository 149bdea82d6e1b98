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

// The rows from the n-th to the m-th in the decoder's order.
void Escrever_linhas(QImage& raster, Paginas_antecipadas::Ordem ordem, int de, int ate) {
  for (int n = de; n < ate; ++n) {
    const int y = ordem == Paginas_antecipadas::Ordem::De_cima ? n : raster.height() - 1 - n;
    auto* linha = reinterpret_cast<uint32_t*>(raster.scanLine(y));
    for (int x = 0; x < raster.width(); ++x) linha[x] = Amostra(x, y);
  }
}

TEST(Paginas_antecipadas, ConteudoEscritoAntesEDuranteFicaIntacto) {
  for (const auto ordem :
       {Paginas_antecipadas::Ordem::De_cima, Paginas_antecipadas::Ordem::De_baixo}) {
    QImage raster(4096, 4096, QImage::Format_RGB32);  // 64 MiB: large enough for the thread
    ASSERT_FALSE(raster.isNull());
    Escrever_linhas(raster, ordem, 0, 256);  // 4 MiB the thread finds already written
    {
      const Paginas_antecipadas antecipadas(raster, ordem);
      Escrever_linhas(raster, ordem, 256, raster.height());
    }
    int64_t erradas = 0;
    for (int y = 0; y < raster.height(); ++y) {
      const auto* linha = reinterpret_cast<const uint32_t*>(raster.constScanLine(y));
      for (int x = 0; x < raster.width(); ++x) erradas += linha[x] != Amostra(x, y);
    }
    EXPECT_EQ(erradas, 0) << (ordem == Paginas_antecipadas::Ordem::De_cima ? "de cima"
                                                                           : "de baixo");
  }
}

}  // namespace
