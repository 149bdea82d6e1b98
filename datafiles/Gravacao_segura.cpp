#include "datafiles/Gravacao_segura.h"

#include <fcntl.h>
#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {

struct Arquivo_novo {
  std::string caminho;
  int descritor = -1;
};

// Where the content has to land: a symbolic link is written through, as an in-place
// overwrite would do, instead of being replaced by a plain file.
std::string Destino(const std::string& caminho) {
  struct stat estado {};
  if (lstat(caminho.c_str(), &estado) != 0 || !S_ISLNK(estado.st_mode)) return caminho;
  std::unique_ptr<char, decltype(&std::free)> real(realpath(caminho.c_str(), nullptr), &std::free);
  return real ? std::string(real.get()) : caminho;
}

std::string Pasta(const std::string& caminho) {
  const std::size_t barra = caminho.rfind('/');
  return barra == std::string::npos ? std::string() : caminho.substr(0, barra + 1);
}

// An existing target must be writable in place (not read-only, not a folder): the
// rename alone would not notice and would replace a file its owner protected.
bool Gravavel(const std::string& destino) {
  const int descritor = ::open(destino.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (descritor < 0) return errno == ENOENT;
  ::close(descritor);
  return true;
}

// A new file beside the target, so that the rename stays on one file system. The
// name is short whatever the target's name, so a long name still fits.
std::optional<Arquivo_novo> Criar_ao_lado(const std::string& destino) {
  static unsigned serie = 0;
  for (int tentativa = 0; tentativa < 100; ++tentativa) {
    Arquivo_novo novo;
    novo.caminho = fmt::format("{}.mapirel-{}-{}.tmp", Pasta(destino), getpid(), ++serie);
    novo.descritor = ::open(novo.caminho.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (novo.descritor >= 0) {
      struct stat estado {};
      if (::stat(destino.c_str(), &estado) == 0) ::fchmod(novo.descritor, estado.st_mode & 07777);
      return novo;
    }
    if (errno != EEXIST) break;
  }
  return std::nullopt;
}

Resultado_gravacao Escrever_e_fechar(std::FILE* fluxo, const Arquivo_novo& novo,
                                     const std::function<void(std::FILE*)>& escrever) {
  try {
    escrever(fluxo);
  } catch (...) {
    std::fclose(fluxo);
    ::unlink(novo.caminho.c_str());
    throw;
  }
  const bool escrito = std::ferror(fluxo) == 0;
  const bool fechado = std::fclose(fluxo) == 0;
  return escrito && fechado ? Resultado_gravacao::Gravado : Resultado_gravacao::Falha_escrita;
}

}  // namespace

Resultado_gravacao Gravar_arquivo(const std::string& caminho,
                                  const std::function<void(std::FILE*)>& escrever,
                                  const Abrir_fluxo& abrir_fluxo) {
  const std::string destino = Destino(caminho);
  if (destino.empty() || !Gravavel(destino)) return Resultado_gravacao::Falha_abertura;
  const auto novo = Criar_ao_lado(destino);
  if (!novo) return Resultado_gravacao::Falha_abertura;

  std::FILE* fluxo = abrir_fluxo ? abrir_fluxo(novo->descritor) : fdopen(novo->descritor, "w");
  if (fluxo == nullptr) {
    ::close(novo->descritor);
    ::unlink(novo->caminho.c_str());
    return Resultado_gravacao::Falha_abertura;
  }
  Resultado_gravacao resultado = Escrever_e_fechar(fluxo, *novo, escrever);
  if (resultado == Resultado_gravacao::Gravado &&
      std::rename(novo->caminho.c_str(), destino.c_str()) != 0)
    resultado = Resultado_gravacao::Falha_escrita;
  if (resultado != Resultado_gravacao::Gravado) ::unlink(novo->caminho.c_str());
  return resultado;
}
