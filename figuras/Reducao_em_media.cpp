#include "figuras/Reducao_em_media.h"

#include <algorithm>

Reducao_em_media::Reducao_em_media(int largura, int altura, int fator)
    : largura_(largura),
      altura_(altura),
      fator_(fator),
      colunas_((largura + fator - 1) / fator),
      linhas_((altura + fator - 1) / fator),
      somas_(size_t{3} * colunas_ * linhas_) {}

void Reducao_em_media::Somar(int x, int y, const uint32_t* pixels, int quantos) {
  uint32_t* soma = somas_.data() + size_t{3} * (size_t(y / fator_) * colunas_ + x / fator_);
  somados_ += quantos;
  // Block by block: the three sums of a block stay in registers across its pixels.
  for (int fim = x + quantos; x < fim; soma += 3) {
    const int ate = std::min(fim, (x / fator_ + 1) * fator_);
    uint32_t azul = 0, verde = 0, vermelho = 0;
    for (; x < ate; ++x, ++pixels) {
      azul += *pixels & 0xFF;
      verde += (*pixels >> 8) & 0xFF;
      vermelho += (*pixels >> 16) & 0xFF;
    }
    soma[0] += azul, soma[1] += verde, soma[2] += vermelho;
  }
}

QImage Reducao_em_media::Imagem() const {
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
