// The picture loader on any bytes, as a file with the extension this target is built
// for (EXTENSAO_FIGURA): a file it cannot read must end in the loader's error, never in
// a crash, a read out of bounds or an allocation beyond the raster cap.

#include "figuras/Ler_figura.h"
#include "fuzz/Apoio_fuzz.h"
#include "nucleo/base/Erro.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Iniciar_fuzz(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
  const std::string caminho = Gravar_entrada("figura." EXTENSAO_FIGURA, dados, tamanho);
  try {
    if (Ler_figura(caminho, 96).Vazio()) std::abort();
  } catch (const Erro&) {
  }
  return 0;
}
