#pragma once
// Helpers of the exporter's tests: files in a folder of their own, the exporter run as a
// user runs it, GDAL ready to read what it wrote.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "exportar/Dados_gdal.h"
#include "tests/apoio/Processo.h"

// Opens a file with GDAL, read-only; tipo is GDAL_OF_VECTOR or GDAL_OF_RASTER.
Dados_gdal Abrir_gdal(const std::string& caminho, unsigned tipo);

class Teste_exportar : public ::testing::Test {
 protected:
  void SetUp() override;

  std::string Caminho(const std::string& nome) const;
  // The folder's entries, sorted.
  std::vector<std::string> Arquivos() const;
  void Gravar_texto(const std::string& nome, const std::string& texto) const;
  std::string Ler_texto(const std::string& nome) const;

  // A shell command run in the test's folder.
  Execucao Na_pasta(const std::string& comando) const;
  // mapirel-exportar with these arguments, run in the test's folder.
  Execucao Exportar(const std::string& argumentos) const;

  QTemporaryDir pasta;
};
