// "Salvar": the ENh file chosen by the user and, beside it, the reserve file that lets
// the job be reopened. Saving does not end the digitizing.
//
// The two files are one job: both are complete on the disk, beside their targets,
// before either target changes, and the reserve file replaces its target right after
// the ENh file, so that only a kill between those two renames can leave them apart.

#include <fmt/printf.h>

#include "app/Cartavel.h"
#include "datafiles/Formato_reserva.h"
#include "datafiles/Gravar_ENh.h"

namespace {

void Encerrar_modo_clique(TForm1& janela) {
  janela.Modo_clique = 0;
  janela.Definir_cursor(Cursor_imagem::Seta);
}

std::string Texto_reserva(TForm1& janela) {
  const std::string nome_imagem =
      janela.Nome_arquivo.empty() ? janela.ui.Nome_na_abertura_de_figura() : janela.Nome_arquivo;
  // Save is available only once an orientation exists; zeros would at least keep the
  // file readable should that ever not hold.
  const Coeficientes coeficientes = janela.Coef_orientacao.value_or(Coeficientes{});
  return Conteudo_escrito([&](std::FILE* f) {
    Escrever_reserva(f, nome_imagem, *janela.OLista_coord, coeficientes, janela.Lista_pontos);
  });
}

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

void TForm1::Salvar1Click() {
  // Made first, like the ENh content: a value that cannot be written ends the command
  // with its error before any dialog.
  std::string reserva = Lista_pontos.Vazia() ? std::string() : Texto_reserva(*this);
  Gravacao_ENh ENh = Preparar_ENh_com_dialogo(ui, Lista_pontos);
  if (ENh.fim == Gravacao_ENh::Fim::Sem_pontos) Encerrar_modo_clique(*this);
  if (ENh.fim != Gravacao_ENh::Fim::Preparada) return;

  Gravacao_preparada arquivo_reserva(Caminho_reserva(ENh.caminho));
  ui.Caixa_mensagem(arquivo_reserva.Caminho(), " NOme do arquivo Reserva", Botoes::OK_Cancelar);
  if (!Preparar_com_aviso(ui, arquivo_reserva, std::move(reserva), Avisos_reserva)) return;
  if (!Efetivar_com_aviso(ui, *ENh.arquivo, Avisos_ENh)) return;
  if (!arquivo_reserva.Efetivar()) {
    Avisar_par_desencontrado(ui, ENh.caminho, arquivo_reserva.Caminho());
    return;
  }
  ENh.arquivo->Sincronizar_pasta();
  arquivo_reserva.Sincronizar_pasta();

  ui.Caixa_mensagem(" Dados gravados em arquivo ", " DAdos gravadaos", Botoes::OK);
  Encerrar_modo_clique(*this);
}
