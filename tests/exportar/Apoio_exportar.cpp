#include "tests/exportar/Apoio_exportar.h"

#include <QDir>
#include <fstream>
#include <sstream>

void Teste_exportar::SetUp() {
  ASSERT_TRUE(pasta.isValid());
  GDALAllRegister();
}

std::string Teste_exportar::Caminho(const std::string& nome) const {
  return pasta.filePath(QString::fromStdString(nome)).toStdString();
}

std::vector<std::string> Teste_exportar::Arquivos() const {
  std::vector<std::string> nomes;
  for (const QString& nome : QDir(pasta.path()).entryList(QDir::Files, QDir::Name))
    nomes.push_back(nome.toStdString());
  return nomes;
}

void Teste_exportar::Gravar_texto(const std::string& nome, const std::string& texto) const {
  std::ofstream(Caminho(nome), std::ios::binary) << texto;
}

std::string Teste_exportar::Ler_texto(const std::string& nome) const {
  std::ifstream arquivo(Caminho(nome), std::ios::binary);
  std::ostringstream texto;
  texto << arquivo.rdbuf();
  return texto.str();
}

Dados_gdal Abrir_gdal(const std::string& caminho, unsigned tipo) {
  return Dados_gdal(GDALDataset::Open(caminho.c_str(), tipo | GDAL_OF_READONLY));
}

Execucao Teste_exportar::Na_pasta(const std::string& comando) const {
  return Executar("cd " + Citado(pasta.path().toStdString()) + " && " + comando);
}

Execucao Teste_exportar::Exportar(const std::string& argumentos) const {
  return Na_pasta(std::string(MAPIREL_EXPORTAR) + " " + argumentos);
}
