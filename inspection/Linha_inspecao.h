#pragma once
// One line of the inspection window: number, E, N, vertical value and polygon mark in
// fixed-width columns under the window's header.

#include <string>

#include "app/Registros.h"

std::string Linha_inspecao(const Ponto_digitalizado& ponto);
