#include "nucleo/base/Arquivo_regular.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::FILE* Abrir_arquivo_regular(const std::string& caminho, const char* modo) {
  // Without O_NONBLOCK the open itself of a pipe waits for a writer. The type is then
  // read from what was opened, not from the name, so nothing can swap the file between.
  const int descritor = open(caminho.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descritor < 0) return nullptr;
  struct stat estado {};
  std::FILE* arquivo = nullptr;
  if (fstat(descritor, &estado) == 0 && S_ISREG(estado.st_mode) &&
      fcntl(descritor, F_SETFL, fcntl(descritor, F_GETFL) & ~O_NONBLOCK) == 0)
    arquivo = fdopen(descritor, modo);
  if (!arquivo) close(descritor);
  return arquivo;
}
