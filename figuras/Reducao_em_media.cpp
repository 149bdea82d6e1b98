#include "figuras/Reducao_em_media.h"

#include <algorithm>

Reducao_em_media::Reducao_em_media(int largura, int altura, int fator)
    : largura_(largura),
      altura_(altura),
      fator_(fator),
      colunas_((largura + fator - 1) / fator),
      linhas_((altura + fator - 1) / fator),
      somas_(size_t{3} * colunas_ * linhas_),
      faixa_(size_t{4} * largura) {}

void Reducao_em_media::Somar(int x, int y, const uint32_t* pixels, int quantos) {
  // A column of the band can take 257 rows of 255 in 16 bits; a row may come in pieces.
  if (y / fator_ != faixa_atual_ || (x == 0 && linhas_na_faixa_ == 257)) {
    Descarregar();
    faixa_atual_ = y / fator_;
  }
  if (x == 0) ++linhas_na_faixa_;
  const auto* __restrict bytes = reinterpret_cast<const uint8_t*>(pixels);
  uint16_t* __restrict soma = faixa_.data() + size_t{4} * x;
  for (size_t i = 0; i < size_t{4} * quantos; ++i) soma[i] = uint16_t(soma[i] + bytes[i]);
  somados_ += quantos;
}

// A reduced pixel's columns at a time: no division by the factor for every column.
void Reducao_em_media::Descarregar() {
  if (faixa_atual_ < 0) return;
  uint32_t* celula = somas_.data() + size_t{3} * colunas_ * faixa_atual_;
  const uint16_t* coluna = faixa_.data();
  for (int x = 0; x < largura_; celula += 3)
    for (const int fim = std::min(largura_, x + fator_); x < fim; ++x, coluna += 4)
      for (int c = 0; c < 3; ++c) celula[c] += coluna[c];
  std::fill(faixa_.begin(), faixa_.end(), 0);
  faixa_atual_ = -1;
  linhas_na_faixa_ = 0;
}

QImage Reducao_em_media::Imagem() {
  Descarregar();
  QImage imagem(colunas_, linhas_, QImage::Format_RGB32);
  const uint32_t* soma = somas_.data();
  for (int j = 0; j < linhas_; ++j) {
    auto* linha = reinterpret_cast<QRgb*>(imagem.scanLine(j));
    const uint32_t alto = std::min(fator_, altura_ - j * fator_);
    for (int i = 0; i < colunas_; ++i, soma += 3) {
      const uint32_t n = alto * std::min(fator_, largura_ - i * fator_);
      const auto media = [n](uint32_t s) { return static_cast<int>((s + n / 2) / n); };
      linha[i] = qRgb(media(soma[2]), media(soma[1]), media(soma[0]));
    }
  }
  return imagem;
}

int Fator_reducao(int largura, int altura) {
  return std::max(1, (std::max(largura, altura) + Lado_reduzido - 1) / Lado_reduzido);
}
