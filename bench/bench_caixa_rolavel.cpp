// Showing a message of 100 000 lines (a region box of the limit polygon of a long strip
// of soundings) in the application's message box, which turns it into a scrollable box,
// against a bare QPlainTextEdit given the same text and shown, in the same run. Each
// time covers building the box, showing it and painting it once. Counters: "ms_caixa",
// "ms_base" (medians) and "razao"; the target is well under a second for the box.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <cstdlib>
#include <string>

#include "bench/apoio/Com_qt.h"
#include "bench/apoio/Medicao.h"
#include "janela/comum/Caixa_mensagem_qt.h"

namespace {

std::string Texto_regiao(int linhas) {
  std::string texto = " Ind dos pontos PCONVX \n";
  for (int i = 1; i <= linhas; ++i)
    texto += " Pto[" + std::to_string(i) + "]= " + std::to_string(i + 4) + "\n";
  return texto;
}

void Mostrar_e_pintar(QWidget& janela) {
  janela.show();
  janela.repaint();
  QApplication::processEvents();
}

void Caixa_de_cem_mil_linhas(benchmark::State& estado) {
  const std::string texto = Texto_regiao(100000);
  const QString q_texto = QString::fromStdString(texto);
  medicao::Comparacao comparacao;
  for (auto _ : estado) {
    for (int i = 0; i < 5; ++i) {
      comparacao.Programa([&] {
        Caixa_mensagem_qt caixa(texto, " Pontos da regiao 1", Botoes::OK_Cancelar, nullptr);
        if (!caixa.Rolavel()) std::abort();
        Mostrar_e_pintar(caixa.Janela());
      });
      comparacao.Base([&] {
        QPlainTextEdit quadro;
        quadro.setPlainText(q_texto);
        Mostrar_e_pintar(quadro);
      });
    }
  }
  comparacao.Registrar(estado, "ms_caixa", "ms_base");
}

BENCHMARK(Caixa_de_cem_mil_linhas)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  medicao::Rodar_benchmarks_com_qt(argc, argv);
}
