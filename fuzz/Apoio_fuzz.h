#pragma once
// What every fuzz target shares: the Qt application the program's code expects, and a
// work folder of the process's own where inputs that must be files are written.

#include <cstddef>
#include <cstdint>
#include <string>

// Creates the application once, on the offscreen platform, with the C numeric locale
// as the program sets it; the work folder becomes the current folder.
void Iniciar_fuzz(int* argc, char*** argv);

// The work folder's path, ending in "/".
const std::string& Pasta_fuzz();

// Writes the bytes to the named file of the work folder; returns its path.
std::string Gravar_entrada(const std::string& nome, const uint8_t* dados, std::size_t tamanho);
