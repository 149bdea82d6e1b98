#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cerrno>
#include <filesystem>
#include <stdexcept>

#include "datafiles/Gravacao_segura.h"
#include "tests/datafiles/Apoio_arquivos.h"

namespace {

class Gravacao_segura : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pasta_.isValid());
    // Open to everyone, so that Como_usuario_comum still reaches the folders inside.
    ::chmod(pasta_.path().toStdString().c_str(), 0755);
  }

  std::string Caminho(const std::string& nome) const {
    return pasta_.path().toStdString() + "/" + nome;
  }

  static Resultado_gravacao Gravar(const std::string& caminho, const std::string& texto,
                                   const Abrir_fluxo& abrir = {}) {
    return Gravar_arquivo(
        caminho, [&](std::FILE* f) { std::fputs(texto.c_str(), f); }, abrir);
  }

  QTemporaryDir pasta_;
};

// A stream on the new file whose close reports an I/O error (the file is closed).
std::FILE* Fluxo_que_falha_ao_fechar(int descritor) {
  cookie_io_functions_t funcoes{};
  funcoes.write = [](void* cookie, const char* dados, std::size_t tamanho) -> ssize_t {
    return ::write(*static_cast<int*>(cookie), dados, tamanho);
  };
  funcoes.close = [](void* cookie) {
    ::close(*static_cast<int*>(cookie));
    delete static_cast<int*>(cookie);
    errno = EIO;
    return -1;
  };
  return fopencookie(new int(descritor), "w", funcoes);
}

}  // namespace

TEST_F(Gravacao_segura, GravaONovoArquivoSemDeixarTemporarios) {
  EXPECT_EQ(Gravar(Caminho("folha12.ENh"), "linha 1\nlinha 2\n"), Resultado_gravacao::Gravado);
  EXPECT_EQ(Ler_conteudo(Caminho("folha12.ENh")), "linha 1\nlinha 2\n");
  EXPECT_EQ(Conteudo_pasta(pasta_.path().toStdString()), std::vector<std::string>{"folha12.ENh"});
}

TEST_F(Gravacao_segura, SubstituiOArquivoExistenteMantendoAsPermissoes) {
  Gravar_conteudo(Caminho("a.ENh"), "antigo conteudo bem mais longo\n");
  ::chmod(Caminho("a.ENh").c_str(), 0640);
  EXPECT_EQ(Gravar(Caminho("a.ENh"), "novo\n"), Resultado_gravacao::Gravado);
  EXPECT_EQ(Ler_conteudo(Caminho("a.ENh")), "novo\n");
  struct stat estado {};
  ASSERT_EQ(::stat(Caminho("a.ENh").c_str(), &estado), 0);
  EXPECT_EQ(estado.st_mode & 07777, 0640u);
}

TEST_F(Gravacao_segura, PastaSomenteLeituraFalhaNaAberturaEGuardaOArquivoAntigo) {
  if (!Como_usuario_comum::Possivel())
    GTEST_SKIP() << "cannot take an ordinary user's file permissions here";
  std::filesystem::create_directory(Caminho("protegida"));
  Gravar_conteudo(Caminho("protegida/a.ENh"), "antigo\n");
  ::chmod(Caminho("protegida").c_str(), 0555);
  {
    Como_usuario_comum usuario;
    EXPECT_EQ(Gravar(Caminho("protegida/a.ENh"), "novo\n"), Resultado_gravacao::Falha_abertura);
    EXPECT_EQ(Gravar(Caminho("protegida/b.ENh"), "novo\n"), Resultado_gravacao::Falha_abertura);
  }
  ::chmod(Caminho("protegida").c_str(), 0755);
  EXPECT_EQ(Ler_conteudo(Caminho("protegida/a.ENh")), "antigo\n");
  EXPECT_EQ(Conteudo_pasta(Caminho("protegida")), std::vector<std::string>{"a.ENh"});
}

TEST_F(Gravacao_segura, ArquivoSomenteLeituraNaoESubstituido) {
  if (!Como_usuario_comum::Possivel())
    GTEST_SKIP() << "cannot take an ordinary user's file permissions here";
  std::filesystem::create_directory(Caminho("aberta"));
  ::chmod(Caminho("aberta").c_str(), 0777);
  Gravar_conteudo(Caminho("aberta/a.ENh"), "antigo\n");
  ::chmod(Caminho("aberta/a.ENh").c_str(), 0444);
  {
    Como_usuario_comum usuario;
    EXPECT_EQ(Gravar(Caminho("aberta/a.ENh"), "novo\n"), Resultado_gravacao::Falha_abertura);
  }
  EXPECT_EQ(Ler_conteudo(Caminho("aberta/a.ENh")), "antigo\n");
}

