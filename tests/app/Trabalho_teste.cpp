#include <gtest/gtest.h>

#include "app/Trabalho.h"
#include "tests/apoio/Impressao_trabalho.h"

// The control point list is shared with its dialog, so two jobs compare by the points
// their lists hold, not by where the lists live.
TEST(Trabalho, ListaDeControleComparadaPeloConteudo) {
  Trabalho a, b;
  EXPECT_EQ(a, b);
  a.OLista_coord->Acrescentar({1, 100.0, 200.0, 3.0, 4.0});
  EXPECT_NE(a, b);
  b.OLista_coord->Acrescentar({1, 100.0, 200.0, 3.0, 4.0});
  EXPECT_NE(a.OLista_coord.get(), b.OLista_coord.get());
  EXPECT_EQ(a, b);

  b.OLista_coord = nullptr;
  EXPECT_NE(a, b);
  a.OLista_coord = nullptr;
  EXPECT_EQ(a, b);
}
