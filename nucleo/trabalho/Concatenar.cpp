#include "nucleo/trabalho/Concatenar.h"

#include "nucleo/arquivos/Gravar_ENh.h"
#include "nucleo/arquivos/Trava_gravacao.h"
#include "nucleo/trabalho/Reserva_trabalho.h"

namespace {

void Acrescentar_arquivo(Interacao& ui, Trabalho& trabalho, const std::string& caminho, bool base) {
  const Arquivo arquivo = Abrir_leitura(caminho);
  if (!arquivo) {
    ui.Caixa_mensagem("Erro ao abrir arquivo ", "E R R O  ! !", Botoes::OK_Cancelar);
    return;
  }
  Acrescentar_pontos(arquivo.get(), base, trabalho);
}

// Asks for further files until the user says there are no more.
void Acrescentar_mais_arquivos(Interacao& ui, Trabalho& trabalho) {
  for (;;) {
    if (ui.Caixa_mensagem(
            " Adicionar mais arquivos ao arquivo BASE ??? \n\n  Sim -> OK\n\n  Nao -> Cancel\n\n ",
            "Concatenar mais arquivos ??? ", Botoes::OK_Cancelar) != Resposta::OK) {
      ui.Caixa_mensagem(" Termino da concatenacao. Salvar dados concatenados",
                        "SAlvar concatenacao", Botoes::OK_Cancelar);
      return;
    }
    const auto caminho =
        ui.Abrir_arquivo(" Arquivos Coordenadas (*_RESERVA.ENh)|*_RESERVA.ENh", "ENh");
    if (caminho) {
      Acrescentar_arquivo(ui, trabalho, *caminho, false);
    } else if (ui.Caixa_mensagem(" Abertura de arquivos a concatenar ???\n\n  OK -> Terminar \n\n  "
                                 "Cancel -> Continuar",
                                 "Termina abertura de dados",
                                 Botoes::OK_Cancelar) == Resposta::OK) {
      return;
    }
  }
}

}  // namespace

bool Concatenar_dados(Interacao& ui, Trabalho& trabalho) {
  const auto base = ui.Abrir_arquivo(" Arquivos BASE (*_RESERVA.ENh)|*_RESERVA.ENh", "ENh");
  if (!base) {
    ui.Caixa_mensagem("\n\n  Cancelou abertura do arquivo BASE   \n\n    ", "Cancelou ",
                      Botoes::OK_Cancelar);
    return true;
  }
  Acrescentar_arquivo(ui, trabalho, *base, true);
  Acrescentar_mais_arquivos(ui, trabalho);
  Gravacao_ENh ENh = Preparar_ENh_com_dialogo(ui, trabalho.Lista_pontos);
  if (ENh.fim == Gravacao_ENh::Fim::Falhou) return false;
  if (ENh.fim != Gravacao_ENh::Fim::Preparada) return true;
  const Trava_gravacao trava(ENh.caminho);
  if (!trava.Obtida()) {
    Avisar_gravacao_em_curso(ui, ENh.caminho);
    return false;
  }
  if (!Efetivar_com_aviso(ui, *ENh.arquivo, Avisos_ENh)) return false;
  ENh.arquivo->Sincronizar_pasta();
  return true;
}
