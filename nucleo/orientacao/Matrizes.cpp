#include "nucleo/orientacao/Matrizes.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <utility>

#include "nucleo/base/Erro.h"

Matriz::Matriz(int linhas_, int colunas_)
    : linhas(linhas_),
      colunas(colunas_),
      valores(static_cast<std::size_t>(linhas_ * colunas_), 0.0) {}

Matriz Matriz::Identidade(int ordem) {
  Matriz identidade(ordem, ordem);
  for (int i = 0; i < ordem; ++i) identidade(i, i) = 1.0;
  return identidade;
}

Matriz Transpor_matriz(const Matriz& origem) {
  Matriz destino(origem.colunas, origem.linhas);
  for (int i = 0; i < origem.linhas; ++i)
    for (int j = 0; j < origem.colunas; ++j) destino(j, i) = origem(i, j);
  return destino;
}

Matriz Multiplicar_matrizes(const Matriz& esquerda, const Matriz& direita) {
  assert(esquerda.colunas == direita.linhas);
  Matriz destino(esquerda.linhas, direita.colunas);
  for (int i = 0; i < esquerda.linhas; ++i)
    for (int j = 0; j < direita.colunas; ++j) {
      double soma = 0.0;
      for (int k = 0; k < esquerda.colunas; ++k) soma += esquerda(i, k) * direita(k, j);
      destino(i, j) = Verificado(soma);
    }
  return destino;
}

Matriz Inverter_matriz(Matriz origem) {
  assert(origem.linhas == origem.colunas);
  Matriz V = Matriz::Identidade(origem.linhas);
  Triangularizar(origem, V);
  return Retrossubstituir(origem, V);
}

namespace {

void Trocar_linhas(Matriz& M, int a, int b) {
  for (int k = 0; k < M.colunas; ++k) std::swap(M(a, k), M(b, k));
}

// The row from p downwards with the largest magnitude in column p. Taking it as the
// pivot keeps a chart turned a quarter turn against the image (a zero on the
// diagonal) solvable and keeps the factors at most 1 in magnitude.
int Linha_pivo(const Matriz& M, int p) {
  int melhor = p;
  for (int j = p + 1; j < M.linhas; ++j)
    if (std::fabs(M(j, p)) > std::fabs(M(melhor, p))) melhor = j;
  return melhor;
}

}  // namespace

void Triangularizar(Matriz& M, Matriz& V) {
  const int m = M.linhas;
  for (int p = 0; p < m - 1; ++p) {
    const int pivo = Linha_pivo(M, p);
    if (pivo != p) {
      Trocar_linhas(M, p, pivo);
      Trocar_linhas(V, p, pivo);
    }
    const double q = M(p, p);
    for (int j = p + 1; j < m; ++j) {
      // A zero pivot here means the whole column is zero: Dividir reports it.
      const double g = Dividir(-M(j, p), q);
      for (int k = 0; k < m; ++k) {
        M(j, k) = Verificado(g * M(p, k) + M(j, k));
        V(j, k) = Verificado(g * V(p, k) + V(j, k));
      }
    }
  }
}

Matriz Retrossubstituir(const Matriz& U, const Matriz& V) {
  const int m = U.linhas;
  Matriz X(m, V.colunas);
  for (int i = m - 1; i >= 0; --i)
    for (int j = V.colunas - 1; j >= 0; --j) {
      double s = 0.0;
      for (int k = m - 1; k > i; --k) s += U(i, k) * X(k, j);
      X(i, j) = Dividir(Verificado(V(i, j) - s), U(i, i));
    }
  return X;
}

namespace {

// The column v that reflects column p of A, from row p down, onto row p. The norm goes
// in with the sign of the entry at row p, so that nothing cancels.
Matriz Refletor(const Matriz& A, int p) {
  Matriz v(A.linhas, 1);
  double norma = 0.0;
  for (int i = p; i < A.linhas; ++i) {
    v(i, 0) = A(i, p);
    norma = std::hypot(norma, A(i, p));
  }
  v(p, 0) += std::copysign(norma, A(p, p));
  return v;
}

// M <- (I - 2 v v' / v'v) M. A zero v (a column already zero) raises the error of 0 / 0.
void Refletir(const Matriz& v, Matriz& M) {
  const Matriz vt = Transpor_matriz(v);
  const double vv = Multiplicar_matrizes(vt, v)(0, 0);
  const Matriz s = Multiplicar_matrizes(vt, M);
  for (int j = 0; j < M.colunas; ++j) {
    const double fator = Dividir(2 * s(0, j), vv);
    for (int i = 0; i < M.linhas; ++i) M(i, j) = Verificado(M(i, j) - fator * v(i, 0));
  }
}

Matriz Linhas_iniciais(const Matriz& M, int linhas) {
  Matriz topo(linhas, M.colunas);
  std::copy_n(M.valores.begin(), topo.valores.size(), topo.valores.begin());
  return topo;
}

}  // namespace

Matriz Minimos_quadrados(Matriz A, Matriz B) {
  assert(A.linhas >= A.colunas && A.linhas == B.linhas);
  for (int p = 0; p < A.colunas; ++p) {
    const Matriz v = Refletor(A, p);
    Refletir(v, A);
    Refletir(v, B);
  }
  return Retrossubstituir(Linhas_iniciais(A, A.colunas), Linhas_iniciais(B, A.colunas));
}
