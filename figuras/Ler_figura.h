#pragma once
// The picture loader: a map image file to a 32-bit raster, by the file's extension.

#include <string>

#include "figuras/Raster_em_faixas.h"

// Reads the picture at `caminho` into a raster kept in strips at its natural size; the
// format is chosen by the extension, whatever its case: jpg/jpeg, bmp, ico (the largest
// entry), emf and wmf (at `pontos_por_polegada`, the screen's resolution). Raises Erro
// for an unknown extension ("Unknown picture file extension (.%s)"), a file that cannot
// be read or decoded, and a picture too large for memory, which is refused before its
// raster is allocated.
Raster_em_faixas Ler_figura(const std::string& caminho, double pontos_por_polegada);
