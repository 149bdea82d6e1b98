#include "exportar/Gravar_pontos.h"

#include <cpl_conv.h>
#include <cpl_string.h>
#include <ogrsf_frmts.h>

#include "exportar/Avisos_gdal.h"
#include "exportar/Dados_gdal.h"
#include "exportar/Falha_exportacao.h"
#include "exportar/Gravacao_conjunta.h"
#include "exportar/Releitura_pontos.h"
#include "nucleo/base/Formatacao.h"

namespace {

bool Sim(GDALDriver& driver, const char* capacidade) {
  const char* valor = driver.GetMetadataItem(capacidade);
  return valor && CPLTestBool(valor);
}

bool Aceita_opcao(GDALDriver& driver, const char* opcao) {
  const char* lista = driver.GetMetadataItem(GDAL_DS_LAYER_CREATIONOPTIONLIST);
  return lista && strstr(lista, (std::string("name='") + opcao + "'").c_str());
}

// A CSV file keeps the geometry as X and Y columns, with the .prj of the system, and
// the field types in a .csvt beside it, so that GIS read numbers and not text; numbers
// go unquoted (GDAL would quote the point numbers), as any other reader expects them.
// Text formats that write coordinates with a precision of their own (GeoJSON's 15
// decimals) write the job's: millimetres.
CPLStringList Opcoes_camada(GDALDriver& driver) {
  CPLStringList opcoes;
  if (EQUAL(driver.GetDescription(), "CSV")) {
    opcoes.SetNameValue("GEOMETRY", "AS_XY");
    opcoes.SetNameValue("CREATE_CSVT", "YES");
    opcoes.SetNameValue("STRING_QUOTING", "IF_NEEDED");
  }
  if (Aceita_opcao(driver, "COORDINATE_PRECISION"))
    opcoes.SetNameValue("COORDINATE_PRECISION", "3");
  return opcoes;
}

void Criar_campos(OGRLayer& camada, const Tabela_gdal& tabela, const Avisos_gdal& avisos,
                  const std::string& saida) {
  for (const Campo_tabela& definicao : tabela.campos) {
    OGRFieldDefn campo(definicao.nome, definicao.tipo);
    avisos.Conferir(camada.CreateField(&campo) == OGRERR_NONE, saida,
                    fmt::sprintf("campo %s não criado", definicao.nome));
  }
}

OGRGeometry* Geometria(const Tabela_gdal& tabela, const Feicao_tabela& f) {
  if (!tabela.poligono) return tabela.com_z ? new OGRPoint(f.x, f.y, f.z) : new OGRPoint(f.x, f.y);
  auto* anel = new OGRLinearRing;
  for (const auto& [x, y] : f.anel) anel->addPoint(x, y);
  anel->closeRings();
  auto* poligono = new OGRPolygon;
  poligono->addRingDirectly(anel);
  return poligono;
}

void Acrescentar_feicoes(OGRLayer& camada, const Tabela_gdal& tabela, const Avisos_gdal& avisos,
                         const std::string& saida) {
  for (const Feicao_tabela& f : tabela.feicoes) {
    OGRFeature feicao(camada.GetLayerDefn());
    for (std::size_t i = 0; i < f.valores.size(); ++i)
      if (tabela.campos[i].tipo == OFTInteger)
        feicao.SetField(static_cast<int>(i), static_cast<int>(f.valores[i]));
      else
        feicao.SetField(static_cast<int>(i), f.valores[i]);
    feicao.SetGeometryDirectly(Geometria(tabela, f));
    avisos.Conferir(camada.CreateFeature(&feicao) == OGRERR_NONE, saida,
                    fmt::sprintf("ponto %d da camada %s não gravado", f.numero, tabela.nome));
  }
}

// A layer of the same name in the file the job's layers are added to: the run was asked
// to replace it (planning refused it otherwise).
void Remover_homonima(GDALDataset& dados, const Tabela_gdal& tabela, const Avisos_gdal& avisos,
                      const std::string& saida) {
  for (int i = 0; i < dados.GetLayerCount(); ++i)
    if (EQUAL(dados.GetLayer(i)->GetName(), tabela.nome.c_str()))
      avisos.Conferir(dados.DeleteLayer(i) == OGRERR_NONE, saida,
                      "camada " + tabela.nome + " não substituída");
}

void Escrever_camada(GDALDataset& dados, GDALDriver& driver, const Tabela_gdal& tabela,
                     const OGRSpatialReference* sistema, const Avisos_gdal& avisos,
                     const std::string& saida) {
  Remover_homonima(dados, tabela, avisos, saida);
  // GDAL 3.6 takes the system without const; the layer keeps a copy of its own.
  OGRLayer* camada =
      dados.CreateLayer(tabela.nome.c_str(), const_cast<OGRSpatialReference*>(sistema),
                        tabela.poligono ? wkbPolygon
                        : tabela.com_z  ? wkbPoint25D
                                        : wkbPoint,
                        Opcoes_camada(driver).List());
  avisos.Conferir(camada != nullptr, saida, "camada " + tabela.nome + " não criada");
  Criar_campos(*camada, tabela, avisos, saida);
  // One transaction for all features where the format has them (GeoPackage): far faster.
  const bool transacao = dados.StartTransaction() == OGRERR_NONE;
  Acrescentar_feicoes(*camada, tabela, avisos, saida);
  if (transacao)
    avisos.Conferir(dados.CommitTransaction() == OGRERR_NONE, saida, "gravação não concluída");
}

void Escrever(GDALDriver& driver, const std::string& caminho, const std::string& saida,
              const OGRSpatialReference* sistema, const std::vector<Tabela_gdal>& tabelas) {
  const Avisos_gdal avisos;
  // A file already there is the copy of the one the layers are added to.
  Dados_gdal dados =
      Existe_no_gdal(caminho)
          ? Abrir_com(driver, caminho, GDAL_OF_UPDATE)
          : Dados_gdal(driver.Create(caminho.c_str(), 0, 0, 0, GDT_Unknown, nullptr));
  avisos.Conferir(dados != nullptr, saida, "não pode ser criado");
  for (const Tabela_gdal& tabela : tabelas)
    Escrever_camada(*dados, driver, tabela, sistema, avisos, saida);
  // Most formats write only as the file is closed; GDAL 3.6 tells its errors then only
  // through its messages.
  dados.reset();
  avisos.Conferir(true, saida, "gravação não concluída");
}

}  // namespace

