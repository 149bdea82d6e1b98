// The exporter's reading of a job's files on any bytes, its points written into GDAL's
// memory and read back there: a file it cannot take must end in a refusal of one line,
// and nothing of a run may stay behind.

#include <cpl_conv.h>
#include <cpl_error.h>
#include <cpl_string.h>
#include <cpl_vsi.h>
#include <gdal.h>

#include <cstdlib>
#include <cstring>

#include "exportar/Exportacao.h"
#include "exportar/Falha_exportacao.h"
#include "fuzz/Apoio_fuzz.h"

namespace {

const char* const Pasta_saida = "/vsimem/fuzz";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Iniciar_fuzz(argc, argv);
  GDALAllRegister();
  CPLSetErrorHandler(CPLQuietErrorHandler);
  VSIMkdir(Pasta_saida, 0700);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
  // The first byte picks the reader: a reserve file's or an ENh file's.
  if (tamanho == 0) return 0;
  Opcoes_exportar opcoes;
  opcoes.entrada = Gravar_entrada(dados[0] & 1 ? "f_RESERVA.ENh" : "f.ENh", dados + 1, tamanho - 1);
  opcoes.saida = std::string(Pasta_saida) + "/p.csv";
  opcoes.sobrescrever = true;
  try {
    Exportar(opcoes);
  } catch (const Falha_exportacao& falha) {
    if (std::strchr(falha.what(), '\n') != nullptr) std::abort();
  }
  // Only the output, and its companions, may be there.
  const CPLStringList nomes(VSIReadDir(Pasta_saida));
  for (int i = 0; i < nomes.size(); ++i)
    if (std::strncmp(nomes[i], "p.", 2) != 0) std::abort();
  VSIRmdirRecursive(Pasta_saida);
  VSIMkdir(Pasta_saida, 0700);
  return 0;
}
