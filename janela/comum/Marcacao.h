#pragma once
// Point markers painted into the view's raster in one pass. Each marker shape (size and
// colour) is painted once by QPainter into a small mould, kept as runs of pixels, and
// every marker of that shape is a copy of those runs into the raster: exactly what the
// painter paints there, at a small part of its cost.
//
// The markers are gathered and copied when the Marcacao ends, band of rows by band of
// rows, each band small enough to stay in the processor's cache, in the order they were
// asked for within each band, so that a later marker still covers an earlier one. Then
// the rectangle they cover is repainted once. Reopening a job of a million points, spread
// over a large chart, costs about as much as reading its file.

#include <QSize>
#include <QtGlobal>
#include <climits>
#include <cstdint>
#include <vector>

class TImagem;

// Two pixel counts: the markers' half-size, the origin of a scroll drag.
struct Par_inteiro {
  int32_t x = 0;
  int32_t y = 0;
};

class Marcacao {
 public:
  Marcacao(TImagem& imagem, Par_inteiro raio);
  ~Marcacao();  // paints the markers and repaints what they cover
  Marcacao(const Marcacao&) = delete;
  Marcacao& operator=(const Marcacao&) = delete;

  // A filled ellipse in the given colour (0xRRGGBB) with a one-pixel black outline,
  // inside the rectangle (x1, y1)-(x2, y2): it covers the pixels x1..x2-1, y1..y2-1.
  void Marcar(int x1, int y1, int x2, int y2, uint32_t cor_rgb);
  // The marker of a point: the rectangle of half-sides `raio` around the point's
  // position truncated toward zero.
  void Marcar_ponto(double x, double y, uint32_t cor_rgb);

 private:
  // Pixels the painter touched side by side in a row of the mould; their colours are
  // the mould's pixels from primeiro_pixel on.
  struct Trecho {
    int dy, dx, quantos, primeiro_pixel;
  };
  struct Molde {
    int largura, altura;
    uint32_t cor_rgb;
    std::vector<Trecho> trechos;
    std::vector<uint32_t> pixels;
  };
  struct Marca {
    int x, y;  // top-left corner
    int molde;
  };
  int Molde_de(int largura, int altura, uint32_t cor_rgb);
  void Pintar();
  void Pintar_em_ordem();
  void Copiar(const Marca& marca, int topo, int base) const;

  TImagem& imagem_;
  Par_inteiro raio_;
  std::vector<Molde> moldes_;
  std::vector<Marca> marcas_;
  QSize tamanho_;  // of the raster when marking began
  struct {
    int x1 = INT_MAX, y1 = INT_MAX, x2 = INT_MIN, y2 = INT_MIN;
  } pintado_;  // what the markers cover
};
