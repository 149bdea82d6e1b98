// "Calcular orientação": the least-squares orientation, its statistics box, and the
// acceptance or rejection of the result. Also the approximate scale of the chart.

#include <QAction>

#include "janela/principal/Cartavel.h"
#include "nucleo/base/Formatacao.h"
#include "nucleo/orientacao/Orientacao.h"

namespace {

// Back to the clicking of the control points from the first one: no coefficients, no
// digitizing, a fresh picture without the old markers, so that every click associates
// a point again whether or not an orientation had been accepted.
void Reiniciar_captura(TForm1& janela) {
  // The job goes back before the picture is reloaded: should the file have gone
  // meanwhile, the window must not stay oriented without coefficients.
  Recomecar_captura(janela.trabalho);
  janela.Ajustar->setEnabled(false);
  janela.Salvar1->setEnabled(false);
  janela.Digitalizar2->setEnabled(false);
  janela.Coord_de_imagem->setChecked(false);

  // Reloading the picture wipes the control point markers.
  janela.resize(814, 606);
  janela.setWindowState(Qt::WindowMaximized);
  janela.Carregar_imagem();
  janela.setWindowState(Qt::WindowNoState);
  janela.setWindowState(Qt::WindowMaximized);
}

// A configuration that cannot determine the orientation is refused before anything
// is computed. When the clicks on the image are at fault, the capture starts again
// from the first control point, as after a rejected orientation; otherwise the user
// would be left with every point counted as associated and no way to click them again.
void Recusar(TForm1& janela, Configuracao configuracao) {
  janela.ui.Caixa_mensagem(Texto_recusa(configuracao), "ATENÇÃO", Botoes::OK);
  if (configuracao == Configuracao::Degenerada_imagem) Reiniciar_captura(janela);
}

void Aceitar(TForm1& janela, const Escala_aprox& escala) {
  Aceitar_orientacao(janela.trabalho);
  janela.Salvar1->setEnabled(true);
  janela.ui.Mensagem_simples(
      " A imagem está orientada !!!! \n\n Para digitalizar pontos selecionar \n\n"
      " -> Digitalizar - Pontos - ALTITUDES ou PROFUNDIDADES.\n\n\n");
  janela.Funcao_corrente("nenhuma ");
  janela.Digitalizar2->setEnabled(true);
  janela.Ajustar->setChecked(true);
  janela.Novadigit1->setEnabled(true);
  janela.Mostrar_escala(escala);
}

void Rejeitar(TForm1& janela) {
  janela.ui.Caixa_mensagem(
      " ATENÇÃO: \n\n    Realizar novamente a leitura das coordenadas\n\n"
      " de tela para a orientação.",
      "ATENÇÃO", Botoes::OK);
  Reiniciar_captura(janela);
}

}  // namespace

void TForm1::AjustarClick() {
  Funcao_corrente("AJUSTAMENTO DA ORIENTAÇÃO ");
  // Everything is computed before anything is kept: a floating-point error on the way
  // leaves the previous orientation in force.
  const Resultado_orientacao resultado = Orientar(Pontos_controle(trabalho), logicalDpiX());
  if (!resultado.calculada) return Recusar(*this, resultado.configuracao);
  const Orientacao_calculada& orientacao = *resultado.calculada;
  trabalho.Coef_orientacao = orientacao.coeficientes;
  ui.Bip();

  if (ui.Caixa_mensagem(orientacao.relatorio, " Estatistica da orientação", Botoes::OK_Cancelar) ==
      Resposta::OK)
    Aceitar(*this, orientacao.escala);
  else
    Rejeitar(*this);
}

void TForm1::Mostrar_escala(const Escala_aprox& escala) {
  Escrever_painel(4, fmt::sprintf(" Escala aprox.  1 / %.0f", escala.escala));
}
