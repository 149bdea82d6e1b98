#pragma once
// One save at a time per job: two windows on one job (the job opened twice) saving
// together would otherwise leave one window's ENh file beside the other's reserve file.
//
// The lock is an open-file-description lock (fcntl F_OFD_SETLK) on a small file beside
// the job: such locks belong to the open file, not to the process, and reach the server
// on NFS, so they hold between processes, PID namespaces and machines. The lock file is
// removed when the save ends; a waiter that then gets the lock on the removed file sees
// that its name now leads elsewhere and tries again.

#include <chrono>
#include <string>

// An exclusive lock on the whole file behind the descriptor, without waiting. Sem_suporte
// where the file system keeps no locks (an NFS mount without its lock service).
enum class Estado_trava { Obtida, Ocupada, Sem_suporte };
Estado_trava Travar_descritor(int descritor);
// True while the name still leads to the open file (a cleanup or a finished save may
// have removed it between the opening and the lock).
bool Mesmo_arquivo(int descritor, const std::string& caminho);

class Trava_gravacao {
 public:
  // Waits up to `espera` for the saves of the job at `caminho` to end. Where no lock file
  // can be made (a folder where nothing can be created), the job's file itself is locked,
  // as it is then written in place and keeps its identity.
  explicit Trava_gravacao(const std::string& caminho,
                          std::chrono::milliseconds espera = std::chrono::milliseconds(2000));
  ~Trava_gravacao();
  Trava_gravacao(const Trava_gravacao&) = delete;
  Trava_gravacao& operator=(const Trava_gravacao&) = delete;

  // False when another save held the job for the whole wait. Where the file system keeps
  // no locks, the save goes on unguarded, as before.
  bool Obtida() const { return obtida_; }

 private:
  enum class Tentativa { Obtida, Ocupada, Sem_arquivo };
  Tentativa Tentar_arquivo_trava(const std::string& nome);
  Tentativa Tentar_o_proprio(const std::string& caminho);
  Tentativa Travar(const std::string& nome);

  std::string arquivo_;  // the lock file once held, removed at the end
  int descritor_ = -1;
  bool obtida_ = false;
};
