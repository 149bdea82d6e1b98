#include "figuras/Paginas_antecipadas.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

// Below this a raster's faults cost too little to be worth a thread.
constexpr int64_t Minimo_bytes = int64_t{32} << 20;
// The decoder writes a row across every strip, so the pages are asked for by bands of
// rows of about this much raster, the band's part of each strip at a time. Each request
// holds the process's memory map for its pages: small steps keep the decoder's own
// requests (its buffers, the file's reads) from waiting long.
constexpr int64_t Banda_bytes = int64_t{4} << 20;

// Where a strip's rows start and how long each is; a strip's rows follow one another.
struct Faixa {
  uintptr_t inicio, bytes_linha;
};

void Antecipar(std::stop_token parar, const std::vector<Faixa>& faixas, int altura,
               int linhas_banda, bool de_baixo) {
  const auto pagina = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  for (int feitas = 0; feitas < altura && !parar.stop_requested(); feitas += linhas_banda) {
    const int linhas = std::min(linhas_banda, altura - feitas);
    const auto de = static_cast<uintptr_t>(de_baixo ? altura - feitas - linhas : feitas);
    for (const Faixa& f : faixas) {
      // Rounded out to whole pages: the raster is one mapping of whole pages, and a page
      // shared with the next band or strip is only asked for twice.
      const uintptr_t inicio = (f.inicio + de * f.bytes_linha) / pagina * pagina;
      const uintptr_t fim = f.inicio + (de + linhas) * f.bytes_linha;
      if (madvise(reinterpret_cast<void*>(inicio), fim - inicio, MADV_POPULATE_WRITE) != 0) return;
    }
  }
}

}  // namespace

Paginas_antecipadas::Paginas_antecipadas(const Raster_em_faixas& raster, Ordem ordem) {
  if (raster.Bytes() < Minimo_bytes) return;
  std::vector<Faixa> faixas;
  for (int f = 0; f < raster.Faixas(); ++f)
    faixas.push_back({reinterpret_cast<uintptr_t>(raster.Linha(f, 0)),
                      static_cast<uintptr_t>(raster.Largura_da_faixa(f)) * 4});
  const int linhas_banda =
      static_cast<int>(std::max<int64_t>(1, Banda_bytes / (int64_t{4} * raster.Largura())));
  tarefa_ = std::jthread(Antecipar, std::move(faixas), raster.Altura(), linhas_banda,
                         ordem == Ordem::De_baixo);
}
