#pragma once
// Adding a job's layers to a file that holds others already. Only a GeoPackage: one file
// that GDAL changes in place, so that a copy of it, changed and read back beside it, can
// take its place whole, and a failure leaves the original as it was.

#include <gdal_priv.h>

#include <string>
#include <vector>

#include "exportar/Tabela_gdal.h"

// Falha_exportacao when the layers cannot be added to `saida`: another format, a file
// that is no GeoPackage or is open in another program, a layer's name already in the
// file (unless `substituir`). A file that does not exist yet is made.
void Conferir_acrescimo(GDALDriver& driver, const std::string& saida,
                        const std::vector<Tabela_gdal>& tabelas, bool substituir);
