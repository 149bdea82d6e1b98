#include "nucleo/arquivos/Gravar_ENh.h"

#include "nucleo/arquivos/Formato_ENh.h"
#include "nucleo/base/Formatacao.h"

namespace {

constexpr const char* Titulo_erro_abertura = "Erro ao execuar fopen!!!";
constexpr const char* Titulo_erro_escrita = "Erro ao gravar!!!";

void Avisar_cancelamento(Interacao& ui) {
  ui.Caixa_mensagem(" Cancelou gravacao das\n coordenadas digitalizadas", " Cancelou !!!",
                    Botoes::OK_Cancelar);
}

// A file written in place that could not be put back as it was.
void Avisar_danificado(Interacao& ui, const std::string& primeira_linha, const std::string& caminho,
                       const std::string& resgate) {
  const std::string novos = resgate.empty()
                                ? " Os dados NOVOS NAO puderam ser gravados em outro arquivo."
                                : fmt::sprintf(" Os dados NOVOS foram gravados em:\n %s", resgate);
  ui.Caixa_mensagem(fmt::sprintf("%s\n\n O arquivo NAO pode ser restaurado e esta DANIFICADO:"
                                 "\n %s\n\n%s",
                                 primeira_linha, caminho, novos),
                    Titulo_erro_escrita, Botoes::OK_Cancelar);
}

}  // namespace

bool Preparar_com_aviso(Interacao& ui, Gravacao_preparada& arquivo, std::string conteudo,
                        const Avisos_gravacao& avisos) {
  switch (arquivo.Preparar(std::move(conteudo))) {
    case Resultado_gravacao::Gravado:
      return true;
    case Resultado_gravacao::Falha_abertura:
      ui.Caixa_mensagem(avisos.abertura, Titulo_erro_abertura, Botoes::OK_Cancelar);
      return false;
    case Resultado_gravacao::Falha_escrita:
      ui.Caixa_mensagem(avisos.escrita, Titulo_erro_escrita, Botoes::OK_Cancelar);
      return false;
    case Resultado_gravacao::Link_de_outro:
      ui.Caixa_mensagem(fmt::sprintf(avisos.link_de_outro, arquivo.Caminho()), Titulo_erro_abertura,
                        Botoes::OK_Cancelar);
      return false;
  }
  return false;
}

bool Efetivar_com_aviso(Interacao& ui, Gravacao_preparada& arquivo, const Avisos_gravacao& avisos) {
  const Efetivacao efetivacao = arquivo.Efetivar();
  if (efetivacao.feita) return true;
  if (efetivacao.intacto)
    ui.Caixa_mensagem(avisos.escrita, Titulo_erro_escrita, Botoes::OK_Cancelar);
  else
    Avisar_danificado(ui, avisos.danificado, arquivo.Caminho(), efetivacao.resgate);
  return false;
}

void Avisar_gravacao_em_curso(Interacao& ui, const std::string& caminho) {
  ui.Caixa_mensagem(fmt::sprintf(" O trabalho esta sendo gravado por outra janela:\n %s\n\n"
                                 " Os dados NAO foram gravados. Espere essa gravacao\n"
                                 " terminar e salve de novo.",
                                 caminho),
                    Titulo_erro_escrita, Botoes::OK_Cancelar);
}

Gravacao_ENh Preparar_ENh_com_dialogo(Interacao& ui, const Lista<Ponto_digitalizado>& pontos) {
  using Fim = Gravacao_ENh::Fim;
  if (pontos.Vazia()) {
    ui.Caixa_mensagem(" NAO HA PONTOS A SALVAR ", "NULL", Botoes::OK_Cancelar);
    return {Fim::Sem_pontos, {}, {}};
  }
  std::string conteudo = Conteudo_escrito([&](std::FILE* f) { Escrever_ENh(f, pontos); });
  const std::string confirmacao = fmt::sprintf(
      " Ha %d pontos a armazenar !!!\n\n Salvar    OK \n\n Cancelar   CANCEL", pontos.Quantidade());
  if (ui.Caixa_mensagem(confirmacao, " Salvar pontos digitalizados", Botoes::OK_Cancelar) !=
      Resposta::OK) {
    Avisar_cancelamento(ui);
    return {Fim::Cancelada, {}, {}};
  }
  const auto caminho = ui.Salvar_arquivo("Dados ENh|ENh", "ENh");
  if (!caminho) {
    Avisar_cancelamento(ui);
    return {Fim::Cancelada, {}, {}};
  }
  // The answer is not used: Cancel here does not stop the saving.
  ui.Caixa_mensagem(*caminho, " NOme arquivo ", Botoes::OK_Cancelar);
  auto arquivo = std::make_unique<Gravacao_preparada>(*caminho);
  if (!Preparar_com_aviso(ui, *arquivo, std::move(conteudo), Avisos_ENh))
    return {Fim::Falhou, *caminho, {}};
  return {Fim::Preparada, *caminho, std::move(arquivo)};
}
