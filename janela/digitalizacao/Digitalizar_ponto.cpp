// A left click on the oriented image: the value dialog asks for the altitude or depth
// of the clicked pixel, and a valid value becomes a new point, marked in red.

#include "janela/principal/Cartavel.h"
#include "janela/digitalizacao/Dlg_Alt_Prof.h"
#include "nucleo/digitalizacao/Valor_vertical.h"

void TForm1::Digitalizar_ponto(int X, int Y) {
  if (!Coef_orientacao) return;  // no transform to take the pixel to the chart
  if (!Modo_altitude && !Modo_profundidade) return;
  const double x = X;
  const double y = Y;
  const double E = Coef_orientacao->Este(x, y);
  const double N = Coef_orientacao->Norte(x, y);

  const std::optional<Valor_digitado> valor =
      OKRightDlg1->Pedir_valor(E, N, Proximo_ponto, Modo_profundidade);
  if (!valor) return;
  const Destino_valor destino = Interpretar_valor(*valor);
  if (destino.recusa)
    ui.Caixa_mensagem(destino.recusa->texto, destino.recusa->titulo, Botoes::OK_Cancelar);
  if (!destino.h) return;

  Acrescentar_ponto(*this, x, y, *destino.h);
  Marcar_ponto(x, y, Cor_marca::Vermelho);
}
