// "Digit. coord. imagem" and the left click that gives the next control point its
// position on the image.

#include <QAction>

#include "janela/principal/Cartavel.h"
#include "nucleo/base/Formatacao.h"

void TForm1::Coord_de_imagemClick() {
  Iniciar_captura(trabalho);
  Funcao_corrente("Digit. coord. imagem p/ Orientação");
  Definir_cursor(Cursor_imagem::Cruz);
  ui.Caixa_mensagem(
      " Digitalizar as coordenadas \n\n de orientação da imagem.\n\n"
      " Respeitar a ordem das coord. de carta digitadas ",
      " NULL", Botoes::OK_Cancelar);
}

void TForm1::Associar_ponto_controle(int X, int Y) {
  const Ponto_orientacao ponto = trabalho.OLista_coord->Item(trabalho.Pontos_associados);
  const std::string texto = fmt::sprintf(
      " Ponto a associar   %3d\n\n -> E = %10.3f  com x = %5d\n\n -> N = %11.3f  com y = %5d\n",
      ponto.Numero, ponto.E, X, ponto.N, Y);
  if (ui.Caixa_mensagem(texto, "Aceitação de ponto digitalizado", Botoes::OK_Cancelar) !=
      Resposta::OK)
    return;

  const bool todos = Associar_ponto(trabalho, X, Y);
  Marcar_ponto(X, Y, Cor_marca::Azul);

  if (todos) {
    ui.Mensagem_simples(" Ja se pode realizar o ajustamento de orientacao");
    Coord_de_imagem->setChecked(true);
    Ajustar->setEnabled(true);
    Definir_cursor(Cursor_imagem::Padrao);
  }
}
