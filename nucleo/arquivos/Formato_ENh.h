#pragma once
// The ENh file: one line "n E N h" per digitized point, in list order. Save and
// Concatenate write it; the program never reads it back.

#include <cstdio>

#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"

// Raises the error that names the point and the field of a value that cannot be
// written (one that is not finite); the writers below check every point this way.
void Exigir_ENh_gravavel(const Ponto_digitalizado& ponto);

void Escrever_linha_ENh(std::FILE* arquivo, const Ponto_digitalizado& ponto);
void Escrever_ENh(std::FILE* arquivo, const Lista<Ponto_digitalizado>& pontos);
