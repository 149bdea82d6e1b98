#include "nucleo/orientacao/Escala.h"

#include <cmath>
#include <utility>

#include "nucleo/base/Erro.h"

namespace {

constexpr double Metros_por_polegada = 0.0254;

// Sides from each point to the next, then the closing side from the first point to
// the last.
template <typename Coordenadas>
double Perimetro_fechado(const std::vector<Ponto_orientacao>& pontos, Coordenadas coordenadas) {
  if (pontos.empty()) return 0.0;
  auto lado = [&](const Ponto_orientacao& p, const Ponto_orientacao& q) {
    const auto [px, py] = coordenadas(p);
    const auto [qx, qy] = coordenadas(q);
    return std::sqrt((px - qx) * (px - qx) + (py - qy) * (py - qy));
  };
  double perimetro = 0.0;
  for (std::size_t i = 0; i + 1 < pontos.size(); ++i) perimetro += lado(pontos[i], pontos[i + 1]);
  perimetro += lado(pontos.front(), pontos.back());
  return Verificado(perimetro);
}

}  // namespace

double Perimetro_carta(const std::vector<Ponto_orientacao>& pontos) {
  return Perimetro_fechado(pontos, [](const Ponto_orientacao& p) { return std::pair{p.E, p.N}; });
}

double Perimetro_imagem(const std::vector<Ponto_orientacao>& pontos) {
  return Perimetro_fechado(pontos, [](const Ponto_orientacao& p) { return std::pair{p.x, p.y}; });
}

double Denominador_escala(double perimetro_carta, double perimetro_imagem, double ppi) {
  const double perimetro_tela = Dividir(perimetro_imagem * Metros_por_polegada, ppi);
  return std::floor(Dividir(perimetro_carta, perimetro_tela));
}

Escala_aprox Calcular_escala(const std::vector<Ponto_orientacao>& pontos, double ppi) {
  Escala_aprox escala;
  escala.perimetro_carta = Perimetro_carta(pontos);
  escala.perimetro_imagem = Perimetro_imagem(pontos);
  escala.escala = Denominador_escala(escala.perimetro_carta, escala.perimetro_imagem, ppi);
  return escala;
}
