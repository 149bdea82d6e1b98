#pragma once
// Files that must change together (a shapefile with its .dbf and .prj, a world file
// with the .aux.xml GDAL reads beside it): written into a hidden folder beside their
// destination, read back there, and only then moved into place, so that a failure
// before that leaves the destination exactly as it was and nothing of the new set.

#include <sys/stat.h>

#include <string>
#include <utility>
#include <vector>

class Gravacao_conjunta {
 public:
  // Creates the hidden folder in `pasta` ("" for the current folder); any GDAL path.
  explicit Gravacao_conjunta(const std::string& pasta);
  // Removes the hidden folder with whatever is left in it.
  ~Gravacao_conjunta();
  Gravacao_conjunta(const Gravacao_conjunta&) = delete;
  Gravacao_conjunta& operator=(const Gravacao_conjunta&) = delete;

  // Where the file `nome` of the set is written until it is published.
  std::string Provisorio(const std::string& nome) const;
  std::string Destino(const std::string& nome) const;
  // A file of the old set that the new one does not have, removed on publishing.
  void Remover_ao_publicar(const std::string& nome);
  // The destination's file `nome` copied to its provisional place, to be changed there
  // and published over the original, which nothing opens for writing. Not among the
  // Existentes(): replacing it is what was asked. Publishing is refused if another
  // program changed the original meanwhile, whose change would be lost. Falha_exportacao.
  void Copiar_para_alterar(const std::string& nome);

  // The destination files that publishing would replace or remove, unasked.
  std::vector<std::string> Existentes() const;
  // Moves every file of the hidden folder into the destination, none if an original
  // copied to be changed has changed since. Falha_exportacao.
  void Publicar();

 private:
  std::vector<std::string> Novos() const;

  std::string pasta_, provisoria_;
  std::vector<std::string> remover_, alterados_;
  std::vector<std::pair<std::string, struct stat>> estados_;  // the originals when copied
};

// Whether a path names anything, as GDAL sees it (/vsimem paths too).
bool Existe_no_gdal(const std::string& caminho);
