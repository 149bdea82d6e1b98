// "Dados" -> "Inspecionar": lists every digitized point in the inspection window.

#include <fmt/printf.h>

#include <QLabel>

#include "app/Cartavel.h"
#include "inspection/Caixa_lista.h"
#include "inspection/Form_coord_digit.h"
#include "inspection/Linha_inspecao.h"

void TForm1::Inspecionar1Click() {
  Funcao_corrente("Inspeção / Edição de pontos");
  for (const Ponto_digitalizado& ponto : Lista_pontos)
    Form2->ListBox1->addItem(QString::fromStdString(Linha_inspecao(ponto)));
  Form2->Paineis[6]->setText(QString::fromUtf8(Tem_pol_convexo() ? " Polígono convexo:  SIM "
                                                                 : " Polígono convexo:  NAO "));
  Form2->Paineis[5]->setText(
      QString::fromStdString(fmt::sprintf(" %d", Lista_pontos.Quantidade())));
  ui.Exibir_modal(*Form2);
  Funcao_corrente("Nenhuma");
  // The window is refilled on each opening.
  Form2->ListBox1->clear();
}
