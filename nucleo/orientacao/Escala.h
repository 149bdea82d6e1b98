#pragma once
// The approximate scale of the chart as shown on the screen: the closed polygon
// through the control points measured on the chart and on the image.

#include <vector>

#include "nucleo/base/Registros.h"

// Result of the approximate scale computation.
struct Escala_aprox {
  double escala = 0.0;            // denominator, rounded down
  double perimetro_carta = 0.0;   // metres
  double perimetro_imagem = 0.0;  // pixels
};

// Length in chart metres of the closed polygon through the points in list order.
double Perimetro_carta(const std::vector<Ponto_orientacao>& pontos);

// The same polygon measured with the image positions, in pixels.
double Perimetro_imagem(const std::vector<Ponto_orientacao>& pontos);

// Denominator of the scale, rounded down: the chart perimeter against the image
// perimeter shown at ppi pixels per inch.
double Denominador_escala(double perimetro_carta, double perimetro_imagem, double ppi);

// The scale of the polygon through the points, shown at ppi pixels per inch.
Escala_aprox Calcular_escala(const std::vector<Ponto_orientacao>& pontos, double ppi);
