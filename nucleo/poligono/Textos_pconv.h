#pragma once
// The texts of the limit polygon's report boxes.

#include <cstdint>
#include <string>

#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"
#include "nucleo/poligono/Regiao.h"

// The extreme positions found and the type of the configuration.
std::string Texto_indices(int32_t iW, int32_t iN, int32_t iE, int32_t iS,
                          const Descricao_regiao& desc);

// The type and one coordinate line per sub-region.
std::string Texto_caracterizacao(const Descricao_regiao& desc);

// One line per vertex with its place (from 1) and its position in the point list.
std::string Texto_vertices(const Lista<Vertice_pconv>& pconv);

// The points of one region (numbered from 1), with their positions in the point list.
std::string Texto_regiao(int regiao, const Lista<Ponto_regiao>& pontos);

// The vertex listing of the drawing command.
std::string Texto_ind_pconv(const Lista<Vertice_pconv>& pconv);
