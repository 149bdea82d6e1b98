#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <thread>

#include "nucleo/arquivos/Gravacao_segura.h"
#include "nucleo/arquivos/Temporario_gravacao.h"
#include "tests/nucleo/arquivos/Apoio_arquivos.h"

namespace {

class Gravacao_segura : public ::testing::Test {
 protected:
  void SetUp() override {
    // Open to everyone, so that Como_usuario_comum still reaches the folders inside.
    ::chmod(Pasta().c_str(), 0755);
  }

  std::string Pasta() const { return pasta_.Caminho(); }
  std::string Caminho(const std::string& nome) const { return Pasta() + "/" + nome; }

  static Resultado_gravacao Gravar(const std::string& caminho, const std::string& texto) {
    return Gravar_arquivo(caminho, [&](std::FILE* f) { std::fputs(texto.c_str(), f); });
  }

  // A folder that an ordinary user may write into.
  std::string Pasta_aberta(const std::string& nome) const {
    std::filesystem::create_directory(Caminho(nome));
    ::chmod(Caminho(nome).c_str(), 0777);
    return Caminho(nome);
  }

  Pasta_temporaria pasta_;
};

struct stat Estado(const std::string& caminho) {
  struct stat estado {};
  EXPECT_EQ(::lstat(caminho.c_str(), &estado), 0) << caminho;
  return estado;
}

}  // namespace

TEST_F(Gravacao_segura, GravaONovoArquivoSemDeixarTemporarios) {
  EXPECT_EQ(Gravar(Caminho("folha12.ENh"), "linha 1\nlinha 2\n"), Resultado_gravacao::Gravado);
  EXPECT_EQ(Ler_conteudo(Caminho("folha12.ENh")), "linha 1\nlinha 2\n");
  EXPECT_EQ(Conteudo_pasta(Pasta()), std::vector<std::string>{"folha12.ENh"});
}

TEST_F(Gravacao_segura, SubstituiOArquivoExistenteMantendoDonoEPermissoes) {
  Gravar_conteudo(Caminho("a.ENh"), "antigo conteudo bem mais longo\n");
  ::chmod(Caminho("a.ENh").c_str(), 0640);
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(Caminho("a.ENh").c_str(), 65534, 65534), 0);
  }
  const ino_t antigo = Estado(Caminho("a.ENh")).st_ino;
  EXPECT_EQ(Gravar(Caminho("a.ENh"), "novo\n"), Resultado_gravacao::Gravado);
  EXPECT_EQ(Ler_conteudo(Caminho("a.ENh")), "novo\n");
  const struct stat novo = Estado(Caminho("a.ENh"));
  EXPECT_NE(novo.st_ino, antigo) << "a plain file is replaced by a rename";
  EXPECT_EQ(novo.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(novo.st_uid, 65534u);
  }
}

TEST_F(Gravacao_segura, DonoQueOProcessoNaoPodeDarEscreveNoLugar) {
  if (!Como_usuario_comum::Possivel() || geteuid() != 0)
    GTEST_SKIP() << "needs root, to own a file that an ordinary user may write";
  const std::string pasta = Pasta_aberta("aberta");
  Gravar_conteudo(pasta + "/a.ENh", "antigo\n");
  ::chmod((pasta + "/a.ENh").c_str(), 0666);
  {
    Como_usuario_comum usuario;
    EXPECT_EQ(Gravar(pasta + "/a.ENh", "novo\n"), Resultado_gravacao::Gravado);
  }
  EXPECT_EQ(Ler_conteudo(pasta + "/a.ENh"), "novo\n");
  EXPECT_EQ(Estado(pasta + "/a.ENh").st_uid, 0u);
  EXPECT_EQ(Conteudo_pasta(pasta), std::vector<std::string>{"a.ENh"});
}

