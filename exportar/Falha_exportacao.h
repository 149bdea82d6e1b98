#pragma once
// What ends the exporter: one line for the person at the terminal, nothing written.

#include <stdexcept>
#include <string>

struct Falha_exportacao : std::runtime_error {
  explicit Falha_exportacao(const std::string& mensagem) : std::runtime_error(mensagem) {}
};
