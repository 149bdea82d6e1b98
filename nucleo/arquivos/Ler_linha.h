#pragma once

#include <cstdio>
#include <string>

// The next line of a text file without its line end. LF and CR LF both end a line;
// at the end of the file the characters read so far are the line (empty when nothing
// was left), so a last line without a newline reads like any other.
std::string Ler_linha(std::FILE* arquivo);

// The same into a text the caller keeps, so that a long file reuses one buffer.
void Ler_linha(std::FILE* arquivo, std::string& linha);
