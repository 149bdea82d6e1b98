#include "orientation/Relatorio_orientacao.h"

#include <fmt/printf.h>

std::string Texto_estatistica(const std::vector<Residuo>& residuos, const Estatisticas& est,
                              double metros_por_pixel) {
  std::string texto = " DIFERENÇAS ENTRE COORDENADAS DE ORIENTAÇÃO \n\n";
  texto += " Pto     DeltaE       DeltaN       DeltaD\n";
  // The first column counts the points from 1, whatever their numbers.
  int posicao = 1;
  for (const auto& r : residuos)
    texto += fmt::sprintf("  %2d    %8.3fm   %8.3fm   %6.3fm\n", posicao++, r.DeltaE, r.DeltaN, r.DeltaD);
  texto += fmt::sprintf("\nMedia %8.3fm  %8.3fm  %8.3fm\n\n ", est.media.DeltaE, est.media.DeltaN,
                        est.media.DeltaD);
  texto += fmt::sprintf(
      " Desvios-padrão por direção:\n\n    Este  ->  %8.3fm\n    Norte -> %8.3fm\n    Dist  ->   %8.3fm",
      est.desvio.DeltaE, est.desvio.DeltaN, est.desvio.DeltaD);
  texto += fmt::sprintf("\n\n REFERÊNCIA --->   1 pixel ~= %5.2fm", metros_por_pixel);
  texto += " \n\n OK          Para aceitar a orientação.\n\n CANCEL  Para refazer a leitura de ptos de tela.";
  return texto;
}
