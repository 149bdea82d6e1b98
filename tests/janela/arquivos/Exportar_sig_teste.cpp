// "Exportar para SIG...": the job in the window written through the exporter's core and
// read back with GDAL.

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "exportar/Dados_gdal.h"
#include "janela/arquivos/Carregar_modulo_sig.h"
#include "janela/arquivos/DlgExportar.h"
#include "nucleo/base/Formatacao.h"
#include "tests/janela/arquivos/Comandos_arquivos.h"

namespace {

class Exportar_sig : public Comandos_arquivos {
 protected:
  // The save dialog and the export dialog answered: this reference system, these boxes.
  void Roteirizar(const std::string& saida, const Escolha_exportar& escolha) {
    ui.Escolher_arquivo(saida);
    ui.No_modal([escolha](QDialog& janela) {
      auto& dialogo = static_cast<TDlgExportar&>(janela);
      dialogo.Sistema->setText(QString::fromStdString(escolha.sistema));
      dialogo.Mundo->setChecked(escolha.mundo);
      dialogo.Geotiff->setChecked(escolha.geotiff);
      dialogo.Qgis->setChecked(escolha.qgis);
      dialogo.OKBtn->click();
    });
  }
  void Acionar() {
    Form1.Exportar1->setEnabled(true);
    Form1.Exportar1->trigger();
  }
  void Exportar(const std::string& saida, const Escolha_exportar& escolha) {
    Roteirizar(saida, escolha);
    Acionar();
  }
};

}  // namespace

