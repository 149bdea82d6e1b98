#include <gtest/gtest.h>

#include "nucleo/base/Lista.h"
#include "tests/apoio/Mensagem_de_erro.h"

TEST(Lista, PosicoesVerificadas) {
  Lista<int> lista;
  EXPECT_THROW(lista.Item(-1), Erro);
  EXPECT_EQ(Mensagem_de_erro([&] { lista.Item(0); }), "List index out of bounds (0)");
  for (int i = 1; i <= 4; ++i) lista.Acrescentar(i);
  EXPECT_EQ(lista.Quantidade(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(lista.Item(i), i + 1);
  lista.Remover(0);
  EXPECT_EQ(lista.Item(0), 2);
  EXPECT_THROW(lista.Remover(3), Erro);
  lista.Esvaziar();
  EXPECT_TRUE(lista.Vazia());
}
