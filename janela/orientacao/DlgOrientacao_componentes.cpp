// The control point dialog's components: positions, texts, tab order and the wiring
// of their events.

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "janela/comum/Controles.h"
#include "janela/comum/Fonte_formularios.h"
#include "janela/comum/Interacao_janela.h"
#include "janela/comum/Texto_qt.h"
#include "janela/orientacao/DlgOrientacao.h"
#include "nucleo/base/Protegido.h"

namespace {

// This dialog's texts and buttons are not the ones of janela/comum/Controles.h: a static text keeps
// at least the size the form gives it, and its buttons keep Qt's auto-default role.
// A static text sits at its position with its text at the top, and grows to fit its
// text when the font is wider than the one the form was laid out for.
QLabel* Texto_estatico(QWidget* pai, const char* texto, int x, int y, int largura, int altura) {
  auto* rotulo = new QLabel(Q(texto), pai);
  rotulo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The last glyph may reach a pixel past the text's advance.
  const int tinta = rotulo->fontMetrics().tightBoundingRect(rotulo->text()).right() + 1;
  const QSize cabe = rotulo->sizeHint();
  rotulo->setGeometry(x, y, std::max({largura, cabe.width(), tinta}),
                      std::max(altura, cabe.height()));
  return rotulo;
}

QPushButton* Botao(QWidget* pai, const char* texto, int x, int y, int largura, int altura) {
  auto* botao = new QPushButton(Q(texto), pai);
  botao->setGeometry(x, y, largura, altura);
  return botao;
}

}  // namespace

void TOKBottomDlg::Criar_componentes() {
  setWindowTitle(QStringLiteral("Coordenadas para orientacao da folha"));
  setFixedSize(421, 205);
  setFont(Fonte_formularios());

  Panel1 = new QFrame(this);
  Panel1->setGeometry(8, 8, 169, 185);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  StaticText7 = Texto_estatico(Panel1, "Necessários no mínino 4 pontos", 7, 161, 156, 17);

  StaticText1 = Texto_estatico(this, "Ponto para orientação", 40, 13, 109, 17);
  StaticText3 = Texto_estatico(this, "Este", 27, 39, 25, 17);
  Edit1 = Novo_campo(this, QRect(59, 35, 73, 21));
  StaticText5 = Texto_estatico(this, "m", 140, 38, 12, 17);
  StaticText4 = Texto_estatico(this, "Norte", 27, 68, 30, 17);
  Edit2 = Novo_campo(this, QRect(59, 66, 73, 21));
  StaticText6 = Texto_estatico(this, "m", 139, 66, 12, 17);
  Button1 = Botao(this, "Adicionar o ponto", 45, 101, 97, 25);
  Button3 = Botao(this, "?", 72, 142, 33, 25);

  StaticText2 =
      Texto_estatico(this, "Pto        Este (m)              Norte (m)", 201, 12, 167, 17);
  ListBox1 = new QListWidget(this);
  ListBox1->setGeometry(193, 24, 208, 97);
  ListBox1->setUniformItemSizes(true);
  StaticText2->raise();  // the heading's lowest pixels reach over the list's border
  LimparTodos = Botao(this, "Limpar todos", 336, 131, 71, 25);
  StaticText8 = Texto_estatico(this, "EDITAR -> clique o ponto", 196, 136, 126, 17);

  OKBtn = Botao(this, "Ok", 208, 166, 81, 26);
  OKBtn->setDefault(true);
  OKBtn->setEnabled(false);
  CancelBtn = Botao(this, "Cancel", 325, 167, 81, 25);  // Esc rejects the dialog as well
}

void TOKBottomDlg::Definir_ordem_tabulacao() {
  // Only the controls that take the focus; the static texts and the panel are passed.
  Ordem_tab({LimparTodos, Edit1, Edit2, Button1, OKBtn, CancelBtn, ListBox1, Button3});
  // The dialog opens with the focus on the first control of the tab order; left to Qt
  // it would go to whichever control ends up first in the focus chain ("?").
  LimparTodos->setFocus();
}

// Every event runs through Protegido, so an error ends the handler with the error box.
void TOKBottomDlg::Executar(void (TOKBottomDlg::*handler)()) {
  Protegido(ui, [this, handler] { (this->*handler)(); });
}

void TOKBottomDlg::Ligar_eventos() {
  connect(Button1, &QPushButton::clicked, this,
          [this] { Executar(&TOKBottomDlg::Adiciona_ponto); });
  connect(Button3, &QPushButton::clicked, this, [this] { Executar(&TOKBottomDlg::Button3Click); });
  connect(LimparTodos, &QPushButton::clicked, this,
          [this] { Executar(&TOKBottomDlg::LimparTodosClick); });
  connect(ListBox1, &QListWidget::itemClicked, this,
          [this] { Executar(&TOKBottomDlg::Clicou_um_elemento); });
  connect(OKBtn, &QPushButton::clicked, this, [this] {
    Executar(&TOKBottomDlg::OKBtnClick);
    accept();
  });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}
