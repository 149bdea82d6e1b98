// "Abrir dados": reopens a reserve file so that the job can continue: the image, the
// control points, the orientation and the points are restored and drawn.

#include <QAction>
#include <optional>
#include <vector>

#include "app/Cartavel.h"
#include "app/Marcacao.h"
#include "datafiles/Leitura_reserva.h"
#include "orientation/Escala.h"

namespace {

// Each item goes into the window as soon as it is read: a file that turns out bad
// halfway leaves in place everything read before the bad line.
class Receptor_abertura : public Receptor_reserva {
 public:
  explicit Receptor_abertura(TForm1& janela) : janela_(janela) {}

  void Nome_imagem(const std::string& nome) override {
    janela_.Nome_arquivo = nome;
    janela_.Carregar_imagem();
    marcacao_.emplace(*janela_.Image1, janela_.Raio_marca);
  }
  void Ponto_controle(const Ponto_orientacao& ponto) override {
    janela_.OLista_coord->Acrescentar(ponto);
    marcacao_->Marcar_ponto(ponto.x, ponto.y, Cor_marca::Azul);
  }
  void Fim_pontos_controle(int quantidade) override { Mostrar_escala(quantidade); }
  void Coeficientes_lidos(const Coeficientes& ate_agora) override {
    janela_.Coef_orientacao = ate_agora;
  }
  void Fim_coeficientes() override { janela_.Orientada = true; }
  void Ponto(const Ponto_digitalizado& ponto) override {
    // The vertex names the point by the position it takes in the list, which stays
    // right when the list already held points or the file's numbers have gaps.
    if (ponto.Marca_pconv != -1)
      janela_.Lista_pconv.Acrescentar(
          Vertice_pconv{ponto.Marca_pconv, janela_.Lista_pontos.Quantidade()});
    janela_.Lista_pontos.Acrescentar(ponto);
    marcacao_->Marcar_ponto(ponto.x, ponto.y, Cor_marca::Verde);
  }
  void Fim_pontos(int quantidade) override { janela_.Proximo_ponto = quantidade + 1; }

 private:
  // The scale needs two control points apart on the image. Without them it is not
  // defined (its divisions fail): the panel keeps what it shows and the opening goes on.
  // Any other error of the computation ends the opening, as every error does.
  void Mostrar_escala(int pontos_controle) {
    if (pontos_controle < 2) return;
    std::vector<Ponto_orientacao> pontos;
    for (int i = 0; i < pontos_controle; ++i) pontos.push_back(janela_.OLista_coord->Item(i));
    if (Perimetro_imagem(pontos) == 0) return;
    janela_.Mostrar_escala(janela_.Calcular_escala(pontos_controle));
  }

  TForm1& janela_;
  // The markers are painted in one pass when the reading ends, however it ends.
  std::optional<Marcacao> marcacao_;
};

void Liberar_digitalizacao(TForm1& j) {
  j.Salvar1->setEnabled(true);
  j.Orientacao1->setEnabled(false);
  j.Coord_de_carta->setEnabled(false);
  j.Coord_de_imagem->setEnabled(false);
  j.Digitalizar2->setEnabled(true);
  j.Pontos1->setEnabled(true);
  j.Orientada = true;
  j.Coord_carta_lidas = true;
  j.Digitalizacao_liberada = true;
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
    Ler_reserva(arquivo.get(), Leitura_reserva::Completa, receptor);
  }  // the markers painted before the closing message
  Liberar_digitalizacao(janela);
}

}  // namespace

void TForm1::Abrirdados1Click() {
  Funcao_corrente("Abertura de dados ja digitalizados");
  Abrir_reserva(*this);
  // Also after a cancelled dialog: a second opening may have left vertices to order.
  if (!Lista_pconv.Vazia()) Ordena_pconv();
  Funcao_corrente("espera selecao tipo de ponto (ALTIT ou PROF) ");
}
