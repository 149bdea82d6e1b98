#include "janela/digitalizacao/DlgRemocao.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "janela/comum/Texto_qt.h"
#include "nucleo/base/Formatacao.h"

TOKRightDlg::TOKRightDlg(Interacao_janela& ui, QWidget* parent)
    : Dialogo_centrado(parent, "Remoção de ponto", 228, 267), ui_(ui) {
  Criar_controles();
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TOKRightDlg::Criar_controles() {
  Label8 = Novo_rotulo(this, "ÚLTIMO PONTO DA LISTA ", 42, 12, true);
  Label1 = Novo_rotulo(this, "Ponto", 66, 37, true);
  Edit1 = Novo_campo(this, {105, 34, 49, 21}, true);
  Label2 = Novo_rotulo(this, "Este", 47, 76);
  Edit2 = Novo_campo(this, {84, 74, 80, 21});
  Label5 = Novo_rotulo(this, "m", 172, 78);
  Label3 = Novo_rotulo(this, "Norte", 47, 112);
  Edit3 = Novo_campo(this, {85, 108, 80, 21});
  Label6 = Novo_rotulo(this, "m", 172, 114);
  Label4 = Novo_rotulo(this, "Altit  / Prof.", 47, 148);
  Edit4 = Novo_campo(this, {108, 146, 41, 21});
  Label7 = Novo_rotulo(this, "m", 154, 149);

  OKBtn = Novo_botao(this, "Remover ponto", {63, 184, 109, 25}, true);
  OKBtn->setDefault(true);
  CancelBtn = Novo_botao(this, "Cancel", {80, 230, 75, 25});

  Ordem_tab({OKBtn, CancelBtn, Edit1, Edit2, Edit3, Edit4});
}

bool TOKRightDlg::Confirmar_remocao(int numero, const Ponto_digitalizado& ponto) {
  Preencher(numero, ponto.E, ponto.N, ponto.h);
  return ui_.Exibir_modal(*this) == QDialog::Accepted;
}

void TOKRightDlg::Preencher(int numero, double E, double N, double h) {
  Edit1->setText(Q(fmt::sprintf(" %d", numero)));
  Edit2->setText(Q(fmt::sprintf(" %11.3f", E)));
  Edit3->setText(Q(fmt::sprintf(" %12.3f", N)));
  Edit4->setText(Q(fmt::sprintf("%7.1f", h)));
}
