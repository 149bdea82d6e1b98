// "Salvar": the ENh file chosen by the user and, beside it, the reserve file that lets
// the job be reopened. Saving does not end the digitizing.

#include "app/Cartavel.h"
#include "datafiles/Formato_reserva.h"
#include "datafiles/Gravar_ENh.h"

namespace {

void Encerrar_modo_clique(TForm1& janela) {
  janela.Modo_clique = 0;
  janela.Definir_cursor(Cursor_imagem::Seta);
}

}  // namespace

void TForm1::Salvar1Click() {
  const Gravacao_ENh gravacao = Gravar_ENh_com_dialogo(ui, Lista_pontos);
  if (gravacao.fim == Gravacao_ENh::Fim::Sem_pontos) Encerrar_modo_clique(*this);
  if (gravacao.fim != Gravacao_ENh::Fim::Gravada) return;

  const std::string reserva = Caminho_reserva(gravacao.caminho);
  ui.Caixa_mensagem(reserva, " NOme do arquivo Reserva", Botoes::OK_Cancelar);
  const std::string nome_imagem =
      Nome_arquivo.empty() ? ui.Nome_na_abertura_de_figura() : Nome_arquivo;
  // Save is available only once an orientation exists; zeros would at least keep the
  // file readable should that ever not hold.
  const Coeficientes coeficientes = Coef_orientacao.value_or(Coeficientes{});
  const bool gravada = Gravar_com_aviso(
      ui, reserva,
      [&](std::FILE* f) {
        Escrever_reserva(f, nome_imagem, *OLista_coord, coeficientes, Lista_pontos);
      },
      Avisos_reserva);
  if (!gravada) return;

  ui.Caixa_mensagem(" Dados gravados em arquivo ", " DAdos gravadaos", Botoes::OK);
  Encerrar_modo_clique(*this);
}
