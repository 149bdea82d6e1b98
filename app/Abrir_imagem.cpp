// "Abrir imagem" and the loading of the picture named by Nome_arquivo into the view.

#include <QAction>
#include <QScrollArea>

#include "app/Cartavel.h"
#include "app/Imagem.h"
#include "app/Ler_figura.h"
#include "app/Textos_comuns.h"

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
    Nome_arquivo = *caminho;
    Carregar_imagem();
    Abrirdados1->setEnabled(false);
    Homogeneizar1->setEnabled(false);
    Novadigit1->setEnabled(true);
    Imagem_aberta = true;
  }
  Funcao_corrente("Nenhuma ");
}

void TForm1::Carregar_imagem() {
  QImage figura = Ler_figura(Nome_arquivo, logicalDpiX());
  resize(figura.width(), figura.height());
  Image1->resize(figura.size());  // the scroll ranges follow the image control's size
  Image1->Raster = std::move(figura);
  Image1->update();
  Orientacao1->setEnabled(true);
  Coord_de_carta->setEnabled(true);
  // Hiding and showing again lays the scroll box out for the new picture, maximised.
  hide();
  setWindowState(Qt::WindowNoState);
  showMaximized();  // a hidden window asked for the maximised state alone may not get it
  Abririmagem->setChecked(true);
}
