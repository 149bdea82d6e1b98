#include "exportar/Acrescimo_camadas.h"

#include <cpl_conv.h>

#include "exportar/Avisos_gdal.h"
#include "exportar/Falha_exportacao.h"
#include "exportar/Gravacao_conjunta.h"
#include "exportar/Releitura_pontos.h"
#include "nucleo/base/Formatacao.h"

void Conferir_acrescimo(GDALDriver& driver, const std::string& saida,
                        const std::vector<Tabela_gdal>& tabelas, bool substituir) {
  if (!EQUAL(driver.GetDescription(), "GPKG"))
    throw Falha_exportacao(saida + ": --acrescentar só acrescenta camadas a um GeoPackage (.gpkg)");
  if (!Existe_no_gdal(saida)) return;
  // QGIS keeps a GeoPackage it has open in WAL mode: its latest changes are in the -wal
  // file beside it, which a copy of the file alone would lose.
  const std::string wal = saida + "-wal";
  if (Existe_no_gdal(wal))
    throw Falha_exportacao(fmt::sprintf(
        "%s: está aberto em outro programa (há um %s ao lado); feche-o e tente de novo", saida,
        CPLGetFilename(wal.c_str())));
  const Avisos_gdal avisos;
  const Dados_gdal dados = Abrir_com(driver, saida);
  avisos.Conferir(dados != nullptr, saida, "não pode ser lido como GeoPackage");
  for (const Tabela_gdal& tabela : tabelas)
    if (!substituir && dados->GetLayerByName(tabela.nome.c_str()))
      throw Falha_exportacao(fmt::sprintf(
          "%s: já tem a camada %s (use --camada para dar outro nome, ou --sobrescrever para "
          "substituí-la)",
          saida, tabela.nome));
}
