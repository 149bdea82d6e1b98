#pragma once
// A program run by the shell as a user runs it: what it printed and its exit status.

#include <string>

struct Execucao {
  int status = -1;  // -1 when it did not exit normally
  std::string saida;
  std::string erros;
};

Execucao Executar(const std::string& comando);

// One argument quoted for the shell.
std::string Citado(const std::string& argumento);
