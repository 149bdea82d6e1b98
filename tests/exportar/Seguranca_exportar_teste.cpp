// The exporter against hostile files and failing disks: a failure leaves every file as
// it was and nothing new, and what it reports is what GDAL reads afterwards.

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <filesystem>

#include "exportar/Avisos_gdal.h"
#include "exportar/Falha_exportacao.h"
#include "exportar/Gravacao_conjunta.h"
#include "nucleo/base/Formatacao.h"
#include "tests/exportar/Apoio_exportar.h"

namespace {

const char* const Orientacao = "0\n0.5\n0\n10\n0\n-0.5\n20\n";

class Seguranca_exportar : public Teste_exportar {
 protected:
  void SetUp() override {
    Teste_exportar::SetUp();
    ASSERT_TRUE(QFile::copy(MAPIREL_AMOSTRAS "/carta_exemplo.jpg",
                            QString::fromStdString(Caminho("carta.jpg"))));
    Gravar_texto("carta_RESERVA.ENh", std::string("carta.jpg\n") + Orientacao + "0\n");
  }

  // The folder's regular files with what they hold (a pipe or a device is not read).
  std::vector<std::pair<std::string, std::string>> Conteudo() const {
    std::vector<std::pair<std::string, std::string>> conteudo;
    for (const std::string& nome : Arquivos()) {
      struct stat estado {};
      const bool comum = stat(Caminho(nome).c_str(), &estado) == 0 && S_ISREG(estado.st_mode);
      conteudo.emplace_back(nome, comum ? Ler_texto(nome) : "");
    }
    return conteudo;
  }

