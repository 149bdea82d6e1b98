#include "nucleo/arquivos/Gravacao_segura.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <utility>

#include "nucleo/arquivos/Temporario_gravacao.h"
#include "nucleo/arquivos/Trava_gravacao.h"

ssize_t (*Escrever_em_posicao)(int, const void*, std::size_t, off_t) = pwrite;

namespace {

bool Escrever_tudo(int descritor, const std::string& conteudo, bool do_inicio) {
  std::size_t feito = 0;
  while (feito < conteudo.size()) {
    const ssize_t escritos =
        do_inicio ? Escrever_em_posicao(descritor, conteudo.data() + feito, conteudo.size() - feito,
                                        static_cast<off_t>(feito))
                  : write(descritor, conteudo.data() + feito, conteudo.size() - feito);
    if (escritos < 0 && errno == EINTR) continue;
    if (escritos <= 0) return false;
    feito += static_cast<std::size_t>(escritos);
  }
  return true;
}

// The whole file, from its start.
bool Ler_tudo(int descritor, std::string& conteudo) {
  struct stat estado {};
  if (fstat(descritor, &estado) != 0) return false;
  conteudo.assign(static_cast<std::size_t>(estado.st_size), '\0');
  std::size_t lido = 0;
  while (lido < conteudo.size()) {
    const ssize_t n =
        pread(descritor, conteudo.data() + lido, conteudo.size() - lido, static_cast<off_t>(lido));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    lido += static_cast<std::size_t>(n);
  }
  return true;
}

// A device or a FIFO cannot be flushed: that is no failure.
bool Descarregar(int descritor) {
  return fsync(descritor) == 0 || errno == EINVAL || errno == EROFS;
}

bool Substituir_conteudo(int descritor, const std::string& conteudo) {
  return Escrever_tudo(descritor, conteudo, true) &&
         ftruncate(descritor, static_cast<off_t>(conteudo.size())) == 0 && Descarregar(descritor);
}

// The free space the file system reports, or the most there is when it reports none
// (some FUSE file systems).
uint64_t Espaco_livre(int descritor) {
  struct statvfs fs {};
  if (fstatvfs(descritor, &fs) != 0 || fs.f_blocks == 0)
    return std::numeric_limits<uint64_t>::max();
  return static_cast<uint64_t>(fs.f_bavail) * fs.f_frsize;
}

// A file system that writes every overwritten block anew, so that a reservation beyond
// the end says nothing about the room an overwrite needs.
bool Copia_na_escrita(int descritor) {
  struct statfs fs {};
  return fstatfs(descritor, &fs) == 0 && fs.f_type == BTRFS_SUPER_MAGIC;
}

// The room a file written in place needs is reserved before anything is written, so
// that a full disk or the process's file size limit is found while the file still
// holds its old content. Where the file system cannot reserve (FUSE, network file
// systems) or the reservation does not cover an overwrite (btrfs), the free space must
// hold the whole new content, with a margin for a copy-on-write file system's own data.
bool Ha_espaco(int descritor, std::size_t tamanho) {
  rlimit limite{};
  if (getrlimit(RLIMIT_FSIZE, &limite) == 0 && limite.rlim_cur != RLIM_INFINITY &&
      tamanho > limite.rlim_cur)
    return false;
  if (tamanho == 0) return true;
  const bool copia = Copia_na_escrita(descritor);
  if (!copia) {
    if (fallocate(descritor, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(tamanho)) == 0) return true;
    if (errno == ENOSPC || errno == EDQUOT || errno == EFBIG) return false;
  }
  const uint64_t margem = copia ? (uint64_t{1} << 20) + tamanho / 4 : 0;
  return Espaco_livre(descritor) >= tamanho + margem;
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
  // Locked before it gets a name, so that no cleanup ever takes it for abandoned.
  if (sem_nome >= 0 && Travar_descritor(sem_nome) != Estado_trava::Ocupada) return sem_nome;
  if (sem_nome >= 0) close(sem_nome);
  return Criar_temporario(Pasta(caminho), nome);
}

// A link the user may follow: theirs, root's, or the owner's of the folder it lies in.
bool Link_confiavel(const std::string& caminho, const struct stat& link) {
  struct stat pasta {};
  return link.st_uid == geteuid() || link.st_uid == 0 ||
         (stat(Pasta_para_abrir(caminho).c_str(), &pasta) == 0 && link.st_uid == pasta.st_uid);
}

// The file a symbolic link names, as a path (relative to the link's folder when the link
// is relative); "" when it cannot be read.
std::string Destino_do_link(const std::string& caminho) {
  char destino[4096];
  const ssize_t n = readlink(caminho.c_str(), destino, sizeof destino);
  if (n <= 0 || static_cast<std::size_t>(n) == sizeof destino) return {};
  const std::string lido(destino, static_cast<std::size_t>(n));
  return lido.front() == '/' ? lido : Pasta(caminho) + lido;
}

// "a.ENh" -> "a_NOVO.ENh": where the new content goes when a file written in place
// could not be put back.
std::string Caminho_resgate(const std::string& caminho) {
  const std::size_t barra = caminho.rfind('/');
  const std::size_t ponto = caminho.rfind('.');
  const bool extensao =
      ponto != std::string::npos && (barra == std::string::npos || ponto > barra + 1);
  return extensao ? caminho.substr(0, ponto) + "_NOVO" + caminho.substr(ponto) : caminho + "_NOVO";
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

Gravacao_preparada::Gravacao_preparada(std::string caminho, Origem_nome origem)
    : caminho_(std::move(caminho)), alvo_(caminho_), origem_(origem) {}

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
  alvo_ = caminho_;
  struct stat nome {};
  if (lstat(caminho_.c_str(), &nome) != 0)
    return errno == ENOENT ? Preparar_ao_lado(-1) : Resultado_gravacao::Falha_abertura;
  const bool link = S_ISLNK(nome.st_mode);
  if (link && origem_ == Origem_nome::Derivado && !Link_confiavel(caminho_, nome))
    return Resultado_gravacao::Link_de_outro;
  // An existing target must be writable in place, as an overwrite needs: a rename alone
  // would replace a file its owner protected. The opening follows a symbolic link; a
  // FIFO without a reader is refused instead of waiting for one. A regular file is
  // opened for reading too, so that its old content can be put back.
  struct stat alvo {};
  const bool regular = stat(caminho_.c_str(), &alvo) == 0 && S_ISREG(alvo.st_mode);
  int destino = regular ? open(caminho_.c_str(), O_RDWR | O_CLOEXEC) : -1;
  if (destino < 0) destino = open(caminho_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (destino < 0 && errno == ENOENT && link) {
    // A dangling link: the new file is made beside the file it names, and nothing
    // exists there until the content is complete.
    alvo_ = Destino_do_link(caminho_);
    return alvo_.empty() ? Resultado_gravacao::Falha_abertura : Preparar_ao_lado(-1);
  }
  if (destino < 0) return Resultado_gravacao::Falha_abertura;
  if (S_ISREG(nome.st_mode) && nome.st_nlink == 1) return Preparar_ao_lado(destino);
  return Preparar_em_lugar(destino);
}

Resultado_gravacao Gravacao_preparada::Preparar_ao_lado(int destino) {
  Remover_abandonados(alvo_);
  const int novo = Criar_ao_lado(alvo_, temporario_);
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

Efetivacao Gravacao_preparada::Efetivar() {
  if (descritor_ < 0) return {};
  Efetivacao efetivacao;
  if (em_lugar_) {
    efetivacao = Efetivar_em_lugar();
  } else {
    efetivacao.feita =
        (!temporario_.empty() || Nomear_temporario(descritor_, Pasta(alvo_), temporario_)) &&
        rename(temporario_.c_str(), alvo_.c_str()) == 0;
    if (efetivacao.feita) temporario_.clear();
  }
  Descartar();
  return efetivacao;
}

// The old content is read before the first byte is written; when the writing fails it
// is written back and read back, and only then is the file said to be as it was.
Efetivacao Gravacao_preparada::Efetivar_em_lugar() {
  struct stat alvo {};
  if (fstat(descritor_, &alvo) != 0 || !S_ISREG(alvo.st_mode)) {
    // A device or a FIFO keeps no content to put back.
    const bool feita = Escrever_tudo(descritor_, conteudo_, false) && Descarregar(descritor_);
    return {feita && close(std::exchange(descritor_, -1)) == 0, true, {}};
  }
  std::string antigo;
  if (!Ler_tudo(descritor_, antigo)) return {};
  if (Substituir_conteudo(descritor_, conteudo_)) return {true, true, {}};
  std::string relido;
  if (Substituir_conteudo(descritor_, antigo) && Ler_tudo(descritor_, relido) && relido == antigo)
    return {};
  return {false, false, Resgatar()};
}

std::string Gravacao_preparada::Resgatar() const {
  Gravacao_preparada resgate(Caminho_resgate(caminho_), Origem_nome::Derivado);
  if (resgate.Preparar(conteudo_) != Resultado_gravacao::Gravado || !resgate.Efetivar().feita)
    return {};
  resgate.Sincronizar_pasta();
  return resgate.Caminho();
}

bool Gravacao_preparada::Sincronizar_pasta() const {
  const int pasta = open(Pasta_para_abrir(alvo_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (pasta < 0) return false;
  const bool feito = fsync(pasta) == 0 || errno == EINVAL;
  close(pasta);
  return feito;
}

Resultado_gravacao Gravar_arquivo(const std::string& caminho,
                                  const std::function<void(std::FILE*)>& escrever) {
  Gravacao_preparada gravacao(caminho);
  const Resultado_gravacao preparada = gravacao.Preparar(Conteudo_escrito(escrever));
  if (preparada != Resultado_gravacao::Gravado) return preparada;
  if (!gravacao.Efetivar().feita) return Resultado_gravacao::Falha_escrita;
  gravacao.Sincronizar_pasta();
  return Resultado_gravacao::Gravado;
}
