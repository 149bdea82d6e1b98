#include "exportar/Exportacao.h"

#include <cpl_conv.h>
#include <fmt/printf.h>
#include <gdal_priv.h>

#include <filesystem>
#include <memory>
#include <optional>

#include "exportar/Arquivo_mundo.h"
#include "exportar/Avisos_gdal.h"
#include "exportar/Dados_gdal.h"
#include "exportar/Falha_exportacao.h"
#include "exportar/Figura_no_mapa.h"
#include "exportar/Figura_norte.h"
#include "exportar/Gravacao_conjunta.h"
#include "exportar/Gravar_pontos.h"
#include "exportar/Leitura_entrada.h"
#include "exportar/Sistema_referencia.h"
#include "exportar/Tabelas_trabalho.h"
#include "nucleo/base/Arquivo_regular.h"

namespace {

void Recusar_existente(const std::string& caminho, const Opcoes_exportar& opcoes) {
  if (Existe_no_gdal(caminho) && !opcoes.sobrescrever)
    throw Falha_exportacao(caminho + ": já existe (use --sobrescrever para substituí-lo)");
}

// Only a regular file goes to GDAL: a named pipe would keep it waiting for a writer.
void Conferir_figura(const std::string& figura) {
  errno = 0;
  if (!Arquivo(Abrir_arquivo_regular(figura, "rb")))
    throw Falha_exportacao(fmt::sprintf("%s: a imagem escaneada não pode ser lida (%s)", figura,
                                        Motivo_nao_lido(figura)));
  const Avisos_gdal avisos;
  const Dados_gdal dados(
      GDALDataset::Open(figura.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY | GDAL_OF_VERBOSE_ERROR));
  if (!dados)
    throw Falha_exportacao(fmt::sprintf("%s: a imagem escaneada não pode ser lida pelo GDAL (%s)",
                                        figura, avisos.Motivo()));
}

// A path with links and dots resolved as far as the system lets it be.
std::filesystem::path Resolvido(const std::string& caminho) {
  std::error_code erro;
  const std::filesystem::path resolvido = std::filesystem::weakly_canonical(caminho, erro);
  return erro ? std::filesystem::path(caminho).lexically_normal() : resolvido;
}

// The warped copy must not take the scan's place, nor the points' file's.
void Conferir_saida_geotiff(const std::string& geotiff, const std::string& figura,
                            const Opcoes_exportar& opcoes) {
  const auto mesmo = [&](const std::string& outro) {
    return Resolvido(geotiff) == Resolvido(outro);
  };
  if (mesmo(figura))
    throw Falha_exportacao(geotiff + ": é a imagem escaneada (o GeoTIFF precisa de outro nome)");
  if (opcoes.saida && mesmo(*opcoes.saida))
    throw Falha_exportacao(geotiff + ": é o arquivo dos pontos (o GeoTIFF precisa de outro nome)");
  Recusar_existente(geotiff, opcoes);
}

// What the run will write, found and checked before anything is.
struct Plano {
  Trabalho_lido trabalho;
  std::optional<OGRSpatialReference> sistema;
  GDALDriver* driver = nullptr;  // with -o
  std::string figura;            // with --world or --geotiff
};

// Formats of one layer a file hold the points alone.
bool Com_controle(const Plano& plano) {
  return plano.driver && Varias_camadas(*plano.driver) && !plano.trabalho.controle.empty();
}

Plano Planejar(Trabalho_lido trabalho, const Opcoes_exportar& opcoes) {
  Plano plano{std::move(trabalho), {}, nullptr, {}};
  if (opcoes.srs) plano.sistema = Ler_sistema_referencia(*opcoes.srs);
  if (opcoes.saida) {
    plano.driver = &Driver_vetorial(*opcoes.saida);
    Recusar_existente(*opcoes.saida, opcoes);
  }
  const bool com_figura = opcoes.mundo || opcoes.geotiff;
  if (com_figura || Com_controle(plano)) Conferir_orientacao(*plano.trabalho.coeficientes);
  if (com_figura) {
    // A relative name is taken from the current folder, as the program opens it.
    plano.figura = *plano.trabalho.imagem;
    Conferir_figura(plano.figura);
  }
  if (opcoes.geotiff) Conferir_saida_geotiff(*opcoes.geotiff, plano.figura, opcoes);
  if (opcoes.mundo) {
    Recusar_existente(Caminho_mundo(plano.figura), opcoes);
    Recusar_existente(plano.figura + ".aux.xml", opcoes);
  }
  return plano;
}

std::string Relato_pontos(const Plano& plano, const std::string& saida) {
  return fmt::sprintf("%s: %d pontos, formato %s, %s", saida, plano.trabalho.pontos.Quantidade(),
                      plano.driver->GetDescription(),
                      plano.sistema ? Nome_sistema(*plano.sistema)
                                    : "sem sistema de referência (use --srs para dar um)");
}

// The layers of the points' file: a file of one layer holds the points alone.
std::vector<Tabela_gdal> Tabelas(const Plano& plano, const Opcoes_exportar& opcoes) {
  std::vector<Tabela_gdal> tabelas{
      Tabela_pontos(plano.trabalho.pontos, opcoes.camada, opcoes.h_como_z)};
  if (!Varias_camadas(*plano.driver)) return tabelas;
  if (std::optional<Tabela_gdal> poligono = Tabela_poligono(plano.trabalho.pontos))
    tabelas.push_back(std::move(*poligono));
  if (Com_controle(plano))
    tabelas.push_back(Tabela_controle(plano.trabalho.controle, *plano.trabalho.coeficientes));
  return tabelas;
}

std::string Relato_camada(const std::string& saida, const Tabela_gdal& tabela) {
  if (tabela.poligono)
    return fmt::sprintf("%s: polígono limite de %d vértices, camada %s", saida,
                        tabela.feicoes.front().anel.size(), tabela.nome);
  return fmt::sprintf("%s: %d pontos de controle com os resíduos, camada %s", saida,
                      tabela.feicoes.size(), tabela.nome);
}

// The points' file with its companions.
std::unique_ptr<Gravacao_conjunta> Gravar_conjunto_pontos(const Plano& plano,
                                                          const std::string& saida,
                                                          const std::vector<Tabela_gdal>& tabelas) {
  auto conjunto = std::make_unique<Gravacao_conjunta>(CPLGetPath(saida.c_str()));
  const std::string nome = CPLGetFilename(saida.c_str());
  Gravar_pontos(*plano.driver, conjunto->Provisorio(nome), saida,
                plano.sistema ? &*plano.sistema : nullptr, tabelas);
  Remover_companheiros_antigos(*plano.driver, saida, *conjunto);
  return conjunto;
}

}  // namespace

