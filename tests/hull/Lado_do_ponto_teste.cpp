#include "hull/Lado_do_ponto.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// The side by the exact cross product of integer coordinates: left of P1 -> P2 is +1.
int Lado_exato(int64_t E1, int64_t N1, int64_t E2, int64_t N2, int64_t E3, int64_t N3) {
  const int64_t vetorial = (E2 - E1) * (N3 - N1) - (N2 - N1) * (E3 - E1);
  return (vetorial > 0) - (vetorial < 0);
}

}  // namespace

TEST(Lado_do_ponto, PontosCoincidentesDaoZero) {
  EXPECT_EQ(Lado_do_ponto(10, 20, 10, 20, 30, 40), 0);
  EXPECT_EQ(Lado_do_ponto(10, 20, 30, 40, 10, 20), 0);
  EXPECT_EQ(Lado_do_ponto(10, 20, 30, 40, 30, 40), 0);
}

TEST(Lado_do_ponto, LinhaVertical) {
  // Running north the west is the left; running south the east is.
  EXPECT_EQ(Lado_do_ponto(100, 0, 100, 50, 90, 25), 1);
  EXPECT_EQ(Lado_do_ponto(100, 0, 100, 50, 110, 25), -1);
  EXPECT_EQ(Lado_do_ponto(100, 0, 100, 50, 100, 80), 0);
  EXPECT_EQ(Lado_do_ponto(100, 50, 100, 0, 110, 25), 1);
  EXPECT_EQ(Lado_do_ponto(100, 50, 100, 0, 90, 25), -1);
  EXPECT_EQ(Lado_do_ponto(100, 50, 100, 0, 100, -30), 0);
}

TEST(Lado_do_ponto, LinhaHorizontal) {
  // Running east the north is the left; running west the south is.
  EXPECT_EQ(Lado_do_ponto(0, 100, 50, 100, 25, 110), 1);
  EXPECT_EQ(Lado_do_ponto(0, 100, 50, 100, 25, 90), -1);
  EXPECT_EQ(Lado_do_ponto(0, 100, 50, 100, 80, 100), 0);
  EXPECT_EQ(Lado_do_ponto(50, 100, 0, 100, 25, 90), 1);
  EXPECT_EQ(Lado_do_ponto(50, 100, 0, 100, 25, 110), -1);
  EXPECT_EQ(Lado_do_ponto(50, 100, 0, 100, -40, 100), 0);
}

TEST(Lado_do_ponto, LinhaInclinadaPontoAtrasDoPrimeiroVertice) {
  // The line runs north-east from (100, 100); points west of its start still get the
  // side they lie on, and so do points straight above or below the start.
  EXPECT_EQ(Lado_do_ponto(100, 100, 200, 200, 50, 80), 1);
  EXPECT_EQ(Lado_do_ponto(100, 100, 200, 200, 50, 20), -1);
  EXPECT_EQ(Lado_do_ponto(100, 100, 200, 200, 50, 50), 0);
  EXPECT_EQ(Lado_do_ponto(100, 100, 200, 200, 100, 130), 1);
  EXPECT_EQ(Lado_do_ponto(100, 100, 200, 200, 100, 70), -1);
}

TEST(Lado_do_ponto, ConcordaComOProdutoVetorialEmTodasAsDirecoes) {
  // Every line from the centre of a small grid to another grid point, against every
  // third grid point: small integers make the slopes exact enough to decide alike.
  const int E1 = 0, N1 = 0;
  for (int E2 = -3; E2 <= 3; ++E2)
    for (int N2 = -3; N2 <= 3; ++N2)
      for (int E3 = -4; E3 <= 4; ++E3)
        for (int N3 = -4; N3 <= 4; ++N3)
          ASSERT_EQ(Lado_do_ponto(E1, N1, E2, N2, E3, N3), Lado_exato(E1, N1, E2, N2, E3, N3))
              << "(" << E2 << "," << N2 << ") ponto (" << E3 << "," << N3 << ")";
}

TEST(Lado_do_ponto, CoordenadasDeCartaGrandes) {
  // Typical UTM values: the side survives the magnitude of the coordinates.
  const double E1 = 712345.125, N1 = 9123456.5, E2 = 712845.375, N2 = 9123956.25;
  EXPECT_EQ(Lado_do_ponto(E1, N1, E2, N2, 712500.0, 9123800.0), 1);
  EXPECT_EQ(Lado_do_ponto(E1, N1, E2, N2, 712700.0, 9123600.0), -1);
  EXPECT_EQ(Lado_do_ponto(E2, N2, E1, N1, 712500.0, 9123800.0), -1);
}