TEST_F(Gravacao_segura, PastaSomenteLeituraGravaNoLugarOArquivoQueJaExiste) {
  if (!Como_usuario_comum::Possivel())
    GTEST_SKIP() << "cannot take an ordinary user's file permissions here";
  const std::string pasta = Pasta_aberta("protegida");
  Gravar_conteudo(pasta + "/a.ENh", "antigo e mais longo\n");
  ::chmod((pasta + "/a.ENh").c_str(), 0666);
  ::chmod(pasta.c_str(), 0555);
  {
    Como_usuario_comum usuario;
    EXPECT_EQ(Gravar(pasta + "/a.ENh", "novo\n"), Resultado_gravacao::Gravado);
    EXPECT_EQ(Gravar(pasta + "/b.ENh", "novo\n"), Resultado_gravacao::Falha_abertura);
  }
  ::chmod(pasta.c_str(), 0755);
  EXPECT_EQ(Ler_conteudo(pasta + "/a.ENh"), "novo\n");
  EXPECT_EQ(Conteudo_pasta(pasta), std::vector<std::string>{"a.ENh"});
}

TEST_F(Gravacao_segura, ArquivoSomenteLeituraNaoESubstituido) {
  if (!Como_usuario_comum::Possivel())
    GTEST_SKIP() << "cannot take an ordinary user's file permissions here";
  const std::string pasta = Pasta_aberta("aberta");
  Gravar_conteudo(pasta + "/a.ENh", "antigo\n");
  ::chmod((pasta + "/a.ENh").c_str(), 0444);
  {
    Como_usuario_comum usuario;
    EXPECT_EQ(Gravar(pasta + "/a.ENh", "novo\n"), Resultado_gravacao::Falha_abertura);
  }
  EXPECT_EQ(Ler_conteudo(pasta + "/a.ENh"), "antigo\n");
}

TEST_F(Gravacao_segura, AlvoQueNaoPodeSerArquivoFalhaNaAbertura) {
  std::filesystem::create_directory(Caminho("pasta.ENh"));
  ASSERT_EQ(::mkfifo(Caminho("fifo_sem_leitor").c_str(), 0644), 0);
  for (const std::string& alvo :
       {Caminho("pasta.ENh"), Caminho("nao/existe/a.ENh"), Caminho("fifo_sem_leitor")})
    EXPECT_EQ(Gravar(alvo, "x\n"), Resultado_gravacao::Falha_abertura) << alvo;
  EXPECT_EQ(Conteudo_pasta(Pasta()), (std::vector<std::string>{"fifo_sem_leitor", "pasta.ENh"}));
}

TEST_F(Gravacao_segura, DiscoCheioGuardaOArquivoAntigo) {
  // A plain file, and one written in place (a second name) whose room is reserved first.
  Gravar_conteudo(Caminho("a.ENh"), "antigo\n");
  Gravar_conteudo(Caminho("b.ENh"), "antigo\n");
  std::filesystem::create_hard_link(Caminho("b.ENh"), Caminho("b2.ENh"));
  // A dangling link: nothing may appear where it points.
  std::filesystem::create_symlink(Caminho("ainda_nao.ENh"), Caminho("solto.ENh"));
  {
    Limite_de_tamanho disco_cheio(1000);
    for (const char* nome : {"a.ENh", "b.ENh", "novo.ENh", "solto.ENh"})
      EXPECT_EQ(Gravar(Caminho(nome), std::string(100000, 'x')), Resultado_gravacao::Falha_escrita)
          << nome;
  }
  EXPECT_EQ(Ler_conteudo(Caminho("a.ENh")), "antigo\n");
  EXPECT_EQ(Ler_conteudo(Caminho("b2.ENh")), "antigo\n");
  EXPECT_EQ(Conteudo_pasta(Pasta()),
            (std::vector<std::string>{"a.ENh", "b.ENh", "b2.ENh", "solto.ENh"}));
}

TEST_F(Gravacao_segura, ExcecaoAoFazerOConteudoNaoTocaNenhumArquivo) {
  Gravar_conteudo(Caminho("a.ENh"), "antigo\n");
  EXPECT_THROW(Gravar_arquivo(Caminho("a.ENh"),
                              [](std::FILE* f) {
                                std::fputs("metade", f);
                                throw std::runtime_error("parou");
                              }),
               std::runtime_error);
  EXPECT_EQ(Ler_conteudo(Caminho("a.ENh")), "antigo\n");
  EXPECT_EQ(Conteudo_pasta(Pasta()), std::vector<std::string>{"a.ENh"});
}

