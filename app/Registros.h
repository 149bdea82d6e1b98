#pragma once
// The plain records that the lists of the job hold. Records compare field by field.

#include <array>
#include <cstdint>
#include <string>

struct Ponto_orientacao {
  int32_t Numero = 0;
  double E = 0.0;
  double N = 0.0;
  double x = 0.0;  // image column, pixels
  double y = 0.0;  // image row, pixels, growing downwards

  bool operator==(const Ponto_orientacao&) const = default;
};

struct Ponto_digitalizado {
  int32_t Numero = 0;
  int32_t Marca_pconv = -1;  // -1: not a vertex of the limit polygon; k >= 1: its place in order
  double E = 0.0;
  double N = 0.0;
  double x = 0.0;
  double y = 0.0;
  double h = 0.0;  // altitude as typed; depths are kept negative

  bool operator==(const Ponto_digitalizado&) const = default;
};

// One vertex of the limit polygon: order key and position in Lista_pontos.
struct Vertice_pconv {
  int32_t Ordem = 0;
  int32_t Indice = 0;

  bool operator==(const Vertice_pconv&) const = default;
};

// One point assigned to a region outside an edge of the limit polygon.
struct Ponto_regiao {
  int32_t Indice = 0;
  char Codigo = 'E';  // 'E' classified by side, 'S' lying on the segment's line

  bool operator==(const Ponto_regiao&) const = default;
};

struct Descricao_regiao {
  int32_t Tipo_regiao = 300;  // 300: not determined
  int32_t Num_subregioes = 0;
  uint8_t Marca = 0;  // kept for the record's layout; nothing reads it
  std::array<int32_t, 4> Indices_extremos{};
  std::array<double, 6> E{};
  std::array<double, 6> N{};
  std::array<std::string, 5> Textos_regiao{};

  bool operator==(const Descricao_regiao&) const = default;
};

// The sizes to which a reset returns the window and the image control.
struct Tamanhos_iniciais {
  int32_t Largura_janela = 829;
  int32_t Altura_janela = 605;
  int32_t Largura_imagem = 809;
  int32_t Altura_imagem = 585;
};

// Image-to-chart affine transform: E = a*x + b*y + c, N = d*x + e*y + f.
struct Coeficientes {
  double a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;

  double Este(double x, double y) const { return a * x + b * y + c; }
  double Norte(double x, double y) const { return d * x + e * y + f; }

  bool operator==(const Coeficientes&) const = default;
};

struct Par_inteiro {
  int32_t x = 0;
  int32_t y = 0;
};
