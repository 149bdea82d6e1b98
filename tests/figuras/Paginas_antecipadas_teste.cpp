// Asking the system for a raster's pages while the decoder writes it must leave every
// byte as the decoder wrote it, whether written before the thread started or while it
// ran, and must reach every page of the raster.

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <thread>
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

int64_t Paginas_residentes(const Raster_em_faixas& raster, int64_t pagina) {
  std::vector<unsigned char> residentes(
      static_cast<size_t>((raster.Bytes() + pagina - 1) / pagina));
  if (mincore(const_cast<uint32_t*>(raster.Linha(0, 0)), static_cast<size_t>(raster.Bytes()),
              residentes.data()) != 0)
    return -1;
  int64_t n = 0;
  for (const unsigned char r : residentes) n += r & 1;
  return n;
}

// Nothing written by the decoder: once the thread is done, every page is there. It is
// given ample time; only a page never asked for fails.
TEST(Paginas_antecipadas, PedeTodasAsPaginasNaOrdemDoDecodificador) {
  const int64_t pagina = sysconf(_SC_PAGESIZE);
  {
    const Raster_em_faixas sonda(1024, 1);
    if (madvise(const_cast<uint32_t*>(sonda.Linha(0, 0)), static_cast<size_t>(pagina),
                MADV_POPULATE_WRITE) != 0)
      GTEST_SKIP() << "this kernel cannot ask for pages ahead";
  }
  for (const auto ordem :
       {Paginas_antecipadas::Ordem::De_cima, Paginas_antecipadas::Ordem::De_baixo}) {
    for (const auto& [largura, altura] : {std::pair{4000, 4096}, std::pair{3 << 20, 3}}) {
      SCOPED_TRACE(testing::Message() << largura << " x " << altura);
      const Raster_em_faixas raster(largura, altura);
      const int64_t todas = (raster.Bytes() + pagina - 1) / pagina;
      const Paginas_antecipadas antecipadas(raster, ordem);
      const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(20);
      while (Paginas_residentes(raster, pagina) < todas &&
             std::chrono::steady_clock::now() < limite)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      EXPECT_EQ(Paginas_residentes(raster, pagina), todas);
    }
  }
}

}  // namespace
