// "Ler coord. de  carta": the control point dialog is shown and, once accepted with at
// least four points, its list becomes the main window's trabalho.OLista_coord.

#include <QAction>

#include "janela/orientacao/DlgOrientacao.h"
#include "janela/principal/Cartavel.h"
#include "nucleo/orientacao/Ajustamento.h"

void TForm1::Coord_de_cartaClick() {
  Funcao_corrente("DIG. COORD. DE CARTA P/ ORIENTAÇÃO");
  TOKBottomDlg& dialogo = *OKBottomDlg;
  const std::shared_ptr<Lista<Ponto_orientacao>> lista = dialogo.Ler_pontos();
  if (!lista) {
    ui.Caixa_mensagem(" Cancelou leitura de pontos ", "Cancela leitura de pontos",
                      Botoes::OK_Cancelar);
    dialogo.Esvaziar_lista();
    return;
  }
  if (lista->Quantidade() < Minimo_pontos_orientacao) {
    ui.Caixa_mensagem(
        " Não há pontos suficientes para realizar a orientação\n\n"
        "   Adicionar mais pontos para orientação\n\n   Operaçao->Coord. de carta ",
        "ATENÇÃO !!!!", Botoes::OK_Cancelar);
    return;
  }

  Adotar_pontos_controle(trabalho, lista);
  dialogo.Esvaziar_lista();
  Coord_de_imagem->setEnabled(true);
  Funcao_corrente("NENHUMA ");
  Coord_de_carta->setChecked(true);
}
