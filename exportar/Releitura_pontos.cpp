#include "exportar/Releitura_pontos.h"

#include <fmt/printf.h>
#include <ogrsf_frmts.h>

#include <memory>

#include "exportar/Avisos_gdal.h"
#include "exportar/Falha_exportacao.h"
#include "exportar/Sistema_referencia.h"

namespace {

// The first of the point's values that was not read back as written: "E 312062.013
// lido de volta como 311702.013"; empty when all were.
std::string Diferenca(OGRFeature& feicao, const Ponto_digitalizado& p, bool h_como_z) {
  const auto* ponto = dynamic_cast<const OGRPoint*>(feicao.GetGeometryRef());
  if (!ponto) return "sem geometria";
  if (h_como_z && ponto->getZ() != p.h)
    return fmt::sprintf("z %.12g lido de volta como %.12g", p.h, ponto->getZ());
  const std::pair<const char*, double> valores[] = {{"x", p.E}, {"y", p.N}, {"ponto", p.Numero},
                                                    {"E", p.E}, {"N", p.N}, {"h", p.h}};
  for (const auto& [nome, esperado] : valores) {
    const int campo = feicao.GetFieldIndex(nome);
    const bool geometria = *nome == 'x' || *nome == 'y';
    if (!geometria && campo < 0) return fmt::sprintf("campo %s ausente", nome);
    const double lido = *nome == 'x'   ? ponto->getX()
                        : *nome == 'y' ? ponto->getY()
                                       : feicao.GetFieldAsDouble(campo);
    if (lido != esperado)
      return fmt::sprintf("%s %.12g lido de volta como %.12g", nome, esperado, lido);
  }
  return {};
}

OGRLayer& Camada(GDALDataset& dados, const std::string& nome, const std::string& saida) {
  OGRLayer* camada =
      dados.GetLayerCount() == 1 ? dados.GetLayer(0) : dados.GetLayerByName(nome.c_str());
  if (!camada) throw Falha_exportacao(saida + ": a camada dos pontos não foi lida de volta");
  return *camada;
}

}  // namespace

Dados_gdal Abrir_com(GDALDriver& driver, const std::string& caminho) {
  const char* const so_ele[] = {driver.GetDescription(), nullptr};
  return Dados_gdal(GDALDataset::Open(caminho.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY, so_ele));
}

void Conferir_pontos_gravados(GDALDriver& driver, const std::string& caminho,
                              const std::string& saida, const Camada_pontos& pedido) {
  const Avisos_gdal avisos;
  const Dados_gdal dados = Abrir_com(driver, caminho);
  avisos.Conferir(dados != nullptr, saida, "não pode ser lido de volta");
  OGRLayer& camada = Camada(*dados, pedido.nome, saida);
  const OGRSpatialReference* sistema = pedido.sistema;
  const Lista<Ponto_digitalizado>& pontos = pedido.pontos;
  const std::string formato = driver.GetDescription();
  if (!Mesmo_sistema(camada.GetSpatialRef(), sistema))
    throw Falha_exportacao(fmt::sprintf(
        "%s: o formato %s não guarda o sistema de referência (%s lido de volta como %s)", saida,
        formato, Nome_sistema(sistema), Nome_sistema(camada.GetSpatialRef())));
  int lidos = 0;
  camada.ResetReading();
  for (const Ponto_digitalizado& p : pontos) {
    const std::unique_ptr<OGRFeature> feicao(camada.GetNextFeature());
    if (!feicao) break;
    ++lidos;
    const std::string diferenca = Diferenca(*feicao, p, pedido.h_como_z);
    if (!diferenca.empty())
      throw Falha_exportacao(
          fmt::sprintf("%s: o formato %s não guarda os pontos como são (ponto %d: %s)", saida,
                       formato, p.Numero, diferenca));
  }
  const std::unique_ptr<OGRFeature> sobra(camada.GetNextFeature());
  avisos.Conferir(lidos == pontos.Quantidade() && !sobra, saida,
                  fmt::sprintf("gravação incompleta: %d de %d pontos lidos de volta", lidos,
                               pontos.Quantidade()));
}
