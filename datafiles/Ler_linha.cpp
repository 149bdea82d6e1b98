#include "datafiles/Ler_linha.h"

std::string Ler_linha(std::FILE* arquivo) {
  std::string linha;
  int c;
  // One reader per file and one thread: the unlocked read keeps long files fast.
  while ((c = getc_unlocked(arquivo)) != EOF && c != '\n') linha.push_back(static_cast<char>(c));
  if (c == '\n' && !linha.empty() && linha.back() == '\r') linha.pop_back();
  return linha;
}
