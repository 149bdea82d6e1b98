#include "janela/comum/Controles.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "janela/comum/Fonte_formularios.h"
#include "janela/comum/Texto_qt.h"

Dialogo_centrado::Dialogo_centrado(QWidget* parent, const char* titulo, int largura, int altura)
    : QDialog(parent) {
  setWindowTitle(Q(titulo));
  setFixedSize(largura, altura);
  setFont(Fonte_formularios());
}

void Dialogo_centrado::showEvent(QShowEvent* evento) {
  // Qt would centre the dialog over its parent; these dialogs belong in the middle of
  // the screen, wherever the main window is.
  const QRect tela = screen()->availableGeometry();
  const QSize moldura = frameGeometry().size();
  move(tela.center() - QPoint(moldura.width() / 2, moldura.height() / 2));
  QDialog::showEvent(evento);
}

void Negrito(QWidget* controle) {
  QFont fonte = controle->font();
  fonte.setBold(true);
  controle->setFont(fonte);
}

QLabel* Novo_rotulo(QWidget* pai, const char* texto, int esquerda, int topo, bool negrito) {
  auto* rotulo = new QLabel(Q(texto), pai);
  if (negrito) Negrito(rotulo);
  rotulo->move(esquerda, topo);
  rotulo->adjustSize();
  return rotulo;
}

QLineEdit* Novo_campo(QWidget* pai, QRect posicao, bool negrito) {
  auto* campo = new QLineEdit(pai);
  if (negrito) Negrito(campo);
  campo->setGeometry(posicao);
  return campo;
}

QPushButton* Novo_botao(QWidget* pai, const char* texto, QRect posicao, bool negrito) {
  auto* botao = new QPushButton(Q(texto), pai);
  botao->setAutoDefault(false);
  if (negrito) Negrito(botao);
  botao->setGeometry(posicao);
  return botao;
}

void Ordem_tab(std::initializer_list<QWidget*> controles) {
  QWidget* anterior = nullptr;
  for (QWidget* controle : controles) {
    if (anterior) QWidget::setTabOrder(anterior, controle);
    anterior = controle;
  }
}
