// "Dados" -> "Inspecionar": lists every digitized point in the inspection window.

#include "app/Cartavel.h"
#include "hull/Pol_convexo.h"
#include "inspection/Form_coord_digit.h"
#include "inspection/Linha_inspecao.h"

void TForm1::Inspecionar1Click() {
  Funcao_corrente("Inspeção / Edição de pontos");
  Form2->Exibir(Montar_inspecao(Lista_pontos, Tem_pol_convexo(Lista_pontos)));
  Funcao_corrente("Nenhuma");
}
