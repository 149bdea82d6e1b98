#pragma once
// The reserve file written beside the ENh file: everything needed to reopen the job.
// Lines, in order: image name; control point count and lines; the six coefficients
// a..f; digitized point count and lines (with pixel position and polygon mark).

#include <cstdio>
#include <string>

#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"
#include "nucleo/orientacao/Coeficientes.h"

// Raises the error that names the record and the field of a value that cannot be
// written (not finite, or a pixel position beyond what the file holds) before writing it.
void Escrever_reserva(std::FILE* arquivo, const std::string& nome_imagem,
                      const Lista<Ponto_orientacao>& pontos_controle,
                      const Coeficientes& coeficientes, const Lista<Ponto_digitalizado>& pontos);

// The reserve file's path: "_RESERVA" inserted before the last four characters of the
// ENh path, whatever they are (folha12.ENh gives folha12_RESERVA.ENh), but never inside
// the folder's part: for a file name shorter than that, before its extension (d/x.b
// gives d/x_RESERVA.b), or at its end when it has none.
std::string Caminho_reserva(const std::string& caminho_ENh);

// Whether a path names a reserve file as the open dialogs offer them: "..._RESERVA.ENh".
bool E_arquivo_reserva(const std::string& caminho);
