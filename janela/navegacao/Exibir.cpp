// "Exibir": the overview and the magnifier, tool windows kept above the main window and
// opened and closed from their items, whose check marks say whether they are shown.

#include <QAction>

#include "janela/comum/Imagem.h"
#include "janela/comum/Lupa.h"
#include "janela/navegacao/Vista_geral.h"
#include "janela/principal/Cartavel.h"

void TForm1::Vista_geral1Click() {
  if (!Vista_geral) {
    Vista_geral = new TVista_geral(*this);
    Atualizar_vista_geral(true);
  }
  Vista_geral->setVisible(!Vista_geral->isVisible());
  Vista_geral1->setChecked(Vista_geral->isVisible());
}

void TForm1::Lupa1Click() {
  if (!Lupa) {
    Lupa = new TLupa(this, Image1->Raster);
    Lupa->Ao_esconder = [this] { Lupa1->setChecked(false); };
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
