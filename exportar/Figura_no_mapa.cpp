#include "exportar/Figura_no_mapa.h"

#include <cpl_conv.h>
#include <cpl_vsi.h>
#include <gdal_priv.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "exportar/Arquivo_mundo.h"
#include "exportar/Avisos_gdal.h"
#include "exportar/Dados_gdal.h"
#include "exportar/Falha_exportacao.h"
#include "exportar/Sistema_referencia.h"
#include "nucleo/base/Formatacao.h"

namespace {

// The picture seen from the hidden folder, through a link of the picture's own name:
// GDAL reads beside it the files about to be published, and writes its .aux.xml there.
class Figura_vista {
 public:
  Figura_vista(const std::string& figura, const Gravacao_conjunta& conjunto)
      : ligacao_(conjunto.Provisorio(CPLGetFilename(figura.c_str()))) {
    const std::string alvo = std::filesystem::absolute(figura).string();
    if (symlink(alvo.c_str(), ligacao_.c_str()) != 0)
      throw Falha_exportacao(
          fmt::sprintf("%s: não pode ser lida (%s)", figura, std::strerror(errno)));
  }
  ~Figura_vista() { VSIUnlink(ligacao_.c_str()); }
  Figura_vista(const Figura_vista&) = delete;
  Figura_vista& operator=(const Figura_vista&) = delete;

  Dados_gdal Abrir() const {
    return Dados_gdal(GDALDataset::Open(ligacao_.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY));
  }

 private:
  std::string ligacao_;
};

// The world file's ten decimals, and GDAL's half pixel taken off again on reading.
bool Mesma_posicao(const std::array<double, 6>& lida, const std::array<double, 6>& gravada) {
  for (int i = 0; i < 6; ++i)
    if (!(std::abs(lida[i] - gravada[i]) <= 1e-9 * (1 + std::abs(gravada[i])))) return false;
  return true;
}

void Conferir_lida(const Figura_vista& vista, const std::string& figura,
                   const std::array<double, 6>& gravada, const OGRSpatialReference* sistema) {
  const Avisos_gdal avisos;
  const Dados_gdal dados = vista.Abrir();
  avisos.Conferir(dados != nullptr, figura, "não pode ser lida de volta pelo GDAL");
  std::array<double, 6> lida{};
  if (dados->GetGeoTransform(lida.data()) != CE_None || !Mesma_posicao(lida, gravada))
    throw Falha_exportacao(figura +
                           ": o GDAL não lê a imagem na posição gravada (ela traz outra, de "
                           "dentro do arquivo ou de um arquivo ao lado)");
  Conferir_sistema_lido(dados->GetSpatialRef(), sistema,
                        figura + ": o GDAL não lê a imagem no sistema de referência gravado");
  avisos.Conferir(true, figura, "não pode ser lida de volta pelo GDAL");
}

// GDAL keeps what a read-only picture cannot hold in its .aux.xml, written as the
// picture is closed.
void Gravar_sistema(const Figura_vista& vista, const std::string& aux,
                    const OGRSpatialReference& sistema, const Gravacao_conjunta& conjunto) {
  const Avisos_gdal avisos;
  Dados_gdal dados = vista.Abrir();
  avisos.Conferir(dados != nullptr, aux, "não pode ser gravado");
  dados->SetSpatialRef(&sistema);
  dados.reset();
  avisos.Conferir(Existe_no_gdal(conjunto.Provisorio(CPLGetFilename(aux.c_str()))), aux,
                  "não pode ser gravado");
}

}  // namespace

std::vector<std::string> Gravar_posicao_figura(const std::string& figura,
                                               const Coeficientes& coeficientes,
                                               const OGRSpatialReference* sistema,
                                               Gravacao_conjunta& conjunto) {
  std::array<double, 6> geo = Geotransformacao(coeficientes);
  const std::string nome = CPLGetFilename(figura.c_str());
  const std::string mundo = Caminho_mundo(figura), aux = figura + ".aux.xml";
  {
    const Avisos_gdal avisos;
    const std::string extensao = CPLGetExtension(mundo.c_str());
    avisos.Conferir(GDALWriteWorldFile(conjunto.Provisorio(nome).c_str(), extensao.c_str(),
                                       geo.data()) != FALSE,
                    mundo, "não pode ser gravado");
  }
  std::vector<std::string> relato{fmt::sprintf("%s: arquivo de mundo de %s", mundo, figura)};
  const Figura_vista vista(figura, conjunto);
  if (sistema) {
    Gravar_sistema(vista, aux, *sistema, conjunto);
    relato.push_back(fmt::sprintf("%s: %s", aux, Nome_sistema(*sistema)));
  } else {
    relato.push_back(figura + ": " + Sistema_relatado(nullptr));
    if (Existe_no_gdal(aux)) {
      conjunto.Remover_ao_publicar(nome + ".aux.xml");
      relato.push_back(aux + ": removido, para que o GDAL não leia dele outra posição ou sistema");
    }
  }
  Conferir_lida(vista, figura, geo, sistema);
  return relato;
}
