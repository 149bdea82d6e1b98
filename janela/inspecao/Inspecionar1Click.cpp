// "Dados" -> "Inspecionar": lists every digitized point in the inspection window.

#include "janela/principal/Cartavel.h"
#include "nucleo/poligono/Pol_convexo.h"
#include "janela/inspecao/Form_coord_digit.h"
#include "nucleo/inspecao/Linha_inspecao.h"

void TForm1::Inspecionar1Click() {
  Funcao_corrente("Inspeção / Edição de pontos");
  Form2->Exibir(Montar_inspecao(Lista_pontos, Tem_pol_convexo(Lista_pontos)));
  Funcao_corrente("Nenhuma");
}
