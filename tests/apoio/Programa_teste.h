#pragma once
// A whole program (main window and dialogs) on the scripted seam, for command tests.

#include <gtest/gtest.h>

#include "janela/programa/Programa.h"
#include "tests/apoio/Impressao_trabalho.h"
#include "tests/apoio/Interacao_roteirizada.h"

class Programa_teste : public ::testing::Test {
 protected:
  Interacao_roteirizada ui;
  Programa programa{ui};
  TForm1& Form1 = programa.Form1;
  const Trabalho& Estado = programa.Form1.trabalho;  // the window's job, to compare whole
};
