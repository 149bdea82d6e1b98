#include "figuras/Reducao_em_media.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

Reducao_em_media::Reducao_em_media(int largura, int altura, int fator)
    : largura_(largura),
      altura_(altura),
      fator_(fator),
      colunas_((largura + fator - 1) / fator),
      linhas_((altura + fator - 1) / fator),
      somas_(size_t{3} * colunas_ * linhas_),
      grupo_(fator % 4 == 0 ? 4 : 1) {
  faixa_.resize(size_t{4} * ((largura + grupo_ - 1) / grupo_));
}

void Reducao_em_media::Somar(int x, int y, const uint32_t* pixels, int quantos) {
  // A group's byte can take 65535 / 255 / grupo_ rows in 16 bits; a row may come in pieces.
  if (y / fator_ != faixa_atual_ || (x == 0 && linhas_na_faixa_ == 257 / grupo_)) {
    Descarregar();
    faixa_atual_ = y / fator_;
  }
  if (x == 0) ++linhas_na_faixa_;
  const auto* bytes = reinterpret_cast<const uint8_t*>(pixels);
  const auto pixel_a_pixel = [&](int de, int ate) {
    for (int i = de; i < ate; ++i)
      for (int c = 0; c < 4; ++c) faixa_[size_t{4} * ((x + i) / grupo_) + c] += bytes[4 * i + c];
  };
  const int inicio = std::min(quantos, (grupo_ - x % grupo_) % grupo_);
  pixel_a_pixel(0, inicio);
  const int grupos = (quantos - inicio) / 8 * 8;  // whole groups, 8 pixels at a time
  Somar_grupos(x + inicio, bytes + 4 * inicio, grupos);
  pixel_a_pixel(inicio + grupos, quantos);
  somados_ += quantos;
}

// `quantos` pixels from column x, on a group's edge, a multiple of 8.
void Reducao_em_media::Somar_grupos(int x, const uint8_t* __restrict bytes, int quantos) {
  uint16_t* __restrict soma = faixa_.data() + size_t{4} * (x / grupo_);
  if (grupo_ == 1) {  // one widening add a byte, which the compiler does 16 bytes at a time
    for (int i = 0; i < 4 * quantos; ++i) soma[i] = uint16_t(soma[i] + bytes[i]);
    return;
  }
#if defined(__SSE2__)
  // Two groups a step: each pixel's bytes widened to 16 bits, the 4 pixels of a group
  // added together, the two groups' sums added to theirs.
  const __m128i zero = _mm_setzero_si128();
  for (int i = 0; i < quantos; i += 8, bytes += 32, soma += 8) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16));
    const __m128i pares_a = _mm_add_epi16(_mm_unpacklo_epi8(a, zero), _mm_unpackhi_epi8(a, zero));
    const __m128i pares_b = _mm_add_epi16(_mm_unpacklo_epi8(b, zero), _mm_unpackhi_epi8(b, zero));
    const __m128i grupos =
        _mm_add_epi16(_mm_unpacklo_epi64(pares_a, pares_b), _mm_unpackhi_epi64(pares_a, pares_b));
    auto* destino = reinterpret_cast<__m128i*>(soma);
    _mm_storeu_si128(destino, _mm_add_epi16(_mm_loadu_si128(destino), grupos));
  }
#else
  for (int i = 0; i < quantos; ++i)
    for (int c = 0; c < 4; ++c) soma[4 * (i / 4) + c] += bytes[4 * i + c];
#endif
}

// A reduced pixel's columns at a time: no division by the factor for every column.
void Reducao_em_media::Descarregar() {
  if (faixa_atual_ < 0) return;
  uint32_t* celula = somas_.data() + size_t{3} * colunas_ * faixa_atual_;
  const uint16_t* grupo = faixa_.data();
  for (int x = 0; x < largura_; celula += 3)
    for (const int fim = std::min(largura_, x + fator_); x < fim; x += grupo_, grupo += 4)
      for (int c = 0; c < 3; ++c) celula[c] += grupo[c];
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
  const int fator = std::max(1, (std::max(largura, altura) + Lado_reduzido - 1) / Lado_reduzido);
  // Beyond 4, a multiple of 4: the sums then take a row's pixels 4 at a time.
  return fator <= 4 ? fator : (fator + 3) / 4 * 4;
}
