#include "figuras/Paginas_antecipadas.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <system_error>
#include <utility>
#include <vector>

namespace {

// Below this a raster's faults cost too little to be worth a thread.
constexpr int64_t Minimo_bytes = int64_t{32} << 20;
// The decoder writes a row across every strip, so the pages are asked for by bands of
// rows of about this much raster, the band's part of each strip at a time; a band has
// at least enough rows for a strip's part to span several pages.
constexpr int64_t Banda_bytes = int64_t{4} << 20;
constexpr int Minimo_linhas_banda = 128;
// Each request holds the process's memory map for its pages: requests of at most about
// this much keep the decoder's own (its buffers, the file's reads) from waiting long.
constexpr uintptr_t Maximo_pedido = uintptr_t{4} << 20;

// Where a strip's rows start and how long each is; a strip's rows follow one another.
struct Faixa {
  uintptr_t inicio, bytes_linha;
};

// Asks for the pages of [inicio, fim) in requests of at most about Maximo_pedido, the
// parts of neighbouring strips that meet (a band of the whole height) as one. Returns
// false once the thread is to stop or the system cannot do it.
class Pedidos {
 public:
  explicit Pedidos(std::stop_token parar) : parar_(std::move(parar)) {}

  bool Pedir(uintptr_t inicio, uintptr_t fim) {
    const bool encosta = inicio >= inicio_ && inicio <= fim_;
    if (!encosta || fim_ - inicio_ >= Maximo_pedido) {
      if (!Enviar()) return false;
      inicio_ = inicio;
    }
    fim_ = fim;
    return true;
  }

  bool Enviar() {
    if (parar_.stop_requested()) return false;
    return fim_ == inicio_ ||
           madvise(reinterpret_cast<void*>(inicio_), fim_ - inicio_, MADV_POPULATE_WRITE) == 0;
  }

 private:
  std::stop_token parar_;
  uintptr_t inicio_ = 0, fim_ = 0;
};

void Antecipar(std::stop_token parar, const std::vector<Faixa>& faixas, int altura,
               int linhas_banda, bool de_baixo) {
  const auto pagina = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  Pedidos pedidos(std::move(parar));
  for (int64_t feitas = 0; feitas < altura; feitas += linhas_banda) {
    const int64_t linhas = std::min<int64_t>(linhas_banda, altura - feitas);
    const auto de = static_cast<uintptr_t>(de_baixo ? altura - feitas - linhas : feitas);
    for (const Faixa& f : faixas) {
      // Rounded out to whole pages: the raster is one mapping of whole pages, and a page
      // shared with the next band or strip is only asked for twice.
      const uintptr_t inicio = (f.inicio + de * f.bytes_linha) / pagina * pagina;
      if (!pedidos.Pedir(inicio, f.inicio + (de + linhas) * f.bytes_linha)) return;
    }
  }
  pedidos.Enviar();
}

}  // namespace

Paginas_antecipadas::Paginas_antecipadas(const Raster_em_faixas& raster, Ordem ordem) {
  if (raster.Bytes() < Minimo_bytes) return;
  std::vector<Faixa> faixas;
  for (int f = 0; f < raster.Faixas(); ++f)
    faixas.push_back({reinterpret_cast<uintptr_t>(raster.Linha(f, 0)),
                      static_cast<uintptr_t>(raster.Largura_da_faixa(f)) * 4});
  const int linhas_banda = static_cast<int>(
      std::max<int64_t>(Minimo_linhas_banda, Banda_bytes / (int64_t{4} * raster.Largura())));
  try {
    tarefa_ = std::jthread(Antecipar, std::move(faixas), raster.Altura(), linhas_banda,
                           ordem == Ordem::De_baixo);
  } catch (const std::system_error&) {
    // No thread to be had (a process at its limit): the decoder pays the faults itself.
  }
}
