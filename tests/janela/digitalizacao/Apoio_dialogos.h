#pragma once
// Checks of the fixed-layout dialogs: controls at their positions, labels with their
// texts, bold where it belongs, and the order in which Tab visits the controls.

#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

struct Controle_esperado {
  QWidget* controle;
  QRect posicao;
  bool negrito;
};

struct Rotulo_esperado {
  QLabel* rotulo;
  const char* texto;
  QPoint canto;
  bool negrito;
};

inline void Conferir_disposicao(const std::vector<Controle_esperado>& controles,
                                const std::vector<Rotulo_esperado>& rotulos) {
  for (const auto& c : controles) {
    EXPECT_EQ(c.controle->geometry(), c.posicao) << c.controle->metaObject()->className();
    EXPECT_EQ(c.controle->font().bold(), c.negrito) << c.controle->metaObject()->className();
  }
  for (const auto& r : rotulos) {
    EXPECT_EQ(r.rotulo->text().toStdString(), r.texto);
    EXPECT_EQ(r.rotulo->pos(), r.canto) << r.texto;
    EXPECT_EQ(r.rotulo->font().bold(), r.negrito) << r.texto;
  }
}

inline std::vector<QWidget*> Percurso_tab(QWidget* inicio, const std::vector<QWidget*>& controles) {
  std::vector<QWidget*> percurso{inicio};
  for (QWidget* w = inicio->nextInFocusChain(); w != inicio; w = w->nextInFocusChain())
    if (std::find(controles.begin(), controles.end(), w) != controles.end()) percurso.push_back(w);
  return percurso;
}
