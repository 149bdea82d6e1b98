// Control points along thin strips at the sizes of real sheets, chart coordinates typed
// to the millimetre and clicks in whole pixels. A layout is either refused for a reason
// the data bear out, or its report is the exact least-squares fit's to the micrometre.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "nucleo/base/Formatacao.h"
#include "nucleo/orientacao/Ajustamento.h"
#include "tests/nucleo/orientacao/Ajuste_independente.h"
#include "tests/nucleo/orientacao/Disposicoes_aleatorias.h"

namespace {

using Exato = __float128;

enum Espremida { Ambas, So_carta, So_imagem };

struct Faixa {
  std::vector<Ponto_orientacao> pontos;
  Espremida espremida = Ambas;
  double razao = 0.0;             // thickness over length of the squeezed layouts
  double espessura_carta = 0.0;   // metres, before the typing
  double espessura_imagem = 0.0;  // pixels, before the rounding of the clicks
};

// n points in a rectangle of pixels (its corners among them, so its short side is the
// layout's thickness), placed on the chart by a turned pixel at a UTM origin. A layout
// not squeezed is 0.3 of its length thick.
Faixa Faixa_aleatoria(std::mt19937_64& g) {
  std::uniform_real_distribution<double> u(0.0, 1.0);
  const double comprimento = Log_uniforme(g, 10.0, 2e5);
  const double pixel =
      Log_uniforme(g, std::max(0.02, comprimento / 1e5), std::min(50.0, comprimento / 10));
  Faixa f;
  f.razao = Log_uniforme(g, 1e-9, 1e-2);
  f.espremida = static_cast<Espremida>(g() % 3);
  const auto [cosseno, seno] = Giro_aleatorio(g);
  const Coeficientes t =
      Transformacao(pixel, cosseno, seno, u(g) < 0.5, 3e5 + 4e5 * u(g), 7e6 + 3e6 * u(g));
  // Plain names, not a structured binding: the lambda below captures them.
  const std::pair<double, double> giro_faixa = Giro_aleatorio(g);
  const double cos_faixa = giro_faixa.first, sen_faixa = giro_faixa.second;

  const double L = comprimento / pixel;
  const double fina = f.razao * L, larga = 0.3 * L;
  const double na_imagem = f.espremida == So_carta ? larga : fina;
  const double na_carta = f.espremida == So_imagem ? larga : fina;
  f.espessura_imagem = na_imagem;
  f.espessura_carta = na_carta * pixel;
  const int n = 4 + static_cast<int>(g() % 9);
  for (int i = 0; i < n; ++i) {
    const double s = (i < 4 ? i % 2 : u(g)) - 0.5;
    const double w = (i < 4 ? i / 2 : u(g)) - 0.5;
    const auto posicao = [&](double espessura) {
      return std::pair{0.6 * L + 1 + s * L * cos_faixa - w * espessura * sen_faixa,
                       0.6 * L + 1 + s * L * sen_faixa + w * espessura * cos_faixa};
    };
    const auto [x, y] = posicao(na_imagem);
    const auto [xc, yc] = posicao(na_carta);
    f.pontos.push_back({101 + i, std::round(t.Este(xc, yc) * 1000) / 1000,
                        std::round(t.Norte(xc, yc) * 1000) / 1000, std::round(x), std::round(y)});
  }
  return f;
}

// Longer side over shorter side of the parallelogram a pixel maps to: the ratio of the
// singular values of the linear part.
double Alongamento(const Afim<Exato>& c) {
  const auto soma = static_cast<long double>(c.a * c.a + c.b * c.b + c.d * c.d + c.e * c.e);
  const auto produto = static_cast<long double>(c.a * c.e - c.b * c.d);
  const long double k = soma / std::fabs(produto);  // ratio plus its inverse
  return static_cast<double>((k + std::sqrt(k * k - 4)) / 2);
}

Configuracao Verificar(const std::vector<Ponto_orientacao>& pontos) {
  const Configuracao configuracao = Verificar_configuracao(pontos);
  if (configuracao != Configuracao::Valida) return configuracao;
  return Verificar_pixel(Ajustar_orientacao(pontos));
}

// Typing to the millimetre and clicking to the pixel move a point by at most half the
// diagonal of the unit, so a layout's thickness by at most that diagonal.
constexpr double Diagonal = 1.4142135623730951;

}  // namespace

