// Painting the exposed part of the view costs the same whatever the picture's size:
// a 1920 x 1080 exposed rectangle of a 10000 x 10000 raster against a rectangle of the
// same size of a 2000 x 2000 raster, in the same run. The counter "razao" is the ratio of the two
// median times (target: at most 1.2).
//  - Pintura_em_sequencia: each picture painted repeatedly, as the view repaints the one
//    picture it shows; short runs of each take turns (the first paints of a run, which
//    bring the picture back into the caches, left out).
//  - Pintura_alternada: the two pictures painted alternately, each evicting the other
//    from the caches: the pessimistic figure.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QRgb>
#include <memory>

#include "bench/apoio/Com_qt.h"
#include "bench/apoio/Medicao.h"
#include "janela/comum/Imagem.h"

namespace {

// The small picture's window near its corner; the large one's anywhere inside it, off
// any boundary of its memory layout.
const QRect Exposto_pequena(40, 30, 1920, 1080);
const QRect Exposto_grande(4321, 5678, 1920, 1080);

std::unique_ptr<TImagem> Vista(int lado) {
  auto imagem = std::make_unique<TImagem>(nullptr);
  imagem->Raster = Raster_em_faixas(lado, lado);
  imagem->Raster.Preencher(qRgb(0, 128, 128));
  imagem->resize(lado, lado);
  return imagem;
}

void Pintar_exposto(TImagem& imagem, const QRect& exposto, QImage& tela) {
  imagem.render(&tela, QPoint(), QRegion(exposto), QWidget::DrawChildren);
  benchmark::DoNotOptimize(tela.constBits());
}

void Pintar(benchmark::State& estado, bool alternada) {
  auto pequena = Vista(2000);
  auto grande = Vista(10000);
  QImage tela(Exposto_pequena.size(), QImage::Format_RGB32);
  const auto pinta_pequena = [&] { Pintar_exposto(*pequena, Exposto_pequena, tela); };
  const auto pinta_grande = [&] { Pintar_exposto(*grande, Exposto_grande, tela); };
  constexpr int vezes = 200;
  medicao::Comparacao comparacao;
  for (auto _ : estado) {
    if (alternada) {
      for (int i = 0; i < vezes; ++i)
        comparacao.Base(pinta_pequena), comparacao.Programa(pinta_grande);
    } else {
      // The first paints fault the pages in; the view has long done that when it repaints.
      for (int i = 0; i < 10; ++i) pinta_pequena(), pinta_grande();
      // Each picture is repainted in a run of its own, and the runs take turns, so that
      // a change of the machine's load during the benchmark falls on both. The first
      // paints of a run bring its picture back into the caches and are not counted.
      constexpr int por_serie = 10, preparo = 2;
      for (int serie = 0; serie < vezes / por_serie; ++serie) {
        for (int i = 0; i < preparo; ++i) pinta_pequena();
        for (int i = 0; i < por_serie; ++i) comparacao.Base(pinta_pequena);
        for (int i = 0; i < preparo; ++i) pinta_grande();
        for (int i = 0; i < por_serie; ++i) comparacao.Programa(pinta_grande);
      }
    }
  }
  comparacao.Registrar(estado, "ms_10000", "ms_2000");
}

void Pintura_em_sequencia(benchmark::State& estado) {
  Pintar(estado, false);
}
void Pintura_alternada(benchmark::State& estado) {
  Pintar(estado, true);
}

BENCHMARK(Pintura_em_sequencia)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Pintura_alternada)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  medicao::Rodar_benchmarks_com_qt(argc, argv);
}
