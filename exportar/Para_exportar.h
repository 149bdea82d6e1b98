#pragma once
// The job held by the window, taken as the exporter takes a job read from its files.

#include "exportar/Leitura_entrada.h"
#include "nucleo/trabalho/Trabalho.h"

// The picture's name, the orientation in force (none before one is accepted), the
// control points and the digitized points.
Trabalho_lido Para_exportar(const Trabalho& trabalho);
