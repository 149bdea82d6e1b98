#include "exportar/Arquivo_mundo.h"

#include <cpl_conv.h>

#include <cctype>
#include <cmath>

#include "exportar/Falha_exportacao.h"

std::array<double, 6> Geotransformacao(const Coeficientes& k) {
  // The orientation maps a click to the point clicked, and GDAL's column P is the click
  // P - m with m = Centro_pixel(0): E = a (P - m) + b (L - m) + c for GDAL's column P and
  // row L. (The world file, which names the top-left pixel's centre, then holds c and f
  // themselves.)
  const double m = Centro_pixel(0);
  return {k.c - m * (k.a + k.b), k.a, k.b, k.f - m * (k.d + k.e), k.d, k.e};
}

std::string Caminho_mundo(const std::string& figura) {
  const std::string extensao = CPLGetExtension(figura.c_str());
  // GDAL's name for the world file of a picture without an extension.
  if (extensao.empty()) return CPLResetExtension(figura.c_str(), "wld");
  const char ultima = extensao.back();
  const std::string mundo{extensao.front(), ultima,
                          std::isupper(static_cast<unsigned char>(ultima)) ? 'W' : 'w'};
  return CPLResetExtension(figura.c_str(), mundo.c_str());
}

void Conferir_orientacao(const Coeficientes& k) {
  // The geotransform holds every coefficient; a·e − b·d of finite ones can still be
  // inf − inf, a NaN, which is unequal to zero.
  const double determinante = k.a * k.e - k.b * k.d;
  for (const double valor : Geotransformacao(k))
    if (!std::isfinite(valor) || !std::isfinite(determinante))
      throw Falha_exportacao("a orientação do arquivo não é um número finito");
  if (determinante == 0)
    throw Falha_exportacao("a orientação do arquivo leva a imagem toda a uma linha");
}
