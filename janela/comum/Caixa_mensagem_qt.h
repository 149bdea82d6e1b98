#pragma once
// The application's message box on the screen. A QMessageBox sizes itself from its text
// alone: this one is also at least as wide as its caption needs, so that the window
// manager does not cut the caption. A text that would make the box taller than the
// screen is shown, unchanged, in a scrollable box of the same caption and buttons,
// sized to the screen: a QLabel with tens of thousands of lines takes seconds to lay
// out and runs its buttons off the screen.

#include <QMessageBox>
#include <memory>
#include <string>

#include "nucleo/base/Interacao.h"

class QAbstractButton;

class Caixa_mensagem_qt {
 public:
  Caixa_mensagem_qt(const std::string& texto, const std::string& titulo, Botoes botoes,
                    QWidget* pai, QMessageBox::Icon icone = QMessageBox::NoIcon);
  ~Caixa_mensagem_qt();

  QDialog& Janela() { return *janela_; }
  bool Rolavel() const { return rolavel_; }
  // After the box closed: whether it was closed with OK.
  bool Ok_pressionado() const;

 private:
  void Montar_mensagem(const QString& texto, const QString& titulo, Botoes botoes, QWidget* pai,
                       QMessageBox::Icon icone);
  void Montar_rolavel(const QString& texto, const QString& titulo, Botoes botoes, QWidget* pai);

  std::unique_ptr<QDialog> janela_;
  QAbstractButton* ok_ = nullptr;
  bool rolavel_ = false;
};

// The width a window needs for the window manager to show the whole caption: the
// caption in a bold title font, and the frame's icon and buttons.
int Largura_para_titulo(const QString& titulo, const QFont& fonte);
