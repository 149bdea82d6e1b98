#include "exportar/Gravacao_conjunta.h"

#include <cpl_conv.h>
#include <cpl_string.h>
#include <cpl_vsi.h>
#include <fcntl.h>
#include <fmt/format.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "exportar/Falha_exportacao.h"
#include "nucleo/base/Formatacao.h"

namespace {

// What GDAL wrote reaches the disk before it takes the old file's name, so that a
// power cut leaves the old file or the whole new one. Paths GDAL keeps in memory
// (/vsimem) do not open here and need nothing.
void Sincronizar(const std::string& caminho) {
  const int descritor = open(caminho.c_str(), O_RDONLY | O_CLOEXEC);
  if (descritor < 0) return;
  fsync(descritor);
  close(descritor);
}

// Another program's write shows in the file's size or time of change; a file put in
// its place, in its inode.
bool Mesmo_estado(const struct stat& a, const struct stat& b) {
  return a.st_ino == b.st_ino && a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
         a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

// The hidden folders of this machine's runs start so; the process's number follows. A
// folder shared over a network may hold another machine's, whose processes are not seen
// from here.
std::string Prefixo_desta_maquina() {
  char maquina[256] = {};
  gethostname(maquina, sizeof maquina - 1);
  return fmt::format(".mapirel-exportar-{}-", maquina);
}

// A run killed before it ended (kill -9, a crash, the power) left its hidden folder, maybe
// with a partial GeoTIFF of gigabytes: removed by the next run here, once its process is
// gone.
void Remover_abandonadas(const std::string& pasta, const std::string& prefixo) {
  const CPLStringList nomes(VSIReadDir(pasta.empty() ? "." : pasta.c_str()));
  for (int i = 0; i < nomes.size(); ++i) {
    const std::string nome = nomes[i];
    if (nome.rfind(prefixo, 0) != 0) continue;
    const long processo = std::strtol(nome.c_str() + prefixo.size(), nullptr, 10);
    if (processo > 0 && kill(static_cast<pid_t>(processo), 0) != 0 && errno == ESRCH)
      VSIRmdirRecursive(CPLFormFilename(pasta.c_str(), nome.c_str(), nullptr));
  }
}

}  // namespace

bool Existe_no_gdal(const std::string& caminho) {
  VSIStatBufL estado;
  return VSIStatExL(caminho.c_str(), &estado, VSI_STAT_EXISTS_FLAG) == 0;
}

Gravacao_conjunta::Gravacao_conjunta(const std::string& pasta) : pasta_(pasta) {
  // The window exports on a thread of its own.
  static std::atomic<int> serie = 0;
  const std::string prefixo = Prefixo_desta_maquina();
  Remover_abandonadas(pasta, prefixo);
  // mkdir fails on a name that exists: the folder is this run's own.
  for (int tentativa = 0; tentativa < 100; ++tentativa) {
    provisoria_ = Destino(fmt::format("{}{}-{}", prefixo, getpid(), ++serie));
    if (VSIMkdir(provisoria_.c_str(), 0700) == 0) return;
    if (errno != EEXIST) break;
  }
  throw Falha_exportacao(fmt::sprintf("%s: não pode ser gravada (%s)", pasta.empty() ? "." : pasta,
                                      std::strerror(errno)));
}

Gravacao_conjunta::~Gravacao_conjunta() {
  VSIRmdirRecursive(provisoria_.c_str());
}

std::string Gravacao_conjunta::Provisorio(const std::string& nome) const {
  return CPLFormFilename(provisoria_.c_str(), nome.c_str(), nullptr);
}

std::string Gravacao_conjunta::Destino(const std::string& nome) const {
  return CPLFormFilename(pasta_.c_str(), nome.c_str(), nullptr);
}

void Gravacao_conjunta::Remover_ao_publicar(const std::string& nome) {
  remover_.push_back(nome);
}

std::vector<std::string> Gravacao_conjunta::Novos() const {
  const CPLStringList nomes(VSIReadDir(provisoria_.c_str()));
  std::vector<std::string> novos;
  for (int i = 0; i < nomes.size(); ++i)
    if (strcmp(nomes[i], ".") != 0 && strcmp(nomes[i], "..") != 0) novos.push_back(nomes[i]);
  return novos;
}

void Gravacao_conjunta::Copiar_para_alterar(const std::string& nome) {
  // Paths GDAL keeps in memory have no state to compare; nothing else writes them.
  struct stat antes {};
  const bool no_disco = stat(Destino(nome).c_str(), &antes) == 0;
  if (CPLCopyFile(Provisorio(nome).c_str(), Destino(nome).c_str()) != 0)
    throw Falha_exportacao(
        fmt::sprintf("%s: não pode ser copiado (%s)", Destino(nome), std::strerror(errno)));
  // The copy takes the original's place: with its permissions too (a file shared by a
  // group stays shared).
  if (no_disco) {
    chmod(Provisorio(nome).c_str(), antes.st_mode & 07777);
    estados_.emplace_back(nome, antes);
  }
  alterados_.push_back(nome);
}

std::vector<std::string> Gravacao_conjunta::Existentes() const {
  std::vector<std::string> nomes = Novos(), existentes;
  nomes.insert(nomes.end(), remover_.begin(), remover_.end());
  for (const std::string& nome : nomes)
    if (Existe_no_gdal(Destino(nome)) &&
        std::find(alterados_.begin(), alterados_.end(), nome) == alterados_.end())
      existentes.push_back(Destino(nome));
  return existentes;
}

void Gravacao_conjunta::Publicar() {
  for (const auto& [nome, antes] : estados_) {
    struct stat agora {};
    if (stat(Destino(nome).c_str(), &agora) != 0 || !Mesmo_estado(antes, agora))
      throw Falha_exportacao(Destino(nome) +
                             ": foi alterado por outro programa durante a exportação; nada foi "
                             "gravado, tente de novo");
  }
  for (const std::string& nome : Novos()) {
    Sincronizar(Provisorio(nome));
    if (VSIRename(Provisorio(nome).c_str(), Destino(nome).c_str()) != 0)
      throw Falha_exportacao(
          fmt::sprintf("%s: não pode ser gravado (%s)", Destino(nome), std::strerror(errno)));
  }
  for (const std::string& nome : remover_) VSIUnlink(Destino(nome).c_str());
  Sincronizar(pasta_.empty() ? "." : pasta_);
}