TEST_F(Gravacao_segura, PreparadaENaoEfetivadaNaoDeixaNada) {
  Gravar_conteudo(Caminho("a.ENh"), "antigo\n");
  for (const char* nome : {"a.ENh", "novo.ENh"}) {
    Gravacao_preparada gravacao(Caminho(nome));
    ASSERT_EQ(gravacao.Preparar("novo\n"), Resultado_gravacao::Gravado);
    EXPECT_EQ(Conteudo_pasta(Pasta()), std::vector<std::string>{"a.ENh"})
        << "the new content waits without a name";
  }
  EXPECT_EQ(Ler_conteudo(Caminho("a.ENh")), "antigo\n");
  EXPECT_EQ(Conteudo_pasta(Pasta()), std::vector<std::string>{"a.ENh"});
}

// Only a file this machine's saves name, that no open file holds locked, is abandoned.
TEST_F(Gravacao_segura, RemoveSoOsTemporariosAbandonadosDestaMaquina) {
  std::string abandonado, vivo;
  ::close(Criar_temporario(Pasta() + "/", abandonado));
  const int aberto = Criar_temporario(Pasta() + "/", vivo);
  ASSERT_GE(aberto, 0);
  std::string de_outra_maquina = abandonado.substr(Pasta().size() + 1);
  de_outra_maquina[9] = de_outra_maquina[9] == '0' ? '1' : '0';
  Gravar_conteudo(Caminho(de_outra_maquina), "de outra maquina\n");
  // Names of earlier versions of this program, and a user's own file.
  Gravar_conteudo(Caminho(".mapirel-99999999-3.tmp"), "de um processo morto\n");
  Gravar_conteudo(Caminho(".mapirel-999999-notas.tmp"), "notas\n");
  EXPECT_EQ(Gravar(Caminho("a.ENh"), "novo\n"), Resultado_gravacao::Gravado);
  std::vector<std::string> esperados = {".mapirel-99999999-3.tmp", ".mapirel-999999-notas.tmp",
                                        de_outra_maquina, vivo.substr(Pasta().size() + 1), "a.ENh"};
  std::sort(esperados.begin(), esperados.end());
  EXPECT_EQ(Conteudo_pasta(Pasta()), esperados);
  ::close(aberto);
}

// A write that stops part-way: the old content is put back and read back, and only
// then called intact; when it cannot be put back, the new content is saved beside it.
TEST_F(Gravacao_segura, EscritaNoLugarInterrompidaVoltaAoAntigoOuSalvaONovoAoLado) {
  struct Caso {
    int falhas;
    bool intacto;
    std::string conteudo, resgate;
  };
  const std::string antigo = "antigo e mais longo do que\n",
                    novo = "novo conteudo, o maior de todos\n";
  for (const Caso& caso : {Caso{1, true, antigo, ""}, Caso{2, false, "", "b_NOVO.ENh"}}) {
    Gravar_conteudo(Caminho("b.ENh"), antigo);
    std::filesystem::create_hard_link(Caminho("b.ENh"), Caminho("b2.ENh"));
    Gravacao_preparada gravacao(Caminho("b.ENh"));
    ASSERT_EQ(gravacao.Preparar(novo), Resultado_gravacao::Gravado);
    const Escrita_que_falha disco(caso.falhas);
    const Efetivacao efetivacao = gravacao.Efetivar();
    EXPECT_FALSE(efetivacao.feita);
    EXPECT_EQ(efetivacao.intacto, caso.intacto) << caso.falhas;
    EXPECT_EQ(efetivacao.resgate, caso.resgate.empty() ? "" : Caminho(caso.resgate));
    if (caso.intacto)
      EXPECT_EQ(Ler_conteudo(Caminho("b2.ENh")), antigo);
    else
      EXPECT_EQ(Ler_conteudo(Caminho(caso.resgate)), novo);
    std::filesystem::remove(Caminho("b2.ENh"));
  }
}

