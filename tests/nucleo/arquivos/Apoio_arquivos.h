#pragma once
// Small helpers of the data file tests: files and streams made from and read into text.

#include <signal.h>
#include <sys/resource.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "nucleo/arquivos/Gravacao_segura.h"  // Conteudo_escrito: what a writer puts into a stream
#include "nucleo/base/Arquivo_regular.h"
#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"
#include "tests/apoio/Mensagem_de_erro.h"

// While this lives, a file cannot grow past the given size: a write beyond it fails
// with EFBIG, the way a full disk fails it.
class Limite_de_tamanho {
 public:
  explicit Limite_de_tamanho(rlim_t bytes);
  ~Limite_de_tamanho();
  Limite_de_tamanho(const Limite_de_tamanho&) = delete;
  Limite_de_tamanho& operator=(const Limite_de_tamanho&) = delete;

 private:
  rlimit anterior_{};
  sighandler_t sinal_anterior_ = SIG_DFL;
};

// While this lives, each of the next `falhas` writings of a whole file in place stops
// part-way: half its first piece reaches the file, then the disk is full (ENOSPC).
class Escrita_que_falha {
 public:
  explicit Escrita_que_falha(int falhas);
  ~Escrita_que_falha();
  Escrita_que_falha(const Escrita_que_falha&) = delete;
  Escrita_que_falha& operator=(const Escrita_que_falha&) = delete;
};

// A fresh folder in the system's temporary folder, removed with all it holds at the end.
class Pasta_temporaria {
 public:
  Pasta_temporaria();
  ~Pasta_temporaria();
  Pasta_temporaria(const Pasta_temporaria&) = delete;
  Pasta_temporaria& operator=(const Pasta_temporaria&) = delete;
  const std::string& Caminho() const { return caminho_; }

 private:
  std::string caminho_;
};

// A stream that reads the given bytes (NULs included).
Arquivo Fluxo_de_texto(const std::string& texto);

std::string Ler_conteudo(const std::string& caminho);
void Gravar_conteudo(const std::string& caminho, const std::string& texto);
bool Existe(const std::string& caminho);
// The entries of a folder, "." and ".." left out, sorted.
std::vector<std::string> Conteudo_pasta(const std::string& pasta);

// Root passes every permission check: while this lives, the file system sees an
// ordinary user, so a read-only folder or file really cannot be written.
class Como_usuario_comum {
 public:
  Como_usuario_comum();
  ~Como_usuario_comum();
  // Whether the switch works here (root without the right to change it cannot).
  static bool Possivel();
  Como_usuario_comum(const Como_usuario_comum&) = delete;
  Como_usuario_comum& operator=(const Como_usuario_comum&) = delete;

 private:
  bool trocou_ = false;
};

Ponto_digitalizado Ponto(int numero, double E, double N, double h, double x = 0, double y = 0,
                         int marca = -1);
Ponto_orientacao Controle(int numero, double E, double N, double x, double y);

template <typename T>
Lista<T> Lista_de(std::initializer_list<T> itens) {
  Lista<T> lista;
  for (const auto& item : itens) lista.Acrescentar(item);
  return lista;
}
