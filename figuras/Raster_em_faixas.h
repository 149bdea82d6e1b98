#pragma once
// A picture's pixels (0xffRRGGBB, as Format_RGB32) kept in vertical strips
// `Largura_faixa` pixels wide, one after the other in one block of memory; within a
// strip the rows lie side by side.
//
// Why strips: a window of the picture is then read from memory in runs of a few
// kilobytes whatever the picture's width. Kept row by row, each row of a 1920-pixel
// window of a 10000-pixel-wide chart lies 40 KB from the last, the processor's
// prefetching starts over at every one, and painting it cost up to twice what the same
// window of a 2000-pixel picture costs. Narrow strips make the cost of a paint follow
// the window only: the window meets at most two strips it does not cover whole.

#include <QImage>
#include <QPainter>
#include <QRect>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

#include "figuras/Reducao_em_media.h"

class Raster_em_faixas {
 public:
  static constexpr int Largura_faixa = 128;

  Raster_em_faixas() = default;
  // Pixels not yet written. Raises std::bad_alloc when the system refuses the memory.
  Raster_em_faixas(int largura, int altura);
  // A raster moved from is empty.
  Raster_em_faixas(Raster_em_faixas&& outro) noexcept { *this = std::move(outro); }
  Raster_em_faixas& operator=(Raster_em_faixas&& outro) noexcept {
    dados_ = std::move(outro.dados_);
    largura_ = std::exchange(outro.largura_, 0);
    altura_ = std::exchange(outro.altura_, 0);
    reducao_ = std::move(outro.reducao_);
    return *this;
  }
  // A copy of any QImage, converted to Format_RGB32.
  static Raster_em_faixas De_imagem(const QImage& imagem);
  // The whole raster as one QImage (a copy).
  QImage Imagem() const;

  bool Vazio() const { return largura_ <= 0; }
  int Largura() const { return largura_; }
  int Altura() const { return altura_; }
  QSize Tamanho() const { return {largura_, altura_}; }
  QRect Retangulo() const { return {0, 0, largura_, altura_}; }
  int64_t Bytes() const { return int64_t{4} * largura_ * altura_; }

  int Faixas() const { return (largura_ + Largura_faixa - 1) / Largura_faixa; }
  int Largura_da_faixa(int faixa) const {
    return std::min(Largura_faixa, largura_ - faixa * Largura_faixa);
  }
  // Row y of a strip: Largura_da_faixa(faixa) pixels, the strip's rows following it.
  uint32_t* Linha(int faixa, int y) {
    return Inicio_faixa(faixa) + int64_t{y} * Largura_da_faixa(faixa);
  }
  const uint32_t* Linha(int faixa, int y) const {
    return Inicio_faixa(faixa) + int64_t{y} * Largura_da_faixa(faixa);
  }

  QRgb Pixel(int x, int y) const { return Linha(x / Largura_faixa, y)[x % Largura_faixa]; }
  // `quantos` pixels from (x, y) rightwards, across strips; they must lie in the raster.
  // A short run (a marker's) mostly lies in one strip: that case is copied here.
  void Escrever(int x, int y, const uint32_t* pixels, int quantos) {
    const int faixa = x / Largura_faixa, dentro = x % Largura_faixa;
    if (dentro + quantos <= Largura_faixa)
      std::copy_n(pixels, quantos, Linha(faixa, y) + dentro);
    else
      Escrever_por_faixas(x, y, pixels, quantos);
  }
  void Escrever_linha(int y, const uint32_t* pixels) { Escrever(0, y, pixels, largura_); }
  void Preencher(QRgb cor);

  // The decoders keep a reduced copy of the picture as they write its rows: started
  // before the first row, then fed every row's pixels as they are written. Not when the
  // environment has MAPIREL_SEM_REDUCAO (the benchmarks' baseline, the opening without
  // the copy); Reduzida then reduces the pixels when the overview asks.
  void Reduzir_ao_escrever();
  void Acumular(int x, int y, const uint32_t* pixels, int quantos) {
    if (reducao_) reducao_->Somar(x, y, pixels, quantos);
  }
  // The picture reduced by Fator_reducao, by area averaging: the decoder's copy when it
  // saw every pixel, otherwise computed from the pixels now. Markers painted into the
  // raster since are not in the decoder's copy.
  QImage Reduzida() const;

  // Paints the part `parte` of the raster with its top-left corner at `destino`.
  void Desenhar(QPainter& pintor, QPoint destino, const QRect& parte) const;
  // Lets `desenho` paint into the raster, in the raster's coordinates, as into one
  // image: it is called once for every strip `alcance` meets, on a painter clipped to it.
  // A slanting line cut at a strip's edge is rounded from there on its own: one of its
  // pixels may lie one row or column off the pixel one image would have had.
  void Pintar(const QRect& alcance, const std::function<void(QPainter&)>& desenho);

 private:
  struct Devolver {
    size_t bytes;
    void operator()(uint32_t* dados) const;
  };
  uint32_t* Inicio_faixa(int faixa) const {
    return dados_.get() + int64_t{faixa} * Largura_faixa * altura_;
  }
  QImage Imagem_da_faixa(int faixa) const;
  void Escrever_por_faixas(int x, int y, const uint32_t* pixels, int quantos);

  std::unique_ptr<uint32_t, Devolver> dados_{nullptr, Devolver{0}};
  int largura_ = 0, altura_ = 0;
  std::unique_ptr<Reducao_em_media> reducao_;
};
