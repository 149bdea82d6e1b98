#include "figuras/Raster_em_faixas.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

// Straight from the system: the block starts on a page, so that the pages of a strip's
// rows can be asked for ahead of a decoder, and it comes back whole when freed.
Raster_em_faixas::Raster_em_faixas(int largura, int altura) {
  if (largura <= 0 || altura <= 0) return;
  const auto bytes =
      static_cast<size_t>(4) * static_cast<size_t>(largura) * static_cast<size_t>(altura);
  void* dados = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (dados == MAP_FAILED) throw std::bad_alloc();
  dados_ = {static_cast<uint32_t*>(dados), Devolver{bytes}};
  largura_ = largura;
  altura_ = altura;
}

void Raster_em_faixas::Devolver::operator()(uint32_t* dados) const {
  munmap(dados, bytes);
}

Raster_em_faixas Raster_em_faixas::De_imagem(const QImage& imagem) {
  const QImage rgb = imagem.convertToFormat(QImage::Format_RGB32);
  Raster_em_faixas raster(rgb.width(), rgb.height());
  raster.Reduzir_ao_escrever();
  for (int y = 0; y < raster.Altura(); ++y) {
    const auto* linha = reinterpret_cast<const uint32_t*>(rgb.constScanLine(y));
    raster.Escrever_linha(y, linha);
    raster.Acumular(0, y, linha, raster.Largura());
  }
  return raster;
}

void Raster_em_faixas::Reduzir_ao_escrever() {
  if (!std::getenv("MAPIREL_SEM_REDUCAO"))  // once an opening
    reducao_ = std::make_unique<Reducao_em_media>(largura_, altura_,
                                                  Fator_reducao(largura_, altura_));
}

QImage Raster_em_faixas::Imagem() const {
  if (Vazio()) return {};
  QImage imagem(largura_, altura_, QImage::Format_RGB32);
  for (int y = 0; y < altura_; ++y) {
    auto* linha = reinterpret_cast<uint32_t*>(imagem.scanLine(y));
    for (int f = 0; f < Faixas(); ++f)
      std::copy_n(Linha(f, y), Largura_da_faixa(f), linha + f * Largura_faixa);
  }
  return imagem;
}

QImage Raster_em_faixas::Reduzida() const {
  if (Vazio()) return {};
  if (reducao_ && reducao_->Completa()) return reducao_->Imagem();
  Reducao_em_media reducao(largura_, altura_, Fator_reducao(largura_, altura_));
  for (int f = 0; f < Faixas(); ++f)
    for (int y = 0; y < altura_; ++y)
      reducao.Somar(f * Largura_faixa, y, Linha(f, y), Largura_da_faixa(f));
  return reducao.Imagem();
}

void Raster_em_faixas::Escrever_por_faixas(int x, int y, const uint32_t* pixels, int quantos) {
  while (quantos > 0) {
    const int faixa = x / Largura_faixa, dentro = x % Largura_faixa;
    const int n = std::min(quantos, Largura_da_faixa(faixa) - dentro);
    std::memcpy(Linha(faixa, y) + dentro, pixels, static_cast<size_t>(n) * 4);
    x += n, pixels += n, quantos -= n;
  }
}

void Raster_em_faixas::Preencher(QRgb cor) {
  std::fill_n(dados_.get(), static_cast<size_t>(Bytes() / 4), cor);
}

// A QImage over the strip's own memory: nothing is copied.
QImage Raster_em_faixas::Imagem_da_faixa(int faixa) const {
  const int largura = Largura_da_faixa(faixa);
  return QImage(reinterpret_cast<uchar*>(Inicio_faixa(faixa)), largura, altura_,
                qsizetype{largura} * 4, QImage::Format_RGB32);
}

// Strip by strip: each copy reads its strip's rows one after the other.
void Raster_em_faixas::Desenhar(QPainter& pintor, QPoint destino, const QRect& parte) const {
  const QRect dentro = parte.intersected(Retangulo());
  if (dentro.isEmpty()) return;
  for (int f = dentro.left() / Largura_faixa; f <= dentro.right() / Largura_faixa; ++f) {
    const int x0 = f * Largura_faixa;
    const QRect da_faixa = dentro.intersected(QRect(x0, 0, Largura_da_faixa(f), altura_));
    pintor.drawImage(destino + (da_faixa.topLeft() - parte.topLeft()), Imagem_da_faixa(f),
                     da_faixa.translated(-x0, 0));
  }
}

void Raster_em_faixas::Pintar(const QRect& alcance, const std::function<void(QPainter&)>& desenho) {
  const QRect dentro = alcance.intersected(Retangulo());
  if (dentro.isEmpty()) return;
  for (int f = dentro.left() / Largura_faixa; f <= dentro.right() / Largura_faixa; ++f) {
    // Painting detaches nothing: the QImage is the only one over this memory.
    QImage faixa = Imagem_da_faixa(f);
    QPainter pintor(&faixa);
    pintor.translate(-f * Largura_faixa, 0);
    desenho(pintor);
  }
}
