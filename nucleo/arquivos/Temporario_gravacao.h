#pragma once
// The new files a save writes beside their targets, and the removal of those a killed
// save left behind.
//
// A new file is named ".mapirel-MACHINE-PROCESS-SERIAL.tmp" and locked (Travar_descritor)
// as soon as it exists, for as long as it lives. A leftover is removed only when both
// prove it abandoned: its name carries this machine's identity (a save from another
// machine sharing the folder is never judged from here) and no open file holds its lock
// (a live save holds it, whatever PID namespace it runs in). A process number alone
// proves nothing, and files that merely look alike are never touched.

#include <string>

// The folder part of a path, with its final slash ("" for a bare name).
std::string Pasta(const std::string& caminho);
// The folder to open for a path ("." for a bare name).
std::string Pasta_para_abrir(const std::string& caminho);

// A new, locked file in `pasta` (with its final slash, or ""): its descriptor, or -1
// with errno set. `nome` gets its name.
int Criar_temporario(const std::string& pasta, std::string& nome);
// Gives a locked file without a name (O_TMPFILE) a temporary name in `pasta`.
bool Nomear_temporario(int descritor, const std::string& pasta, std::string& nome);

// Removes the abandoned new files of the folder of `caminho`.
void Remover_abandonados(const std::string& caminho);
