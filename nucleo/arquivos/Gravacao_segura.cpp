#include "nucleo/arquivos/Gravacao_segura.h"

#include <dirent.h>
#include <fcntl.h>
#include <fmt/format.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <memory>

namespace {

// New files beside a target are named ".mapirel-<process>-<serial>.tmp": short, so a
// long target name still fits, and recognisable, so that the next save can remove those
// a killed process left.
constexpr std::string_view Prefixo_temporario = ".mapirel-";
constexpr std::string_view Sufixo_temporario = ".tmp";

std::string Pasta(const std::string& caminho) {
  const std::size_t barra = caminho.rfind('/');
  return barra == std::string::npos ? std::string() : caminho.substr(0, barra + 1);
}

std::string Pasta_para_abrir(const std::string& caminho) {
  const std::string pasta = Pasta(caminho);
  return pasta.empty() ? std::string(".") : pasta;
}

std::string Nome_temporario(const std::string& pasta) {
  static unsigned serie = 0;
  return fmt::format("{}{}{}-{}{}", pasta, Prefixo_temporario, getpid(), ++serie,
                     Sufixo_temporario);
}

// The process that made a new file of that name, or 0 when the name is not one.
pid_t Processo_do_temporario(std::string_view nome) {
  if (!nome.starts_with(Prefixo_temporario) || !nome.ends_with(Sufixo_temporario)) return 0;
  nome.remove_prefix(Prefixo_temporario.size());
  pid_t processo = 0;
  const auto [fim, erro] = std::from_chars(nome.data(), nome.data() + nome.size(), processo);
  if (erro != std::errc() || fim == nome.data() || *fim != '-') return 0;
  return processo;
}

// Removes the new files that saves killed before their rename left in the folder. A
// file of a process that still runs is its save in progress and stays.
void Remover_abandonados(const std::string& caminho) {
  struct Fechar_pasta {
    void operator()(DIR* pasta) const { closedir(pasta); }
  };
  std::unique_ptr<DIR, Fechar_pasta> pasta(opendir(Pasta_para_abrir(caminho).c_str()));
  if (!pasta) return;
  while (const dirent* entrada = readdir(pasta.get())) {
    const pid_t processo = Processo_do_temporario(entrada->d_name);
    if (processo <= 0 || processo == getpid()) continue;
    if (kill(processo, 0) != 0 && errno == ESRCH) unlinkat(dirfd(pasta.get()), entrada->d_name, 0);
  }
}

bool Escrever_tudo(int descritor, const std::string& conteudo, bool do_inicio) {
  std::size_t feito = 0;
  while (feito < conteudo.size()) {
    const ssize_t escritos =
        do_inicio ? pwrite(descritor, conteudo.data() + feito, conteudo.size() - feito,
                           static_cast<off_t>(feito))
                  : write(descritor, conteudo.data() + feito, conteudo.size() - feito);
    if (escritos < 0 && errno == EINTR) continue;
    if (escritos <= 0) return false;
    feito += static_cast<std::size_t>(escritos);
  }
  return true;
}

// The room a file written in place needs is reserved before anything is written, so
// that a full disk or the process's file size limit is found while the file still
// holds its old content.
bool Ha_espaco(int descritor, std::size_t tamanho) {
  rlimit limite{};
  if (getrlimit(RLIMIT_FSIZE, &limite) == 0 && limite.rlim_cur != RLIM_INFINITY &&
      tamanho > limite.rlim_cur)
    return false;
  return tamanho == 0 ||
         fallocate(descritor, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(tamanho)) == 0 ||
         (errno != ENOSPC && errno != EDQUOT && errno != EFBIG);
}

// A device or a FIFO cannot be flushed: that is no failure.
bool Descarregar(int descritor) {
  return fsync(descritor) == 0 || errno == EINVAL || errno == EROFS;
}

// The new file takes the target's owner and mode; false when the process may not give
// it that owner (the target belongs to someone else).
bool Copiar_dono_e_modo(int novo, int destino) {
  struct stat alvo {};
  struct stat criado {};
  if (fstat(destino, &alvo) != 0 || fstat(novo, &criado) != 0) return false;
  if ((alvo.st_uid != criado.st_uid || alvo.st_gid != criado.st_gid) &&
      fchown(novo, alvo.st_uid, alvo.st_gid) != 0)
    return false;
  return fchmod(novo, alvo.st_mode & 07777) == 0;
}

// A new file in the target's folder: without a name where the file system allows it, so
// that a process killed while writing leaves nothing; else under a temporary name.
// Returns the descriptor (or -1, errno set) and the name it got, if any.
int Criar_ao_lado(const std::string& caminho, std::string& nome) {
  nome.clear();
  const int sem_nome =
      open(Pasta_para_abrir(caminho).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (sem_nome >= 0) return sem_nome;
  for (int tentativa = 0; tentativa < 100; ++tentativa) {
    nome = Nome_temporario(Pasta(caminho));
    const int descritor = open(nome.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descritor >= 0 || errno != EEXIST) {
      if (descritor < 0) nome.clear();
      return descritor;
    }
  }
  nome.clear();
  return -1;
}

// Gives the unnamed file a temporary name beside the target, right before the rename.
bool Dar_nome(int descritor, const std::string& caminho, std::string& nome) {
  const std::string pelo_processo = fmt::format("/proc/self/fd/{}", descritor);
  for (int tentativa = 0; tentativa < 100; ++tentativa) {
    nome = Nome_temporario(Pasta(caminho));
    // The first form needs a privilege that an ordinary user lacks; the second, /proc.
    if (linkat(descritor, "", AT_FDCWD, nome.c_str(), AT_EMPTY_PATH) == 0 ||
        linkat(AT_FDCWD, pelo_processo.c_str(), AT_FDCWD, nome.c_str(), AT_SYMLINK_FOLLOW) == 0)
      return true;
    if (errno != EEXIST) break;
  }
  nome.clear();
  return false;
}

}  // namespace

std::string Conteudo_escrito(const std::function<void(std::FILE*)>& escrever) {
  char* dados = nullptr;
  std::size_t tamanho = 0;
  std::FILE* fluxo = open_memstream(&dados, &tamanho);
  if (fluxo == nullptr) throw std::bad_alloc();
  const std::unique_ptr<char*, void (*)(char**)> liberar(&dados, [](char** d) { std::free(*d); });
  try {
    escrever(fluxo);
  } catch (...) {
    std::fclose(fluxo);
    throw;
  }
  if (std::fclose(fluxo) != 0) throw std::bad_alloc();
  return std::string(dados, tamanho);
}

Gravacao_preparada::Gravacao_preparada(std::string caminho) : caminho_(std::move(caminho)) {}

Gravacao_preparada::~Gravacao_preparada() {
  Descartar();
}

void Gravacao_preparada::Descartar() {
  if (descritor_ >= 0) close(descritor_);
  if (!temporario_.empty()) unlink(temporario_.c_str());
  descritor_ = -1;
  temporario_.clear();
  em_lugar_ = false;
}

Resultado_gravacao Gravacao_preparada::Preparar(std::string conteudo) {
  Descartar();
  conteudo_ = std::move(conteudo);
  struct stat alvo {};
  if (lstat(caminho_.c_str(), &alvo) != 0)
    return errno == ENOENT ? Preparar_ao_lado(-1) : Resultado_gravacao::Falha_abertura;
  // An existing target must be writable in place, as an overwrite needs: a rename alone
  // would replace a file its owner protected. The opening follows a symbolic link (and
  // creates the file a dangling one names, as an overwrite does); a FIFO without a
  // reader is refused instead of waiting for one.
  const int destino =
      open(caminho_.c_str(),
           O_WRONLY | O_NONBLOCK | O_CLOEXEC | (S_ISLNK(alvo.st_mode) ? O_CREAT : 0), 0666);
  if (destino < 0) return Resultado_gravacao::Falha_abertura;
  if (S_ISREG(alvo.st_mode) && alvo.st_nlink == 1) return Preparar_ao_lado(destino);
  return Preparar_em_lugar(destino);
}

Resultado_gravacao Gravacao_preparada::Preparar_ao_lado(int destino) {
  Remover_abandonados(caminho_);
  const int novo = Criar_ao_lado(caminho_, temporario_);
  // A writable file in a folder where nothing can be created is written in place.
  if (novo < 0) {
    if (destino >= 0 && (errno == EACCES || errno == EPERM)) return Preparar_em_lugar(destino);
    if (destino >= 0) close(destino);
    return Resultado_gravacao::Falha_abertura;
  }
  descritor_ = novo;
  if (destino >= 0) {
    const bool mesmo_dono = Copiar_dono_e_modo(novo, destino);
    if (!mesmo_dono) {
      Descartar();
      return Preparar_em_lugar(destino);
    }
    close(destino);
  }
  if (!Escrever_tudo(novo, conteudo_, false) || fsync(novo) != 0) {
    Descartar();
    return Resultado_gravacao::Falha_escrita;
  }
  conteudo_ = std::string();
  return Resultado_gravacao::Gravado;
}

Resultado_gravacao Gravacao_preparada::Preparar_em_lugar(int destino) {
  descritor_ = destino;
  em_lugar_ = true;
  fcntl(destino, F_SETFL, fcntl(destino, F_GETFL) & ~O_NONBLOCK);
  struct stat alvo {};
  if (fstat(destino, &alvo) == 0 && S_ISREG(alvo.st_mode) &&
      !Ha_espaco(destino, conteudo_.size())) {
    Descartar();
    return Resultado_gravacao::Falha_escrita;
  }
  return Resultado_gravacao::Gravado;
}

bool Gravacao_preparada::Efetivar() {
  if (descritor_ < 0) return false;
  bool feito = false;
  if (em_lugar_) {
    struct stat alvo {};
    const bool arquivo = fstat(descritor_, &alvo) == 0 && S_ISREG(alvo.st_mode);
    feito = Escrever_tudo(descritor_, conteudo_, arquivo) &&
            (!arquivo || ftruncate(descritor_, static_cast<off_t>(conteudo_.size())) == 0) &&
            Descarregar(descritor_);
    feito = close(descritor_) == 0 && feito;
    descritor_ = -1;
  } else {
    feito = (!temporario_.empty() || Dar_nome(descritor_, caminho_, temporario_)) &&
            rename(temporario_.c_str(), caminho_.c_str()) == 0;
    if (feito) temporario_.clear();
  }
  Descartar();
  return feito;
}

void Gravacao_preparada::Sincronizar_pasta() const {
  const int pasta = open(Pasta_para_abrir(caminho_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (pasta < 0) return;
  fsync(pasta);
  close(pasta);
}

Resultado_gravacao Gravar_arquivo(const std::string& caminho,
                                  const std::function<void(std::FILE*)>& escrever) {
  Gravacao_preparada gravacao(caminho);
  const Resultado_gravacao preparada = gravacao.Preparar(Conteudo_escrito(escrever));
  if (preparada != Resultado_gravacao::Gravado) return preparada;
  if (!gravacao.Efetivar()) return Resultado_gravacao::Falha_escrita;
  gravacao.Sincronizar_pasta();
  return Resultado_gravacao::Gravado;
}
