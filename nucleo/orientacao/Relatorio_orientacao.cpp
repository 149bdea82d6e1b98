#include "nucleo/orientacao/Relatorio_orientacao.h"

#include <cmath>

#include "nucleo/base/Formatacao.h"

namespace {

// A value that rounds to zero is shown as 0.000, never as -0.000: the rounding noise of
// the adjustment must not look like a signed discrepancy.
double Sem_zero_negativo(double valor, int casas = 3) {
  if (std::signbit(valor) &&
      fmt::sprintf("%.*f", casas, -valor) == fmt::sprintf("%.*f", casas, 0.0))
    return 0.0;
  return valor;
}

}  // namespace

std::string Texto_estatistica(const std::vector<Residuo>& residuos, const Estatisticas& est,
                              double metros_por_pixel) {
  std::string texto = " DIFERENÇAS ENTRE COORDENADAS DE ORIENTAÇÃO \n\n";
  texto += " Pto     DeltaE       DeltaN       DeltaD\n";
  // The first column counts the points from 1, whatever their numbers.
  int posicao = 1;
  for (const auto& r : residuos)
    texto +=
        fmt::sprintf("  %2d    %8.3fm   %8.3fm   %6.3fm\n", posicao++, Sem_zero_negativo(r.DeltaE),
                     Sem_zero_negativo(r.DeltaN), Sem_zero_negativo(r.DeltaD));
  texto += fmt::sprintf("\nMedia %8.3fm  %8.3fm  %8.3fm\n\n ", Sem_zero_negativo(est.media.DeltaE),
                        Sem_zero_negativo(est.media.DeltaN), Sem_zero_negativo(est.media.DeltaD));
  texto += fmt::sprintf(
      " Desvios-padrão por direção:\n\n"
      "    Este  ->  %8.3fm\n"
      "    Norte -> %8.3fm\n"
      "    Dist  ->   %8.3fm",
      Sem_zero_negativo(est.desvio.DeltaE), Sem_zero_negativo(est.desvio.DeltaN),
      Sem_zero_negativo(est.desvio.DeltaD));
  texto += fmt::sprintf("\n\n REFERÊNCIA --->   1 pixel ~= %5.2fm",
                        Sem_zero_negativo(metros_por_pixel, 2));
  texto +=
      " \n\n OK          Para aceitar a orientação.\n\n"
      " CANCEL  Para refazer a leitura de ptos de tela.";
  return texto;
}
