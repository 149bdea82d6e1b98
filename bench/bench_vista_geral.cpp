// The overview and the magnifier on an A0 sheet at 600 dpi (19866 x 28087): only the
// view's size matters to them, so the view is that size over a small raster.
//  - Redesenho_apos_rolagem: a scroll of the main view and the overview's repaint that
//    follows (points, residuals, rectangle), against drawing its scaled picture alone
//    into an image of its size; "ms_vista_geral" (target: at most 2 ms) and "razao".
//  - Movimento_com_lupa: one mouse move with the magnifier shown (the position panels
//    and the magnifier's repaint) against the same move in a window without it; "ms_com_lupa"
//    (target: at most 2 ms) and "razao".

#include <QAction>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include "bench/apoio/Com_qt.h"
#include "janela/comum/Imagem.h"
#include "janela/comum/Lupa.h"
#include "janela/navegacao/Vista_geral.h"
#include "janela/programa/Programa.h"
#include "tests/apoio/Interacao_roteirizada.h"

namespace {

constexpr int Largura_a0 = 19866, Altura_a0 = 28087;

// A main window shown with an oriented A0 sheet, its control points and 2000 soundings.
struct Janela_a0 {
  Interacao_roteirizada ui;
  Programa programa{ui};
  TForm1& form = programa.Form1;

  Janela_a0() {
    form.Image1->Raster = Raster_em_faixas(3000, 3000);
    form.Image1->resize(Largura_a0, Altura_a0);
    form.Exibir1->setEnabled(true);
    form.resize(1600, 1000);
    form.show();
    const int cantos[][2] = {{500, 500}, {19000, 600}, {19200, 27500}, {700, 27000}};
    for (int i = 0; i < 4; ++i)
      form.trabalho.OLista_coord->Acrescentar({101 + i, 300000.0 + cantos[i][0] + i,
                                               7000000.0 - cantos[i][1], double(cantos[i][0]),
                                               double(cantos[i][1])});
    form.trabalho.Pontos_associados = 4;
    form.trabalho.Coef_orientacao = Coeficientes{1, 0, 300000, 0, -1, 7000000};
    for (int i = 0; i < 2000; ++i)
      form.trabalho.Lista_pontos.Acrescentar(
          {i + 1, -1, 0, 0, double(i * 37 % Largura_a0), double(i * 53 % Altura_a0), 1.0});
    QCoreApplication::processEvents();
  }
};

void Redesenho_apos_rolagem(benchmark::State& estado) {
  Janela_a0 janela;
  janela.form.Vista_geral1->trigger();
  TVista_geral& vista = *janela.form.Vista_geral;
  vista.Trocar_figura(QImage(710, 1004, QImage::Format_RGB32), {Largura_a0, Altura_a0});
  QCoreApplication::processEvents();
  QImage tela(vista.size(), QImage::Format_RGB32);
  QScrollBar* vertical = janela.form.ScrollBox1->verticalScrollBar();
  medicao::Comparacao comparacao;
  int passo = 0;
  for (auto _ : estado) {
    comparacao.Programa([&] {
      vertical->setValue(++passo * 997 % vertical->maximum());
      vista.repaint();
    });
    comparacao.Base([&] {
      QPainter pintor(&tela);
      pintor.drawImage(0, 0, vista.Escalada());
    });
  }
  comparacao.Registrar(estado, "ms_vista_geral", "ms_so_figura");
}

void Movimento_com_lupa(benchmark::State& estado) {
  Janela_a0 com_lupa, sem_lupa;
  for (Janela_a0* janela : {&com_lupa, &sem_lupa}) janela->form.trabalho.Orientada = true;
  com_lupa.form.Lupa1->trigger();
  TLupa& lupa = *com_lupa.form.Lupa;
  QCoreApplication::processEvents();
  medicao::Comparacao comparacao;
  int x = 0;
  for (auto _ : estado) {
    comparacao.Programa([&] {
      com_lupa.form.Image1MouseMove({}, ++x % 2900, 1000);
      lupa.repaint();
    });
    comparacao.Base([&] { sem_lupa.form.Image1MouseMove({}, ++x % 2900, 1000); });
  }
  comparacao.Registrar(estado, "ms_com_lupa", "ms_sem_lupa");
}

BENCHMARK(Redesenho_apos_rolagem)->Iterations(300)->Unit(benchmark::kMillisecond);
BENCHMARK(Movimento_com_lupa)->Iterations(300)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  medicao::Rodar_benchmarks_com_qt(argc, argv);
  return 0;
}
