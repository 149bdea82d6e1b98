#include "exportar/Pontos_georreferenciador.h"

#include <cpl_conv.h>
#include <gdal_alg.h>

#include <cmath>
#include <memory>

#include "exportar/Arquivo_mundo.h"
#include "exportar/Falha_exportacao.h"
#include "exportar/Texto_conferido.h"
#include "nucleo/base/Formatacao.h"

namespace {

constexpr std::size_t Minimo_pontos = 3;  // a plane through three points, per coordinate
constexpr double Tolerancia = 0.001;      // metres

// QGIS takes the system from the first line, in the WKT it writes there itself.
std::string Linha_sistema(const OGRSpatialReference& sistema) {
  char* wkt = nullptr;
  const char* const opcoes[] = {"FORMAT=WKT2_2019", "MULTILINE=NO", nullptr};
  sistema.exportToWkt(&wkt, opcoes);
  const std::string linha = std::string("#CRS: ") + (wkt ? wkt : "") + "\n";
  CPLFree(wkt);
  return linha;
}

// The points as GDAL takes them: the centre of the pixel clicked, rows downward.
std::vector<GDAL_GCP> Pontos_gcp(const std::vector<Ponto_orientacao>& controle) {
  static char vazio[] = "";
  std::vector<GDAL_GCP> gcps;
  for (const Ponto_orientacao& p : controle)
    gcps.push_back({vazio, vazio, Centro_pixel(p.x), Centro_pixel(p.y), p.E, p.N, 0});
  return gcps;
}

// QGIS counts the rows upward, and computes the residuals (the last three columns) again
// as it loads the points.
std::string Texto_pontos(const std::vector<GDAL_GCP>& gcps, const OGRSpatialReference* sistema) {
  std::string texto = sistema ? Linha_sistema(*sistema) : "";
  texto += "mapX,mapY,sourceX,sourceY,enable,dX,dY,residual\n";
  for (const GDAL_GCP& p : gcps)
    texto += fmt::sprintf("%.10f,%.10f,%.10f,%.10f,1,0,0,0\n", p.dfGCPX, p.dfGCPY, p.dfGCPPixel,
                          -p.dfGCPLine);
  return texto;
}

struct Destruir_transformador {
  void operator()(void* transformador) const { GDALDestroyGCPTransformer(transformador); }
};

// The largest distance, in metres, between where GDAL's first-order fit of the points
// and the world file put the control pixels; infinite when GDAL fits nothing.
double Maior_diferenca(const std::vector<GDAL_GCP>& gcps, const Coeficientes& coeficientes) {
  const std::unique_ptr<void, Destruir_transformador> ajuste(
      GDALCreateGCPTransformer(static_cast<int>(gcps.size()), gcps.data(), 1, FALSE));
  if (!ajuste) return INFINITY;
  const std::array<double, 6> g = Geotransformacao(coeficientes);
  double maior = 0;
  for (const GDAL_GCP& gcp : gcps) {
    double x = gcp.dfGCPPixel, y = gcp.dfGCPLine, z = 0;
    int feito = FALSE;
    if (!GDALGCPTransform(ajuste.get(), FALSE, 1, &x, &y, &z, &feito) || !feito) return INFINITY;
    maior = std::max(maior, std::hypot(x - (g[0] + g[1] * gcp.dfGCPPixel + g[2] * gcp.dfGCPLine),
                                       y - (g[3] + g[4] * gcp.dfGCPPixel + g[5] * gcp.dfGCPLine)));
  }
  return maior;
}

}  // namespace

std::string Caminho_pontos_qgis(const std::string& figura) {
  return figura + ".points";
}

void Conferir_pontos_qgis(const std::vector<Ponto_orientacao>& controle,
                          const Coeficientes& coeficientes) {
  if (controle.size() < Minimo_pontos)
    throw Falha_exportacao(fmt::sprintf(
        "o georreferenciador do QGIS precisa de ao menos %d pontos de controle, e o arquivo "
        "tem %d",
        Minimo_pontos, controle.size()));
  // The orientation of a file edited by hand may not be the fit of its points.
  const double diferenca = Maior_diferenca(Pontos_gcp(controle), coeficientes);
  if (!std::isfinite(diferenca))
    throw Falha_exportacao(
        "os pontos de controle não dão ao georreferenciador do QGIS um ajuste de 1ª ordem "
        "(estão numa linha)");
  if (diferenca > Tolerancia)
    throw Falha_exportacao(fmt::sprintf(
        "o ajuste dos pontos de controle não dá a orientação do arquivo (diferença de %.3f m): "
        "o georreferenciador do QGIS não poria a imagem onde o arquivo de mundo a põe",
        diferenca));
}

std::string Gravar_pontos_qgis(const std::string& figura,
                               const std::vector<Ponto_orientacao>& controle,
                               const OGRSpatialReference* sistema,
                               const Gravacao_conjunta& conjunto) {
  const std::string pontos = Caminho_pontos_qgis(figura);
  Gravar_texto_conferido(conjunto.Provisorio(CPLGetFilename(pontos.c_str())),
                         Texto_pontos(Pontos_gcp(controle), sistema), pontos);
  return fmt::sprintf("%s: %d pontos de controle para o georreferenciador do QGIS", pontos,
                      controle.size());
}
