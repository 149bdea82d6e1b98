#include "figuras/Paginas_antecipadas.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

namespace {

// Below this a raster's faults cost too little to be worth a thread.
constexpr int64_t Minimo_bytes = int64_t{32} << 20;
// Each request holds the process's memory map for its pages: small steps keep the
// decoder's own requests (its buffers, the file's reads) from waiting long.
constexpr uintptr_t Passo_bytes = uintptr_t{4} << 20;

void Antecipar(std::stop_token parar, uintptr_t inicio, uintptr_t fim, bool de_baixo) {
  for (uintptr_t feitos = 0; feitos < fim - inicio && !parar.stop_requested();
       feitos += Passo_bytes) {
    const uintptr_t bytes = std::min(Passo_bytes, fim - inicio - feitos);
    const uintptr_t p = de_baixo ? fim - feitos - bytes : inicio + feitos;
    if (madvise(reinterpret_cast<void*>(p), bytes, MADV_POPULATE_WRITE) != 0) return;
  }
}

}  // namespace

Paginas_antecipadas::Paginas_antecipadas(QImage& raster, Ordem ordem) {
  if (raster.sizeInBytes() < Minimo_bytes) return;
  const auto pagina = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto dados = reinterpret_cast<uintptr_t>(raster.bits());
  // Only whole pages inside the raster: the few bytes before the first boundary and
  // after the last are the decoder's to fault.
  const uintptr_t inicio = (dados + pagina - 1) / pagina * pagina;
  const uintptr_t fim = (dados + static_cast<uintptr_t>(raster.sizeInBytes())) / pagina * pagina;
  if (inicio < fim) tarefa_ = std::jthread(Antecipar, inicio, fim, ordem == Ordem::De_baixo);
}
