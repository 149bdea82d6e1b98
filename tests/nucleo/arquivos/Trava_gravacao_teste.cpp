#include <gtest/gtest.h>

#include <thread>

#include "nucleo/arquivos/Trava_gravacao.h"
#include "tests/nucleo/arquivos/Apoio_arquivos.h"

using std::chrono::milliseconds;

TEST(Trava_gravacao, UmaGravacaoPorTrabalhoENenhumArquivoDepois) {
  const Pasta_temporaria pasta;
  const std::string trabalho = pasta.Caminho() + "/a.ENh";
  {
    const Trava_gravacao primeira(trabalho);
    ASSERT_TRUE(primeira.Obtida());
    EXPECT_FALSE(Trava_gravacao(trabalho, milliseconds(50)).Obtida());
    EXPECT_TRUE(Trava_gravacao(pasta.Caminho() + "/b.ENh", milliseconds(0)).Obtida())
        << "another job is not held";
  }
  EXPECT_TRUE(Trava_gravacao(trabalho, milliseconds(0)).Obtida());
  EXPECT_TRUE(Conteudo_pasta(pasta.Caminho()).empty());
}

// The first save removes its lock file when it ends: the waiter must then hold the job's
// lock file alone, not one already removed, or a third save would run beside it.
TEST(Trava_gravacao, QuemEsperaObtemQuandoAOutraTermina) {
  const Pasta_temporaria pasta;
  const std::string trabalho = pasta.Caminho() + "/a.ENh";
  auto primeira = std::make_unique<Trava_gravacao>(trabalho);
  std::thread fim([&] {
    std::this_thread::sleep_for(milliseconds(100));
    primeira.reset();
  });
  const Trava_gravacao segunda(trabalho);
  fim.join();
  ASSERT_TRUE(segunda.Obtida());
  EXPECT_FALSE(Trava_gravacao(trabalho, milliseconds(0)).Obtida());
}
