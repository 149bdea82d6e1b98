#include "tests/nucleo/arquivos/Apoio_arquivos.h"

#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "nucleo/base/Erro.h"

Limite_de_tamanho::Limite_de_tamanho(rlim_t bytes) {
  getrlimit(RLIMIT_FSIZE, &anterior_);
  sinal_anterior_ = signal(SIGXFSZ, SIG_IGN);
  rlimit limite = anterior_;
  limite.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limite);
}

Limite_de_tamanho::~Limite_de_tamanho() {
  setrlimit(RLIMIT_FSIZE, &anterior_);
  signal(SIGXFSZ, sinal_anterior_);
}

Pasta_temporaria::Pasta_temporaria()
    : caminho_((std::filesystem::temp_directory_path() / "mapirel-XXXXXX").string()) {
  if (::mkdtemp(caminho_.data()) == nullptr)
    throw std::runtime_error("no temporary folder: " + caminho_);
}

Pasta_temporaria::~Pasta_temporaria() {
  std::error_code erro;  // what cannot be removed stays behind, as after a crash
  std::filesystem::remove_all(caminho_, erro);
}

Arquivo Fluxo_de_texto(const std::string& texto) {
  Arquivo fluxo(std::tmpfile());
  std::fwrite(texto.data(), 1, texto.size(), fluxo.get());
  std::rewind(fluxo.get());
  return fluxo;
}

std::string Ler_conteudo(const std::string& caminho) {
  std::ifstream arquivo(caminho, std::ios::binary);
  EXPECT_TRUE(arquivo.good()) << "cannot read " << caminho;
  std::ostringstream texto;
  texto << arquivo.rdbuf();
  return texto.str();
}

void Gravar_conteudo(const std::string& caminho, const std::string& texto) {
  std::ofstream arquivo(caminho, std::ios::binary);
  arquivo << texto;
  ASSERT_TRUE(arquivo.good()) << "cannot write " << caminho;
}

bool Existe(const std::string& caminho) {
  struct stat estado {};
  return ::stat(caminho.c_str(), &estado) == 0;
}

std::vector<std::string> Conteudo_pasta(const std::string& pasta) {
  std::vector<std::string> nomes;
  for (const auto& entrada : std::filesystem::directory_iterator(pasta))
    nomes.push_back(entrada.path().filename().string());
  std::sort(nomes.begin(), nomes.end());
  return nomes;
}

namespace {

int falhas_restantes = 0;
bool metade_escrita = false;

ssize_t Escrever_pela_metade(int descritor, const void* dados, std::size_t bytes, off_t posicao) {
  if (falhas_restantes == 0) return pwrite(descritor, dados, bytes, posicao);
  if (!metade_escrita) {
    metade_escrita = true;
    return pwrite(descritor, dados, std::max<std::size_t>(1, bytes / 2), posicao);
  }
  metade_escrita = false;
  --falhas_restantes;
  errno = ENOSPC;
  return -1;
}

}  // namespace

Escrita_que_falha::Escrita_que_falha(int falhas) {
  falhas_restantes = falhas;
  metade_escrita = false;
  Escrever_em_posicao = Escrever_pela_metade;
}

Escrita_que_falha::~Escrita_que_falha() {
  falhas_restantes = 0;
  Escrever_em_posicao = pwrite;
}

Como_usuario_comum::Como_usuario_comum() : trocou_(geteuid() == 0) {
  if (!trocou_) return;
  setfsgid(65534);
  setfsuid(65534);
}

bool Como_usuario_comum::Possivel() {
  if (geteuid() != 0) return true;
  const Como_usuario_comum usuario;
  return setfsuid(static_cast<uid_t>(-1)) == 65534;
}

Como_usuario_comum::~Como_usuario_comum() {
  if (!trocou_) return;
  setfsuid(0);
  setfsgid(0);
}

Ponto_digitalizado Ponto(int numero, double E, double N, double h, double x, double y, int marca) {
  Ponto_digitalizado p;
  p.Numero = numero;
  p.E = E;
  p.N = N;
  p.h = h;
  p.x = x;
  p.y = y;
  p.Marca_pconv = marca;
  return p;
}

Ponto_orientacao Controle(int numero, double E, double N, double x, double y) {
  return Ponto_orientacao{numero, E, N, x, y};
}