TEST_F(Gravacao_segura, PastaNoLugarDoArquivoFalhaNaAbertura) {
  std::filesystem::create_directory(Caminho("pasta.ENh"));
  EXPECT_EQ(Gravar(Caminho("pasta.ENh"), "x\n"), Resultado_gravacao::Falha_abertura);
  EXPECT_EQ(Gravar(Caminho("nao/existe/a.ENh"), "x\n"), Resultado_gravacao::Falha_abertura);
}

TEST_F(Gravacao_segura, DiscoCheioFalhaNaEscritaEGuardaOArquivoAntigo) {
  Gravar_conteudo(Caminho("a.ENh"), "antigo\n");
  const auto disco_cheio = [](int descritor) {
    ::close(descritor);
    return std::fopen("/dev/full", "w");
  };
  EXPECT_EQ(Gravar(Caminho("a.ENh"), std::string(100000, 'x'), disco_cheio),
            Resultado_gravacao::Falha_escrita);
  EXPECT_EQ(Gravar(Caminho("a.ENh"), "curto\n", disco_cheio), Resultado_gravacao::Falha_escrita)
      << "a failure that shows only when the buffer is flushed at the close";
  EXPECT_EQ(Ler_conteudo(Caminho("a.ENh")), "antigo\n");
  EXPECT_EQ(Conteudo_pasta(pasta_.path().toStdString()), std::vector<std::string>{"a.ENh"});
}

TEST_F(Gravacao_segura, FalhaAoFecharEFalhaDeEscrita) {
  Gravar_conteudo(Caminho("a.ENh"), "antigo\n");
  EXPECT_EQ(Gravar(Caminho("a.ENh"), "novo\n", Fluxo_que_falha_ao_fechar),
            Resultado_gravacao::Falha_escrita);
  EXPECT_EQ(Ler_conteudo(Caminho("a.ENh")), "antigo\n");
  EXPECT_EQ(Conteudo_pasta(pasta_.path().toStdString()), std::vector<std::string>{"a.ENh"});
}

TEST_F(Gravacao_segura, ExcecaoDuranteAEscritaRemoveOArquivoNovo) {
  Gravar_conteudo(Caminho("a.ENh"), "antigo\n");
  EXPECT_THROW(Gravar_arquivo(Caminho("a.ENh"),
                              [](std::FILE* f) {
                                std::fputs("metade", f);
                                throw std::runtime_error("parou");
                              }),
               std::runtime_error);
  EXPECT_EQ(Ler_conteudo(Caminho("a.ENh")), "antigo\n");
  EXPECT_EQ(Conteudo_pasta(pasta_.path().toStdString()), std::vector<std::string>{"a.ENh"});
}

TEST_F(Gravacao_segura, CaminhoLongoEGravado) {
  std::string pasta = pasta_.path().toStdString();
  for (int i = 0; i < 5; ++i) pasta += "/" + std::string(60, static_cast<char>('a' + i));
  std::filesystem::create_directories(pasta);
  const std::string caminho = pasta + "/" + std::string(240, 'f') + ".ENh";
  ASSERT_GT(caminho.size(), 300u);
  EXPECT_EQ(Gravar(caminho, "ok\n"), Resultado_gravacao::Gravado);
  EXPECT_EQ(Ler_conteudo(caminho), "ok\n");
}

TEST_F(Gravacao_segura, LinkSimbolicoEGravadoAtravesDoLink) {
  Gravar_conteudo(Caminho("real.ENh"), "antigo\n");
  std::filesystem::create_symlink(Caminho("real.ENh"), Caminho("link.ENh"));
  EXPECT_EQ(Gravar(Caminho("link.ENh"), "novo\n"), Resultado_gravacao::Gravado);
  EXPECT_TRUE(std::filesystem::is_symlink(Caminho("link.ENh")));
  EXPECT_EQ(Ler_conteudo(Caminho("real.ENh")), "novo\n");
}
