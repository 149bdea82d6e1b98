// "Desfazer": shows the last point of the list and, when the user confirms, removes it
// and gives its number back to the next point.

#include "janela/digitalizacao/DlgRemocao.h"
#include "janela/principal/Cartavel.h"
#include "nucleo/base/Conversao.h"

void TForm1::Desfazer1Click() {
  Funcao_corrente("Desfazer/eliminar último ponto da lista");
  // An empty list raises the list-index error here, before anything is shown.
  const Ponto_digitalizado ultimo =
      trabalho.Lista_pontos.Item(trabalho.Lista_pontos.Quantidade() - 1);

  // The number shown is the one the point received, one below the next one.
  if (OKRightDlg->Confirmar_remocao(trabalho.Proximo_ponto - 1, ultimo)) {
    // A small dot whose corner is the point itself, inside the red disc, not over it.
    const int x = Truncar_pixel(ultimo.x);
    const int y = Truncar_pixel(ultimo.y);
    Marcar(x, y, x + Raio_marca.x - 2, y + Raio_marca.y - 2, Cor_marca::Amarelo);
    Remover_ultimo_ponto(trabalho);
  }
  Funcao_corrente("Nenhuma");
}
