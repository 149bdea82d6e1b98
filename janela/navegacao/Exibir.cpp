// "Exibir": the overview and the magnifier, tool windows kept above the main window and
// opened and closed from their items, whose check marks say whether they are shown.

#include <QAction>
#include <QScrollArea>

#include "janela/comum/Imagem.h"
#include "janela/comum/Lupa.h"
#include "janela/navegacao/Vista_geral.h"
#include "janela/principal/Cartavel.h"

namespace {

// A tool window first opens inside a right-hand corner of the view: clear of the menu
// bar, and of the middle, where the work is. Where it is moved to afterwards, it stays.
void Por_no_canto(QWidget& janela, const QWidget& vista, Qt::Corner canto) {
  constexpr int Margem = 40;  // room for the window manager's frame
  const bool em_cima = canto == Qt::TopRightCorner;
  const QPoint ponto =
      vista.mapToGlobal(em_cima ? vista.rect().topRight() : vista.rect().bottomRight());
  janela.move(ponto.x() - janela.width() - Margem,
              em_cima ? ponto.y() + Margem : ponto.y() - janela.height() - Margem);
}

}  // namespace

void TForm1::Vista_geral1Click() {
  if (!Vista_geral) {
    Vista_geral = new TVista_geral(*this);
    Atualizar_vista_geral(true);
    Por_no_canto(*Vista_geral, *ScrollBox1->viewport(), Qt::TopRightCorner);
  }
  Vista_geral->setVisible(!Vista_geral->isVisible());
  Vista_geral1->setChecked(Vista_geral->isVisible());
}

void TForm1::Lupa1Click() {
  if (!Lupa) {
    Lupa = new TLupa(this, Image1->Raster);
    Lupa->Ao_esconder = [this] { Lupa1->setChecked(false); };
    Por_no_canto(*Lupa, *ScrollBox1->viewport(), Qt::BottomRightCorner);
  }
  if (!Lupa->isVisible()) {
    // Until the pointer moves over the view: the middle of what the view shows.
    const QWidget* vista = ScrollBox1->viewport();
    const QPoint meio = Image1->mapFrom(vista, vista->rect().center());
    Lupa->Mostrar_em(meio.x(), meio.y());
  }
  Lupa->setVisible(!Lupa->isVisible());
  Lupa1->setChecked(Lupa->isVisible());
}

void TForm1::Atualizar_vista_geral(bool nova_figura) {
  if (!Vista_geral) return;
  if (nova_figura)
    Vista_geral->Trocar_figura(Image1->Raster.Reduzida(), Image1->Raster.Tamanho());
  else
    Vista_geral->Redesenhar_trabalho();
}