  // The run fails with this one line and the folder keeps what it held, byte for byte.
  void Recusado(const std::string& comando, const std::string& motivo) {
    SCOPED_TRACE(comando);
    const auto antes = Conteudo();
    const Execucao execucao = Na_pasta(comando);
    EXPECT_EQ(execucao.status, 2);
    EXPECT_EQ(execucao.erros, "mapirel-exportar: " + motivo + "\n");
    EXPECT_EQ(execucao.saida, "");
    EXPECT_EQ(Conteudo(), antes);
    EXPECT_TRUE(
        QDir(pasta.path()).entryList({".mapirel*"}, QDir::Hidden | QDir::AllEntries).empty());
  }
};

// A name cut at its NUL named the picture itself as "the old .aux.xml".
TEST_F(Seguranca_exportar, NomeComNulNaoApagaAFigura) {
  Gravar_texto("nul_RESERVA.ENh", std::string("carta.jpg\0.x\n", 13) + Orientacao + "0\n");
  Recusado(
      std::string(MAPIREL_EXPORTAR) + " nul_RESERVA.ENh --world --srs EPSG:31983 --sobrescrever",
      "nul_RESERVA.ENh, linha 1: 'carta.jpg\\x00.x' is not a valid file name");
}

// Only regular files are read: a pipe would keep GDAL waiting for a writer for ever.
TEST_F(Seguranca_exportar, SoArquivosComunsCadaUmComOSeuMotivo) {
  ASSERT_EQ(mkfifo(Caminho("tubo.jpg").c_str(), 0600), 0);
  ASSERT_EQ(symlink("/dev/zero", Caminho("zero.ENh").c_str()), 0);
  Gravar_texto("tubo_RESERVA.ENh", std::string("tubo.jpg\n") + Orientacao + "0\n");
  Gravar_texto("nada_RESERVA.ENh", std::string("carta_RESERVA.ENh\n") + Orientacao + "0\n");
  const std::string exportar = std::string("timeout 20 ") + MAPIREL_EXPORTAR;
  const std::pair<std::string, std::string> casos[] = {
      {" tubo_RESERVA.ENh --world",
       "tubo.jpg: a imagem escaneada não pode ser lida (é um pipe nomeado)"},
      {" tubo.jpg -o p.gpkg", "tubo.jpg: não pode ser lido (é um pipe nomeado)"},
      {" zero.ENh -o p.gpkg", "zero.ENh: não pode ser lido (é um dispositivo)"},
      {" . -o p.gpkg", ".: não pode ser lido (é uma pasta)"},
      // A file GDAL opens as no picture: its reason, never empty brackets.
      {" nada_RESERVA.ENh --world",
       "carta_RESERVA.ENh: a imagem escaneada não pode ser lida pelo GDAL (`carta_RESERVA.ENh' "
       "not recognized as a supported file format.)"}};
  for (const auto& [argumentos, motivo] : casos) Recusado(exportar + argumentos, motivo);
}

// a·e − b·d = inf − inf is a NaN, which is not zero.
TEST_F(Seguranca_exportar, CoeficientesQueNaoDaoNumeroFinito) {
  Gravar_texto("inf_RESERVA.ENh", "carta.jpg\n0\n1e308\n1e308\n0\n1e308\n1e308\n0\n0\n");
  Recusado(std::string(MAPIREL_EXPORTAR) + " inf_RESERVA.ENh --world",
           "a orientação do arquivo não é um número finito");
}

// A disk that fills up (a file size limit here): every format fails, nothing is left,
// the old files stay. GeoJSON writes as it closes, so only reading it back tells.
TEST_F(Seguranca_exportar, DiscoCheioNaoDeixaNada) {
  std::string pontos;
  for (int i = 1; i <= 10000; ++i)
    pontos += fmt::sprintf("%6d %10.3f %11.3f %7.2f\n", i, 312062.013 + i, 7455244.979, 48.8);
  Gravar_texto("folha.ENh", pontos);
  Gravar_texto("p.csv", "antigo");
  const std::string limite = std::string("trap '' XFSZ; ulimit -f 64; ") + MAPIREL_EXPORTAR;
  for (const char* saida : {"p.geojson", "p.csv", "p.gpkg", "p.shp"}) {
    SCOPED_TRACE(saida);
    const Execucao execucao = Na_pasta(limite + " folha.ENh --sobrescrever -o " + saida);
    EXPECT_EQ(execucao.status, 2);
    EXPECT_EQ(execucao.erros.rfind(std::string("mapirel-exportar: ") + saida + ": ", 0), 0u);
    EXPECT_EQ(execucao.erros.find("()"), std::string::npos) << execucao.erros;
    EXPECT_EQ(Arquivos(),
              (std::vector<std::string>{"carta.jpg", "carta_RESERVA.ENh", "folha.ENh", "p.csv"}));
  }
  EXPECT_EQ(Ler_texto("p.csv"), "antigo");
  // A world file that cannot be written leaves no empty one behind (the limit leaves
  // no room for the message either).
  EXPECT_EQ(Na_pasta("trap '' XFSZ; ulimit -f 0; " + std::string(MAPIREL_EXPORTAR) +
                     " carta_RESERVA.ENh --world")
                .status,
            2);
  EXPECT_EQ(Arquivos(),
            (std::vector<std::string>{"carta.jpg", "carta_RESERVA.ENh", "folha.ENh", "p.csv"}));
}

// The old output is replaced only by a new one that was written whole.
TEST_F(Seguranca_exportar, SobrescreverSoDepoisDeGravado) {
  Gravar_texto("folha.ENh", "     1 312062.013 7455244.979   48.80\n");
  ASSERT_EQ(Exportar("folha.ENh -o p.shp --srs EPSG:31983").status, 0);
  const std::string shp = Ler_texto("p.shp"), prj = Ler_texto("p.prj");
  Gravar_texto("largo.ENh", "     1 312062.013 123456789.999   48.80\n");
  const Execucao execucao = Exportar("largo.ENh -o p.shp --sobrescrever");
  EXPECT_EQ(execucao.status, 2);
  EXPECT_EQ(Ler_texto("p.shp"), shp);
  EXPECT_EQ(Ler_texto("p.prj"), prj);
  // Replaced as a set: the old .prj goes with the old points.
  ASSERT_EQ(Exportar("folha.ENh -o p.shp --sobrescrever").status, 0);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Caminho("p.prj"))));
}

// A shapefile's companions are files of their own: an unrelated one is not replaced
// unasked.
TEST_F(Seguranca_exportar, CompanheirosExistentesSaoRecusados) {
  Gravar_texto("folha.ENh", "     1 312062.013 7455244.979   48.80\n");
  Gravar_texto("p.dbf", "outro");
  Recusado(std::string(MAPIREL_EXPORTAR) + " folha.ENh -o p.shp",
           "p.dbf: já existe (use --sobrescrever para substituí-lo)");
}

