#include "nucleo/trabalho/Linha_de_comando.h"

#include "nucleo/arquivos/Formato_reserva.h"
#include "nucleo/base/Formatacao.h"
#include "nucleo/base/Versao.h"

namespace {

Pedido_inicial Recusar(const std::string& motivo) {
  return {Pedido_inicial::Acao::Recusar, std::nullopt,
          fmt::sprintf("mapirel: %s (veja mapirel --help)", motivo)};
}

Arquivo_inicial Arquivo(const std::string& caminho) {
  return {E_arquivo_reserva(caminho) ? Arquivo_inicial::Tipo::Dados : Arquivo_inicial::Tipo::Figura,
          caminho};
}

}  // namespace

Pedido_inicial Ler_linha_de_comando(const std::vector<std::string>& argumentos) {
  Pedido_inicial pedido;
  bool so_arquivos = false;  // after "--" a name may begin with a dash
  for (const std::string& argumento : argumentos) {
    if (!so_arquivos && argumento == "--") {
      so_arquivos = true;
    } else if (!so_arquivos && argumento == "--help") {
      return {Pedido_inicial::Acao::Ajuda, std::nullopt, {}};
    } else if (!so_arquivos && argumento == "--version") {
      return {Pedido_inicial::Acao::Versao, std::nullopt, {}};
    } else if (!so_arquivos && argumento.size() > 1 && argumento[0] == '-') {
      return Recusar("opção desconhecida: " + argumento);
    } else if (pedido.arquivo) {
      return Recusar("só um arquivo pode ser aberto de cada vez, e foram dados " +
                     pedido.arquivo->caminho + " e " + argumento);
    } else {
      pedido.arquivo = Arquivo(argumento);
    }
  }
  return pedido;
}

std::string Texto_ajuda() {
  return "Uso: mapirel [ARQUIVO]\n"
         "Digitalização de altitudes e profundidades em mapas e cartas escaneados.\n"
         "\n"
         "Sem ARQUIVO o programa começa vazio. Com ARQUIVO ele o abre ao começar:\n"
         "  uma imagem (.jpg, .jpeg, .bmp, .ico, .emf, .wmf)   como Arquivo → Abrir imagem\n"
         "  um trabalho salvo (..._RESERVA.ENh)                como Arquivo → Abrir dados\n"
         "\n"
         "Opções:\n"
         "  --help       mostra esta ajuda e termina\n"
         "  --version    mostra a versão e termina\n"
         "  --           o que vem depois é o nome do arquivo, mesmo começando com -\n";
}

std::string Texto_versao() {
  return fmt::sprintf("Mapirel %s\n", Versao_mapirel);
}
