#include "exportar/Exportacao.h"

#include <cpl_conv.h>
#include <cpl_vsi.h>
#include <fmt/printf.h>
#include <gdal_priv.h>

#include <functional>
#include <optional>

#include "exportar/Arquivo_mundo.h"
#include "exportar/Dados_gdal.h"
#include "exportar/Falha_exportacao.h"
#include "exportar/Gravar_pontos.h"
#include "exportar/Leitura_entrada.h"
#include "exportar/Sistema_referencia.h"

namespace {

bool Existe(const std::string& caminho) {
  VSIStatBufL estado;
  return VSIStatL(caminho.c_str(), &estado) == 0;
}

// The driver removes a file with its companions (a shapefile's .dbf, .shx, .prj); a file
// it does not take for one of its own is removed as a plain file.
void Apagar(GDALDriver& driver, const std::string& caminho) {
  CPLPushErrorHandler(CPLQuietErrorHandler);
  driver.Delete(caminho.c_str());
  CPLPopErrorHandler();
  if (Existe(caminho)) VSIUnlink(caminho.c_str());
}

void Recusar_existente(const std::string& caminho, const Opcoes_exportar& opcoes) {
  if (Existe(caminho) && !opcoes.sobrescrever)
    throw Falha_exportacao(caminho + ": já existe (use --sobrescrever para substituí-lo)");
}

Dados_gdal Abrir_figura(const std::string& figura) {
  Dados_gdal dados(GDALDataset::Open(figura.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY));
  if (!dados)
    throw Falha_exportacao(fmt::sprintf("%s: a imagem escaneada não pode ser lida pelo GDAL (%s)",
                                        figura, CPLGetLastErrorMsg()));
  return dados;
}

// What the run will write, found and checked before anything is.
struct Plano {
  Trabalho_lido trabalho;
  std::optional<OGRSpatialReference> sistema;
  GDALDriver* driver = nullptr;    // with -o
  std::string figura, mundo, aux;  // with --world; aux only with --srs
};

Plano Planejar(const Opcoes_exportar& opcoes) {
  Plano plano{Ler_entrada(opcoes.entrada), {}, nullptr, {}, {}, {}};
  if (opcoes.srs) plano.sistema = Ler_sistema_referencia(*opcoes.srs);
  if (opcoes.saida) {
    plano.driver = &Driver_vetorial(*opcoes.saida);
    Recusar_existente(*opcoes.saida, opcoes);
  }
  if (opcoes.mundo) {
    Conferir_orientacao(*plano.trabalho.coeficientes);
    // A relative name is taken from the current folder, as the program opens it.
    plano.figura = *plano.trabalho.imagem;
    Abrir_figura(plano.figura);
    plano.mundo = Caminho_mundo(plano.figura);
    Recusar_existente(plano.mundo, opcoes);
    if (plano.sistema) {
      plano.aux = plano.figura + ".aux.xml";
      Recusar_existente(plano.aux, opcoes);
    }
  }
  return plano;
}

std::string Descricao_sistema(const Plano& plano) {
  return plano.sistema ? Nome_sistema(*plano.sistema)
                       : "sem sistema de referência (use --srs para dar um)";
}

std::string Gravar_mundo(const Plano& plano) {
  std::array<double, 6> geo = Geotransformacao(*plano.trabalho.coeficientes);
  const std::string extensao = CPLGetExtension(plano.mundo.c_str());
  if (!GDALWriteWorldFile(plano.figura.c_str(), extensao.c_str(), geo.data()))
    throw Falha_exportacao(
        fmt::sprintf("%s: não pode ser gravado (%s)", plano.mundo, CPLGetLastErrorMsg()));
  return fmt::sprintf("%s: arquivo de mundo de %s", plano.mundo, plano.figura);
}

// GDAL keeps what a read-only picture cannot hold in its .aux.xml, written as the
// picture is closed.
std::string Gravar_sistema_da_figura(const Plano& plano) {
  VSIUnlink(plano.aux.c_str());  // an old one could hold a placement of its own
  Dados_gdal figura = Abrir_figura(plano.figura);
  figura->SetSpatialRef(&*plano.sistema);
  figura.reset();
  if (!Existe(plano.aux))
    throw Falha_exportacao(
        fmt::sprintf("%s: não pode ser gravado (%s)", plano.aux, CPLGetLastErrorMsg()));
  return fmt::sprintf("%s: %s", plano.aux, Nome_sistema(*plano.sistema));
}

// The files written so far, removed again if a later one fails.
class Gravacoes {
 public:
  ~Gravacoes() {
    if (!concluidas_)
      for (const auto& desfazer : desfazer_) desfazer();
  }
  void Feita(std::function<void()> desfazer) { desfazer_.push_back(std::move(desfazer)); }
  void Concluir() { concluidas_ = true; }

 private:
  std::vector<std::function<void()>> desfazer_;
  bool concluidas_ = false;
};

}  // namespace

std::vector<std::string> Exportar(const Opcoes_exportar& opcoes) {
  const Plano plano = Planejar(opcoes);
  std::vector<std::string> relato;
  Gravacoes gravacoes;
  const OGRSpatialReference* sistema = plano.sistema ? &*plano.sistema : nullptr;
  if (opcoes.saida) {
    const std::string& saida = *opcoes.saida;
    if (Existe(saida)) Apagar(*plano.driver, saida);
    Gravar_pontos(*plano.driver, saida, plano.trabalho.pontos, sistema);
    gravacoes.Feita([driver = plano.driver, saida] { Apagar(*driver, saida); });
    relato.push_back(fmt::sprintf("%s: %d pontos, formato %s, %s", saida,
                                  plano.trabalho.pontos.Quantidade(),
                                  plano.driver->GetDescription(), Descricao_sistema(plano)));
  }
  if (opcoes.mundo) {
    relato.push_back(Gravar_mundo(plano));
    gravacoes.Feita([mundo = plano.mundo] { VSIUnlink(mundo.c_str()); });
    if (sistema) {
      relato.push_back(Gravar_sistema_da_figura(plano));
    } else {
      relato.push_back(plano.figura + ": " + Descricao_sistema(plano));
    }
  }
  gravacoes.Concluir();
  return relato;
}
