#pragma once
// "Calcular orientação" without its boxes: the check of the control points, the fit, the
// approximate scale, the residuals and their statistics, and the report's text, or the
// reason the points cannot determine an orientation.

#include <optional>
#include <string>
#include <vector>

#include "nucleo/base/Registros.h"
#include "nucleo/orientacao/Ajustamento.h"
#include "nucleo/orientacao/Coeficientes.h"
#include "nucleo/orientacao/Escala.h"

struct Orientacao_calculada {
  Coeficientes coeficientes;
  Escala_aprox escala;
  std::string relatorio;  // the statistics box's text
};

struct Resultado_orientacao {
  Configuracao configuracao = Configuracao::Valida;
  std::optional<Orientacao_calculada> calculada;  // present exactly when Valida
};

// The scale is that of the screen at ppi pixels per inch. Floating-point faults of the
// computation raise their errors; nothing is computed for a refused configuration.
Resultado_orientacao Orientar(const std::vector<Ponto_orientacao>& pontos, double ppi);

// The refusal box's text for a configuration other than Valida.
const char* Texto_recusa(Configuracao configuracao);
