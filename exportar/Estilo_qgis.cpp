#include "exportar/Estilo_qgis.h"

#include <cpl_conv.h>
#include <fmt/format.h>

#include "exportar/Tabelas_trabalho.h"
#include "exportar/Texto_conferido.h"

namespace {

// One rule of the renderer: the points whose h passes `condicao`, drawn as a disc.
struct Regra {
  const char* rotulo;
  const char* condicao;  // QGIS's expression after the field, XML-escaped; none for ELSE
  const char* cor;       // R,G,B,A
};

// QGIS puts a GeoPackage's style on each of its point layers: the control points, without
// h, go to the last rule, or they would not be drawn at all.
constexpr Regra Regras[] = {{"Profundidades", "&lt; 0", "31,120,180,255"},
                            {"Altitudes", "&gt;= 0", "178,34,34,255"},
                            {"Outros pontos", nullptr, "128,128,128,255"}};

std::string Filtro(const Regra& regra) {
  return regra.condicao ? fmt::format("&quot;{}&quot; {}", Campo_h, regra.condicao) : "ELSE";
}

std::string Texto_regras() {
  std::string regras, simbolos;
  for (std::size_t i = 0; i < std::size(Regras); ++i) {
    regras += fmt::format("      <rule key=\"{0}\" label=\"{0}\" symbol=\"{1}\" filter=\"{2}\"/>\n",
                          Regras[i].rotulo, i, Filtro(Regras[i]));
    simbolos += fmt::format(
        "      <symbol type=\"marker\" name=\"{}\" alpha=\"1\" clip_to_extent=\"1\" "
        "force_rhr=\"0\">\n"
        "        <layer class=\"SimpleMarker\" enabled=\"1\" locked=\"0\" pass=\"0\">\n"
        "          <prop k=\"color\" v=\"{}\"/>\n"
        "          <prop k=\"name\" v=\"circle\"/>\n"
        "          <prop k=\"outline_color\" v=\"35,35,35,255\"/>\n"
        "          <prop k=\"size\" v=\"2\"/>\n"
        "        </layer>\n"
        "      </symbol>\n",
        i, Regras[i].cor);
  }
  return "    <rules key=\"regras\">\n" + regras + "    </rules>\n    <symbols>\n" + simbolos +
         "    </symbols>\n";
}

std::string Texto_estilo_qgis() {
  return "<!DOCTYPE qgis PUBLIC 'http://mrcc.com/qgis.dtd' 'SYSTEM'>\n"
         "<qgis version=\"3.22.0\" styleCategories=\"Symbology|Labeling\" labelsEnabled=\"1\">\n"
         "  <renderer-v2 type=\"RuleRenderer\" symbollevels=\"0\" enableorderby=\"0\" "
         "forceraster=\"0\">\n" +
         Texto_regras() +
         "  </renderer-v2>\n"
         "  <labeling type=\"simple\">\n"
         "    <settings calloutType=\"simple\">\n" +
         fmt::format(
             "      <text-style fieldName=\"{}\" isExpression=\"0\" fontSize=\"8\" "
             "fontSizeUnit=\"Point\" textColor=\"0,0,0,255\"/>\n",
             Campo_h) +
         "      <placement placement=\"0\" dist=\"1\" distUnits=\"MM\"/>\n"
         "    </settings>\n"
         "  </labeling>\n"
         "  <layerGeometryType>0</layerGeometryType>\n"
         "</qgis>\n";
}

}  // namespace

std::string Caminho_estilo(const std::string& saida) {
  return CPLResetExtension(saida.c_str(), "qml");
}

std::string Gravar_estilo_qgis(const std::string& saida, const Gravacao_conjunta& conjunto) {
  const std::string estilo = Caminho_estilo(saida);
  Gravar_texto_conferido(conjunto.Provisorio(CPLGetFilename(estilo.c_str())), Texto_estilo_qgis(),
                         estilo);
  return estilo +
         ": estilo do QGIS para os pontos (profundidades e altitudes em duas cores, h "
         "como rótulo)";
}
