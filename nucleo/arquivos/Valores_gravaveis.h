#pragma once
// The values a data file can hold. The writers check every value before they write it,
// and the program writes into memory first, so a value that cannot be written stops a
// save before any file changes; the reader refuses the same pixel positions.

#include <string>

// A pixel position: finite and, truncated or rounded, within the int32 range that the
// control point lines' "%d" needs.
bool Pixel_gravavel(double valor);

// Raise the error that names the record ("Ponto 12") and the field of a value that
// cannot be written: one that is not finite, or a pixel position beyond the range.
void Exigir_finito(double valor, const std::string& registro, const char* campo);
void Exigir_pixel(double valor, const std::string& registro, const char* campo);
