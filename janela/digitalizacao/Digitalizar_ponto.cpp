// A left click on the oriented image: the value dialog asks for the altitude or depth
// of the clicked pixel, and a valid value becomes a new point, marked in red.

#include "janela/digitalizacao/Dlg_Alt_Prof.h"
#include "janela/principal/Cartavel.h"
#include "nucleo/digitalizacao/Valor_vertical.h"

void TForm1::Digitalizar_ponto(int X, int Y) {
  const double x = X;
  const double y = Y;
  const Coeficientes& coef = *Orientacao_em_vigor(trabalho);  // a click digitizes only then
  const double E = coef.Este(x, y);
  const double N = coef.Norte(x, y);

  const std::optional<Valor_digitado> valor = OKRightDlg1->Pedir_valor(
      E, N, trabalho.Proximo_ponto, trabalho.Modo_digitalizacao == Modo_valor::Profundidade);
  if (!valor) return;
  const Destino_valor destino = Interpretar_valor(*valor);
  if (destino.recusa)
    ui.Caixa_mensagem(destino.recusa->texto, destino.recusa->titulo, Botoes::OK_Cancelar);
  if (!destino.h) return;

  Acrescentar_ponto(trabalho, x, y, *destino.h);
  Marcar_ponto(x, y, Cor_marca::Vermelho);
}