// An old .aux.xml held a system (and could hold a placement) that GDAL would read
// before the new world file.
TEST_F(Seguranca_exportar, AuxAntigoNaoFicaComOutroSistema) {
  ASSERT_EQ(Exportar("carta_RESERVA.ENh --world --srs EPSG:4326").status, 0);
  const Execucao execucao = Exportar("carta_RESERVA.ENh --world --sobrescrever");
  ASSERT_EQ(execucao.status, 0) << execucao.erros;
  EXPECT_EQ(
      execucao.saida,
      "carta.jgw: arquivo de mundo de carta.jpg\n"
      "carta.jpg: sem sistema de referência (use --srs para dar um)\n"
      "carta.jpg.aux.xml: removido, para que o GDAL não leia dele outra posição ou sistema\n");
  const Dados_gdal figura = Abrir_gdal(Caminho("carta.jpg"), GDAL_OF_RASTER);
  ASSERT_TRUE(figura);
  EXPECT_EQ(figura->GetSpatialRef(), nullptr);
}

// Layers added to a GeoPackage: refused where they cannot be added safely or would take
// another job's name; the companions for QGIS are refused like the files they go with.
TEST_F(Seguranca_exportar, AcrescimoECompanheirosDoQgisRecusados) {
  Gravar_texto("folha.ENh", "     1 312062.013 7455244.979   48.80\n");
  ASSERT_EQ(Exportar("folha.ENh -o p.gpkg").status, 0);
  Gravar_texto("q.qml", "outro");
  // The orientation is E = x + 100, N = 200 - y, 1 m off the fit of its points.
  Gravar_texto("errada_RESERVA.ENh",
               "carta.jpg\n4\n1 100 200 0 0\n2 110 200 10 0\n3 110 190 10 10\n4 100 190 0 10\n"
               "1\n0\n101\n0\n-1\n200\n0\n");
  const std::string exportar = std::string(MAPIREL_EXPORTAR) + " ";
  const std::pair<std::string, std::string> casos[] = {
      {"folha.ENh -o p.gpkg --acrescentar",
       "p.gpkg: já tem a camada pontos (use --camada para dar outro nome, ou --sobrescrever para "
       "substituí-la)"},
      {"folha.ENh -o p.shp --acrescentar",
       "p.shp: --acrescentar só acrescenta camadas a um GeoPackage (.gpkg)"},
      {"folha.ENh -o q.gpkg --qgis", "q.qml: já existe (use --sobrescrever para substituí-lo)"},
      {"carta_RESERVA.ENh -o r.gpkg --world --qgis",
       "o georreferenciador do QGIS precisa de ao menos 3 pontos de controle, e o arquivo tem 0"},
      {"errada_RESERVA.ENh --world --qgis",
       "o ajuste dos pontos de controle não dá a orientação do arquivo (diferença de 1.000 m): o "
       "georreferenciador do QGIS não poria a imagem onde o arquivo de mundo a põe"}};
  for (const auto& [argumentos, motivo] : casos) Recusado(exportar + argumentos, motivo);
  // QGIS keeps its latest changes to an open GeoPackage in the -wal file beside it.
  Gravar_texto("p.gpkg-wal", "");
  Recusado(exportar + "folha.ENh -o p.gpkg --acrescentar --camada outra",
           "p.gpkg: está aberto em outro programa (há um p.gpkg-wal ao lado); feche-o e tente de "
           "novo");
}

// A GeoPackage that layers could not be added to stays byte for byte as it was.
TEST_F(Seguranca_exportar, AcrescimoQueFalhaNaoMexeNoArquivo) {
  Gravar_texto("folha.ENh", "     1 312062.013 7455244.979   48.80\n");
  ASSERT_EQ(Exportar("folha.ENh -o p.gpkg").status, 0);
  std::string pontos;
  for (int i = 1; i <= 10000; ++i)
    pontos += fmt::sprintf("%6d %10.3f %11.3f %7.2f\n", i, 312062.013 + i, 7455244.979, 48.8);
  Gravar_texto("grande.ENh", pontos);
  const auto antes = Conteudo();
  // Room for the copy of the file, not for the points added to it.
  const Execucao execucao =
      Na_pasta("trap '' XFSZ; ulimit -f 400; " + std::string(MAPIREL_EXPORTAR) +
               " grande.ENh -o p.gpkg --acrescentar --camada grande");
  EXPECT_EQ(execucao.status, 2);
  EXPECT_EQ(execucao.erros.rfind("mapirel-exportar: p.gpkg: ", 0), 0u) << execucao.erros;
  EXPECT_EQ(Conteudo(), antes);
}

