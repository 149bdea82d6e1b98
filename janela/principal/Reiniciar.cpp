// "Nova digitalização", the reset of the work and "Parar digitalização".

#include <QAction>

#include "janela/comum/Imagem.h"
#include "janela/principal/Cartavel.h"
#include "janela/principal/Textos_comuns.h"

void TForm1::Novadigit1Click() {
  if (ui.Caixa_mensagem(Texto_apagar_dados, " ATENÇÃO", Botoes::OK_Cancelar) == Resposta::OK)
    Reiniciar();
}

void TForm1::Reiniciar() {
  Imagem_aberta = false;
  Reiniciar_trabalho(trabalho);
  Definir_cursor(Cursor_imagem::Padrao);
  Image1->update();

  Abririmagem->setEnabled(true);
  Abririmagem->setChecked(false);
  Abrirdados1->setChecked(false);
  Abrirdados1->setEnabled(true);
  Homogeneizar1->setEnabled(true);
  Novadigit1->setEnabled(true);
  Salvar1->setEnabled(false);
  Salvar1->setChecked(false);
  for (QAction* item : {Orientacao1, Coord_de_carta, Coord_de_imagem, Digitalizar2, Ajustar,
                        Operacoes1, Dados1, Parardigit1})
    item->setEnabled(false);

  Funcao_corrente("NENHUMA ");
  resize(Tamanho_inicial.Largura_janela, Tamanho_inicial.Altura_janela);
  Image1->resize(Tamanho_inicial.Largura_imagem, Tamanho_inicial.Altura_imagem);
  Escrever_painel(2, " E = ");
  Escrever_painel(3, " N = ");
  Escrever_painel(4, " Escala 1 / ");
}

void TForm1::Parardigit1Click() {
  Parar_cliques(trabalho);
  Definir_cursor(Cursor_imagem::Seta);
  Parardigit1->setEnabled(false);
}
