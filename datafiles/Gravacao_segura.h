#pragma once
// Writing a data file so that a failure never leaves a half-written file in place of a
// good one: the content goes to a new file in the same folder, which replaces the
// target (by rename) only once it is completely written and closed.

#include <cstdio>
#include <functional>
#include <string>

enum class Resultado_gravacao {
  Gravado,
  Falha_abertura,  // the file could not be created: nothing was written
  Falha_escrita,   // a write, the close or the replacement failed: the old file stays
};

// Turns the new file's descriptor into the stream that receives the content; the
// program uses fdopen, tests hand in streams that fail on purpose. The stream owns
// the descriptor: closing it closes the file.
using Abrir_fluxo = std::function<std::FILE*(int descritor)>;

// Writes the file at caminho with escrever. An existing target keeps its permissions;
// one that could not be opened for writing in place is refused as before. An exception
// from escrever removes the new file and passes on, leaving the target untouched.
Resultado_gravacao Gravar_arquivo(const std::string& caminho,
                                  const std::function<void(std::FILE*)>& escrever,
                                  const Abrir_fluxo& abrir_fluxo = {});
