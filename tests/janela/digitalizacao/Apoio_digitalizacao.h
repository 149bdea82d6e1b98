#pragma once
// A program ready to digitize: orientation accepted with E = 2x + 100, N = -2y + 500, a
// white raster to read the markers from, and scripted answers for the value dialog.

#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <string>

#include "janela/comum/Imagem.h"
#include "janela/digitalizacao/Dlg_Alt_Prof.h"
#include "tests/apoio/Programa_teste.h"

inline const char* const Texto_caractere_invalido = " Caractere digitado inválido !!!! ";

class Digitalizacao : public Programa_teste {
 protected:
  void SetUp() override {
    Form1.trabalho.Coef_orientacao = Coeficientes{2, 0, 100, 0, -2, 500};
    Form1.trabalho.Coord_carta_lidas = true;
    Form1.trabalho.Orientada = true;
    Form1.trabalho.Digitalizacao_liberada = true;
    Form1.Image1->Raster = Raster_em_faixas(120, 120);
    Form1.Image1->Raster.Preencher(qRgb(255, 255, 255));
  }

  // A left button press on the image, as the image control reports it.
  void Clicar(int X, int Y) { Form1.Image1->Ao_pressionar(Qt::LeftButton, {}, X, Y); }

  // The next showing of the value dialog: `antes` looks at it or changes it, then the
  // value is typed in one go and "Armazenar o valor" pressed. A value with a foreign
  // character draws one complaint, answered here.
  void Digitar(const std::string& valor, bool queixa = false,
               std::function<void(TOKRightDlg1&)> antes = {}) {
    ui.No_modal([valor, antes](QDialog& janela) {
      auto& dlg = dynamic_cast<TOKRightDlg1&>(janela);
      if (antes) antes(dlg);
      dlg.Edit3->setText(QString::fromStdString(valor));
      dlg.OKBtn->click();
    });
    if (queixa) ui.Responder(Resposta::OK);
  }

  // Digitizes a point with a valid value at (X, Y).
  void Digitalizar(int X, int Y, const std::string& valor) {
    Digitar(valor);
    Clicar(X, Y);
  }

  QRgb Cor(int x, int y) const { return Form1.Image1->Raster.Pixel(x, y) & 0xFFFFFF; }
};
