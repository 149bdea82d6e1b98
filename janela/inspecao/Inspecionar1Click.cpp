// "Dados" -> "Inspecionar": lists every digitized point in the inspection window.

#include "janela/inspecao/Form_coord_digit.h"
#include "janela/principal/Cartavel.h"
#include "nucleo/inspecao/Linha_inspecao.h"
#include "nucleo/poligono/Pol_convexo.h"

void TForm1::Inspecionar1Click() {
  Funcao_corrente("Inspeção / Edição de pontos");
  Form2->Exibir(Montar_inspecao(trabalho.Lista_pontos, Tem_pol_convexo(trabalho.Lista_pontos)));
  Funcao_corrente("Nenhuma");
}
