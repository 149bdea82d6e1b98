#include "exportar/Modulo_sig.h"

#include "exportar/Exportacao.h"
#include "exportar/Para_exportar.h"

extern "C" __attribute__((visibility("default"))) const Modulo_sig* mapirel_modulo_sig() {
  static constexpr Modulo_sig modulo{&Para_exportar, &Arquivos_a_substituir, &Exportar_trabalho};
  return &modulo;
}
