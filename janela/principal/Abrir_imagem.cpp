// "Abrir imagem" and the loading of the picture the job names into the view.

#include <QAction>
#include <QScrollArea>
#include <QScrollBar>

#include "figuras/Ler_figura.h"
#include "janela/comum/Imagem.h"
#include "janela/principal/Cartavel.h"
#include "janela/principal/Textos_comuns.h"

namespace {

constexpr const char* Filtro_figuras =
    "Todas as imagens (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)|*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf"
    "|JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg|Bitmaps (*.bmp)|*.bmp|Ícones (*.ico)|*.ico"
    "|Metarquivos (*.emf;*.wmf)|*.emf;*.wmf";

}  // namespace

void TForm1::AbririmagemClick() {
  Funcao_corrente("ABRIR IMAGEM ");
  if (Imagem_aberta) {
    if (ui.Caixa_mensagem(Texto_apagar_dados, " ATENÇÃO", Botoes::OK_Cancelar) != Resposta::OK)
      return;
    Reiniciar();
  }
  if (const auto caminho = ui.Abrir_figura(Filtro_figuras)) {
    trabalho.Nome_arquivo = *caminho;
    Carregar_imagem();
    Abrirdados1->setEnabled(false);
    Homogeneizar1->setEnabled(false);
    Novadigit1->setEnabled(true);
    Imagem_aberta = true;
  }
  Funcao_corrente("Nenhuma ");
}

void TForm1::Carregar_imagem() {
  Raster_em_faixas figura = Ler_figura(trabalho.Nome_arquivo, logicalDpiX());
  // The scroll box takes its ranges from the image control's size; the window keeps
  // its own size.
  Image1->resize(figura.Tamanho());
  Image1->Raster = std::move(figura);
  Image1->update();
  ScrollBox1->horizontalScrollBar()->setValue(0);  // a new picture shows from its top-left
  ScrollBox1->verticalScrollBar()->setValue(0);
  Orientacao1->setEnabled(true);
  Coord_de_carta->setEnabled(true);
  Exibir1->setEnabled(true);
  Atualizar_vista_geral(true);
  // Only a request to the window manager, on the window as it stands (nothing happens
  // when it is maximised already). Resizing the window to the picture and hiding it
  // before showing it maximised races with the manager's asynchronous handling of the
  // unmap, and a window as large as the picture costs the X server a backing store as
  // large.
  showMaximized();
  Abririmagem->setChecked(true);
}
