#pragma once
// Opening the files the program reads (pictures, reserve files): only regular files.
// A named pipe would block fopen until some writer appeared, with nothing shown; a
// device can stream without end.

#include <cstdio>
#include <memory>
#include <string>

// The file at `caminho` opened for reading with fopen's `modo` ("r" or "rb"), by the
// bytes of its name; null when it cannot be opened or is not a regular file (a folder,
// a pipe, a device), which is found out without waiting for anything.
std::FILE* Abrir_arquivo_regular(const std::string& caminho, const char* modo);

// A file that is closed however the reading ends.
struct Fechar_arquivo {
  void operator()(std::FILE* arquivo) const { std::fclose(arquivo); }
};
using Arquivo = std::unique_ptr<std::FILE, Fechar_arquivo>;
