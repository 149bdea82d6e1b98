#pragma once
// A fresh raster's memory costs the system a page fault per page on first write: for a
// 100-megapixel picture about 100 000 faults, each one zeroing a page, which adds about
// 40 % to the decoding's own time. While the decoder fills the raster, a thread of this
// object asks the system for all the raster's pages, in the order the decoder writes its
// rows, on the other core, so the decoder writes into memory that is already there. Asking
// does not touch the contents (MADV_POPULATE_WRITE), so the two never race on a byte: a
// page the decoder reached first is simply passed over. Where the system cannot do it (an
// old kernel, no thread to be had) nothing happens and the decoder pays the faults as before.
//
// The thread runs ahead as fast as it can: kept just ahead of the decoder, it measured
// slower, the waiting costing more than the cache it would have saved.

#include <thread>

#include "figuras/Raster_em_faixas.h"

class Paginas_antecipadas {
 public:
  // The order in which the decoder writes the raster's rows (a bitmap stored bottom-up
  // writes its last row first); the pages are asked for in the same order.
  enum class Ordem { De_cima, De_baixo };

  // The raster's memory must outlive this object; the raster itself may be moved.
  // Going out of scope stops the thread at its next band of rows (a few megabytes) and
  // waits.
  explicit Paginas_antecipadas(const Raster_em_faixas& raster, Ordem ordem = Ordem::De_cima);

 private:
  std::jthread tarefa_;
};
