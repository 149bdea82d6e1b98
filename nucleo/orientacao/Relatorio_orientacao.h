#pragma once
// The text of the orientation's statistics box: the residual of each control point,
// their means and standard deviations, and the ground size of one pixel.

#include <string>
#include <vector>

#include "nucleo/orientacao/Ajustamento.h"

std::string Texto_estatistica(const std::vector<Residuo>& residuos, const Estatisticas& est,
                              double metros_por_pixel);
