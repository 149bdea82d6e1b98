#include "nucleo/orientacao/Ajustamento.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

#include "nucleo/base/Erro.h"
#include "nucleo/orientacao/Espessura.h"
#include "nucleo/orientacao/Matrizes.h"

namespace {

// What the data resolve: chart coordinates typed to the millimetre and positions
// clicked to the pixel. A layout thinner than that is a line as far as the data can
// tell, and a fit would make its width out of the rounding.
constexpr double Precisao_carta = 0.001;  // metres
constexpr double Precisao_imagem = 1.0;   // pixels

// No scan stretches its pixels tenfold one way against the other.
constexpr double Alongamento_maximo = 10.0;

using Projecao = std::function<Posicao(const Ponto_orientacao&)>;

bool Degenerada(const std::vector<Ponto_orientacao>& pontos, const Projecao& posicao,
                double precisao) {
  std::vector<Posicao> p;
  for (const auto& ponto : pontos) p.push_back(posicao(ponto));
  return Espessura(std::move(p)) < precisao;
}

Posicao Media(const std::vector<Ponto_orientacao>& pontos, const Projecao& posicao) {
  Posicao soma;
  for (const auto& ponto : pontos) {
    soma.u += posicao(ponto).u;
    soma.v += posicao(ponto).v;
  }
  const double n = static_cast<double>(pontos.size());
  return {Dividir(soma.u, n), Dividir(soma.v, n)};
}

// Rows: the two coordinates of each point less the reference, then ones; one column per
// point. Taken from the mean, the coordinates keep their digits in the fit: grid
// coordinates of millions of metres beside 1 would leave only a few of them. The row of ones stays,
// so the fit finds its own offset and a mean off by rounding costs nothing.
Matriz Matriz_coordenadas(const std::vector<Ponto_orientacao>& pontos, const Projecao& posicao,
                          const Posicao& referencia) {
  Matriz M(3, static_cast<int>(pontos.size()));
  for (int i = 0; i < M.colunas; ++i) {
    const Posicao p = posicao(pontos[static_cast<std::size_t>(i)]);
    M(0, i) = p.u - referencia.u;
    M(1, i) = p.v - referencia.v;
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
  if (Degenerada(pontos, Na_carta, Precisao_carta)) return Configuracao::Degenerada_carta;
  if (Degenerada(pontos, Na_imagem, Precisao_imagem)) return Configuracao::Degenerada_imagem;
  return Configuracao::Valida;
}

// The pixel's sides at their longest and shortest are the singular values s1 >= s2 of
// the linear part: s1^2 + s2^2 is the sum of its squares and s1 s2 its determinant, so
// their quotient s1 / s2 + s2 / s1 passes 10 + 1 / 10 when s1 passes 10 s2.
Configuracao Verificar_pixel(const Coeficientes& c) {
  const double quadrados = c.a * c.a + c.b * c.b + c.d * c.d + c.e * c.e;
  const double determinante = std::fabs(c.a * c.e - c.b * c.d);
  return quadrados > (Alongamento_maximo + 1 / Alongamento_maximo) * determinante
             ? Configuracao::Pixel_alongado
             : Configuracao::Valida;
}

Coeficientes Ajustar_orientacao(const std::vector<Ponto_orientacao>& pontos) {
  const Posicao carta = Media(pontos, Na_carta);
  const Posicao imagem = Media(pontos, Na_imagem);
  const Matriz A = Matriz_coordenadas(pontos, Na_carta, carta);
  const Matriz B = Matriz_coordenadas(pontos, Na_imagem, imagem);
  // T' is the least-squares solution of A' T' = B'; the third columns of B' are ones, so
  // the third row of T comes out (0, 0, 1).
  const Matriz T = Transpor_matriz(Minimos_quadrados(Transpor_matriz(A), Transpor_matriz(B)));
  const Matriz C = Inverter_matriz(T);  // image to chart, both from their means

  // Back to the origins of the coordinates: E - Em = a (x - xm) + b (y - ym) + C02.
  const double a = C(0, 0), b = C(0, 1), d = C(1, 0), e = C(1, 1);
  return Coeficientes{a, b, Verificado(carta.u + C(0, 2) - (a * imagem.u + b * imagem.v)),
                      d, e, Verificado(carta.v + C(1, 2) - (d * imagem.u + e * imagem.v))};
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
