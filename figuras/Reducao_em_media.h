#pragma once
// A picture reduced by a whole factor, each pixel the mean of the block of picture
// pixels it covers (fewer at the right and bottom edges): area averaging, so that thin
// contour lines fade instead of breaking into dots. The sums are kept while the decoder
// writes the rows, in any order, so that the reduced copy is ready when the picture is.

#include <QImage>
#include <cstdint>
#include <vector>

class Reducao_em_media {
 public:
  Reducao_em_media(int largura, int altura, int fator);

  // `quantos` pixels (0xffRRGGBB) of row y from column x, all inside the picture.
  void Somar(int x, int y, const uint32_t* pixels, int quantos);
  // Every pixel of the picture was summed exactly once (as far as a count can tell).
  bool Completa() const { return somados_ == int64_t{largura_} * altura_; }
  // The means, rounded, as Format_RGB32.
  QImage Imagem();

 private:
  void Descarregar();

  int largura_, altura_, fator_, colunas_, linhas_;
  std::vector<uint32_t> somas_;  // blue, green, red of each reduced pixel
  void Somar_grupos(int x, const uint8_t* __restrict bytes, int quantos);

  // The sums of the band of `fator_` rows being written, by group of `grupo_` columns
  // and byte. With a factor a multiple of 4 a group is 4 columns, all of one reduced
  // pixel: a row's 4 pixels are added together first, and these sums, read and written
  // once a row, are a quarter of a row's width. They are folded into somas_ when a row of
  // another band comes (once a band for a decoder writing top-down or bottom-up), or
  // before 16 bits could overflow.
  std::vector<uint16_t> faixa_;
  int grupo_;
  int faixa_atual_ = -1;
  int linhas_na_faixa_ = 0;
  int64_t somados_ = 0;
};

// The factor for a picture: the reduced copy's longer side is at most Lado_reduzido, which
// is more than an overview window needs and small enough to rescale at every resize.
inline constexpr int Lado_reduzido = 1024;
int Fator_reducao(int largura, int altura);
