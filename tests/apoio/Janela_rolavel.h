#pragma once
// The main window shown with a 3000 x 4000 picture in its view, larger than the window
// both ways, so that both scroll bars have a range: for the scrolling tests.

#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "janela/comum/Imagem.h"
#include "tests/apoio/Programa_teste.h"

class Janela_rolavel : public Programa_teste {
 protected:
  void SetUp() override {
    Form1.Image1->Raster = Raster_em_faixas(3000, 4000);
    Form1.Image1->resize(3000, 4000);
    Form1.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form1));
  }
  QScrollBar* Vertical() { return Form1.ScrollBox1->verticalScrollBar(); }
  QScrollBar* Horizontal() { return Form1.ScrollBox1->horizontalScrollBar(); }
};
