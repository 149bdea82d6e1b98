#include "janela/orientacao/DlgOrientacao.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "janela/comum/Interacao_janela.h"
#include "janela/comum/Texto_qt.h"
#include "nucleo/base/Conversao.h"
#include "nucleo/base/Formatacao.h"

namespace {

constexpr int32_t Primeiro_numero = 101;
constexpr int Altura_linha = 13;

const char* const Texto_ajuda =
    " A ORIENTAÇÃO da imagem demanda por no MÍNINO 4 PONTOS.\n\n"
    " IMPORTANTE\n\n 1- A ordem dos pontos adicionados à lista de pontos deve ser\n   a"
    " ordem da digitalização destes na imagem.\n\n"
    " 2- Sugere-se que se adote o sentido horário para a definição da \n"
    "   ordem dos pontos de orientação a digitar e posteriormente digitalizar.\n\n"
    " 3- Para editar coordenadas basta clicar num ponto e corrigir o valor \n"
    "   na coluna 'Ponto para orientação' e adicioná-lo novamente. A posição\n"
    "   original do ponto será respeitada. \n\n"
    " 4- Os pontos são auto-numerados e têm início em 101.";

double Valor_da_edicao(const QLineEdit* edicao) {
  return Texto_para_real(edicao->text().toStdString());
}

}  // namespace

std::string Linha_ponto_orientacao(const Ponto_orientacao& ponto) {
  return fmt::sprintf(" %3d        %10.3f      %11.3f", ponto.Numero, ponto.E, ponto.N);
}

TOKBottomDlg::TOKBottomDlg(Interacao_janela& ui_, QWidget* parent) : QDialog(parent), ui(ui_) {
  Criar_componentes();
  Definir_ordem_tabulacao();
  Ligar_eventos();
}

void TOKBottomDlg::Adiciona_ponto() {
  // Both texts are converted before the list is touched, so a bad number changes nothing.
  const double este = Valor_da_edicao(Edit1);
  const double norte = Valor_da_edicao(Edit2);
  // The entry being edited can be gone (the list cleared meanwhile): then this is an add.
  if (Editando && Indice_editado >= 0 && Indice_editado < OLista_coord->Quantidade()) {
    Corrigir_ponto(este, norte);
  } else {
    Editando = false;
    Acrescentar_ponto(este, norte);
  }
}

void TOKBottomDlg::Acrescentar_ponto(double este, double norte) {
  const Ponto_orientacao ponto{Proximo_numero, este, norte, 0.0, 0.0};
  OLista_coord->Acrescentar(ponto);
  Acrescentar_linha(ponto);
  Limpar_edicao();
  ++Proximo_numero;
  OKBtn->setEnabled(Proximo_numero >= Primeiro_numero + 4);
}

void TOKBottomDlg::Corrigir_ponto(double este, double norte) {
  // The corrected point is numbered after its place and must be clicked on the image again.
  OLista_coord->Item(Indice_editado) =
      Ponto_orientacao{Indice_editado + Primeiro_numero, este, norte, 0.0, 0.0};
  ui.Mensagem_simples(" Inseriu o item corrigido na lista OLista_coord");
  Preencher_lista();
  Limpar_edicao();
  Editando = false;
}

void TOKBottomDlg::Limpar_edicao() {
  Edit1->clear();
  Edit2->clear();
  Edit1->setFocus();
}

std::shared_ptr<Lista<Ponto_orientacao>> TOKBottomDlg::Ler_pontos() {
  // The list box is rebuilt from the list at every opening, so that a line clicked
  // always edits the entry it shows.
  Preencher_lista();
  if (ui.Exibir_modal(*this) != QDialog::Accepted) return nullptr;
  return OLista_coord;
}

void TOKBottomDlg::Esvaziar_lista() {
  ListBox1->clear();
}

void TOKBottomDlg::Preencher_lista() {
  ListBox1->clear();
  for (const auto& ponto : *OLista_coord) Acrescentar_linha(ponto);
}

void TOKBottomDlg::Acrescentar_linha(const Ponto_orientacao& ponto) {
  auto* linha = new QListWidgetItem(Q(Linha_ponto_orientacao(ponto)), ListBox1);
  linha->setSizeHint(QSize(0, Altura_linha));
}

void TOKBottomDlg::Clicou_um_elemento() {
  const int i = ListBox1->currentRow();
  const Ponto_orientacao& ponto = OLista_coord->Item(i);
  Edit1->setText(Q(Real_para_texto(ponto.E)));
  Edit2->setText(Q(Real_para_texto(ponto.N)));
  Editando = true;
  Indice_editado = i;
  Edit1->setFocus();
}

void TOKBottomDlg::LimparTodosClick() {
  if (ui.Caixa_mensagem(" Deseja deletar todos os pontos ?? ", "Deleta todos pontos",
                        Botoes::OK_Cancelar) != Resposta::OK)
    return;
  ListBox1->clear();
  OLista_coord->Esvaziar();
  Proximo_numero = Primeiro_numero;
  Edit1->setFocus();
}

void TOKBottomDlg::Button3Click() {
  ui.Mensagem_simples(Texto_ajuda);
}

void TOKBottomDlg::OKBtnClick() {
  ui.Caixa_mensagem(" Devera sollicitar a visita e o click nos pontos de orientacao", "NULL",
                    Botoes::OK);
}
