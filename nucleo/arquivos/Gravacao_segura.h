#pragma once
// Writing data files so that no failure and no kill, at any moment, leaves a torn or
// empty file in place of a good one, and so that the two files of one job change
// together.
//
// The content is complete in memory before any file is touched. A plain file is then
// replaced by a new file beside it: written while it has no name (where the file system
// allows), flushed to the disk, named and renamed over the target, and the folder
// flushed. A target that a rename would not keep as it is (a symbolic link, a file with
// other hard links, a device, a FIFO, a file whose owner the process cannot give to a
// new file, a file in a folder where nothing can be created) is written in place, as an
// overwrite has always done: then the old content is read first, and put back and read
// back when the writing fails, so that a failure leaves the old file or says that it
// could not.

#include <sys/types.h>

#include <cstdio>
#include <functional>
#include <string>

enum class Resultado_gravacao {
  Gravado,
  Falha_abertura,  // the target cannot be written (a folder, read-only, no such folder)
  Falha_escrita,   // the new content could not be written whole (a full disk)
  Link_de_outro,   // a derived name is another user's symbolic link: not followed
};

// Where a name comes from. A name the program derives (the reserve file's) may have been
// planted in a shared folder as a link to the user's own files: like the kernel's rule
// for sticky folders, it is followed only when the link is the user's, root's or the
// folder owner's.
enum class Origem_nome { Escolhido, Derivado };

// What putting the content in place did.
struct Efetivacao {
  bool feita = false;
  // When not feita: true when the target holds its old content (checked by reading it
  // back when it was written in place); else the new content went to `resgate`, beside
  // it ("" when that failed too).
  bool intacto = true;
  std::string resgate;
};

// What a writer puts into a stream, as text in memory.
std::string Conteudo_escrito(const std::function<void(std::FILE*)>& escrever);

// The new content of one file, ready beside its target. Until Efetivar, the target is
// untouched; a preparation that is never put in place leaves nothing behind.
class Gravacao_preparada {
 public:
  explicit Gravacao_preparada(std::string caminho, Origem_nome origem = Origem_nome::Escolhido);
  ~Gravacao_preparada();
  Gravacao_preparada(const Gravacao_preparada&) = delete;
  Gravacao_preparada& operator=(const Gravacao_preparada&) = delete;

  // Checks the target and writes the content where it waits; Gravado when ready.
  Resultado_gravacao Preparar(std::string conteudo);
  // Puts the content in place (the rename, or the writing in place).
  Efetivacao Efetivar();
  // Flushes the folder, so that the rename outlives a power cut; false when the file
  // system says it could not.
  bool Sincronizar_pasta() const;

  const std::string& Caminho() const { return caminho_; }

 private:
  // Each takes over the target's descriptor (-1 for a target that does not exist).
  Resultado_gravacao Preparar_ao_lado(int destino);
  Resultado_gravacao Preparar_em_lugar(int destino);
  Efetivacao Efetivar_em_lugar();
  std::string Resgatar() const;
  void Descartar();

  std::string caminho_;
  std::string alvo_;  // the file replaced: caminho_, or the file a dangling link names
  Origem_nome origem_;
  std::string conteudo_;  // kept until Efetivar only when written in place
  int descritor_ = -1;    // the new file, or the target itself when written in place
  bool em_lugar_ = false;
  std::string temporario_;  // the new file's name; empty while it has none (O_TMPFILE)
};

// The writing at a position that a file written in place goes through: tests replace it
// with one that stops part-way, as a disk that fills up while it is written does.
extern ssize_t (*Escrever_em_posicao)(int descritor, const void* dados, std::size_t bytes,
                                      off_t posicao);

// One file alone: prepared and put in place at once.
Resultado_gravacao Gravar_arquivo(const std::string& caminho,
                                  const std::function<void(std::FILE*)>& escrever);