TEST_F(Exportar_sig, GeoPackageLidoDeVoltaComOSistema) {
  // Offered when the "Arquivo" menu opens on an oriented job with points.
  QMenu* arquivo = Form1.Arquivo1->menu();
  Orientar_exemplo();
  emit arquivo->aboutToShow();
  EXPECT_FALSE(Form1.Exportar1->isEnabled());
  Digitalizar_pontos(3);
  emit arquivo->aboutToShow();
  EXPECT_TRUE(Form1.Exportar1->isEnabled());

  const std::string saida = Caminho("trabalho.gpkg");
  Exportar(saida, {.sistema = "EPSG:31983"});
  ASSERT_TRUE(ui.Erros().empty()) << ui.Erros().front();

  GDALAllRegister();
  const Dados_gdal dados(GDALDataset::Open(saida.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
  ASSERT_TRUE(dados);
  OGRLayer* pontos = dados->GetLayerByName("pontos");
  ASSERT_NE(pontos, nullptr);
  EXPECT_EQ(pontos->GetFeatureCount(), 3);
  ASSERT_NE(pontos->GetSpatialRef(), nullptr);
  EXPECT_STREQ(pontos->GetSpatialRef()->GetAuthorityCode(nullptr), "31983");
  const Ponto_digitalizado& primeiro = Form1.trabalho.Lista_pontos.Item(0);
  const auto feicao = std::unique_ptr<OGRFeature>(pontos->GetNextFeature());
  const auto* ponto = feicao->GetGeometryRef()->toPoint();
  EXPECT_EQ(ponto->getX(), primeiro.E);
  EXPECT_EQ(ponto->getY(), primeiro.N);
}

TEST_F(Exportar_sig, GeoTIFFAoLadoDosPontos) {
  Orientar_exemplo();
  Digitalizar_pontos(2);
  Exportar(Caminho("trabalho.gpkg"), {.sistema = "EPSG:31983", .geotiff = true});
  ASSERT_TRUE(ui.Erros().empty()) << ui.Erros().front();
  ASSERT_EQ(ui.caixas.size(), 1u);
  // The core reads the GeoTIFF back before it reports it.
  const std::string linha =
      fmt::sprintf(" %s: %s voltada para o norte, 600 x 600 pixels, SIRGAS 2000 / UTM zone 23S\n",
                   Caminho("trabalho.tif"), Caminho("mapa.bmp"));
  EXPECT_NE(ui.caixas[0].texto.find(linha), std::string::npos) << ui.caixas[0].texto;
  EXPECT_TRUE(Existe(Caminho("trabalho.tif")));
}

TEST_F(Exportar_sig, EstiloEPontosDoQgis) {
  Orientar_exemplo();
  Digitalizar_pontos(2);
  Exportar(Caminho("trabalho.gpkg"), {.sistema = "EPSG:31983", .mundo = true, .qgis = true});
  ASSERT_TRUE(ui.Erros().empty()) << ui.Erros().front();
  EXPECT_TRUE(Existe(Caminho("trabalho.qml")));
  EXPECT_TRUE(Existe(Caminho("mapa.bmp.points")));
}

// The points' file was named in the save dialog; the files beside it and beside the scan
// are replaced only after one question: Cancelar leaves everything as it was.
TEST_F(Exportar_sig, ArquivosAoLadoSoSubstituidosComOK) {
  Orientar_exemplo();
  Digitalizar_pontos(2);
  const std::string saida = Caminho("trabalho.gpkg"), mundo = Caminho("mapa.bpw"),
                    geotiff = Caminho("trabalho.tif");
  for (const std::string& nome : {saida, mundo, geotiff}) Gravar_conteudo(nome, "velho");
  const Caixa pergunta{
      " Substituir os arquivos que já existem ?\n " + geotiff + "\n " + mundo + "\n",
      "Exportar para SIG"};
  const std::vector<std::string> antes = Conteudo_pasta(pasta.path().toStdString());
  const auto exportar = [&](Resposta resposta) {
    Roteirizar(saida, {.sistema = "EPSG:31983", .mundo = true, .geotiff = true});
    ui.Responder(resposta);
    Acionar();
  };
  exportar(Resposta::Cancelar);
  EXPECT_EQ(Caixas(), Caixas_esperadas{pergunta});
  EXPECT_EQ(Conteudo_pasta(pasta.path().toStdString()), antes);
  for (const std::string& nome : {saida, mundo, geotiff}) EXPECT_EQ(Ler_conteudo(nome), "velho");
  exportar(Resposta::OK);
  ASSERT_TRUE(ui.Erros().empty()) << ui.Erros().front();
  const std::vector<Caixa> caixas = Caixas();
  ASSERT_EQ(caixas.size(), 3u);
  EXPECT_EQ(caixas[1], pergunta);
  EXPECT_EQ(ui.caixas[1].botoes, Botoes::OK_Cancelar);
  EXPECT_EQ(caixas[2].first.rfind(" " + saida + ": 2 pontos, formato GPKG", 0), 0u)
      << caixas[2].first;
  for (const std::string& nome : {saida, mundo, geotiff}) EXPECT_NE(Ler_conteudo(nome), "velho");
}

TEST_F(Exportar_sig, SistemaRecusadoNaoGravaNada) {
  Orientar_exemplo();
  Digitalizar_pontos(2);
  const std::string saida = Caminho("trabalho.gpkg");
  testing::internal::CaptureStderr();
  Exportar(saida, {.sistema = "EPSG:nada"});
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");  // PROJ's complaint stays unsaid
  ASSERT_EQ(ui.Erros().size(), 1u);
  EXPECT_NE(ui.Erros()[0].find("EPSG:nada"), std::string::npos) << ui.Erros()[0];
  EXPECT_FALSE(Existe(saida));
}

TEST_F(Exportar_sig, SemOrientacaoOuSemPontosNaoHaOQueExportar) {
  Form1.Exportar1->setEnabled(true);
  Form1.Exportar1->trigger();
  ASSERT_EQ(ui.caixas.size(), 1u);
  EXPECT_EQ(ui.caixas[0].texto,
            " Para exportar é preciso uma orientação aceita e pontos digitalizados.");
  EXPECT_TRUE(ui.dialogos_arquivo.empty());
}

// A missing module, or a library without the exporter's entry point, comes back with the
// loader's reason for the error box, never as a crash.
TEST(Modulo_sig, SemOModuloOMotivoDoCarregador) {
  const struct {
    const char* arquivo;
    const char* motivo;
  } casos[] = {
      {"mapirel-sig-ausente.so", "mapirel-sig-ausente.so: cannot open shared object file"},
      {"libc.so.6", "undefined symbol: mapirel_modulo_sig"},
  };
  for (const auto& caso : casos) {
    const Modulo_aberto aberto = Abrir_modulo_sig(caso.arquivo);
    EXPECT_EQ(aberto.modulo, nullptr);
    EXPECT_NE(aberto.motivo.find(caso.motivo), std::string::npos) << aberto.motivo;
  }
}
