#include "exportar/Sistema_referencia.h"

#include <fmt/printf.h>

#include "exportar/Falha_exportacao.h"

OGRSpatialReference Ler_sistema_referencia(const std::string& definicao) {
  OGRSpatialReference sistema;
  if (definicao.empty() || sistema.SetFromUserInput(definicao.c_str()) != OGRERR_NONE)
    throw Falha_exportacao(fmt::sprintf("sistema de referência desconhecido: %s", definicao));
  sistema.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
  return sistema;
}

std::string Nome_sistema(const OGRSpatialReference& sistema) {
  const char* nome = sistema.GetName();
  return nome ? nome : "sistema sem nome";
}
