#include "nucleo/navegacao/Vista_geral_calculo.h"

#include <algorithm>
#include <cmath>

#include "nucleo/orientacao/Ajustamento.h"

Mapa_vista_geral::Mapa_vista_geral(int largura_folha, int altura_folha, int largura_janela,
                                   int altura_janela)
    : escala_(std::min(double(std::max(largura_janela, 1)) / std::max(largura_folha, 1),
                       double(std::max(altura_janela, 1)) / std::max(altura_folha, 1))) {}

Retangulo_vista Mapa_vista_geral::Visivel(int rolagem_h, int rolagem_v, int largura_vista,
                                          int altura_vista) const {
  return {rolagem_h * escala_, rolagem_v * escala_, largura_vista * escala_,
          altura_vista * escala_};
}

Ponto_vista Mapa_vista_geral::Rolagem_centrada(double x_vista, double y_vista, int largura_vista,
                                               int altura_vista) const {
  const Ponto_vista folha = Na_folha(x_vista, y_vista);
  return {std::round(folha.x - largura_vista / 2.0), std::round(folha.y - altura_vista / 2.0)};
}

std::vector<Vetor_residuo> Vetores_residuos(const std::vector<Ponto_orientacao>& pontos,
                                            const Coeficientes& coef, double exagero) {
  const double det = coef.a * coef.e - coef.b * coef.d;
  if (det == 0 || !std::isfinite(det)) return {};
  const std::vector<Residuo> residuos = Calcular_residuos(pontos, coef);
  std::vector<Vetor_residuo> vetores;
  for (size_t i = 0; i < residuos.size(); ++i) {
    // The given coordinates lie at minus the residual from the computed ones.
    const double dE = -residuos[i].DeltaE, dN = -residuos[i].DeltaN;
    const double dx = (coef.e * dE - coef.b * dN) / det;
    const double dy = (coef.a * dN - coef.d * dE) / det;
    const Ponto_vista inicio{pontos[i].x, pontos[i].y};
    vetores.push_back({inicio, {inicio.x + exagero * dx, inicio.y + exagero * dy}});
  }
  return vetores;
}

int Exagero_residuos(double maior_residuo_pixels, int lado_maior_folha) {
  if (!(maior_residuo_pixels > 0)) return 1;
  const double limite = lado_maior_folha / 20.0;
  int exagero = 1;
  for (int decada = 1; decada <= 100000; decada *= 10)
    for (int passo : {1, 2, 5})
      if (maior_residuo_pixels * passo * decada <= limite) exagero = passo * decada;
  return exagero;
}
