#include "janela/comum/Caixa_mensagem_qt.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStringView>
#include <QVBoxLayout>
#include <algorithm>

#include "janela/comum/Texto_qt.h"

namespace {

// The title bar's icon and three buttons, with the frame's margins.
constexpr int Largura_moldura_titulo = 110;
// What a message box adds to its text's height: the frame with its title bar, the
// margins and the row of buttons.
constexpr int Altura_alem_do_texto = 120;

QRect Area_da_tela(QWidget* pai) {
  QScreen* tela = pai ? pai->screen() : QApplication::primaryScreen();
  return tela->availableGeometry();
}

int Linhas(const QString& texto) {
  return static_cast<int>(texto.count(QLatin1Char('\n'))) + 1;
}

// The widest line of the text, in pixels, taken among its longest lines by characters:
// measuring each of 100 000 lines would cost more than showing them.
int Largura_do_texto(const QString& texto, const QFontMetrics& medida) {
  QList<QStringView> linhas = QStringView(texto).split(QLatin1Char('\n'));
  const qsizetype medidas = std::min<qsizetype>(linhas.size(), 200);
  std::nth_element(linhas.begin(), linhas.begin() + medidas - 1, linhas.end(),
                   [](QStringView a, QStringView b) { return a.size() > b.size(); });
  int largura = 0;
  for (qsizetype i = 0; i < medidas; ++i)
    largura = std::max(largura, medida.horizontalAdvance(linhas[i].toString()));
  return largura;
}

}  // namespace

int Largura_para_titulo(const QString& titulo, const QFont& fonte) {
  QFont negrito = fonte;
  negrito.setBold(true);
  return QFontMetrics(negrito).horizontalAdvance(titulo) + Largura_moldura_titulo;
}

Caixa_mensagem_qt::Caixa_mensagem_qt(const std::string& texto, const std::string& titulo,
                                     Botoes botoes, QWidget* pai, QMessageBox::Icon icone) {
  const QString q_texto = Q(texto);
  const QString q_titulo = Q(titulo);
  const QFontMetrics medida(QApplication::font("QMessageBox"));
  rolavel_ =
      Linhas(q_texto) * medida.lineSpacing() + Altura_alem_do_texto > Area_da_tela(pai).height();
  if (rolavel_)
    Montar_rolavel(q_texto, q_titulo, botoes, pai);
  else
    Montar_mensagem(q_texto, q_titulo, botoes, pai, icone);
}

Caixa_mensagem_qt::~Caixa_mensagem_qt() = default;

void Caixa_mensagem_qt::Montar_mensagem(const QString& texto, const QString& titulo, Botoes botoes,
                                        QWidget* pai, QMessageBox::Icon icone) {
  auto caixa = std::make_unique<QMessageBox>(icone, titulo, texto, QMessageBox::NoButton, pai);
  ok_ = caixa->addButton("OK", QMessageBox::AcceptRole);
  if (botoes == Botoes::OK_Cancelar) caixa->addButton("Cancelar", QMessageBox::RejectRole);
  caixa->setDefaultButton(static_cast<QPushButton*>(ok_));
  // The box takes its width from its layout's minimum: an empty item as wide as the
  // caption needs, across the whole grid, makes that the least width.
  auto* grade = qobject_cast<QGridLayout*>(caixa->layout());
  grade->addItem(new QSpacerItem(Largura_para_titulo(titulo, caixa->font()), 0), grade->rowCount(),
                 0, 1, grade->columnCount());
  janela_ = std::move(caixa);
}

void Caixa_mensagem_qt::Montar_rolavel(const QString& texto, const QString& titulo, Botoes botoes,
                                       QWidget* pai) {
  auto janela = std::make_unique<QDialog>(pai);
  janela->setWindowTitle(titulo);
  auto* quadro = new QPlainTextEdit(janela.get());
  quadro->setReadOnly(true);
  quadro->setLineWrapMode(QPlainTextEdit::NoWrap);
  quadro->setPlainText(texto);
  auto* fila = new QDialogButtonBox(janela.get());
  ok_ = fila->addButton("OK", QDialogButtonBox::AcceptRole);
  static_cast<QPushButton*>(ok_)->setDefault(true);
  if (botoes == Botoes::OK_Cancelar) fila->addButton("Cancelar", QDialogButtonBox::RejectRole);
  QObject::connect(fila, &QDialogButtonBox::accepted, janela.get(), &QDialog::accept);
  QObject::connect(fila, &QDialogButtonBox::rejected, janela.get(), &QDialog::reject);
  auto* pilha = new QVBoxLayout(janela.get());
  pilha->addWidget(quadro);
  pilha->addWidget(fila);

  // As wide as the widest line (or the caption) and as tall as the screen allows.
  const QRect tela = Area_da_tela(pai);
  const QFontMetrics medida(quadro->font());
  const int moldura = 2 * quadro->frameWidth() + quadro->verticalScrollBar()->sizeHint().width() +
                      pilha->contentsMargins().left() + pilha->contentsMargins().right() + 8;
  const int largura = std::max(Largura_do_texto(texto, medida) + moldura,
                               Largura_para_titulo(titulo, janela->font()));
  janela->resize(std::min(largura, tela.width() - 20), tela.height() - Altura_alem_do_texto / 2);
  janela_ = std::move(janela);
}

bool Caixa_mensagem_qt::Ok_pressionado() const {
  if (rolavel_) return janela_->result() == QDialog::Accepted;
  return static_cast<QMessageBox&>(*janela_).clickedButton() == ok_;
}
