#include "exportar/Figura_norte.h"

#include <cpl_conv.h>
#include <cpl_string.h>
#include <gdal_priv.h>
#include <gdal_utils.h>

#include <array>
#include <memory>

#include "exportar/Arquivo_mundo.h"
#include "exportar/Avisos_gdal.h"
#include "exportar/Dados_gdal.h"
#include "exportar/Falha_exportacao.h"
#include "exportar/Gravar_pontos.h"
#include "exportar/Sistema_referencia.h"
#include "nucleo/base/Formatacao.h"

namespace {

// The picture placed by the orientation alone, in memory: a placement or system GDAL
// would find beside it (an old world file, an .aux.xml) is not the job's. A palette is
// expanded to colours, which cubic resampling can blend (its indices it cannot). The
// result reads from `figura`, which must outlive it.
Dados_gdal Figura_orientada(GDALDataset& figura, const Coeficientes& coeficientes,
                            const OGRSpatialReference* sistema) {
  const bool paleta = figura.GetRasterCount() == 1 && figura.GetRasterBand(1)->GetColorTable();
  CPLStringList argumentos(CSLTokenizeString(paleta ? "-of VRT -expand rgb" : "-of VRT"));
  const std::unique_ptr<GDALTranslateOptions, decltype(&GDALTranslateOptionsFree)> opcoes(
      GDALTranslateOptionsNew(argumentos.List(), nullptr), &GDALTranslateOptionsFree);
  Dados_gdal orientada(GDALDataset::FromHandle(
      GDALTranslate("", GDALDataset::ToHandle(&figura), opcoes.get(), nullptr)));
  if (orientada) {
    std::array<double, 6> geo = Geotransformacao(coeficientes);
    orientada->SetGeoTransform(geo.data());
    orientada->SetSpatialRef(sistema);
  }
  return orientada;
}

// GDAL's warper chooses the north-up grid that keeps the scan's resolution and works in
// chunks within the memory limit (megabytes), so a scan of gigapixels is never held whole.
// The fastest deflate takes half the time of the default level for a tenth more bytes,
// and every GIS reads it.
Dados_gdal Entortar(GDALDataset& orientada, const std::string& caminho) {
  CPLStringList argumentos(CSLTokenizeString(
      "-of GTiff -r cubic -dstalpha -wm 256 -wo NUM_THREADS=ALL_CPUS "
      "-co TILED=YES -co COMPRESS=DEFLATE -co ZLEVEL=1 -co PREDICTOR=2 -co BIGTIFF=IF_SAFER"));
  const std::unique_ptr<GDALWarpAppOptions, decltype(&GDALWarpAppOptionsFree)> opcoes(
      GDALWarpAppOptionsNew(argumentos.List(), nullptr), &GDALWarpAppOptionsFree);
  GDALDatasetH origem = GDALDataset::ToHandle(&orientada);
  return Dados_gdal(GDALDataset::FromHandle(
      GDALWarp(caminho.c_str(), nullptr, 1, &origem, opcoes.get(), nullptr)));
}

std::string Conferir_lido(const std::string& caminho, const std::string& saida,
                          const std::string& figura, const OGRSpatialReference* sistema) {
  const Avisos_gdal avisos;
  const Dados_gdal dados(GDALDataset::Open(caminho.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY));
  avisos.Conferir(dados != nullptr, saida, "não pode ser lido de volta pelo GDAL");
  std::array<double, 6> geo{};
  if (dados->GetGeoTransform(geo.data()) != CE_None || geo[2] != 0 || geo[4] != 0)
    throw Falha_exportacao(saida + ": o GDAL não o lê voltado para o norte");
  Conferir_sistema_lido(dados->GetSpatialRef(), sistema,
                        saida + ": o GDAL não o lê no sistema de referência gravado");
  avisos.Conferir(true, saida, "não pode ser lido de volta pelo GDAL");
  return fmt::sprintf("%s: %s voltada para o norte, %d x %d pixels, %s", saida, figura,
                      dados->GetRasterXSize(), dados->GetRasterYSize(), Sistema_relatado(sistema));
}

}  // namespace

std::string Gravar_figura_norte(const std::string& figura, const Coeficientes& coeficientes,
                                const OGRSpatialReference* sistema, const std::string& saida,
                                Gravacao_conjunta& conjunto) {
  const std::string caminho = conjunto.Provisorio(CPLGetFilename(saida.c_str()));
  {
    const Avisos_gdal avisos;
    const Dados_gdal original(GDALDataset::Open(figura.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY));
    avisos.Conferir(original != nullptr, figura, "não pode ser lida pelo GDAL");
    const Dados_gdal orientada = Figura_orientada(*original, coeficientes, sistema);
    avisos.Conferir(orientada != nullptr, figura, "não pode ser lida pelo GDAL");
    Dados_gdal gravado = Entortar(*orientada, caminho);
    avisos.Conferir(gravado != nullptr, saida, "não pode ser gravado");
    gravado.reset();  // the file is complete once closed
    avisos.Conferir(true, saida, "não pode ser gravado");
  }
  Remover_companheiros_antigos(*GetGDALDriverManager()->GetDriverByName("GTiff"), saida, conjunto);
  return Conferir_lido(caminho, saida, figura, sistema);
}
