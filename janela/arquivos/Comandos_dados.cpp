// The data file commands on the window's side: what "Abrir dados" shows while the job is
// read back, and the menus, panel and cursor around "Salvar" and "Concatenar dados".

#include <QAction>
#include <optional>
#include <vector>

#include "janela/comum/Marcacao.h"
#include "janela/principal/Cartavel.h"
#include "nucleo/orientacao/Escala.h"
#include "nucleo/poligono/Pol_convexo.h"
#include "nucleo/trabalho/Concatenar.h"
#include "nucleo/trabalho/Reserva_trabalho.h"
#include "nucleo/trabalho/Salvar.h"

namespace {

// The picture is loaded as soon as its name is read and each point is painted as it
// goes into the job, so a file that turns out bad halfway shows what was read.
class Receptor_abertura : public Leitura_trabalho {
 public:
  explicit Receptor_abertura(TForm1& janela) : Leitura_trabalho(janela.trabalho), janela_(janela) {}

  void Nome_imagem(const std::string& nome) override {
    Leitura_trabalho::Nome_imagem(nome);
    janela_.Carregar_imagem();
    marcacao_.emplace(*janela_.Image1, janela_.Raio_marca);
  }
  void Ponto_controle(const Ponto_orientacao& ponto) override {
    Leitura_trabalho::Ponto_controle(ponto);
    marcacao_->Marcar_ponto(ponto.x, ponto.y, Cor_marca::Azul);
  }
  void Fim_pontos_controle(int quantidade) override { Mostrar_escala(quantidade); }
  void Ponto(const Ponto_digitalizado& ponto) override {
    Leitura_trabalho::Ponto(ponto);
    marcacao_->Marcar_ponto(ponto.x, ponto.y, Cor_marca::Verde);
  }

 private:
  // The scale needs two control points apart on the image. Without them it is not
  // defined (its divisions fail): the panel keeps what it shows and the opening goes on.
  // Any other error of the computation ends the opening, as every error does.
  void Mostrar_escala(int pontos_controle) {
    if (pontos_controle < 2) return;
    const std::vector<Ponto_orientacao> pontos = Pontos_controle(trabalho_, pontos_controle);
    if (Perimetro_imagem(pontos) == 0) return;
    janela_.Mostrar_escala(Calcular_escala(pontos, janela_.logicalDpiX()));
  }

  TForm1& janela_;
  // The markers are painted in one pass when the reading ends, however it ends.
  std::optional<Marcacao> marcacao_;
};

void Liberar_digitalizacao(TForm1& j) {
  Continuar_digitalizacao(j.trabalho);
  j.Salvar1->setEnabled(true);
  j.Orientacao1->setEnabled(false);
  j.Coord_de_carta->setEnabled(false);
  j.Coord_de_imagem->setEnabled(false);
  j.Digitalizar2->setEnabled(true);
  j.Pontos1->setEnabled(true);
  j.Novadigit1->setEnabled(true);
  j.Abrirdados1->setChecked(true);
  j.Abririmagem->setEnabled(false);
  j.Abririmagem->setChecked(false);
  j.Homogeneizar1->setEnabled(false);
  j.Operacoes1->setEnabled(true);
  j.Dados1->setEnabled(true);
  j.ui.Caixa_mensagem(
      "             ATENÇÃO:\n\n    Para CONTINUAR a digitalização procure os pontos \n\n"
      "     ja digitalizados mostrados em VERDE.\n\n   - Selecione ALTITUDE ou PROFUNDIDADE\n\n"
      "     em Digitalizar-> Ponto -> ...   \n\n"
      "   OBS. - Os pontos usados na orientação continuam em azul.     \n\n\n",
      "ATENÇÃO !!!! ", Botoes::OK);
}

void Abrir_reserva(TForm1& janela) {
  const auto caminho =
      janela.ui.Abrir_arquivo(" Arquivos Coordenaas (*_RESERVA.ENh)|*_RESERVA.ENh", "ENh");
  if (!caminho) {
    janela.ui.Caixa_mensagem(" CAncelou abertuda do arquivo com\n dados já digitalizados.",
                             "Cancelou abertura", Botoes::OK_Cancelar);
    return;
  }
  const Arquivo arquivo = Abrir_leitura(*caminho);
  if (!arquivo) {
    janela.ui.Caixa_mensagem("Erro ao abrir arquivo ", "", Botoes::OK_Cancelar);
    return;
  }
  {
    Receptor_abertura receptor(janela);
    Ler_reserva(arquivo.get(), Leitura_reserva::Completa, receptor, *caminho);
  }  // the markers painted before the closing message
  Liberar_digitalizacao(janela);
}

}  // namespace

void TForm1::Abrirdados1Click() {
  Funcao_corrente("Abertura de dados ja digitalizados");
  Abrir_reserva(*this);
  // Also after a cancelled dialog: a second opening may have left vertices to order.
  if (!trabalho.Lista_pconv.Vazia()) Ordenar_vertices_lidos();
  Funcao_corrente("espera selecao tipo de ponto (ALTIT ou PROF) ");
}

void TForm1::Ordenar_vertices_lidos() {
  // The caller writes the panel back when its own command ends.
  Funcao_corrente("Ordenamento de pontos do polígono convexo");
  Ordena_pconv(trabalho.Lista_pconv);
}

void TForm1::Salvar1Click() {
  if (Salvar_trabalho(ui, trabalho)) Definir_cursor(Cursor_imagem::Seta);
}

void TForm1::Homogeneizar1Click() {
  ui.Caixa_mensagem(
      " Concatenação de arquivos de pontos digitalizados \n\n Será solicitado o nome do arquivo "
      "BASE \n\n",
      "Concatenação de arquivos", Botoes::OK_Cancelar);
  Funcao_corrente("Concatenar arquivos");
  if (!Concatenar_dados(ui, trabalho)) return;
  Funcao_corrente("Nenhuma ");
  Abririmagem->setEnabled(false);
  Abrirdados1->setEnabled(false);
  Salvar1->setEnabled(false);
}
