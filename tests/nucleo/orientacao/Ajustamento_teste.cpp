#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <utility>

#include "nucleo/base/Erro.h"
#include "nucleo/orientacao/Ajustamento.h"
#include "tests/apoio/Mensagem_de_erro.h"
#include "tests/nucleo/orientacao/Exemplos_orientacao.h"

namespace {

void Esperar_coeficientes(const Coeficientes& c, const Coeficientes& esperado, double tolerancia) {
  EXPECT_NEAR(c.a, esperado.a, tolerancia);
  EXPECT_NEAR(c.b, esperado.b, tolerancia);
  EXPECT_NEAR(c.c, esperado.c, tolerancia * 1000);
  EXPECT_NEAR(c.d, esperado.d, tolerancia);
  EXPECT_NEAR(c.e, esperado.e, tolerancia);
  EXPECT_NEAR(c.f, esperado.f, tolerancia * 1000);
}

void Esperar_residuos_nulos(const std::vector<Ponto_orientacao>& pontos, const Coeficientes& c) {
  for (const auto& r : Calcular_residuos(pontos, c)) {
    EXPECT_NEAR(r.DeltaE, 0.0, 1e-9);
    EXPECT_NEAR(r.DeltaN, 0.0, 1e-9);
    EXPECT_NEAR(r.DeltaD, 0.0, 1e-9);
  }
}

}  // namespace

TEST(Ajustamento, QuadradoDoExemplo) {
  const auto pontos = Quadrado_100m();
  const Coeficientes c = Ajustar_orientacao(pontos);
  Esperar_coeficientes(c, {0.25, 0.0, 75.0, 0.0, -0.25, 325.0}, 1e-12);
  Esperar_residuos_nulos(pontos, c);
}

TEST(Ajustamento, QuadradoPerturbado) {
  const auto pontos = Quadrado_100m_perturbado();
  const auto residuos = Calcular_residuos(pontos, Ajustar_orientacao(pontos));
  ASSERT_EQ(residuos.size(), 4u);
  const double sinais[] = {-1, 1, -1, 1};
  for (std::size_t i = 0; i < 4; ++i) {
    // Exact values of this least-squares fit: 0.06234375 and 0.06265625 m.
    EXPECT_NEAR(residuos[i].DeltaE, sinais[i] * 0.06234375, 1e-9);
    EXPECT_NEAR(residuos[i].DeltaN, sinais[i] * 0.06265625, 1e-9);
    EXPECT_NEAR(residuos[i].DeltaD, std::hypot(0.06234375, 0.06265625), 1e-9);
  }
  const Estatisticas est = Calcular_estatisticas(residuos);
  EXPECT_NEAR(est.media.DeltaE, 0.0, 1e-9);
  EXPECT_NEAR(est.media.DeltaN, 0.0, 1e-9);
  EXPECT_NEAR(est.desvio.DeltaE, 0.06234375 * std::sqrt(4.0 / 3.0), 1e-9);
  EXPECT_NEAR(est.desvio.DeltaD, 0.0, 1e-9);
}

TEST(Ajustamento, CartasGiradas) {
  // Image position from chart position, and the image-to-chart coefficients expected.
  struct Caso {
    const char* giro;
    std::pair<double, double> (*imagem)(double E, double N);
    Coeficientes esperado;
  };
  const Caso casos[] = {
      // North to the right, east downwards: the first pivot of the chart-to-image matrix
      // is zero.
      {"a quarter turn",
       [](double E, double N) {
         return std::pair{4 * N - 700, 4 * E - 300};
       },
       {0.0, 0.25, 75.0, 0.25, 0.0, 175.0}},
      {"half a turn",
       [](double E, double N) {
         return std::pair{900 - 4 * E, 4 * N - 700};
       },
       {-0.25, 0.0, 225.0, 0.0, 0.25, 175.0}},
      {"three quarters",
       [](double E, double N) {
         return std::pair{1300 - 4 * N, 900 - 4 * E};
       },
       {0.0, -0.25, 225.0, -0.25, 0.0, 325.0}},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.giro);
    auto pontos = Quadrado_100m();
    for (auto& p : pontos) std::tie(p.x, p.y) = caso.imagem(p.E, p.N);
    const Coeficientes c = Ajustar_orientacao(pontos);
    Esperar_coeficientes(c, caso.esperado, 1e-12);
    Esperar_residuos_nulos(pontos, c);
  }
}

TEST(Ajustamento, EstatisticasDividemPorNMenosUm) {
  const std::vector<Residuo> residuos = {
      {0.5, 0, 0.5}, {-0.5, 0, 0.5}, {0.5, 0, 0.5}, {-0.5, 0, 0.5}};
  const Estatisticas est = Calcular_estatisticas(residuos);
  EXPECT_EQ(est.media.DeltaE, 0.0);
  EXPECT_EQ(est.media.DeltaD, 0.5);
  EXPECT_DOUBLE_EQ(est.desvio.DeltaE, std::sqrt(1.0 / 3.0));
  EXPECT_EQ(est.desvio.DeltaN, 0.0);
  EXPECT_EQ(est.desvio.DeltaD, 0.0);
  // One residual has no deviation: an error, not a NaN.
  EXPECT_EQ(Mensagem_de_erro([] {
              Calcular_estatisticas({{0.5, 0, 0.5}});
            }),
            "Invalid floating point operation");
}

