// "Exportar para SIG...": the job as it stands in the window, written for GIS by the
// exporter's own core, with the format chosen by the file's extension.

#include <QAction>
#include <filesystem>
#include <string>
#include <vector>

#include "exportar/Exportacao.h"
#include "exportar/Falha_exportacao.h"
#include "exportar/Para_exportar.h"
#include "janela/arquivos/DlgExportar.h"
#include "janela/principal/Cartavel.h"

namespace {

constexpr const char* Filtro_sig =
    "GeoPackage (*.gpkg)|*.gpkg|Shapefile (*.shp)|*.shp|GeoJSON (*.geojson)|*.geojson"
    "|CSV (*.csv)|*.csv|DXF (*.dxf)|*.dxf";

std::string Juntar_linhas(const std::vector<std::string>& linhas) {
  std::string texto;
  for (const std::string& linha : linhas) texto += " " + linha + "\n";
  return texto;
}

}  // namespace

void TForm1::Exportar1Click() {
  if (!Orientacao_em_vigor(trabalho) || trabalho.Lista_pontos.Vazia()) {
    ui.Caixa_mensagem(" Para exportar é preciso uma orientação aceita e pontos digitalizados.",
                      "Exportar para SIG", Botoes::OK);
    return;
  }
  Funcao_corrente("Exportar para SIG");
  const auto saida = ui.Salvar_arquivo(Filtro_sig, "gpkg");
  const auto escolha = saida ? DlgExportar->Pedir() : std::nullopt;
  if (escolha) {
    Opcoes_exportar opcoes;
    opcoes.saida = *saida;
    if (!escolha->sistema.empty()) opcoes.srs = escolha->sistema;
    opcoes.mundo = escolha->mundo;
    if (escolha->geotiff)
      opcoes.geotiff = std::filesystem::path(*saida).replace_extension(".tif").string();
    opcoes.sobrescrever = true;  // the save dialog chose the name knowingly
    try {
      ui.Mensagem_simples(Juntar_linhas(Exportar_trabalho(Para_exportar(trabalho), opcoes)));
    } catch (const Falha_exportacao& falha) {
      ui.Caixa_erro(falha.what());
    }
  }
  Funcao_corrente("Nenhuma");
}
