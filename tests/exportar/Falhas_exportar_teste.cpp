// Every refusal of the exporter: exit status 2, one line saying why, nothing written.

#include <QFile>

#include "tests/exportar/Apoio_exportar.h"

namespace {

const char* const Uma_linha_ENh = "     1 312062.013 7455244.979   48.80\n";

class Falhas_exportar : public Teste_exportar {
 protected:
  void SetUp() override {
    Teste_exportar::SetUp();
    Gravar_texto("folha.ENh", Uma_linha_ENh);
    Gravar_texto("ruim.ENh", std::string(Uma_linha_ENh) + "     2 312062.x13 7455244.979 1\n");
    Gravar_texto("curta_RESERVA.ENh", "carta.jpg\n4\n1 10 20 30 40\n");
    Gravar_texto("sem_figura_RESERVA.ENh", "sumiu.jpg\n0\n1\n0\n0\n0\n-1\n0\n0\n");
    Gravar_texto("existe.gpkg", "antigo");
    ASSERT_TRUE(QFile::copy(MAPIREL_AMOSTRAS "/carta_exemplo.jpg",
                            QString::fromStdString(Caminho("carta.jpg"))));
    Gravar_texto("carta_RESERVA.ENh", "carta.jpg\n0\n0.5\n0\n10\n0\n-0.5\n20\n0\n");
    Gravar_texto("carta.jgw", "antigo");
  }
};

TEST_F(Falhas_exportar, UmaLinhaSaida2NadaGravado) {
  const std::pair<std::string, std::string> casos[] = {
      {"sumiu.ENh -o p.gpkg", "sumiu.ENh: não pode ser lido (No such file or directory)"},
      {". -o p.gpkg", ".: não pode ser lido (é uma pasta)"},
      {"ruim.ENh -o p.gpkg", "ruim.ENh, linha 2: '312062.x13' is not a valid floating point value"},
      {"curta_RESERVA.ENh -o p.gpkg",
       "curta_RESERVA.ENh, linha 4: '' is not a valid integer value"},
      {"folha.ENh -o p.xyz",
       "p.xyz: formato desconhecido: o GDAL não grava pontos em arquivos .xyz"},
      {"folha.ENh -o pontos",
       "pontos: formato desconhecido: o GDAL não grava pontos em arquivos "
       "sem extensão"},
      {"folha.ENh -o p.gpkg --srs EPSG:99999999",
       "sistema de referência desconhecido: EPSG:99999999"},
      {"folha.ENh -o existe.gpkg", "existe.gpkg: já existe (use --sobrescrever para substituí-lo)"},
      // Checked before anything is written: the points are not written either.
      {"carta_RESERVA.ENh -o p.gpkg --world",
       "carta.jgw: já existe (use --sobrescrever para substituí-lo)"},
      {"carta_RESERVA.ENh --geotiff existe.gpkg",
       "existe.gpkg: já existe (use --sobrescrever para substituí-lo)"},
      // A GeoTIFF in the scan's place or the points' would replace it.
      {"carta_RESERVA.ENh --geotiff ./carta.jpg --sobrescrever",
       "./carta.jpg: é a imagem escaneada (o GeoTIFF precisa de outro nome)"},
      {"carta_RESERVA.ENh -o n.gpkg --geotiff n.gpkg",
       "n.gpkg: é o arquivo dos pontos (o GeoTIFF precisa de outro nome)"},
      {"folha.ENh --world",
       "--world precisa da orientação, que só o arquivo _RESERVA.ENh guarda "
       "(veja mapirel-exportar --help)"},
      {"folha.ENh --formato GPKG", "opção desconhecida: --formato (veja mapirel-exportar --help)"},
  };
  const std::vector<std::string> antes = Arquivos();
  for (const auto& [argumentos, motivo] : casos) {
    SCOPED_TRACE(argumentos);
    const Execucao execucao = Exportar(argumentos);
    EXPECT_EQ(execucao.status, 2);
    EXPECT_EQ(execucao.erros, "mapirel-exportar: " + motivo + "\n");
    EXPECT_EQ(execucao.saida, "");
    EXPECT_EQ(Arquivos(), antes);
  }
  EXPECT_EQ(Ler_texto("existe.gpkg"), "antigo");
  EXPECT_EQ(Ler_texto("carta.jgw"), "antigo");
}

TEST_F(Falhas_exportar, SobrescreverSubstitui) {
  const Execucao execucao = Exportar("carta_RESERVA.ENh -o existe.gpkg --world --sobrescrever");
  EXPECT_EQ(execucao.status, 0) << execucao.erros;
  EXPECT_TRUE(Abrir_gdal(Caminho("existe.gpkg"), GDAL_OF_VECTOR));
  EXPECT_EQ(Ler_texto("carta.jgw"),
            "0.5000000000\n0.0000000000\n0.0000000000\n-0.5000000000\n10.0000000000\n"
            "20.0000000000\n");
}

}  // namespace
