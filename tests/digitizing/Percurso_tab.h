#pragma once
// The dialogs' controls that the Tab key visits, in the order it visits them.

#include <QWidget>
#include <algorithm>
#include <vector>

inline std::vector<QWidget*> Percurso_tab(QWidget* inicio, const std::vector<QWidget*>& controles) {
  std::vector<QWidget*> percurso{inicio};
  for (QWidget* w = inicio->nextInFocusChain(); w != inicio; w = w->nextInFocusChain())
    if (std::find(controles.begin(), controles.end(), w) != controles.end()) percurso.push_back(w);
  return percurso;
}
