#include "exportar/Exportacao.h"

#include <cpl_conv.h>
#include <cpl_error.h>
#include <gdal_priv.h>

#include <filesystem>
#include <memory>
#include <optional>

#include "exportar/Acrescimo_camadas.h"
#include "exportar/Arquivo_mundo.h"
#include "exportar/Avisos_gdal.h"
#include "exportar/Dados_gdal.h"
#include "exportar/Estilo_qgis.h"
#include "exportar/Falha_exportacao.h"
#include "exportar/Figura_no_mapa.h"
#include "exportar/Figura_norte.h"
#include "exportar/Gravacao_conjunta.h"
#include "exportar/Gravar_pontos.h"
#include "exportar/Leitura_entrada.h"
#include "exportar/Pontos_georreferenciador.h"
#include "exportar/Sistema_referencia.h"
#include "exportar/Tabelas_trabalho.h"
#include "nucleo/base/Arquivo_regular.h"
#include "nucleo/base/Formatacao.h"

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

// A points' file reached through a symbolic link is changed where the link leads, as
// any program writing to it does: the link stays a link. One that leads nowhere is
// replaced by the new file.
std::string Alvo_do_link(const std::string& caminho) {
  std::error_code erro;
  if (!std::filesystem::is_symlink(caminho, erro)) return caminho;
  const std::filesystem::path alvo = std::filesystem::canonical(caminho, erro);
  return erro ? caminho : alvo.string();
}

// What the run will write, found and checked before anything is.
struct Plano {
  Trabalho_lido trabalho;
  std::optional<OGRSpatialReference> sistema;
  GDALDriver* driver = nullptr;  // with -o
  std::string figura;            // with --world or --geotiff

  // With -o: the layers of the points' file.
  std::vector<Tabela_gdal> tabelas;

  // When set, the files found where the run would write are listed here, not refused.
  std::vector<std::string>* existentes = nullptr;

  const OGRSpatialReference* Sistema() const { return sistema ? &*sistema : nullptr; }
};

// A file where the plan writes: listed when the plan lists them, otherwise refused
// unless replacing was asked for.
void Recusar_existente(const Plano& plano, const std::string& caminho,
                       const Opcoes_exportar& opcoes) {
  if (!plano.existentes) return Recusar_existente(caminho, opcoes);
  if (Existe_no_gdal(caminho)) plano.existentes->push_back(caminho);
}

// The warped copy must not take the scan's place, nor the points' file's.
void Conferir_saida_geotiff(const Plano& plano, const std::string& geotiff,
                            const Opcoes_exportar& opcoes) {
  const auto mesmo = [&](const std::string& outro) {
    return Resolvido(geotiff) == Resolvido(outro);
  };
  if (mesmo(plano.figura))
    throw Falha_exportacao(geotiff + ": é a imagem escaneada (o GeoTIFF precisa de outro nome)");
  if (opcoes.saida && mesmo(*opcoes.saida))
    throw Falha_exportacao(geotiff + ": é o arquivo dos pontos (o GeoTIFF precisa de outro nome)");
  Recusar_existente(plano, geotiff, opcoes);
}

// Formats of one layer a file hold the points alone.
bool Com_controle(const Plano& plano) {
  return plano.driver && Varias_camadas(*plano.driver) && !plano.trabalho.controle.empty();
}

// The job's other layers take the points' layer's name, so that the jobs added to one
// file keep theirs apart; under the default name they keep their plain names.
std::string Nome_ligado(const Opcoes_exportar& opcoes, const std::string& tema) {
  return opcoes.camada == Opcoes_exportar{}.camada ? tema : opcoes.camada + "_" + tema;
}

// The layers of the points' file: a file of one layer holds the points alone.
std::vector<Tabela_gdal> Tabelas(const Plano& plano, const Opcoes_exportar& opcoes) {
  std::vector<Tabela_gdal> tabelas{
      Tabela_pontos(plano.trabalho.pontos, opcoes.camada, opcoes.h_como_z)};
  if (!Varias_camadas(*plano.driver)) return tabelas;
  if (std::optional<Tabela_gdal> poligono =
          Tabela_poligono(plano.trabalho.pontos, Nome_ligado(opcoes, "poligono_limite")))
    tabelas.push_back(std::move(*poligono));
  if (Com_controle(plano))
    tabelas.push_back(Tabela_controle(plano.trabalho.controle, *plano.trabalho.coeficientes,
                                      Nome_ligado(opcoes, "pontos_controle")));
  return tabelas;
}

// The points' file: a new one, or the GeoPackage the layers are added to.
void Planejar_pontos(Plano& plano, const Opcoes_exportar& opcoes) {
  plano.tabelas = Tabelas(plano, opcoes);
  if (opcoes.acrescentar)
    Conferir_acrescimo(*plano.driver, *opcoes.saida, plano.tabelas, opcoes.sobrescrever);
  else
    Recusar_existente(plano, *opcoes.saida, opcoes);
  if (opcoes.qgis) Recusar_existente(plano, Caminho_estilo(*opcoes.saida), opcoes);
}

