// The main window's entries to the limit polygon that other commands use.

#include "app/Cartavel.h"
#include "hull/Pol_convexo.h"

bool TForm1::Tem_pol_convexo() const {
  return ::Tem_pol_convexo(Lista_pontos);
}

void TForm1::Ordena_pconv() {
  // The caller writes the panel back when its own command ends.
  Funcao_corrente("Ordenamento de pontos do polígono convexo");
  ::Ordena_pconv(Lista_pconv);
}
