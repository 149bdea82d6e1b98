#include "exportar/Sistema_referencia.h"

#include "exportar/Falha_exportacao.h"
#include "nucleo/base/Formatacao.h"

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

std::string Sistema_relatado(const OGRSpatialReference* sistema) {
  return sistema ? Nome_sistema(*sistema) : "sem sistema de referência (use --srs para dar um)";
}

std::string Nome_sistema(const OGRSpatialReference* sistema) {
  return sistema ? Nome_sistema(*sistema) : "nenhum";
}

namespace {

// A GeoPackage layer without a system reads back with one of the format's placeholders
// for none ("Undefined geographic SRS", "Undefined Cartesian SRS").
bool Indefinido(const OGRSpatialReference* sistema) {
  return !sistema || STARTS_WITH(Nome_sistema(*sistema).c_str(), "Undefined ");
}

}  // namespace

bool Mesmo_sistema(const OGRSpatialReference* lido, const OGRSpatialReference* dado) {
  if (Indefinido(lido) || !dado) return Indefinido(lido) && !dado;
  const char* const criterios[] = {"IGNORE_DATA_AXIS_TO_SRS_AXIS_MAPPING=YES", nullptr};
  return lido->IsSame(dado, criterios);
}

void Conferir_sistema_lido(const OGRSpatialReference* lido, const OGRSpatialReference* gravado,
                           const std::string& queixa) {
  if (!Mesmo_sistema(lido, gravado))
    throw Falha_exportacao(fmt::sprintf("%s (%s lido de volta como %s)", queixa,
                                        Nome_sistema(gravado), Nome_sistema(lido)));
}
