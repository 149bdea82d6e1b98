#pragma once
// Stands in for a machine with a given amount of available memory while it lives, so
// that the loader's refusal of a raster that does not fit can be tested on any machine.

#include <cstdint>
#include <utility>

#include "figuras/Ler_formatos.h"

class Memoria_simulada {
 public:
  explicit Memoria_simulada(int64_t bytes)
      : anterior_(std::exchange(Memoria_disponivel, [] { return bytes_; })) {
    bytes_ = bytes;
  }
  ~Memoria_simulada() { Memoria_disponivel = anterior_; }
  Memoria_simulada(const Memoria_simulada&) = delete;
  Memoria_simulada& operator=(const Memoria_simulada&) = delete;

 private:
  static inline int64_t bytes_ = 0;
  int64_t (*anterior_)();
};