GDALDriver& Driver_vetorial(const std::string& saida) {
  const std::string extensao = CPLGetExtension(saida.c_str());
  GDALDriverManager& gerente = *GetGDALDriverManager();
  for (int i = 0; !extensao.empty() && i < gerente.GetDriverCount(); ++i) {
    GDALDriver& driver = *gerente.GetDriver(i);
    if (!Sim(driver, GDAL_DCAP_VECTOR) || !Sim(driver, GDAL_DCAP_CREATE)) continue;
    const CPLStringList extensoes(CSLTokenizeString(driver.GetMetadataItem(GDAL_DMD_EXTENSIONS)));
    for (int j = 0; j < extensoes.size(); ++j)
      if (EQUAL(extensoes[j], extensao.c_str())) return driver;
  }
  throw Falha_exportacao(
      fmt::sprintf("%s: formato desconhecido: o GDAL não grava pontos em arquivos %s", saida,
                   extensao.empty() ? "sem extensão" : "." + extensao));
}

void Gravar_pontos(GDALDriver& driver, const std::string& caminho, const std::string& saida,
                   const OGRSpatialReference* sistema, const std::vector<Tabela_gdal>& tabelas) {
  Escrever(driver, caminho, saida, sistema, tabelas);
  for (const Tabela_gdal& tabela : tabelas)
    Conferir_pontos_gravados(driver, caminho, saida, sistema, tabela);
}

bool Varias_camadas(GDALDriver& driver) {
  return Sim(driver, GDAL_DCAP_MULTIPLE_VECTOR_LAYERS);
}

std::vector<std::string> Arquivos_do_conjunto(GDALDriver& driver, const std::string& caminho) {
  const Avisos_gdal quieto;  // an old file this driver cannot read has no companions
  const Dados_gdal dados = Abrir_com(driver, caminho);
  std::vector<std::string> nomes;
  if (!dados) return nomes;
  const std::string pasta = CPLGetPath(caminho.c_str());
  const CPLStringList arquivos(dados->GetFileList());
  for (int i = 0; i < arquivos.size(); ++i)
    if (pasta == CPLGetPath(arquivos[i])) nomes.push_back(CPLGetFilename(arquivos[i]));
  return nomes;
}

void Remover_companheiros_antigos(GDALDriver& driver, const std::string& saida,
                                  Gravacao_conjunta& conjunto) {
  if (!Existe_no_gdal(saida)) return;
  for (const std::string& antigo : Arquivos_do_conjunto(driver, saida))
    if (!Existe_no_gdal(conjunto.Provisorio(antigo))) conjunto.Remover_ao_publicar(antigo);
}
