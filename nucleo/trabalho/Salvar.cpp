// The two files are one job: both are complete on the disk, beside their targets,
// before either target changes, and the reserve file replaces its target right after
// the ENh file, so that only a kill between those two renames can leave them apart.

#include "nucleo/trabalho/Salvar.h"

#include <fmt/printf.h>

#include "nucleo/arquivos/Formato_reserva.h"
#include "nucleo/arquivos/Gravar_ENh.h"
#include "nucleo/trabalho/Reserva_trabalho.h"

namespace {

void Avisar_par_desencontrado(Interacao& ui, const std::string& ENh, const std::string& reserva) {
  ui.Caixa_mensagem(
      fmt::sprintf(
          "Erro ao gravar arquivo RESERVA !!!! \n\n O arquivo (n E N h) foi gravado com os "
          "dados NOVOS:\n %s\n\n O arquivo RESERVA NAO foi gravado e nao corresponde a "
          "ele:\n %s\n\n Salve de novo.",
          ENh, reserva),
      "Erro ao gravar!!!", Botoes::OK_Cancelar);
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

  Gravacao_preparada arquivo_reserva(Caminho_reserva(ENh.caminho));
  ui.Caixa_mensagem(arquivo_reserva.Caminho(), " NOme do arquivo Reserva", Botoes::OK_Cancelar);
  if (!Preparar_com_aviso(ui, arquivo_reserva, std::move(reserva), Avisos_reserva)) return false;
  if (!Efetivar_com_aviso(ui, *ENh.arquivo, Avisos_ENh)) return false;
  if (!arquivo_reserva.Efetivar()) {
    Avisar_par_desencontrado(ui, ENh.caminho, arquivo_reserva.Caminho());
    return false;
  }
  ENh.arquivo->Sincronizar_pasta();
  arquivo_reserva.Sincronizar_pasta();

  ui.Caixa_mensagem(" Dados gravados em arquivo ", " DAdos gravadaos", Botoes::OK);
  trabalho.Modo_clique = 0;
  return true;
}
