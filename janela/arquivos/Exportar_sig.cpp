// "Exportar para SIG...": the job as it stands in the window, written for GIS by the
// exporter's own core, with the format chosen by the file's extension.

#include <QAction>
#include <filesystem>
#include <string>
#include <vector>

#include "exportar/Falha_exportacao.h"
#include "janela/arquivos/Carregar_modulo_sig.h"
#include "janela/arquivos/DlgExportar.h"
#include "janela/comum/Caixa_espera.h"
#include "janela/principal/Cartavel.h"

namespace {

constexpr const char* Filtro_sig =
    "GeoPackage (*.gpkg)|*.gpkg|Shapefile (*.shp)|*.shp|GeoJSON (*.geojson)|*.geojson"
    "|CSV (*.csv)|*.csv|DXF (*.dxf)|*.dxf";
constexpr const char* Titulo_exportar = "Exportar para SIG";

std::string Juntar_linhas(const std::vector<std::string>& linhas) {
  std::string texto;
  for (const std::string& linha : linhas) texto += " " + linha + "\n";
  return texto;
}

Opcoes_exportar Opcoes(const std::string& saida, const Escolha_exportar& escolha) {
  Opcoes_exportar opcoes;
  opcoes.saida = saida;
  if (!escolha.sistema.empty()) opcoes.srs = escolha.sistema;
  opcoes.mundo = escolha.mundo;
  opcoes.qgis = escolha.qgis;
  if (escolha.geotiff)
    opcoes.geotiff = std::filesystem::path(saida).replace_extension(".tif").string();
  opcoes.sobrescrever = true;  // what already exists is asked about before
  return opcoes;
}

// The points' file was named in the save dialog, which overwrites as saving does; the
// files beside it and beside the scan were not, so replacing them is asked once.
bool Substituir_aceito(Interacao& ui, const Modulo_sig& sig, const Trabalho_lido& trabalho,
                       const Opcoes_exportar& opcoes) {
  std::vector<std::string> existentes = sig.arquivos_a_substituir(trabalho, opcoes);
  std::erase(existentes, *opcoes.saida);
  return existentes.empty() ||
         ui.Caixa_mensagem(" Substituir os arquivos que já existem ?\n" + Juntar_linhas(existentes),
                           Titulo_exportar, Botoes::OK_Cancelar) == Resposta::OK;
}

// The export behind the waiting box; its report, or its one-line refusal, in the usual
// boxes. The worker exports its own copy of the job, which the window cannot change.
void Exportar_esperando(Interacao& ui, QWidget* janela, const Trabalho& trabalho,
                        const Opcoes_exportar& opcoes) {
  try {
    const Modulo_sig& sig = Carregar_modulo_sig();
    Trabalho_lido copia = sig.para_exportar(trabalho);
    if (!Substituir_aceito(ui, sig, copia, opcoes)) return;
    ui.Mensagem_simples(
        Juntar_linhas(Em_segundo_plano(Titulo_exportar, " Exportando para SIG...", janela,
                                       [&sig, copia = std::move(copia), opcoes]() mutable {
                                         return sig.exportar_trabalho(std::move(copia), opcoes);
                                       })));
  } catch (const Falha_exportacao& falha) {
    ui.Caixa_erro(falha.what());
  }
}

}  // namespace

void TForm1::Exportar1Click() {
  if (!Orientacao_em_vigor(trabalho) || trabalho.Lista_pontos.Vazia()) {
    ui.Caixa_mensagem(" Para exportar é preciso uma orientação aceita e pontos digitalizados.",
                      Titulo_exportar, Botoes::OK);
    return;
  }
  Funcao_corrente("Exportar para SIG");
  const auto saida = ui.Salvar_arquivo(Filtro_sig, "gpkg");
  const auto escolha = saida ? DlgExportar->Pedir() : std::nullopt;
  if (escolha) Exportar_esperando(ui, this, trabalho, Opcoes(*saida, *escolha));
  Funcao_corrente("Nenhuma");
}
