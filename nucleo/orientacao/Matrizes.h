#pragma once
// Dense matrices of doubles and the small routines of the orientation's least
// squares. Divisions go through Dividir and results through Verificado, so a
// singular or overflowing system raises the floating-point error instead of leaving
// an infinity or a NaN behind.

#include <vector>

struct Matriz {
  int linhas = 0;
  int colunas = 0;
  std::vector<double> valores;  // row-major, linhas * colunas

  Matriz(int linhas, int colunas);  // zero-filled
  static Matriz Identidade(int ordem);

  double& operator()(int i, int j) { return valores[static_cast<std::size_t>(i * colunas + j)]; }
  double operator()(int i, int j) const {
    return valores[static_cast<std::size_t>(i * colunas + j)];
  }
};

// target[j][i] = source[i][j].
Matriz Transpor_matriz(const Matriz& origem);

// left * right, each element summed over k from 0 upwards.
Matriz Multiplicar_matrizes(const Matriz& esquerda, const Matriz& direita);

// Inverse by Triangularizar and Retrossubstituir.
Matriz Inverter_matriz(Matriz origem);

// Gauss elimination of the square matrix M with partial pivoting, applying the same
// row operations (exchanges included) to V. With V starting as the identity, V * M
// equals the triangular form afterwards.
void Triangularizar(Matriz& M, Matriz& V);

// Solves U * X = V for X, U upper triangular.
Matriz Retrossubstituir(const Matriz& U, const Matriz& V);

// The X that minimises the sum of squares of A * X - B, A with at least as many rows as
// columns, by Householder reflections: they make A triangular while B follows, so the
// condition of A enters once instead of squared as in the normal equations A' A.
Matriz Minimos_quadrados(Matriz A, Matriz B);
