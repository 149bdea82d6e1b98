// A left click on the oriented image: the value dialog asks for the altitude or depth
// of the clicked pixel, and a valid value becomes a new point, marked in red.

#include <QLineEdit>
#include <QRadioButton>

#include "app/Cartavel.h"
#include "app/Conversao.h"
#include "digitizing/Dlg_Alt_Prof.h"
#include "digitizing/Valor_vertical.h"

namespace {

// The radio buttons start at the current mode; the user may still switch them.
void Marcar_grandeza(TOKRightDlg1& dlg, bool altitude, bool profundidade) {
  if (altitude) {
    dlg.Altitude->setChecked(true);
    dlg.Profundidade->setChecked(false);
  }
  if (profundidade) {
    dlg.Profundidade->setChecked(true);
    dlg.Altitude->setChecked(false);
  }
}

}  // namespace

void TForm1::Digitalizar_ponto(int X, int Y) {
  if (!Coef_orientacao) return;  // no transform to take the pixel to the chart
  const double x = X;
  const double y = Y;
  const double E = Coef_orientacao->Este(x, y);
  const double N = Coef_orientacao->Norte(x, y);

  TOKRightDlg1& dlg = *OKRightDlg1;
  dlg.Preencher(E, N, Proximo_ponto);
  Marcar_grandeza(dlg, Modo_altitude, Modo_profundidade);
  if (!Modo_altitude && !Modo_profundidade) return;
  if (ui.Exibir_modal(dlg) != QDialog::Accepted) return;

  const std::string valor = dlg.Edit3->text().toStdString();
  if (valor == "VAZIO") return;
  // The sign follows the button checked when the dialog closed, not the mode.
  const bool profundidade = dlg.Profundidade->isChecked();
  if (dlg.Erro_valor != 0) {
    const Mensagem_caixa recusa = Mensagem_valor_invalido(valor, profundidade);
    ui.Caixa_mensagem(recusa.texto, recusa.titulo, Botoes::OK_Cancelar);
    return;
  }

  Ponto_digitalizado ponto;
  ponto.Numero = Proximo_ponto;
  ponto.Marca_pconv = -1;
  ponto.E = E;
  ponto.N = N;
  ponto.x = x;
  ponto.y = y;
  const double h = Texto_para_real(valor);
  // 0.0 - h rather than -h: a depth of zero is kept as 0, not as -0.
  ponto.h = profundidade ? 0.0 - h : h;
  Lista_pontos.Acrescentar(ponto);
  ++Proximo_ponto;
  Marcar_ponto(x, y, Cor_marca::Vermelho);
}
