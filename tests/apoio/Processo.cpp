#include "tests/apoio/Processo.h"

#include <sys/wait.h>

#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>

Execucao Executar(const std::string& comando) {
  QTemporaryDir pasta;
  const std::string erros = pasta.filePath("erros").toStdString();
  Execucao execucao;
  std::FILE* processo = popen((comando + " 2>" + Citado(erros)).c_str(), "r");
  if (processo == nullptr) return execucao;
  std::array<char, 4096> bloco{};
  while (std::size_t lidos = std::fread(bloco.data(), 1, bloco.size(), processo))
    execucao.saida.append(bloco.data(), lidos);
  const int estado = pclose(processo);
  execucao.status = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
  std::ifstream arquivo(erros);
  std::ostringstream texto;
  texto << arquivo.rdbuf();
  execucao.erros = texto.str();
  return execucao;
}

std::string Citado(const std::string& argumento) {
  std::string citado = "'";
  for (const char c : argumento) citado += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return citado + "'";
}
