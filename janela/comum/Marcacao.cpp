#include "janela/comum/Marcacao.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <new>

#include "janela/comum/Imagem.h"
#include "nucleo/base/Conversao.h"

namespace {

// Rows of the raster copied into at a time: about 1 MiB of each strip's rows together,
// which stays in the cache.
constexpr qsizetype Bytes_por_faixa = qsizetype{1} << 20;

}  // namespace

Marcacao::Marcacao(TImagem& imagem, Par_inteiro raio)
    : imagem_(imagem), raio_(raio), tamanho_(imagem.Raster.Tamanho()) {}

Marcacao::~Marcacao() {
  if (marcas_.empty()) return;
  try {
    Pintar();
  } catch (const std::bad_alloc&) {
    // Sorting the markers by band takes memory, and a destructor must not throw: without
    // it they are copied one by one in the order asked for, the same pixels more slowly.
    Pintar_em_ordem();
  }
  imagem_.update(QRect(QPoint(pintado_.x1, pintado_.y1), QPoint(pintado_.x2 - 1, pintado_.y2 - 1)));
}

// The painter paints the marker on a transparent mould; every pixel it touched is
// opaque there, in the colour it has in the raster.
int Marcacao::Molde_de(int largura, int altura, uint32_t cor_rgb) {
  for (size_t i = 0; i < moldes_.size(); ++i)
    if (moldes_[i].largura == largura && moldes_[i].altura == altura &&
        moldes_[i].cor_rgb == cor_rgb)
      return static_cast<int>(i);
  QImage molde(largura, altura, QImage::Format_ARGB32);
  molde.fill(Qt::transparent);
  {
    QPainter pintor(&molde);
    pintor.setPen(QPen(Qt::black, 0));
    pintor.setBrush(QColor::fromRgb(cor_rgb));
    // A one-pixel outline of a QRect reaches one pixel past its width, hence the width
    // minus one.
    pintor.drawEllipse(QRect(0, 0, largura - 1, altura - 1));
  }
  Molde novo{largura, altura, cor_rgb, {}, {}};
  for (int y = 0; y < altura; ++y) {
    const auto* linha = reinterpret_cast<const uint32_t*>(molde.constScanLine(y));
    for (int x = 0; x < largura;) {
      int fim = x;
      while (fim < largura && qAlpha(linha[fim]) != 0) ++fim;
      if (fim > x) {
        novo.trechos.push_back({y, x, fim - x, static_cast<int>(novo.pixels.size())});
        novo.pixels.insert(novo.pixels.end(), linha + x, linha + fim);
      }
      x = fim + 1;
    }
  }
  moldes_.push_back(std::move(novo));
  return static_cast<int>(moldes_.size() - 1);
}

void Marcacao::Marcar(int x1, int y1, int x2, int y2, uint32_t cor_rgb) {
  if (x2 <= x1 || y2 <= y1 || x2 <= 0 || y2 <= 0 || x1 >= tamanho_.width() ||
      y1 >= tamanho_.height())
    return;  // nothing of it on the raster
  marcas_.push_back({x1, y1, Molde_de(x2 - x1, y2 - y1, cor_rgb)});
  pintado_ = {std::min(pintado_.x1, x1), std::min(pintado_.y1, y1), std::max(pintado_.x2, x2),
              std::max(pintado_.y2, y2)};
}

void Marcacao::Marcar_ponto(double x, double y, uint32_t cor_rgb) {
  const int cx = Truncar_pixel(x);
  const int cy = Truncar_pixel(y);
  Marcar(cx - raio_.x, cy - raio_.y, cx + raio_.x, cy + raio_.y, cor_rgb);
}

// Each marker is listed in every band it reaches, in the order it was asked for, by a
// counting sort; then the bands are copied into one after the other.
void Marcacao::Pintar() {
  const Raster_em_faixas& raster = imagem_.Raster;
  if (raster.Vazio()) return;
  const int altura_faixa =
      static_cast<int>(std::max<int64_t>(1, Bytes_por_faixa / (int64_t{4} * raster.Largura())));
  const int faixas = (raster.Altura() + altura_faixa - 1) / altura_faixa;
  const auto faixa_de = [&](int y) { return std::clamp(y, 0, raster.Altura() - 1) / altura_faixa; };
  const auto alcance = [&](const Marca& m) {
    return std::pair(faixa_de(m.y), faixa_de(m.y + moldes_[m.molde].altura - 1));
  };
  std::vector<size_t> inicio(faixas + 1, 0);
  for (const Marca& m : marcas_)
    for (auto [f, ultima] = alcance(m); f <= ultima; ++f) ++inicio[f + 1];
  for (int f = 0; f < faixas; ++f) inicio[f + 1] += inicio[f];
  // The markers themselves, not their positions: each band then reads them in a row.
  std::vector<Marca> por_faixa(inicio.back());
  std::vector<size_t> proxima(inicio.begin(), inicio.end() - 1);
  for (const Marca& m : marcas_)
    for (auto [f, ultima] = alcance(m); f <= ultima; ++f) por_faixa[proxima[f]++] = m;
  for (int f = 0; f < faixas; ++f) {
    const int topo = f * altura_faixa, base = std::min(topo + altura_faixa, raster.Altura());
    for (size_t k = inicio[f]; k < inicio[f + 1]; ++k) Copiar(por_faixa[k], topo, base);
  }
  marcas_.clear();
}

void Marcacao::Pintar_em_ordem() {
  if (imagem_.Raster.Vazio()) return;
  for (const Marca& m : marcas_) Copiar(m, 0, imagem_.Raster.Altura());
  marcas_.clear();
}

// The runs of the marker's mould that fall on the rows topo..base-1 and inside the
// raster.
void Marcacao::Copiar(const Marca& marca, int topo, int base) const {
  const Molde& molde = moldes_[marca.molde];
  for (const Trecho& t : molde.trechos) {
    const int y = marca.y + t.dy;
    const int inicio = std::max(marca.x + t.dx, 0);
    const int fim = std::min(marca.x + t.dx + t.quantos, imagem_.Raster.Largura());
    if (y < topo || y >= base || inicio >= fim) continue;
    const uint32_t* pixels = &molde.pixels[t.primeiro_pixel + (inicio - (marca.x + t.dx))];
    imagem_.Raster.Escrever(inicio, y, pixels, fim - inicio);
  }
}