TEST_F(Gravacao_segura, NomeDerivadoNaoSegueLinkDeOutroUsuario) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root, to give a link to another user";
  Gravar_conteudo(Caminho("precioso.txt"), "precioso\n");
  for (const char* link : {"de_outro.ENh", "de_root.ENh"})
    std::filesystem::create_symlink(Caminho("precioso.txt"), Caminho(link));
  ASSERT_EQ(::lchown(Caminho("de_outro.ENh").c_str(), 65534, 65534), 0);
  Gravacao_preparada derivado(Caminho("de_outro.ENh"), Origem_nome::Derivado);
  EXPECT_EQ(derivado.Preparar("novo\n"), Resultado_gravacao::Link_de_outro);
  Gravacao_preparada escolhido(Caminho("de_outro.ENh"), Origem_nome::Escolhido);
  EXPECT_EQ(escolhido.Preparar("novo\n"), Resultado_gravacao::Gravado);
  EXPECT_EQ(Ler_conteudo(Caminho("precioso.txt")), "precioso\n");
  Gravacao_preparada de_root(Caminho("de_root.ENh"), Origem_nome::Derivado);
  ASSERT_EQ(de_root.Preparar("novo\n"), Resultado_gravacao::Gravado);
  EXPECT_TRUE(de_root.Efetivar().feita);
  EXPECT_EQ(Ler_conteudo(Caminho("precioso.txt")), "novo\n");
}

TEST_F(Gravacao_segura, CaminhoLongoEGravado) {
  std::string pasta = Pasta();
  for (int i = 0; i < 5; ++i) pasta += "/" + std::string(60, static_cast<char>('a' + i));
  std::filesystem::create_directories(pasta);
  const std::string caminho = pasta + "/" + std::string(240, 'f') + ".ENh";
  ASSERT_GT(caminho.size(), 300u);
  EXPECT_EQ(Gravar(caminho, "ok\n"), Resultado_gravacao::Gravado);
  EXPECT_EQ(Ler_conteudo(caminho), "ok\n");
}

// Targets that a rename would not keep as they are: written in place, the way an
// overwrite writes them.
TEST_F(Gravacao_segura, AlvosQueNaoSaoArquivosSimplesSaoEscritosNoLugar) {
  Gravar_conteudo(Caminho("real.ENh"), "antigo e mais longo\n");
  std::filesystem::create_symlink(Caminho("real.ENh"), Caminho("link.ENh"));
  std::filesystem::create_symlink(Caminho("ainda_nao.ENh"), Caminho("link_solto.ENh"));
  Gravar_conteudo(Caminho("duplo.ENh"), "antigo\n");
  std::filesystem::create_hard_link(Caminho("duplo.ENh"), Caminho("outro_nome.ENh"));
  EXPECT_EQ(Gravar(Caminho("link.ENh"), "novo\n"), Resultado_gravacao::Gravado);
  EXPECT_EQ(Gravar(Caminho("link_solto.ENh"), "novo\n"), Resultado_gravacao::Gravado);
  EXPECT_EQ(Gravar(Caminho("duplo.ENh"), "novo\n"), Resultado_gravacao::Gravado);
  EXPECT_EQ(Gravar("/dev/null", std::string(10000, 'x')), Resultado_gravacao::Gravado);
  EXPECT_EQ(Gravar("/dev/full", "x\n"), Resultado_gravacao::Falha_escrita);

  EXPECT_TRUE(std::filesystem::is_symlink(Caminho("link.ENh")));
  EXPECT_EQ(Ler_conteudo(Caminho("real.ENh")), "novo\n");
  EXPECT_EQ(Ler_conteudo(Caminho("ainda_nao.ENh")), "novo\n");
  EXPECT_EQ(Ler_conteudo(Caminho("outro_nome.ENh")), "novo\n");
  EXPECT_EQ(Estado(Caminho("duplo.ENh")).st_nlink, 2u);
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST_F(Gravacao_segura, FifoComLeitorRecebeOConteudo) {
  const std::string fifo = Caminho("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  std::string recebido;
  std::thread leitor([&] { recebido = Ler_conteudo(fifo); });
  // The reader's open waits for a writer and the save needs a reader: try until it is there.
  Resultado_gravacao resultado = Resultado_gravacao::Falha_abertura;
  const std::string texto(200000, 'x');
  for (int tentativa = 0; tentativa < 500 && resultado == Resultado_gravacao::Falha_abertura;
       ++tentativa) {
    resultado = Gravar(fifo, texto);
    if (resultado == Resultado_gravacao::Falha_abertura)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  leitor.join();
  EXPECT_EQ(resultado, Resultado_gravacao::Gravado);
  EXPECT_EQ(recebido, texto);
}