// Layers added through a symbolic link go where it leads, and the link stays one.
TEST_F(Seguranca_exportar, AcrescimoPeloLinkVaiAoArquivo) {
  Gravar_texto("folha.ENh", "     1 312062.013 7455244.979   48.80\n");
  ASSERT_TRUE(QDir(pasta.path()).mkdir("dados"));
  ASSERT_EQ(Exportar("folha.ENh -o dados/p.gpkg").status, 0);
  ASSERT_EQ(symlink("dados/p.gpkg", Caminho("l.gpkg").c_str()), 0);
  const Execucao execucao = Exportar("folha.ENh -o l.gpkg --acrescentar --camada outra");
  ASSERT_EQ(execucao.status, 0) << execucao.erros;
  EXPECT_TRUE(std::filesystem::is_symlink(Caminho("l.gpkg")));
  const Dados_gdal dados = Abrir_gdal(Caminho("dados/p.gpkg"), GDAL_OF_VECTOR);
  ASSERT_TRUE(dados);
  EXPECT_NE(dados->GetLayerByName("outra"), nullptr);
}

// A file another program changes while its copy is being added to keeps that change.
TEST_F(Seguranca_exportar, MudancaAlheiaDuranteOAcrescimoNaoSePerde) {
  Gravar_texto("p.gpkg", "original");
  {
    Gravacao_conjunta conjunto(pasta.path().toStdString());
    conjunto.Copiar_para_alterar("p.gpkg");
    Gravar_texto("p.gpkg", "mudado por outro programa");
    try {
      conjunto.Publicar();
      ADD_FAILURE() << "published";
    } catch (const Falha_exportacao& falha) {
      EXPECT_EQ(falha.what(), Caminho("p.gpkg") +
                                  ": foi alterado por outro programa durante a exportação; nada "
                                  "foi gravado, tente de novo");
    }
  }
  EXPECT_EQ(Ler_texto("p.gpkg"), "mudado por outro programa");
}

// A run killed midway left its hidden folder: the next run here removes it, not those of
// runs still going nor another machine's.
TEST_F(Seguranca_exportar, PastaDeExecucaoMortaRemovida) {
  char maquina[256] = {};
  ASSERT_EQ(gethostname(maquina, sizeof maquina - 1), 0);
  const pid_t morto = fork();
  if (morto == 0) _exit(0);
  ASSERT_EQ(waitpid(morto, nullptr, 0), morto);
  const std::string desta = std::string(".mapirel-exportar-") + maquina + "-";
  const std::string abandonada = desta + std::to_string(morto) + "-1", viva = desta + "1-1",
                    de_outra = ".mapirel-exportar-outra-" + std::to_string(morto) + "-1";
  for (const std::string& nome : {abandonada, viva, de_outra}) {
    ASSERT_TRUE(QDir(pasta.path()).mkdir(QString::fromStdString(nome)));
    Gravar_texto(nome + "/meio.tif", "parte");
  }
  Gravar_texto("folha.ENh", "     1 312062.013 7455244.979   48.80\n");
  ASSERT_EQ(Exportar("folha.ENh -o p.gpkg").status, 0);
  EXPECT_FALSE(std::filesystem::exists(Caminho(abandonada)));
  EXPECT_TRUE(std::filesystem::exists(Caminho(viva + "/meio.tif")));
  EXPECT_TRUE(std::filesystem::exists(Caminho(de_outra + "/meio.tif")));
}

TEST(Avisos_gdal, UmaLinhaComOMotivoOuDizendoQueNaoHa) {
  GDALAllRegister();
  const std::pair<const char*, const char*> casos[] = {
      {"", "p.shp: não gravado (sem explicação do GDAL)"},
      {"primeira\nsegunda", "p.shp: não gravado (primeira segunda)"}};
  for (const auto& [mensagem, esperada] : casos) {
    const Avisos_gdal avisos;
    CPLError(CE_Warning, CPLE_AppDefined, "%s", mensagem);
    try {
      avisos.Conferir(true, "p.shp", "não gravado");
      ADD_FAILURE() << "sem falha";
    } catch (const Falha_exportacao& falha) {
      EXPECT_STREQ(falha.what(), esperada);
    }
  }
}

}  // namespace
