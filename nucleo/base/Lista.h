#pragma once
// Ordered list with checked positions: reading a position that does not exist raises
// the list-index error instead of touching memory outside the list.

#include <cstddef>
#include <vector>

#include "nucleo/base/Erro.h"

template <typename T>
class Lista {
 public:
  int Quantidade() const { return static_cast<int>(itens_.size()); }
  bool Vazia() const { return itens_.empty(); }

  T& Item(int indice) { return itens_[Verificar(indice)]; }
  const T& Item(int indice) const { return itens_[Verificar(indice)]; }

  void Acrescentar(T item) { itens_.push_back(std::move(item)); }
  void Remover(int indice) { itens_.erase(itens_.begin() + Verificar(indice)); }
  void Esvaziar() { itens_.clear(); }

  bool operator==(const Lista&) const = default;

  auto begin() { return itens_.begin(); }
  auto end() { return itens_.end(); }
  auto begin() const { return itens_.begin(); }
  auto end() const { return itens_.end(); }

 private:
  std::size_t Verificar(int indice) const {
    if (indice < 0 || indice >= Quantidade()) throw Erro::Indice_lista(indice);
    return static_cast<std::size_t>(indice);
  }

  std::vector<T> itens_;
};
