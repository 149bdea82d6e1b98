#include "datafiles/Gravar_ENh.h"

#include <fmt/printf.h>

#include "datafiles/Formato_ENh.h"
#include "datafiles/Gravacao_segura.h"

namespace {

void Avisar_cancelamento(Interacao& ui) {
  ui.Caixa_mensagem(" Cancelou gravacao das\n coordenadas digitalizadas", " Cancelou !!!",
                    Botoes::OK_Cancelar);
}

}  // namespace

bool Gravar_com_aviso(Interacao& ui, const std::string& caminho,
                      const std::function<void(std::FILE*)>& escrever,
                      const Avisos_gravacao& avisos) {
  switch (Gravar_arquivo(caminho, escrever)) {
    case Resultado_gravacao::Gravado:
      return true;
    case Resultado_gravacao::Falha_abertura:
      ui.Caixa_mensagem(avisos.abertura, "Erro ao execuar fopen!!!", Botoes::OK_Cancelar);
      return false;
    case Resultado_gravacao::Falha_escrita:
      ui.Caixa_mensagem(avisos.escrita, "Erro ao gravar!!!", Botoes::OK_Cancelar);
      return false;
  }
  return false;
}

Gravacao_ENh Gravar_ENh_com_dialogo(Interacao& ui, const Lista<Ponto_digitalizado>& pontos) {
  using Fim = Gravacao_ENh::Fim;
  if (pontos.Vazia()) {
    ui.Caixa_mensagem(" NAO HA PONTOS A SALVAR ", "NULL", Botoes::OK_Cancelar);
    return {Fim::Sem_pontos, {}};
  }
  const std::string confirmacao = fmt::sprintf(
      " Ha %d pontos a armazenar !!!\n\n Salvar    OK \n\n Cancelar   CANCEL", pontos.Quantidade());
  if (ui.Caixa_mensagem(confirmacao, " Salvar pontos digitalizados", Botoes::OK_Cancelar) !=
      Resposta::OK) {
    Avisar_cancelamento(ui);
    return {Fim::Cancelada, {}};
  }
  const auto caminho = ui.Salvar_arquivo("Dados ENh|ENh", "ENh");
  if (!caminho) {
    Avisar_cancelamento(ui);
    return {Fim::Cancelada, {}};
  }
  // The answer is not used: Cancel here does not stop the saving.
  ui.Caixa_mensagem(*caminho, " NOme arquivo ", Botoes::OK_Cancelar);
  if (!Gravar_com_aviso(
          ui, *caminho, [&](std::FILE* f) { Escrever_ENh(f, pontos); }, Avisos_ENh))
    return {Fim::Falhou, *caminho};
  return {Fim::Gravada, *caminho};
}
