#include "janela/digitalizacao/Dlg_Alt_Prof.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "janela/comum/Texto_qt.h"
#include "nucleo/base/Formatacao.h"
#include "nucleo/base/Protegido.h"

TOKRightDlg1::TOKRightDlg1(Interacao_janela& ui, QWidget* parent)
    : Dialogo_centrado(parent, "Inserção da altitude / profundidade", 332, 211), ui_(ui) {
  Criar_controles();
  Ligar_eventos();
  Profundidade->setChecked(true);
  Erro_valor = 0;
}

void TOKRightDlg1::Criar_controles() {
  // Created bottom to top: the frame first, so that everything shows above it.
  Bevel1 = new QFrame(this);
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Bevel1->setGeometry(8, 8, 313, 193);

  Label3 = Novo_rotulo(this, "Altitude ou", 16, 24, true);
  Label5 = Novo_rotulo(this, "Profundidade", 16, 36, true);
  Edit3 = Novo_campo(this, {105, 27, 45, 21}, true);
  Label8 = Novo_rotulo(this, "m", 156, 31, true);
  Label9 = Novo_rotulo(this, "Ponto número", 16, 67, true);
  Edit4 = Novo_campo(this, {104, 66, 40, 21}, true);
  Label4 = Novo_rotulo(this, "POSIÇÃO HORIZONTAL", 28, 108);
  Label1 = Novo_rotulo(this, "Este", 20, 135);
  Edit1 = Novo_campo(this, {56, 130, 80, 21});
  Label6 = Novo_rotulo(this, "m", 144, 135);
  Label2 = Novo_rotulo(this, "Norte ", 20, 170);
  Edit2 = Novo_campo(this, {56, 167, 80, 21});
  Label7 = Novo_rotulo(this, "m", 145, 172);
  Criar_grandeza();

  OKBtn = Novo_botao(this, "Armazenar o valor", {194, 23, 119, 25}, true);
  OKBtn->setDefault(true);
  CancelBtn = Novo_botao(this, "Cancelar", {224, 75, 75, 26});

  // The group frame never takes the focus: Tab goes from the radio buttons to the number.
  Ordem_tab({Edit3, OKBtn, CancelBtn, Edit1, Edit2, Profundidade, Altitude, Edit4});
}

void TOKRightDlg1::Criar_grandeza() {
  // The radio buttons are the frame's siblings drawn over it, one exclusive pair.
  GroupBox1 = new QGroupBox(Q("Grandeza "), this);
  GroupBox1->setGeometry(191, 117, 113, 73);
  Altitude = new QRadioButton(Q("Altitude"), this);
  Altitude->setGeometry(199, 142, 97, 17);
  Profundidade = new QRadioButton(Q("Profundidade"), this);
  Profundidade->setGeometry(199, 168, 97, 17);
  // Only the checked button of the pair is a tab stop, so Tab enters the pair on it
  // (the arrow keys move between the two).
  for (QRadioButton* botao : {Altitude, Profundidade}) {
    botao->setFocusPolicy(Qt::ClickFocus);
    connect(botao, &QRadioButton::toggled, botao, [botao](bool marcado) {
      botao->setFocusPolicy(marcado ? Qt::StrongFocus : Qt::ClickFocus);
    });
  }
}

void TOKRightDlg1::Ligar_eventos() {
  connect(OKBtn, &QPushButton::clicked, this, [this] {
    setResult(QDialog::Accepted);
    Protegido(ui_, [this] { OKBtnClick(); });
    accept();
  });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(Edit3, &QLineEdit::textChanged, this, [this] { Protegido(ui_, [this] { Qdo_muda(); }); });
}

std::optional<Valor_digitado> TOKRightDlg1::Pedir_valor(double E, double N, int numero,
                                                        bool profundidade) {
  Preencher(E, N, numero);
  Marcar_grandeza(profundidade);
  if (ui_.Exibir_modal(*this) != QDialog::Accepted) return std::nullopt;
  return Valor_digitado{Edit3->text().toStdString(), Profundidade->isChecked(), Erro_valor};
}

void TOKRightDlg1::Marcar_grandeza(bool profundidade) {
  // Each showing starts at the mode; the user may still switch the pair.
  (profundidade ? Profundidade : Altitude)->setChecked(true);
  (profundidade ? Altitude : Profundidade)->setChecked(false);
}

void TOKRightDlg1::Preencher(double E, double N, int numero) {
  Edit1->setText(Q(fmt::sprintf(" %11.3f", E)));
  Edit2->setText(Q(fmt::sprintf(" %12.3f", N)));
  Edit3->setText(QString());
  Edit4->setText(Q(fmt::sprintf(" %d", numero)));
  Erro_valor = 0;
}

void TOKRightDlg1::OKBtnClick() {
  const std::string valor = Edit3->text().toStdString();
  if (valor.empty()) {
    ui_.Caixa_mensagem(
        " Não há valor vertical, nada se altera \n PARA SAIR SEM VALOR TECLE CANCEL ", "",
        Botoes::OK_Cancelar);
    Edit3->setFocus();
    // The click handler takes this mark for "no point"; the change handler objects to it
    // as well, which tells the user once more that nothing was stored.
    Edit3->setText(Q(Marca_sem_valor));
    return;
  }
  const int codigo = Codigo_erro_valor(valor);
  if (codigo != 0) Erro_valor = codigo;
}

void TOKRightDlg1::Qdo_muda() {
  // The whole text is examined, so the complaint repeats at every change for as long as
  // a foreign character stays in the field; the text is left as the user typed it.
  if (!Tem_caractere_invalido(Edit3->text().toStdString())) return;
  ui_.Caixa_mensagem(" Caractere digitado inválido !!!! ", "Erro de digitação !",
                     Botoes::OK_Cancelar);
  Edit3->setFocus();
}

void TOKRightDlg1::Foco_em_Edit3() {
  Edit3->setFocus();
}

void TOKRightDlg1::changeEvent(QEvent* evento) {
  if (evento->type() == QEvent::ActivationChange && isActiveWindow()) Foco_em_Edit3();
  Dialogo_centrado::changeEvent(evento);
}
