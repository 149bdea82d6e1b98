#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "nucleo/base/Erro.h"
#include "nucleo/orientacao/Matrizes.h"
#include "tests/apoio/Mensagem_de_erro.h"

namespace {

Matriz De_linhas(std::initializer_list<std::initializer_list<double>> linhas) {
  Matriz M(static_cast<int>(linhas.size()), static_cast<int>(linhas.begin()->size()));
  int i = 0;
  for (const auto& linha : linhas) {
    int j = 0;
    for (double valor : linha) M(i, j++) = valor;
    ++i;
  }
  return M;
}

void Esperar_identidade(const Matriz& M, double tolerancia) {
  for (int i = 0; i < M.linhas; ++i)
    for (int j = 0; j < M.colunas; ++j)
      EXPECT_NEAR(M(i, j), i == j ? 1.0 : 0.0, tolerancia) << "at " << i << "," << j;
}

}  // namespace

TEST(Matrizes, TransporTrocaLinhasPorColunas) {
  const Matriz T = Transpor_matriz(De_linhas({{1, 2, 3}, {4, 5, 6}}));
  ASSERT_EQ(T.linhas, 3);
  ASSERT_EQ(T.colunas, 2);
  EXPECT_EQ(T.valores, (std::vector<double>{1, 4, 2, 5, 3, 6}));
}

TEST(Matrizes, MultiplicarSomaOsProdutos) {
  const Matriz P = Multiplicar_matrizes(De_linhas({{1, 2, 3}, {4, 5, 6}}),
                                        De_linhas({{7, 8}, {9, 10}, {11, 12}}));
  ASSERT_EQ(P.linhas, 2);
  ASSERT_EQ(P.colunas, 2);
  EXPECT_EQ(P.valores, (std::vector<double>{58, 64, 139, 154}));
}

TEST(Matrizes, MultiplicarAcusaOverflow) {
  EXPECT_EQ(
      Mensagem_de_erro([] { Multiplicar_matrizes(De_linhas({{1e200}}), De_linhas({{1e200}})); }),
      "Floating point overflow");
}

TEST(Matrizes, TriangularizarRegistraAsOperacoesEmV) {
  const Matriz original = De_linhas({{2, 1, -1}, {-3, -1, 2}, {-2, 1, 2}});
  Matriz M = original;
  Matriz V = Matriz::Identidade(3);
  Triangularizar(M, V);
  for (int i = 1; i < 3; ++i)
    for (int j = 0; j < i; ++j)
      EXPECT_EQ(M(i, j), 0.0) << "below the diagonal at " << i << "," << j;
  // V holds the row operations: V * original is the triangular form.
  const Matriz VM = Multiplicar_matrizes(V, original);
  for (std::size_t k = 0; k < M.valores.size(); ++k)
    EXPECT_NEAR(VM.valores[k], M.valores[k], 1e-12);
}

TEST(Matrizes, TriangularizarEscolheOMaiorPivo) {
  Matriz M = De_linhas({{1, 2, 0}, {4, 1, 0}, {2, 0, 1}});
  Matriz V = Matriz::Identidade(3);
  Triangularizar(M, V);
  // The second row, with 4 in the first column, became the first pivot row.
  EXPECT_EQ(M(0, 0), 4.0);
  EXPECT_EQ(M(0, 1), 1.0);
  EXPECT_EQ(V(0, 1), 1.0);
}

TEST(Matrizes, RetrossubstituirResolveOSistemaTriangular) {
  const Matriz U = De_linhas({{2, 1, 1}, {0, 4, 2}, {0, 0, 5}});
  const Matriz V = De_linhas({{7}, {14}, {15}});  // U * (1, 2, 3)
  const Matriz X = Retrossubstituir(U, V);
  EXPECT_EQ(X.valores, (std::vector<double>{1, 2, 3}));
}

TEST(Matrizes, InverterDaAInversa) {
  const Matriz M = De_linhas({{4, 7, 2}, {3, 6, 1}, {2, 5, 3}});
  const Matriz inversa = Inverter_matriz(M);
  Esperar_identidade(Multiplicar_matrizes(M, inversa), 1e-14);
  Esperar_identidade(Multiplicar_matrizes(inversa, M), 1e-14);
}

TEST(Matrizes, InverterComZeroNaDiagonal) {
  // A quarter turn: the first pivot is zero and only a row exchange gets past it.
  const Matriz giro = De_linhas({{0, -4, 300}, {4, 0, 100}, {0, 0, 1}});
  const Matriz inversa = Inverter_matriz(giro);
  Esperar_identidade(Multiplicar_matrizes(giro, inversa), 1e-14);
  EXPECT_NEAR(inversa(0, 1), 0.25, 1e-15);
  EXPECT_NEAR(inversa(1, 0), -0.25, 1e-15);
  EXPECT_NEAR(inversa(0, 2), -25.0, 1e-12);
  EXPECT_NEAR(inversa(1, 2), 75.0, 1e-12);
}

TEST(Matrizes, InverterMatrizSingularAcusaErro) {
  // The last pivot comes out exactly zero: the division in the back substitution fails.
  EXPECT_EQ(Mensagem_de_erro([] {
              Inverter_matriz(De_linhas({{1, 2, 3}, {0, 1, 4}, {2, 4, 6}}));
            }),
            "Floating point division by zero");
  // Nothing left to pivot on below the diagonal: zero divided by zero.
  EXPECT_EQ(Mensagem_de_erro([] {
              Inverter_matriz(De_linhas({{1, 2, 3}, {2, 4, 6}, {0, 0, 0}}));
            }),
            "Invalid floating point operation");
  EXPECT_EQ(Mensagem_de_erro([] {
              Inverter_matriz(De_linhas({{0, 1, 0}, {0, 2, 0}, {0, 0, 1}}));
            }),
            "Invalid floating point operation");
}
