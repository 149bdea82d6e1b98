#include "exportar/Arquivo_mundo.h"

#include <cpl_conv.h>

#include <cctype>
#include <cmath>

#include "exportar/Falha_exportacao.h"

std::array<double, 6> Geotransformacao(const Coeficientes& k) {
  // A click on the pixel in column X and row Y gives the integers (X, Y), and the
  // orientation maps those to the point clicked. GDAL's pixel X spans X to X + 1 from
  // the picture's corner, so the pixel clicked is best taken at its centre, X + 0.5:
  // E = a (P - 0.5) + b (L - 0.5) + c for GDAL's column P and row L. (The world file,
  // which names the top-left pixel's centre, then holds c and f themselves.)
  return {k.c - 0.5 * (k.a + k.b), k.a, k.b, k.f - 0.5 * (k.d + k.e), k.d, k.e};
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
