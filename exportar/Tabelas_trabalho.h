#pragma once
// The job's layers: the points (ponto, E, N, h; h also as Z when asked), the limit
// polygon (with its vertex count) and the control points with their residuals (ponto, E,
// N, x, y, DeltaE, DeltaN: computed minus given, as the orientation report gives them),
// each under the name given.

#include <optional>
#include <string>
#include <vector>

#include "exportar/Tabela_gdal.h"
#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"
#include "nucleo/orientacao/Coeficientes.h"

// The points' height: altitudes as typed, depths negative (as the job keeps them).
inline constexpr const char* Campo_h = "h";

Tabela_gdal Tabela_pontos(const Lista<Ponto_digitalizado>& pontos, const std::string& nome,
                          bool h_como_z);

// The limit polygon, its vertices in their order; nothing when the job has none.
std::optional<Tabela_gdal> Tabela_poligono(const Lista<Ponto_digitalizado>& pontos,
                                           const std::string& nome);

Tabela_gdal Tabela_controle(const std::vector<Ponto_orientacao>& controle,
                            const Coeficientes& coeficientes, const std::string& nome);
