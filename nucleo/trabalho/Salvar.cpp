// The two files are one job: both are complete on the disk, beside their targets,
// before either target changes. The reserve file replaces its target first, so that an
// interruption before the ENh file follows leaves a job that reopens with every point;
// one save of the job at a time, so that two windows never mix their files.

#include "nucleo/trabalho/Salvar.h"

#include "nucleo/arquivos/Formato_reserva.h"
#include "nucleo/arquivos/Gravar_ENh.h"
#include "nucleo/arquivos/Trava_gravacao.h"
#include "nucleo/base/Formatacao.h"
#include "nucleo/trabalho/Reserva_trabalho.h"

namespace {

// The reserve file holds the new job; the ENh file, still the old one, does not match it.
Avisos_gravacao Avisos_ENh_depois_da_reserva(const std::string& ENh, const std::string& reserva) {
  Avisos_gravacao avisos = Avisos_ENh;
  avisos.escrita = fmt::sprintf(
      "%s\n\n O arquivo RESERVA foi gravado com os dados NOVOS:\n %s\n\n O arquivo (n E N h) NAO "
      "foi gravado e nao corresponde a ele:\n %s\n\n Salve de novo.",
      Erro_gravar_ENh, reserva, ENh);
  return avisos;
}

void Avisar_gravado(Interacao& ui, bool pastas_sincronizadas, const std::string& ENh) {
  if (pastas_sincronizadas)
    ui.Caixa_mensagem(" Dados gravados em arquivo ", " DAdos gravadaos", Botoes::OK);
  else
    ui.Caixa_mensagem(fmt::sprintf(" Dados gravados em arquivo \n\n A pasta nao confirmou a "
                                   "gravacao no disco:\n %s\n\n Uma queda de energia agora "
                                   "pode desfazer a gravacao.",
                                   ENh),
                      " DAdos gravadaos", Botoes::OK);
}

}  // namespace

bool Salvar_trabalho(Interacao& ui, Trabalho& trabalho) {
  // Made first, like the ENh content: a value that cannot be written ends the command
  // with its error before any dialog.
  std::string reserva;
  if (!trabalho.Lista_pontos.Vazia()) {
    const std::string& nome = trabalho.Nome_arquivo;
    reserva = Conteudo_reserva(trabalho, nome.empty() ? ui.Nome_na_abertura_de_figura() : nome);
  }
  Gravacao_ENh ENh = Preparar_ENh_com_dialogo(ui, trabalho.Lista_pontos);
  if (ENh.fim == Gravacao_ENh::Fim::Sem_pontos) {
    trabalho.Modo_clique = 0;
    return true;
  }
  if (ENh.fim != Gravacao_ENh::Fim::Preparada) return false;

  Gravacao_preparada arquivo_reserva(Caminho_reserva(ENh.caminho), Origem_nome::Derivado);
  ui.Caixa_mensagem(arquivo_reserva.Caminho(), " NOme do arquivo Reserva", Botoes::OK_Cancelar);
  const Trava_gravacao trava(ENh.caminho);
  if (!trava.Obtida()) {
    Avisar_gravacao_em_curso(ui, ENh.caminho);
    return false;
  }
  if (!Preparar_com_aviso(ui, arquivo_reserva, std::move(reserva), Avisos_reserva)) return false;
  if (!Efetivar_com_aviso(ui, arquivo_reserva, Avisos_reserva)) return false;
  if (!Efetivar_com_aviso(ui, *ENh.arquivo,
                          Avisos_ENh_depois_da_reserva(ENh.caminho, arquivo_reserva.Caminho())))
    return false;
  const bool reserva_sincronizada = arquivo_reserva.Sincronizar_pasta();
  Avisar_gravado(ui, ENh.arquivo->Sincronizar_pasta() && reserva_sincronizada, ENh.caminho);
  trabalho.Modo_clique = 0;
  return true;
}
