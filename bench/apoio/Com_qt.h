#pragma once
// The benchmarks that build widgets or paint: the registered benchmarks run inside Qt's
// application object, on the offscreen platform unless another one is asked for.

#include <QApplication>
#include <cstdlib>

#include "bench/apoio/Medicao.h"

namespace medicao {

inline void Rodar_benchmarks_com_qt(int& argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication aplicacao(argc, argv);
  Rodar_benchmarks(argc, argv);
}

}  // namespace medicao
