#pragma once
// What the program is asked on its command line: to start empty, to start with a picture
// or a saved job open, to print its help or its version, or nothing, refusing the line.

#include <optional>
#include <string>
#include <vector>

struct Arquivo_inicial {
  enum class Tipo { Figura, Dados };  // "Abrir imagem" or "Abrir dados"
  Tipo tipo = Tipo::Figura;
  std::string caminho;
};

struct Pedido_inicial {
  enum class Acao { Iniciar, Ajuda, Versao, Recusar };
  Acao acao = Acao::Iniciar;
  std::optional<Arquivo_inicial> arquivo;  // Iniciar: the file to open, if any
  std::string mensagem;                    // Recusar: one line, without its newline
};

// The arguments after the program's name.
Pedido_inicial Ler_linha_de_comando(const std::vector<std::string>& argumentos);

std::string Texto_ajuda();
std::string Texto_versao();

// The exit status of a refused command line.
inline constexpr int Saida_linha_recusada = 2;
