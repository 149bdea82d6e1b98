#pragma once
// The overview's geometry: the whole sheet scaled to fit a window, with its top-left
// corner at the window's, and the residual vectors of the orientation drawn on it.

#include <vector>

#include "nucleo/base/Registros.h"
#include "nucleo/orientacao/Coeficientes.h"

struct Ponto_vista {
  double x = 0, y = 0;
};

struct Retangulo_vista {
  double x = 0, y = 0, largura = 0, altura = 0;
};

// Sheet pixels to overview pixels and back, for a sheet of the given size in a window of
// the given size: one scale both ways, the largest at which the whole sheet fits.
class Mapa_vista_geral {
 public:
  Mapa_vista_geral(int largura_folha, int altura_folha, int largura_janela, int altura_janela);
  double Escala() const { return escala_; }
  Ponto_vista Na_vista(double x, double y) const { return {x * escala_, y * escala_}; }
  Ponto_vista Na_folha(double x, double y) const { return {x / escala_, y / escala_}; }
  // The part of the sheet the main view shows, from its scroll positions and its size.
  Retangulo_vista Visivel(int rolagem_h, int rolagem_v, int largura_vista, int altura_vista) const;
  // The scroll positions that centre the main view on the sheet point under an overview
  // pixel (the scroll bars keep them within their ranges).
  Ponto_vista Rolagem_centrada(double x_vista, double y_vista, int largura_vista,
                               int altura_vista) const;

 private:
  double escala_;
};

// A control point's residual on the sheet: from the pixel where it was clicked towards
// the pixel where its typed coordinates fall, `exagero` times as long.
struct Vetor_residuo {
  Ponto_vista inicio, fim;
};

// The residuals (computed minus given, metres) mapped back through the orientation's
// linear part. Empty when that part cannot be inverted.
std::vector<Vetor_residuo> Vetores_residuos(const std::vector<Ponto_orientacao>& pontos,
                                            const Coeficientes& coef, double exagero);

// The exaggeration shown as "resíduos × N": the largest of 1, 2, 5, 10, 20, 50 ... at
// which the longest residual (sheet pixels) stays within a twentieth of the sheet's
// longer side; 1 when the residuals are that long already or all zero.
int Exagero_residuos(double maior_residuo_pixels, int lado_maior_folha);
