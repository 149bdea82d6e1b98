#include "janela/inspecao/Form_coord_digit.h"

#include <QFont>
#include <QLabel>
#include <QStatusBar>
#include <QStyledItemDelegate>

#include "janela/comum/Fonte_formularios.h"
#include "janela/comum/Texto_qt.h"
#include "janela/inspecao/Caixa_lista.h"
#include "nucleo/base/Formatacao.h"
#include "nucleo/base/Protegido.h"
#include "nucleo/inspecao/Linha_inspecao.h"

namespace {

QFont Fonte(const char* familia, int altura, bool negrito = false) {
  QFont fonte(Q(familia));
  fonte.setPixelSize(altura);
  fonte.setBold(negrito);
  return fonte;
}

// Every line of the list box is 16 pixels high whatever the font reports.
class Altura_fixa : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override {
    return {QStyledItemDelegate::sizeHint(opcao, indice).width(), 16};
  }
};

constexpr int Largura_cliente = 469;
constexpr int Altura_cliente = 367;
constexpr int Borda = 4;

}  // namespace

TForm2::TForm2(Interacao_janela& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setWindowTitle(Q("Dados Digitalizados"));
  // A fixed dialog frame with its close box only.
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(Largura_cliente + 2 * Borda, Altura_cliente + 2 * Borda);
  move(424, 126);
  setFont(Fonte_formularios());

  // The border width insets the client area, where the components are placed.
  auto* area = new QWidget(this);
  area->setGeometry(Borda, Borda, Largura_cliente, Altura_cliente);
  Criar_componentes(area);
  Criar_barra_de_estado(area);
}

void TForm2::Criar_componentes(QWidget* area) {
  Label1 = new QLabel(Q(" Ponto  ESTE (m)    NORTE (m)   +/- Z(m)  PConv"), area);
  Label1->setFont(Fonte("Courier New", 15, true));
  Label1->move(9, 0);
  Label1->adjustSize();

  ListBox1 = new TCaixa_lista(area);
  ListBox1->setGeometry(8, 16, 449, 329);
  QFont fonte = Fonte("Courier", 16);
  fonte.setFixedPitch(true);
  fonte.setStyleHint(QFont::TypeWriter);
  ListBox1->setFont(fonte);
  ListBox1->setItemDelegate(new Altura_fixa(ListBox1));
  ListBox1->setUniformItemSizes(true);
  ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  Label1->raise();  // the header's lowest pixels reach over the list's border
  ListBox1->Ao_pressionar = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
    Protegido(ui_, [&] { Apertou_algo(b, m, x, y); });
  };
}

void TForm2::Criar_barra_de_estado(QWidget* area) {
  struct Painel {
    const char* texto;
    int largura;
    bool chanfro;
  };
  const Painel paineis[7] = {{"Seleção:  de ", 67, false},
                             {"", 45, true},
                             {"até", 23, false},
                             {"", 45, true},
                             {"   Num. pontos", 75, false},
                             {"", 50, true},
                             {"  Poligono convexo: ", 50, false}};
  StatusBar1 = new QStatusBar(area);
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->setStyleSheet(Q("QStatusBar::item { border: none; }"));
  StatusBar1->setGeometry(0, Altura_cliente - 19, Largura_cliente, 19);
  for (int i = 0; i < 7; ++i) {
    auto* painel = new QLabel(Q(paineis[i].texto), StatusBar1);
    painel->setFont(font());  // under the bar's style sheet the form's font is not inherited
    painel->setFrameStyle(paineis[i].chanfro ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    // Widths are minimums, so that a text is never cut; the last panel runs to the end.
    painel->setMinimumWidth(paineis[i].largura);
    StatusBar1->addWidget(painel, i == 6 ? 1 : 0);
    Paineis[i] = painel;
  }
}

void TForm2::Exibir(const Conteudo_inspecao& conteudo) {
  for (const std::string& linha : conteudo.linhas) ListBox1->addItem(Q(linha));
  Paineis[6]->setText(Q(conteudo.pol_convexo));
  Paineis[5]->setText(Q(conteudo.num_pontos));
  ui_.Exibir_modal(*this);  // whatever closes the window, nothing follows from it
  ListBox1->clear();
}

void TForm2::Apertou_algo(Qt::MouseButton /*botao*/, Qt::KeyboardModifiers shift, int /*X*/,
                          int /*Y*/) {
  if (shift & Qt::ShiftModifier) ui_.Caixa_mensagem(" Aprtou SHIFT ", "   ", Botoes::OK_Cancelar);
  eli = ListBox1->currentRow();
  ui_.Caixa_mensagem(fmt::sprintf(" Clicou no ponto  eli=%d  elf=%d", eli, elf),
                     " Item selecionado da lista ", Botoes::OK_Cancelar);
}