std::vector<std::string> Exportar(const Opcoes_exportar& opcoes) {
  return Exportar_trabalho(Ler_entrada(opcoes.entrada), opcoes);
}

std::vector<std::string> Exportar_trabalho(Trabalho_lido trabalho, const Opcoes_exportar& opcoes) {
  GDALAllRegister();
  const Plano plano = Planejar(std::move(trabalho), opcoes);
  std::vector<std::string> relato;
  std::vector<std::unique_ptr<Gravacao_conjunta>> conjuntos;
  if (opcoes.saida) {
    const std::vector<Tabela_gdal> tabelas = Tabelas(plano, opcoes);
    conjuntos.push_back(Gravar_conjunto_pontos(plano, *opcoes.saida, tabelas));
    relato.push_back(Relato_pontos(plano, *opcoes.saida));
    for (std::size_t i = 1; i < tabelas.size(); ++i)
      relato.push_back(Relato_camada(*opcoes.saida, tabelas[i]));
  }
  if (opcoes.mundo) {
    conjuntos.push_back(std::make_unique<Gravacao_conjunta>(CPLGetPath(plano.figura.c_str())));
    for (std::string& linha :
         Gravar_posicao_figura(plano.figura, *plano.trabalho.coeficientes,
                               plano.sistema ? &*plano.sistema : nullptr, *conjuntos.back()))
      relato.push_back(std::move(linha));
  }
  if (opcoes.geotiff) {
    conjuntos.push_back(std::make_unique<Gravacao_conjunta>(CPLGetPath(opcoes.geotiff->c_str())));
    relato.push_back(Gravar_figura_norte(plano.figura, *plano.trabalho.coeficientes,
                                         plano.sistema ? &*plano.sistema : nullptr, *opcoes.geotiff,
                                         *conjuntos.back()));
  }
  // Companions too: a new shapefile must not take an unrelated old .dbf's place unasked.
  for (const auto& conjunto : conjuntos)
    for (const std::string& existente : conjunto->Existentes())
      Recusar_existente(existente, opcoes);
  for (const auto& conjunto : conjuntos) conjunto->Publicar();
  return relato;
}