TEST(Ajustamento, ConfiguracoesRecusadas) {
  auto pontos = Quadrado_100m();
  EXPECT_EQ(Verificar_configuracao(pontos), Configuracao::Valida);
  EXPECT_EQ(Verificar_configuracao({pontos.begin(), pontos.begin() + 3}),
            Configuracao::Poucos_pontos);
  EXPECT_EQ(Verificar_configuracao({}), Configuracao::Poucos_pontos);

  auto alinhados_na_carta = pontos;
  for (int i = 0; i < 4; ++i)
    alinhados_na_carta[i].E = 100 + 50 * i, alinhados_na_carta[i].N = 300 - 25 * i;
  EXPECT_EQ(Verificar_configuracao(alinhados_na_carta), Configuracao::Degenerada_carta);

  auto repetidos = pontos;
  for (auto& p : repetidos) p.E = 100, p.N = 300;
  EXPECT_EQ(Verificar_configuracao(repetidos), Configuracao::Degenerada_carta);

  auto duas_posicoes = pontos;
  duas_posicoes[2].E = duas_posicoes[0].E, duas_posicoes[2].N = duas_posicoes[0].N;
  duas_posicoes[3].E = duas_posicoes[1].E, duas_posicoes[3].N = duas_posicoes[1].N;
  EXPECT_EQ(Verificar_configuracao(duas_posicoes), Configuracao::Degenerada_carta);

  auto sem_imagem = pontos;  // typed again after a clear: nothing clicked yet
  for (auto& p : sem_imagem) p.x = 0, p.y = 0;
  EXPECT_EQ(Verificar_configuracao(sem_imagem), Configuracao::Degenerada_imagem);

  auto alinhados_na_imagem = pontos;
  for (int i = 0; i < 4; ++i)
    alinhados_na_imagem[i].x = 100 + 30 * i, alinhados_na_imagem[i].y = 500 - 20 * i;
  EXPECT_EQ(Verificar_configuracao(alinhados_na_imagem), Configuracao::Degenerada_imagem);
}

TEST(Ajustamento, DegeneracaoRelativaAoEspalhamentoDosPontos) {
  // Four points from (E0, N0) along (dE, dN), the last one moved sideways by desvio.
  const auto linha = [](double E0, double N0, double dE, double dN, double desvio) {
    std::vector<Ponto_orientacao> pontos;
    for (int i = 0; i < 4; ++i)
      pontos.push_back(
          {101 + i, E0 + dE * i, N0 + dN * i, 100.0 + 400 * (i % 2), 100.0 + 400 * (i / 2)});
    pontos[3].E -= desvio * dN / std::hypot(dE, dN);
    pontos[3].N += desvio * dE / std::hypot(dE, dN);
    return pontos;
  };
  struct Caso {
    const char* nome;
    std::vector<Ponto_orientacao> pontos;
    Configuracao esperada;
  };
  const Caso casos[] = {
      {"on a line near the origin", linha(12.3, 45.6, 12.3, 45.6, 0),
       Configuracao::Degenerada_carta},
      {"on a line, grid coordinates", linha(350000.1, 7400000.3, 12.3, 45.6, 0),
       Configuracao::Degenerada_carta},
      {"on a line at the top of a zone", linha(899999.9, 9999000.7, 0.1, 16.7, 0),
       Configuracao::Degenerada_carta},
      {"50 m layout 1 cm wide at the top of a zone", linha(899999.9, 9999000.7, 0.1, 16.7, 0.01),
       Configuracao::Valida},
      {"thin, real layout", linha(350000, 7400000, 100, 100, 1), Configuracao::Valida},
  };
  for (const Caso& caso : casos)
    EXPECT_EQ(Verificar_configuracao(caso.pontos), caso.esperada) << caso.nome;

  // Three distinct positions clear of one line are enough, even with one repeated.
  auto tres_posicoes = Quadrado_100m();
  tres_posicoes[3] = tres_posicoes[2];
  tres_posicoes[3].Numero = 104;
  EXPECT_EQ(Verificar_configuracao(tres_posicoes), Configuracao::Valida);
}

TEST(Ajustamento, SistemaSingularAcusaErroEmVezDeNaN) {
  auto repetidos = Quadrado_100m();
  for (auto& p : repetidos) p.E = 100, p.N = 300;
  EXPECT_EQ(Mensagem_de_erro([&] { Ajustar_orientacao(repetidos); }),
            "Invalid floating point operation");
}
