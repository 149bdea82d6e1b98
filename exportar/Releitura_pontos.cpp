#include "exportar/Releitura_pontos.h"

#include <ogrsf_frmts.h>

#include <memory>

#include "exportar/Avisos_gdal.h"
#include "exportar/Falha_exportacao.h"
#include "exportar/Sistema_referencia.h"
#include "nucleo/base/Formatacao.h"

namespace {

// The first of the feature's values that was not read back as written: "x 312062.013
// lido de volta como 311702.013"; empty when all were.
std::string Diferenca(OGRFeature& feicao, const Feicao_tabela& f, const Tabela_gdal& tabela) {
  std::vector<std::tuple<const char*, double, double>> valores;
  if (tabela.poligono) {
    const auto* poligono = dynamic_cast<const OGRPolygon*>(feicao.GetGeometryRef());
    const OGRLinearRing* anel = poligono ? poligono->getExteriorRing() : nullptr;
    if (!anel || anel->getNumPoints() != static_cast<int>(f.anel.size()) + 1)
      return "polígono sem os seus vértices";
    for (std::size_t i = 0; i < f.anel.size(); ++i) {
      valores.emplace_back("x", f.anel[i][0], anel->getX(static_cast<int>(i)));
      valores.emplace_back("y", f.anel[i][1], anel->getY(static_cast<int>(i)));
    }
  } else {
    const auto* ponto = dynamic_cast<const OGRPoint*>(feicao.GetGeometryRef());
    if (!ponto) return "sem geometria";
    valores = {{"x", f.x, ponto->getX()}, {"y", f.y, ponto->getY()}};
    if (tabela.com_z) valores.emplace_back("z", f.z, ponto->getZ());
  }
  for (std::size_t i = 0; i < tabela.campos.size(); ++i) {
    const int campo = feicao.GetFieldIndex(tabela.campos[i].nome);
    if (campo < 0) return fmt::sprintf("campo %s ausente", tabela.campos[i].nome);
    valores.emplace_back(tabela.campos[i].nome, f.valores[i], feicao.GetFieldAsDouble(campo));
  }
  for (const auto& [nome, esperado, lido] : valores)
    if (lido != esperado)
      return fmt::sprintf("%s %.12g lido de volta como %.12g", nome, esperado, lido);
  return {};
}

OGRLayer& Camada(GDALDataset& dados, const std::string& nome, const std::string& saida) {
  OGRLayer* camada =
      dados.GetLayerCount() == 1 ? dados.GetLayer(0) : dados.GetLayerByName(nome.c_str());
  if (!camada) throw Falha_exportacao(saida + ": a camada " + nome + " não foi lida de volta");
  return *camada;
}

}  // namespace

Dados_gdal Abrir_com(GDALDriver& driver, const std::string& caminho, unsigned modo) {
  const char* const so_ele[] = {driver.GetDescription(), nullptr};
  return Dados_gdal(GDALDataset::Open(caminho.c_str(), GDAL_OF_VECTOR | modo, so_ele));
}

void Conferir_pontos_gravados(GDALDriver& driver, const std::string& caminho,
                              const std::string& saida, const OGRSpatialReference* sistema,
                              const Tabela_gdal& tabela) {
  const Avisos_gdal avisos;
  const Dados_gdal dados = Abrir_com(driver, caminho);
  avisos.Conferir(dados != nullptr, saida, "não pode ser lido de volta");
  OGRLayer& camada = Camada(*dados, tabela.nome, saida);
  const std::string formato = driver.GetDescription();
  Conferir_sistema_lido(
      camada.GetSpatialRef(), sistema,
      fmt::sprintf("%s: o formato %s não guarda o sistema de referência", saida, formato));
  int lidos = 0;
  camada.ResetReading();
  for (const Feicao_tabela& f : tabela.feicoes) {
    const std::unique_ptr<OGRFeature> feicao(camada.GetNextFeature());
    if (!feicao) break;
    ++lidos;
    const std::string diferenca = Diferenca(*feicao, f, tabela);
    if (!diferenca.empty())
      throw Falha_exportacao(
          fmt::sprintf("%s: o formato %s não guarda os pontos como são (ponto %d: %s)", saida,
                       formato, f.numero, diferenca));
  }
  const std::unique_ptr<OGRFeature> sobra(camada.GetNextFeature());
  avisos.Conferir(lidos == static_cast<int>(tabela.feicoes.size()) && !sobra, saida,
                  fmt::sprintf("gravação incompleta: %d de %d pontos lidos de volta", lidos,
                               tabela.feicoes.size()));
}
