#pragma once
// Something like a scanned sheet, for the benchmarks that load big pictures: paper with
// grain, a grid and curved lines, so that a file of it is as hard to decode as a real
// chart; and, at the top-left corner, a magenta colour patch 96 pixels wide, as scans
// often carry, by which a benchmark watching the screen sees that the picture is shown.

#include <algorithm>
#include <cstdint>

namespace carta_sintetica {

inline constexpr int Lado_mancha = 96;

// The red, green and blue of the pixel (x, y).
inline void Amostra(int x, int y, uint8_t* rgb) {
  if (x < Lado_mancha && y < Lado_mancha) {
    rgb[0] = 255, rgb[1] = 0, rgb[2] = 255;
    return;
  }
  unsigned grao = static_cast<unsigned>(x) * 2654435761u ^ static_cast<unsigned>(y) * 40503u;
  grao = (grao ^ grao >> 15) * 2246822519u;
  const int ruido = static_cast<int>(grao >> 27) - 16;
  const bool linha = x % 500 < 3 || y % 500 < 3 || (int64_t{x} * x / 7 + y * 3) % 997 < 4;
  const int base[3] = {235, 225, 200};
  for (int c = 0; c < 3; ++c)
    rgb[c] = static_cast<uint8_t>(std::clamp(linha ? 40 + ruido : base[c] + ruido, 0, 255));
}

}  // namespace carta_sintetica