TEST(Ajustamento_faixa_estreita, RecusaSoOQueOsDadosNaoResolvemEAceitaComRelatorioExato) {
  std::mt19937_64 gerador(24);
  double pior = 0.0;
  std::string onde;
  for (int caso = 0; caso < 20000; ++caso) {
    const Faixa f = Faixa_aleatoria(gerador);
    const std::string descricao =
        fmt::sprintf("case %d: squeezed %d, ratio %.2g, %.4g m and %.4g px thick", caso,
                     f.espremida, f.razao, f.espessura_carta, f.espessura_imagem);
    const Afim<Exato> exato = Ajuste_independente<Exato>(f.pontos);
    switch (Verificar(f.pontos)) {
      case Configuracao::Valida: {
        const auto residuos = Calcular_residuos(f.pontos, Ajustar_orientacao(f.pontos));
        for (std::size_t i = 0; i < f.pontos.size(); ++i) {
          const Ponto_orientacao& p = f.pontos[i];
          const double erro = std::max(
              std::fabs(residuos[i].DeltaE - static_cast<double>(exato.Este(p.x, p.y) - p.E)),
              std::fabs(residuos[i].DeltaN - static_cast<double>(exato.Norte(p.x, p.y) - p.N)));
          if (erro > pior) pior = erro, onde = descricao;
        }
        break;
      }
      case Configuracao::Degenerada_carta:
        EXPECT_LT(f.espessura_carta, 1e-3 * (1 + Diagonal)) << descricao;
        break;
      case Configuracao::Degenerada_imagem:
        EXPECT_LT(f.espessura_imagem, 1 + Diagonal) << descricao;
        break;
      case Configuracao::Pixel_alongado:
        EXPECT_GT(Alongamento(exato), 10.0) << descricao;
        break;
      case Configuracao::Poucos_pontos:
        ADD_FAILURE() << descricao;
    }
    // Clear of every threshold by more than the rounding, a layout must be taken.
    if (f.espremida == Ambas && f.espessura_carta > 3e-3 && f.espessura_imagem > 3) {
      EXPECT_EQ(Verificar(f.pontos), Configuracao::Valida) << descricao;
    }
    // Squeezed on one side only, 20 times over after the rounding: the pixel is long.
    const double fina =  // in units of the rounding
        f.espremida == So_imagem ? f.espessura_imagem : f.espessura_carta * 1000;
    if (f.espremida != Ambas && 0.3 * fina / f.razao > 20 * (fina + Diagonal)) {
      EXPECT_NE(Verificar(f.pontos), Configuracao::Valida) << descricao;
    }
  }
  RecordProperty("pior_erro_m", fmt::sprintf("%.3g at %s", pior, onde));
  EXPECT_LT(pior, 1e-6) << onde;
}

TEST(Ajustamento_faixa_estreita, DisposicoesSemSentidoSaoRecusadas) {
  // Typed to the millimetre on one line and clicked along it.
  const std::vector<Ponto_orientacao> alinhados = {{101, 612658.392, 9876378.256, 500, 500},
                                                   {102, 615925.281, 9877040.487, 7133, 1166},
                                                   {103, 619192.169, 9877702.718, 13767, 1831},
                                                   {104, 622459.058, 9878364.949, 20400, 2497}};
  EXPECT_EQ(Verificar(alinhados), Configuracao::Degenerada_carta);
  // 20 m by 2 mm on the chart against a square on the image.
  const std::vector<Ponto_orientacao> espremidos = {{101, 512345.678, 7654321.000, 100, 100},
                                                    {102, 512365.678, 7654321.000, 500, 100},
                                                    {103, 512365.678, 7654321.002, 500, 500},
                                                    {104, 512345.678, 7654321.002, 100, 500}};
  EXPECT_EQ(Verificar(espremidos), Configuracao::Pixel_alongado);
  // Half a pixel wide over 20 000 on the image, the chart its exact image at 1 m a pixel.
  std::vector<Ponto_orientacao> meio_pixel = {{101, 0, 0, 100, 100},
                                              {102, 0, 0, 6767, 100},
                                              {103, 0, 0, 13433, 101},
                                              {104, 0, 0, 20100, 101}};
  for (auto& p : meio_pixel) p.E = 500000 + p.x, p.N = 8000000 - p.y;
  EXPECT_EQ(Verificar(meio_pixel), Configuracao::Degenerada_imagem);
}
