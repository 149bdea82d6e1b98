#pragma once
// The job as the exporter reads it, through the program's own readers: the points of an
// ENh file, or the picture, orientation and points of a reserve file.

#include <optional>
#include <string>
#include <vector>

#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"
#include "nucleo/orientacao/Coeficientes.h"

struct Trabalho_lido {
  Lista<Ponto_digitalizado> pontos;
  // Reserve files only.
  std::optional<std::string> imagem;
  std::optional<Coeficientes> coeficientes;
  std::vector<Ponto_orientacao> controle;
};

// Why the file at `caminho` cannot be read as a regular file: the system's reason
// ("No such file or directory") or its kind ("é uma pasta", "é um pipe nomeado"...).
std::string Motivo_nao_lido(const std::string& caminho);

// Raises Falha_exportacao naming the file and, for a damaged one, the line.
Trabalho_lido Ler_entrada(const std::string& caminho);
