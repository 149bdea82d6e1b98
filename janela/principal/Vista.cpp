// The image view's mouse handling: position display, wheel and right-button drag, the
// dispatch of a button press, and the point markers painted into the raster.

#include <QScrollArea>
#include <QScrollBar>

#include "janela/comum/Imagem.h"
#include "janela/comum/Lupa.h"
#include "janela/comum/Marcacao.h"
#include "janela/comum/Passo_rolagem.h"
#include "janela/principal/Cartavel.h"
#include "nucleo/base/Conversao.h"
#include "nucleo/base/Formatacao.h"

void TForm1::Image1MouseMove(Qt::KeyboardModifiers, int X, int Y) {
  Escrever_painel(0, fmt::sprintf(" Xt= %d", X));
  Escrever_painel(1, fmt::sprintf(" Yt= %d", Y));
  if (const Coeficientes* coef = Orientacao_em_vigor(trabalho)) {
    const double x = X;
    const double y = Y;
    Escrever_painel(2, fmt::sprintf(" E= %11.3f m", coef->Este(x, y)));
    Escrever_painel(3, fmt::sprintf(" N= %12.3f m", coef->Norte(x, y)));
  }
  if (Lupa && Lupa->isVisible()) Lupa->Mostrar_em(X, Y);
}

void TForm1::Rolar_imagem(Qt::KeyboardModifiers shift, int delta) {
  Funcao_corrente("rolar imagem");
  const bool de_lado = shift & Qt::ShiftModifier;
  const int passo = Passo_rolagem(de_lado ? frameGeometry().width() : frameGeometry().height());
  QScrollBar* barra = de_lado ? ScrollBox1->horizontalScrollBar() : ScrollBox1->verticalScrollBar();
  barra->setValue(delta > 0 ? barra->value() - passo : barra->value() + passo);
  Funcao_corrente("Nenhuma");
}

// An arrow moves by a wheel's step, a page by the visible part of the picture.
bool TForm1::Rolar_por_tecla(int tecla) {
  QScrollBar* v = ScrollBox1->verticalScrollBar();
  QScrollBar* h = ScrollBox1->horizontalScrollBar();
  const int passo_v = Passo_rolagem(frameGeometry().height());
  const int passo_h = Passo_rolagem(frameGeometry().width());
  const int pagina = ScrollBox1->viewport()->height();
  struct Movimento {
    int tecla;
    QScrollBar* barra;
    int destino;
  };
  const Movimento movimentos[] = {
      {Qt::Key_Up, v, v->value() - passo_v},    {Qt::Key_Down, v, v->value() + passo_v},
      {Qt::Key_Left, h, h->value() - passo_h},  {Qt::Key_Right, h, h->value() + passo_h},
      {Qt::Key_PageUp, v, v->value() - pagina}, {Qt::Key_PageDown, v, v->value() + pagina},
      {Qt::Key_Home, v, v->minimum()},          {Qt::Key_End, v, v->maximum()}};
  for (const Movimento& m : movimentos)
    if (m.tecla == tecla) {
      m.barra->setValue(m.destino);
      return true;
    }
  return false;
}

void TForm1::Clique_imagem(Qt::MouseButton botao, Qt::KeyboardModifiers, int X, int Y) {
  if (botao == Qt::RightButton) {
    Origem_arraste = {X, Y};
    Definir_cursor(Cursor_imagem::Mao);
    return;
  }
  if (botao != Qt::LeftButton) {
    ui.Caixa_mensagem(" Clique em botao cenrel -> SCROLL", "", Botoes::OK_Cancelar);
    return;
  }
  switch (Acao_do_clique(trabalho)) {
    case Acao_clique::Associar_controle:
      return Associar_ponto_controle(X, Y);
    case Acao_clique::Digitalizar:
      return Digitalizar_ponto(X, Y);
    case Acao_clique::Nenhuma:
      return;
  }
}

void TForm1::Image1MouseUp(Qt::MouseButton botao, Qt::KeyboardModifiers, int X, int Y) {
  if (botao == Qt::RightButton) {
    QScrollBar* vertical = ScrollBox1->verticalScrollBar();
    QScrollBar* horizontal = ScrollBox1->horizontalScrollBar();
    vertical->setValue(vertical->value() + (Origem_arraste.y - Y));
    horizontal->setValue(horizontal->value() + (Origem_arraste.x - X));
    Definir_cursor(Cursor_imagem::Seta);
  }
  if (trabalho.Modo_clique) Definir_cursor(Cursor_imagem::Cruz);
}

void TForm1::Marcar(int x1, int y1, int x2, int y2, uint32_t cor_rgb) {
  Marcacao(*Image1, Raio_marca).Marcar(x1, y1, x2, y2, cor_rgb);
}

void TForm1::Marcar_ponto(double x, double y, uint32_t cor_rgb) {
  Marcacao(*Image1, Raio_marca).Marcar_ponto(x, y, cor_rgb);
}
