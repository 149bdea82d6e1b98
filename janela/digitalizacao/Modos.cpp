// The digitizing modes: the "Pontos" submenu and its two items, "Altitudes" and
// "Profundidades", which decide the sign of the values typed from then on.

#include <QAction>

#include "janela/principal/Cartavel.h"
#include "nucleo/poligono/Pol_convexo.h"

namespace {

// New points can change the limit polygon, so the user either drops its vertex marks
// now or keeps them. Only the marks go: the vertex list, the regions and the drawing
// stay as they are.
void Perguntar_se_descarta_pol_convexo(TForm1& form) {
  if (!Tem_pol_convexo(form.trabalho.Lista_pontos)) return;
  const Resposta resposta = form.ui.Caixa_mensagem(
      " ATENÇÃO: Já há polígono convexo determinado!!!\n\n"
      "          A digitalização de novos pontos pode alterar o polígono convexo atual.\n"
      "          Para ignorar/destruir o poligono convexo atual clique OK.\n\n"
      "          Para manter o polígono convexo atual clique CANCEL.\n\n",
      "ATENÇÃO: Polígono convexo já existe!!!!", Botoes::OK_Cancelar);
  if (resposta == Resposta::OK) Descartar_marcas_pconv(form.trabalho);
}

// What both modes do once the mode is set: announce it, click with the crosshair, and
// open the commands that work on the points.
void Entrar_em_modo(TForm1& form, const char* funcao) {
  form.Funcao_corrente(funcao);
  form.Definir_cursor(Cursor_imagem::Cruz);
  for (QAction* item : {form.Operacoes1, form.Dados1, form.Parardigit1}) item->setEnabled(true);
}

}  // namespace

void TForm1::Pontos1Click() {
  Funcao_corrente("DIGITALIZAÇÃO DE PONTOS");
  Definir_cursor(Cursor_imagem::Cruz);
}

void TForm1::Altitudes1Click() {
  Escolher_modo(trabalho, Modo_valor::Altitude);
  Altitudes1->setChecked(true);
  Perguntar_se_descarta_pol_convexo(*this);
  Profundidades1->setChecked(false);
  Entrar_em_modo(*this, "Digitalização de ALTITUDES ");
}

void TForm1::Profundidades1Click() {
  Escolher_modo(trabalho, Modo_valor::Profundidade);
  Perguntar_se_descarta_pol_convexo(*this);
  Profundidades1->setChecked(true);
  Altitudes1->setChecked(false);
  Entrar_em_modo(*this, "Digitalização de PROFUNDIDADES ");
}
