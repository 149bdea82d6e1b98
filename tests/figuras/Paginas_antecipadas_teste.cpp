// Asking the system for a raster's pages while the decoder writes it must leave every
// byte as the decoder wrote it, whether written before the thread started or while it
// ran.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "figuras/Paginas_antecipadas.h"

namespace {

uint32_t Amostra(int x, int y) {
  return 0xFF000000u |
         (static_cast<uint32_t>(x) * 2654435761u ^ static_cast<uint32_t>(y) * 40503u) >> 8;
}

// The rows from the n-th to the m-th in the decoder's order, row by row across strips.
void Escrever_linhas(Raster_em_faixas& raster, Paginas_antecipadas::Ordem ordem, int de, int ate) {
  std::vector<uint32_t> linha(static_cast<size_t>(raster.Largura()));
  for (int n = de; n < ate; ++n) {
    const int y = ordem == Paginas_antecipadas::Ordem::De_cima ? n : raster.Altura() - 1 - n;
    for (int x = 0; x < raster.Largura(); ++x) linha[static_cast<size_t>(x)] = Amostra(x, y);
    raster.Escrever_linha(y, linha.data());
  }
}

TEST(Paginas_antecipadas, ConteudoEscritoAntesEDuranteFicaIntacto) {
  for (const auto ordem :
       {Paginas_antecipadas::Ordem::De_cima, Paginas_antecipadas::Ordem::De_baixo}) {
    // 62.5 MiB, large enough for the thread; the last strip is narrower than the others.
    Raster_em_faixas raster(4000, 4096);
    Escrever_linhas(raster, ordem, 0, 256);  // rows of the first band the thread asks for
    {
      const Paginas_antecipadas antecipadas(raster, ordem);
      Escrever_linhas(raster, ordem, 256, raster.Altura());
    }
    int64_t erradas = 0;
    for (int y = 0; y < raster.Altura(); ++y)
      for (int x = 0; x < raster.Largura(); ++x) erradas += raster.Pixel(x, y) != Amostra(x, y);
    EXPECT_EQ(erradas, 0) << (ordem == Paginas_antecipadas::Ordem::De_cima ? "de cima"
                                                                           : "de baixo");
  }
}

}  // namespace
