#pragma once
// The exporter's own small text files (QGIS's style, the georeferencer's points), written
// through GDAL's file layer as every file of a set, and read back like them: a full disk
// may show only when the file is closed.

#include <string>

// Writes `texto` at `caminho` and reads it back; Falha_exportacao naming `nome` when the
// file does not hold exactly the text.
void Gravar_texto_conferido(const std::string& caminho, const std::string& texto,
                            const std::string& nome);
