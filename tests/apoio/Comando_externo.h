#pragma once
// Outside programs run through the shell, for the tests that check the program's
// results against a peer tool.

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

inline bool Programa_disponivel(const std::string& nome) {
  return std::system(("command -v " + nome + " >/dev/null 2>&1").c_str()) == 0;
}

// What the command writes on its standard output (empty when it cannot be started).
inline std::string Saida_do_comando(const std::string& comando) {
  std::string saida;
  std::FILE* processo = popen(comando.c_str(), "r");
  if (processo == nullptr) return saida;
  std::array<char, 4096> bloco{};
  while (std::size_t lidos = std::fread(bloco.data(), 1, bloco.size(), processo))
    saida.append(bloco.data(), lidos);
  pclose(processo);
  return saida;
}
