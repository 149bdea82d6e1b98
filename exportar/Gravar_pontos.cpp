#include "exportar/Gravar_pontos.h"

#include <cpl_conv.h>
#include <cpl_string.h>
#include <fmt/printf.h>
#include <ogrsf_frmts.h>

#include "exportar/Avisos_gdal.h"
#include "exportar/Dados_gdal.h"
#include "exportar/Falha_exportacao.h"
#include "exportar/Releitura_pontos.h"

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

void Criar_campos(OGRLayer& camada, const Avisos_gdal& avisos, const std::string& saida) {
  const std::pair<const char*, OGRFieldType> campos[] = {
      {"ponto", OFTInteger}, {"E", OFTReal}, {"N", OFTReal}, {"h", OFTReal}};
  for (const auto& [nome, tipo] : campos) {
    OGRFieldDefn campo(nome, tipo);
    avisos.Conferir(camada.CreateField(&campo) == OGRERR_NONE, saida,
                    fmt::sprintf("campo %s não criado", nome));
  }
}

void Acrescentar_pontos(OGRLayer& camada, const Camada_pontos& pedido, const Avisos_gdal& avisos,
                        const std::string& saida) {
  for (const Ponto_digitalizado& p : pedido.pontos) {
    OGRFeature feicao(camada.GetLayerDefn());
    feicao.SetField(0, p.Numero);
    feicao.SetField(1, p.E);
    feicao.SetField(2, p.N);
    feicao.SetField(3, p.h);
    OGRPoint geometria(p.E, p.N);
    if (pedido.h_como_z) geometria.setZ(p.h);
    feicao.SetGeometry(&geometria);
    avisos.Conferir(camada.CreateFeature(&feicao) == OGRERR_NONE, saida,
                    fmt::sprintf("ponto %d não gravado", p.Numero));
  }
}

void Escrever(GDALDriver& driver, const std::string& caminho, const std::string& saida,
              const Camada_pontos& pedido) {
  const Avisos_gdal avisos;
  Dados_gdal dados(driver.Create(caminho.c_str(), 0, 0, 0, GDT_Unknown, nullptr));
  avisos.Conferir(dados != nullptr, saida, "não pode ser criado");
  // GDAL 3.6 takes the system without const; the layer keeps a copy of its own.
  OGRLayer* camada =
      dados->CreateLayer(pedido.nome.c_str(), const_cast<OGRSpatialReference*>(pedido.sistema),
                         pedido.h_como_z ? wkbPoint25D : wkbPoint, Opcoes_camada(driver).List());
  avisos.Conferir(camada != nullptr, saida, "camada não criada");
  Criar_campos(*camada, avisos, saida);
  // One transaction for all points where the format has them (GeoPackage): far faster.
  const bool transacao = dados->StartTransaction() == OGRERR_NONE;
  Acrescentar_pontos(*camada, pedido, avisos, saida);
  if (transacao)
    avisos.Conferir(dados->CommitTransaction() == OGRERR_NONE, saida, "gravação não concluída");
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
                   const Camada_pontos& camada) {
  Escrever(driver, caminho, saida, camada);
  Conferir_pontos_gravados(driver, caminho, saida, camada);
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
