#pragma once
// One run of the exporter, as the command line and a window call it: everything is
// checked before the first file is written, every file is written beside its place and
// read back there, and only a run that went through replaces anything. A failure
// leaves every file as it was, new ones absent.

#include <string>
#include <vector>

#include "exportar/Leitura_entrada.h"
#include "exportar/Opcoes_exportar.h"

// The lines that report what was written; prints nothing. Raises Falha_exportacao,
// whose one line says why nothing was written. The job is read from opcoes.entrada.
std::vector<std::string> Exportar(const Opcoes_exportar& opcoes);

// The same for a job already in memory (the window's); opcoes.entrada is not read.
std::vector<std::string> Exportar_trabalho(Trabalho_lido trabalho, const Opcoes_exportar& opcoes);

// The files the run would replace where it writes them, found by its own checks: the
// points' file and QGIS's style beside it, the world file and the .aux.xml beside the
// scan, the north-up GeoTIFF. Raises Falha_exportacao as the run would for any other
// refusal; writes nothing. Old companions found only once the new set is written (a
// shapefile's .dbf) are not among them.
std::vector<std::string> Arquivos_a_substituir(Trabalho_lido trabalho,
                                               const Opcoes_exportar& opcoes);
