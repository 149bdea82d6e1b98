// "Ler coord. de  carta": the control point dialog is shown and, once accepted with at
// least four points, its list becomes the main window's OLista_coord.

#include <QAction>
#include <QListWidget>

#include "app/Cartavel.h"
#include "orientation/Ajustamento.h"
#include "orientation/DlgOrientacao.h"

void TForm1::Coord_de_cartaClick() {
  Funcao_corrente("DIG. COORD. DE CARTA P/ ORIENTAÇÃO");
  TOKBottomDlg& dialogo = *OKBottomDlg;
  // The list box is rebuilt from the dialog's own list at every opening, so that a line
  // clicked always edits the entry it shows (once accepted, that list is OLista_coord).
  dialogo.Preencher_lista();

  if (ui.Exibir_modal(dialogo) != QDialog::Accepted) {
    ui.Caixa_mensagem(" Cancelou leitura de pontos ", "Cancela leitura de pontos",
                      Botoes::OK_Cancelar);
    dialogo.ListBox1->clear();
    return;
  }
  if (dialogo.OLista_coord->Quantidade() < Minimo_pontos_orientacao) {
    ui.Caixa_mensagem(
        " Não há pontos suficientes para realizar a orientação\n\n"
        "   Adicionar mais pontos para orientação\n\n   Operaçao->Coord. de carta ",
        "ATENÇÃO !!!!", Botoes::OK_Cancelar);
    return;
  }

  OLista_coord = dialogo.OLista_coord;  // one list from now on
  Tem_lista_coord = true;
  dialogo.ListBox1->clear();
  Coord_de_imagem->setEnabled(true);
  Coord_carta_lidas = true;
  Funcao_corrente("NENHUMA ");
  Coord_de_carta->setChecked(true);
}
