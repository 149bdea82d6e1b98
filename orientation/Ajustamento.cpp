#include "orientation/Ajustamento.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "app/Erro.h"
#include "orientation/Matrizes.h"

namespace {

// Positions closer than this fraction of the largest coordinate count as one
// position, and a configuration thinner than it counts as a line. Exactly repeated or
// collinear points come out some 1e-16 of the coordinates apart after rounding.
constexpr double Tolerancia_relativa = 1e-9;

struct Posicao {
  double u = 0.0;
  double v = 0.0;
};

using Projecao = std::function<Posicao(const Ponto_orientacao&)>;

double Distancia(const Posicao& p, const Posicao& q) {
  return std::hypot(q.u - p.u, q.v - p.v);
}

// True when the positions do not hold three points clear of one line. Measured
// against the line from the first position to the one farthest from it, which is at
// least half the configuration's extent: the cross products then lose only rounding
// of the size of the coordinates themselves.
bool Degenerada(const std::vector<Ponto_orientacao>& pontos, const Projecao& posicao) {
  std::vector<Posicao> p;
  double maior_coordenada = 0.0;
  for (const auto& ponto : pontos) {
    p.push_back(posicao(ponto));
    maior_coordenada = std::max({maior_coordenada, std::fabs(p.back().u), std::fabs(p.back().v)});
  }
  const double limite = Tolerancia_relativa * maior_coordenada;
  const Posicao a = p.front();
  const Posicao b = *std::max_element(p.begin(), p.end(), [&](const Posicao& x, const Posicao& y) {
    return Distancia(a, x) < Distancia(a, y);
  });
  const double base = Distancia(a, b);
  if (!(base > limite)) return true;
  return std::none_of(p.begin(), p.end(), [&](const Posicao& c) {
    const double produto = (b.u - a.u) * (c.v - a.v) - (b.v - a.v) * (c.u - a.u);
    return std::fabs(produto) / base > limite;
  });
}

// Rows: the two coordinates of each point, then ones; one column per point.
Matriz Matriz_coordenadas(const std::vector<Ponto_orientacao>& pontos, const Projecao& posicao) {
  Matriz M(3, static_cast<int>(pontos.size()));
  for (int i = 0; i < M.colunas; ++i) {
    const Posicao p = posicao(pontos[static_cast<std::size_t>(i)]);
    M(0, i) = p.u;
    M(1, i) = p.v;
    M(2, i) = 1.0;
  }
  return M;
}

Posicao Na_carta(const Ponto_orientacao& p) {
  return {p.E, p.N};
}
Posicao Na_imagem(const Ponto_orientacao& p) {
  return {p.x, p.y};
}

}  // namespace

Configuracao Verificar_configuracao(const std::vector<Ponto_orientacao>& pontos) {
  if (pontos.size() < static_cast<std::size_t>(Minimo_pontos_orientacao))
    return Configuracao::Poucos_pontos;
  if (Degenerada(pontos, Na_carta)) return Configuracao::Degenerada_carta;
  if (Degenerada(pontos, Na_imagem)) return Configuracao::Degenerada_imagem;
  return Configuracao::Valida;
}

Coeficientes Ajustar_orientacao(const std::vector<Ponto_orientacao>& pontos) {
  const Matriz A = Matriz_coordenadas(pontos, Na_carta);
  const Matriz B = Matriz_coordenadas(pontos, Na_imagem);
  const Matriz At = Transpor_matriz(A);

  const Matriz M1 = Multiplicar_matrizes(B, At);
  const Matriz M2 = Multiplicar_matrizes(A, At);  // the normal matrix
  const Matriz M3 = Inverter_matriz(M2);
  const Matriz T = Multiplicar_matrizes(M1, M3);  // chart to image
  const Matriz C = Inverter_matriz(T);            // image to chart

  return Coeficientes{C(0, 0), C(0, 1), C(0, 2), C(1, 0), C(1, 1), C(1, 2)};
}

std::vector<Residuo> Calcular_residuos(const std::vector<Ponto_orientacao>& pontos,
                                       const Coeficientes& coef) {
  std::vector<Residuo> residuos;
  for (const auto& p : pontos) {
    Residuo r;
    r.DeltaE = Verificado(coef.Este(p.x, p.y) - p.E);
    r.DeltaN = Verificado(coef.Norte(p.x, p.y) - p.N);
    r.DeltaD = Verificado(std::sqrt(r.DeltaE * r.DeltaE + r.DeltaN * r.DeltaN));
    residuos.push_back(r);
  }
  return residuos;
}

namespace {

using Serie = double Residuo::*;

double Media(const std::vector<Residuo>& residuos, Serie serie) {
  double soma = 0.0;
  for (const auto& r : residuos) soma += r.*serie;
  return Dividir(soma, static_cast<double>(residuos.size()));
}

double Desvio_padrao(const std::vector<Residuo>& residuos, Serie serie, double media) {
  double soma = 0.0;
  for (const auto& r : residuos) soma += (r.*serie - media) * (r.*serie - media);
  return std::sqrt(Dividir(soma, static_cast<double>(residuos.size()) - 1.0));
}

}  // namespace

Estatisticas Calcular_estatisticas(const std::vector<Residuo>& residuos) {
  Estatisticas est;
  for (Serie serie : {&Residuo::DeltaE, &Residuo::DeltaN, &Residuo::DeltaD}) {
    est.media.*serie = Media(residuos, serie);
    est.desvio.*serie = Desvio_padrao(residuos, serie, est.media.*serie);
  }
  return est;
}
