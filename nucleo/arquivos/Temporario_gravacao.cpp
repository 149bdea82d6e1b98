#include "nucleo/arquivos/Temporario_gravacao.h"

#include <dirent.h>
#include <fcntl.h>
#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "nucleo/arquivos/Trava_gravacao.h"

namespace {

constexpr std::string_view Prefixo = ".mapirel-";
constexpr std::string_view Sufixo = ".tmp";

// Eight hex digits from the installation's machine id and the host name: the same for
// every process of this machine, whatever its PID namespace, and different elsewhere.
const std::string& Maquina() {
  static const std::string identidade = [] {
    std::string texto;
    if (std::FILE* f = std::fopen("/etc/machine-id", "r")) {
      char linha[64] = {};
      if (std::fgets(linha, sizeof linha, f)) texto = linha;
      std::fclose(f);
    }
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    texto += host;
    uint32_t hash = 2166136261u;  // FNV-1a
    for (const unsigned char c : texto) hash = (hash ^ c) * 16777619u;
    return fmt::format("{:08x}", hash);
  }();
  return identidade;
}

std::string Nome_novo(const std::string& pasta) {
  static unsigned serie = 0;
  return fmt::format("{}{}{}-{}-{}{}", pasta, Prefixo, Maquina(), getpid(), ++serie, Sufixo);
}

bool Digitos(std::string_view texto) {
  return !texto.empty() && texto.find_first_not_of("0123456789") == std::string_view::npos;
}

// True for the exact names this machine's saves give: MACHINE-PROCESS-SERIAL.
bool Nome_desta_maquina(std::string_view nome) {
  if (!nome.starts_with(Prefixo) || !nome.ends_with(Sufixo)) return false;
  nome.remove_prefix(Prefixo.size());
  nome.remove_suffix(Sufixo.size());
  if (!nome.starts_with(Maquina()) || nome.size() <= Maquina().size() ||
      nome[Maquina().size()] != '-')
    return false;
  nome.remove_prefix(Maquina().size() + 1);
  const std::size_t traco = nome.find('-');
  return traco != std::string_view::npos && Digitos(nome.substr(0, traco)) &&
         Digitos(nome.substr(traco + 1));
}

// Locks a file just created; false (and the file closed) when a cleanup took it in the
// meantime. Where the file system keeps no locks, no cleanup can take it either.
bool Travar_novo(int descritor, const std::string& nome) {
  const Estado_trava estado = Travar_descritor(descritor);
  if (estado == Estado_trava::Sem_suporte ||
      (estado == Estado_trava::Obtida && Mesmo_arquivo(descritor, nome)))
    return true;
  close(descritor);
  return false;
}

}  // namespace

std::string Pasta(const std::string& caminho) {
  const std::size_t barra = caminho.rfind('/');
  return barra == std::string::npos ? std::string() : caminho.substr(0, barra + 1);
}

std::string Pasta_para_abrir(const std::string& caminho) {
  const std::string pasta = Pasta(caminho);
  return pasta.empty() ? std::string(".") : pasta;
}

int Criar_temporario(const std::string& pasta, std::string& nome) {
  for (int tentativa = 0; tentativa < 100; ++tentativa) {
    nome = Nome_novo(pasta);
    const int descritor = open(nome.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descritor >= 0 && Travar_novo(descritor, nome)) return descritor;
    if (descritor < 0 && errno != EEXIST) break;
  }
  nome.clear();
  return -1;
}

bool Nomear_temporario(int descritor, const std::string& pasta, std::string& nome) {
  const std::string pelo_processo = fmt::format("/proc/self/fd/{}", descritor);
  for (int tentativa = 0; tentativa < 100; ++tentativa) {
    nome = Nome_novo(pasta);
    // The first form needs a privilege that an ordinary user lacks; the second, /proc.
    if (linkat(descritor, "", AT_FDCWD, nome.c_str(), AT_EMPTY_PATH) == 0 ||
        linkat(AT_FDCWD, pelo_processo.c_str(), AT_FDCWD, nome.c_str(), AT_SYMLINK_FOLLOW) == 0)
      return true;
    if (errno != EEXIST) break;
  }
  nome.clear();
  return false;
}

void Remover_abandonados(const std::string& caminho) {
  struct Fechar_pasta {
    void operator()(DIR* pasta) const { closedir(pasta); }
  };
  std::unique_ptr<DIR, Fechar_pasta> pasta(opendir(Pasta_para_abrir(caminho).c_str()));
  if (!pasta) return;
  while (const dirent* entrada = readdir(pasta.get())) {
    if (!Nome_desta_maquina(entrada->d_name)) continue;
    const int arquivo =
        openat(dirfd(pasta.get()), entrada->d_name, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (arquivo < 0) continue;
    struct stat estado {};
    // Removed while locked: a save that opened it meanwhile finds its name gone.
    if (fstat(arquivo, &estado) == 0 && S_ISREG(estado.st_mode) && estado.st_uid == geteuid() &&
        Travar_descritor(arquivo) == Estado_trava::Obtida)
      unlinkat(dirfd(pasta.get()), entrada->d_name, 0);
    close(arquivo);
  }
}
