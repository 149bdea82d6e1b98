#pragma once
// The picture loader: a map image file to a 32-bit raster, by the file's extension.

#include <QImage>
#include <string>

// Reads the picture at `caminho` into a Format_RGB32 image at its natural size; the
// format is chosen by the extension, whatever its case: jpg/jpeg, bmp, ico (the largest
// entry), emf and wmf (at `pontos_por_polegada`, the screen's resolution). Raises Erro
// for an unknown extension ("Unknown picture file extension (.%s)"), a file that cannot
// be read or decoded, and a picture too large for memory, which is refused before its
// raster is allocated.
QImage Ler_figura(const std::string& caminho, double pontos_por_polegada);