// The scan's companions (--world), its north-up copy (--geotiff).
void Planejar_figura(Plano& plano, const Opcoes_exportar& opcoes) {
  // A relative name is taken from the current folder, as the program opens it.
  plano.figura = *plano.trabalho.imagem;
  Conferir_figura(plano.figura);
  if (opcoes.geotiff) Conferir_saida_geotiff(plano, *opcoes.geotiff, opcoes);
  if (!opcoes.mundo) return;
  Recusar_existente(plano, Caminho_mundo(plano.figura), opcoes);
  Recusar_existente(plano, plano.figura + ".aux.xml", opcoes);
  if (opcoes.qgis) {
    Conferir_pontos_qgis(plano.trabalho.controle, *plano.trabalho.coeficientes);
    Recusar_existente(plano, Caminho_pontos_qgis(plano.figura), opcoes);
  }
}

Plano Planejar(Trabalho_lido trabalho, const Opcoes_exportar& opcoes,
               std::vector<std::string>* existentes = nullptr) {
  Plano plano{std::move(trabalho), {}, nullptr, {}, {}, existentes};
  if (opcoes.srs) plano.sistema = Ler_sistema_referencia(*opcoes.srs);
  if (opcoes.saida) plano.driver = &Driver_vetorial(*opcoes.saida);
  const bool com_figura = opcoes.mundo || opcoes.geotiff;
  if (com_figura || Com_controle(plano)) Conferir_orientacao(*plano.trabalho.coeficientes);
  if (opcoes.saida) Planejar_pontos(plano, opcoes);
  if (com_figura) Planejar_figura(plano, opcoes);
  return plano;
}

std::string Relato_pontos(const Plano& plano, const std::string& saida) {
  return fmt::sprintf("%s: %d pontos, formato %s, %s", saida, plano.trabalho.pontos.Quantidade(),
                      plano.driver->GetDescription(), Sistema_relatado(plano.Sistema()));
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
                                                          bool acrescentar) {
  const std::string alvo = Alvo_do_link(saida);
  auto conjunto = std::make_unique<Gravacao_conjunta>(CPLGetPath(alvo.c_str()));
  const std::string nome = CPLGetFilename(alvo.c_str());
  if (acrescentar && Existe_no_gdal(alvo)) conjunto->Copiar_para_alterar(nome);
  Gravar_pontos(*plano.driver, conjunto->Provisorio(nome), saida, plano.Sistema(), plano.tabelas);
  Remover_companheiros_antigos(*plano.driver, alvo, *conjunto);
  return conjunto;
}

// Whatever GDAL says is heard where it matters (Avisos_gdal) and said in the refusal's
// one line; the rest must not reach the window's terminal as stray lines.
void Preparar_gdal() {
  GDALAllRegister();
  CPLSetErrorHandler(CPLQuietErrorHandler);
}

}  // namespace

std::vector<std::string> Exportar(const Opcoes_exportar& opcoes) {
  return Exportar_trabalho(Ler_entrada(opcoes.entrada), opcoes);
}

std::vector<std::string> Arquivos_a_substituir(Trabalho_lido trabalho,
                                               const Opcoes_exportar& opcoes) {
  Preparar_gdal();
  std::vector<std::string> existentes;
  Planejar(std::move(trabalho), opcoes, &existentes);
  return existentes;
}

std::vector<std::string> Exportar_trabalho(Trabalho_lido trabalho, const Opcoes_exportar& opcoes) {
  Preparar_gdal();
  const Plano plano = Planejar(std::move(trabalho), opcoes);
  std::vector<std::string> relato;
  std::vector<std::unique_ptr<Gravacao_conjunta>> conjuntos;
  if (opcoes.saida) {
    conjuntos.push_back(Gravar_conjunto_pontos(plano, *opcoes.saida, opcoes.acrescentar));
    relato.push_back(Relato_pontos(plano, *opcoes.saida));
    for (std::size_t i = 1; i < plano.tabelas.size(); ++i)
      relato.push_back(Relato_camada(*opcoes.saida, plano.tabelas[i]));
    if (opcoes.qgis) relato.push_back(Gravar_estilo_qgis(*opcoes.saida, *conjuntos.back()));
  }
  if (opcoes.mundo) {
    conjuntos.push_back(std::make_unique<Gravacao_conjunta>(CPLGetPath(plano.figura.c_str())));
    for (std::string& linha : Gravar_posicao_figura(plano.figura, *plano.trabalho.coeficientes,
                                                    plano.Sistema(), *conjuntos.back()))
      relato.push_back(std::move(linha));
    if (opcoes.qgis)
      relato.push_back(Gravar_pontos_qgis(plano.figura, plano.trabalho.controle, plano.Sistema(),
                                          *conjuntos.back()));
  }
  if (opcoes.geotiff) {
    conjuntos.push_back(std::make_unique<Gravacao_conjunta>(CPLGetPath(opcoes.geotiff->c_str())));
    relato.push_back(Gravar_figura_norte(plano.figura, *plano.trabalho.coeficientes,
                                         plano.Sistema(), *opcoes.geotiff, *conjuntos.back()));
  }
  // Companions too: a new shapefile must not take an unrelated old .dbf's place unasked.
  for (const auto& conjunto : conjuntos)
    for (const std::string& existente : conjunto->Existentes())
      Recusar_existente(existente, opcoes);
  for (const auto& conjunto : conjuntos) conjunto->Publicar();
  return relato;
}
