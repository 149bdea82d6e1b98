#include "nucleo/arquivos/Trava_gravacao.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

Estado_trava Travar_descritor(int descritor) {
  struct flock trava {};
  trava.l_type = F_WRLCK;
  trava.l_whence = SEEK_SET;
  if (fcntl(descritor, F_OFD_SETLK, &trava) == 0) return Estado_trava::Obtida;
  return errno == EAGAIN || errno == EACCES ? Estado_trava::Ocupada : Estado_trava::Sem_suporte;
}

namespace {

// ".NAME.mapirel-trava" beside the job: hidden, and never taken for a temporary file.
std::string Nome_trava(const std::string& caminho) {
  const std::size_t barra = caminho.rfind('/');
  const std::size_t inicio = barra == std::string::npos ? 0 : barra + 1;
  return caminho.substr(0, inicio) + "." + caminho.substr(inicio) + ".mapirel-trava";
}

}  // namespace

bool Mesmo_arquivo(int descritor, const std::string& caminho) {
  struct stat aberto {};
  struct stat nomeado {};
  return fstat(descritor, &aberto) == 0 && stat(caminho.c_str(), &nomeado) == 0 &&
         aberto.st_dev == nomeado.st_dev && aberto.st_ino == nomeado.st_ino;
}

Trava_gravacao::Tentativa Trava_gravacao::Tentar_arquivo_trava(const std::string& nome) {
  descritor_ = open(nome.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (descritor_ < 0) return Tentativa::Sem_arquivo;
  // Left behind by a killed save, it must still open for the others in a shared folder.
  struct stat estado {};
  if (fstat(descritor_, &estado) == 0 && estado.st_uid == geteuid()) fchmod(descritor_, 0666);
  // The file may have been removed by the save that held it, between our opening and
  // our lock: then it is no longer the job's lock file.
  const Tentativa tentativa = Travar(nome);
  if (tentativa == Tentativa::Obtida) arquivo_ = nome;
  return tentativa;
}

Trava_gravacao::Tentativa Trava_gravacao::Travar(const std::string& nome) {
  const Estado_trava estado = Travar_descritor(descritor_);
  if (estado == Estado_trava::Sem_suporte ||
      (estado == Estado_trava::Obtida && Mesmo_arquivo(descritor_, nome)))
    return Tentativa::Obtida;
  close(descritor_);
  descritor_ = -1;
  return Tentativa::Ocupada;
}

Trava_gravacao::Tentativa Trava_gravacao::Tentar_o_proprio(const std::string& caminho) {
  descritor_ = open(caminho.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat alvo {};
  // A job that cannot be opened will not be saved either: the save says why.
  if (descritor_ < 0 || fstat(descritor_, &alvo) != 0 || !S_ISREG(alvo.st_mode))
    return Tentativa::Obtida;
  return Travar(caminho);
}

Trava_gravacao::Trava_gravacao(const std::string& caminho, std::chrono::milliseconds espera) {
  const std::string nome = Nome_trava(caminho);
  const auto limite = std::chrono::steady_clock::now() + espera;
  for (;;) {
    Tentativa tentativa = Tentar_arquivo_trava(nome);
    if (tentativa == Tentativa::Sem_arquivo) tentativa = Tentar_o_proprio(caminho);
    if (tentativa != Tentativa::Ocupada) break;
    if (std::chrono::steady_clock::now() >= limite) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  obtida_ = true;
}

Trava_gravacao::~Trava_gravacao() {
  // Removed while still locked, so that no one locks a file that is about to go.
  if (!arquivo_.empty()) unlink(arquivo_.c_str());
  if (descritor_ >= 0) close(descritor_);
}
