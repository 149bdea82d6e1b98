// mapirel-exportar: a job's points and its scanned picture's placement, for GIS.

#include <cpl_error.h>
#include <gdal.h>

#include <cstdio>

#include "exportar/Exportacao.h"
#include "exportar/Falha_exportacao.h"
#include "nucleo/base/Versao.h"

namespace {

constexpr int Saida_falha = 2;

int Executar(const Opcoes_exportar& opcoes) {
  GDALAllRegister();
  // GDAL's own messages would make more than the one line of a failure.
  CPLSetErrorHandler(CPLQuietErrorHandler);
  try {
    for (const std::string& linha : Exportar(opcoes)) std::printf("%s\n", linha.c_str());
    return 0;
  } catch (const std::exception& falha) {
    std::fprintf(stderr, "mapirel-exportar: %s\n", falha.what());
    return Saida_falha;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const Pedido_exportar pedido = Ler_opcoes_exportar({argv + 1, argv + argc});
  switch (pedido.acao) {
    case Pedido_exportar::Acao::Ajuda:
      std::fputs(Texto_ajuda_exportar().c_str(), stdout);
      return 0;
    case Pedido_exportar::Acao::Versao:
      std::printf("mapirel-exportar (Mapirel) %s\n", Versao_mapirel);
      return 0;
    case Pedido_exportar::Acao::Recusar:
      std::fprintf(stderr, "%s\n", pedido.mensagem.c_str());
      return Saida_falha;
    case Pedido_exportar::Acao::Exportar:
      break;
  }
  return Executar(pedido.opcoes);
}
