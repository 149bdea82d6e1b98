#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "nucleo/base/Erro.h"
#include "nucleo/orientacao/Escala.h"
#include "tests/apoio/Mensagem_de_erro.h"
#include "tests/nucleo/orientacao/Exemplos_orientacao.h"

TEST(Escala, QuadradoDoExemplo) {
  const auto pontos = Quadrado_100m();
  EXPECT_DOUBLE_EQ(Perimetro_carta(pontos), 400.0);
  EXPECT_DOUBLE_EQ(Perimetro_imagem(pontos), 1600.0);
  EXPECT_EQ(Denominador_escala(400.0, 1600.0, 96), 944.0);    // 943.30...
  EXPECT_EQ(Denominador_escala(400.0, 1600.0, 120), 1181.0);  // 1181.10...
  const Escala_aprox escala = Calcular_escala(pontos, 96);
  EXPECT_EQ(escala.perimetro_carta, 400.0);
  EXPECT_EQ(escala.perimetro_imagem, 1600.0);
  EXPECT_EQ(escala.escala, 944.0);
}

TEST(Escala, QuadradoPerturbadoMantemAEscala) {
  const auto pontos = Quadrado_100m_perturbado();
  EXPECT_EQ(Denominador_escala(Perimetro_carta(pontos), Perimetro_imagem(pontos), 96), 944.0);
}

TEST(Escala, PoligonoFechadoNaOrdemDaLista) {
  // A 3-4-5 triangle: two sides in list order and the closing side back to the first point.
  const std::vector<Ponto_orientacao> triangulo = {
      {101, 0, 0, 0, 0}, {102, 3, 0, 30, 0}, {103, 3, 4, 30, 40}};
  EXPECT_DOUBLE_EQ(Perimetro_carta(triangulo), 12.0);
  EXPECT_DOUBLE_EQ(Perimetro_imagem(triangulo), 120.0);
  // The order matters: the same points crossing over.
  const std::vector<Ponto_orientacao> cruzado = {
      {101, 0, 0, 0, 0}, {102, 1, 1, 0, 0}, {103, 1, 0, 0, 0}, {104, 0, 1, 0, 0}};
  EXPECT_DOUBLE_EQ(Perimetro_carta(cruzado), 2 + 2 * std::sqrt(2.0));
}

TEST(Escala, SemPerimetroNaImagemAcusaErro) {
  const std::vector<Ponto_orientacao> sem_imagem = {{101, 0, 0, 0, 0}, {102, 3, 0, 0, 0}};
  EXPECT_EQ(Perimetro_imagem(sem_imagem), 0.0);
  EXPECT_EQ(Mensagem_de_erro([&] { Denominador_escala(Perimetro_carta(sem_imagem), 0.0, 96); }),
            "Floating point division by zero");
}
