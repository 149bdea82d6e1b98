// Run-length compressed bitmap rows (BI_RLE8, BI_RLE4).

#include <algorithm>
#include <array>
#include <vector>

#include "figuras/Bmp.h"
#include "figuras/Ler_formatos.h"

namespace bmp {

namespace {

// The compressed stream byte by byte, through a small buffer of its own.
class Fluxo_bytes {
 public:
  explicit Fluxo_bytes(std::FILE* arquivo) : arquivo_(arquivo), bloco_(65536) {}

  // The next byte; the end of the file here ends the picture before its last row.
  unsigned Proximo() {
    const int byte = Proximo_ou_fim();
    if (byte < 0) Cortado();
    return static_cast<unsigned>(byte);
  }

  [[noreturn]] static void Cortado() { Incompleto("dados comprimidos cortados"); }

  // The next byte, or -1 at the end of the file.
  int Proximo_ou_fim() { return Ha_dados() ? bloco_[posicao_++] : -1; }

  // Whether a byte is left, without taking it.
  bool Ha_dados() {
    if (posicao_ == fim_) {
      fim_ = std::fread(bloco_.data(), 1, bloco_.size(), arquivo_);
      posicao_ = 0;
    }
    return posicao_ < fim_;
  }

 private:
  std::FILE* arquivo_;
  std::vector<unsigned char> bloco_;
  size_t posicao_ = 0, fim_ = 0;
};

// Where the next pixel of the stream goes; rows are counted in the file's order.
// Pixels that the stream skips show the first colour of the palette. A row is filled
// with it only when the stream reaches it (or at the end), so that a short stream
// behind a header claiming a huge picture touches only the rows it really has.
class Posicao_rle {
 public:
  Posicao_rle(Raster_em_faixas& raster, const Cabecalho_bmp& cab, uint32_t fundo)
      : raster_(raster), cab_(cab) {
    fundo_.fill(fundo);
  }

  // Whether `quantos` more pixels fit the current row, checked before they are read.
  void Conferir_trecho(int64_t quantos) const {
    if (linha_ >= cab_.altura) Danificado("sequência RLE além do fim da imagem");
    if (x_ + quantos > cab_.largura) Danificado("sequência RLE além do fim de uma linha");
  }

  // The next `quantos` pixels of the current row.
  void Escrever(const uint32_t* pixels, int64_t quantos) {
    Conferir_trecho(quantos);
    Preencher_ate(linha_ + 1);
    raster_.Escrever(static_cast<int>(x_), Y_no_raster(cab_, linha_), pixels,
                     static_cast<int>(quantos));
    x_ += quantos;
  }

  // The rows the stream never reached, once it has ended well.
  void Concluir() { Preencher_ate(cab_.altura); }

  void Nova_linha() { Deslocar(-x_, 1); }

  void Deslocar(int64_t direita, int64_t linhas) {
    if (linha_ + linhas > cab_.altura) Danificado("sequência RLE além do fim da imagem");
    if (x_ + direita > cab_.largura) Danificado("sequência RLE além do fim de uma linha");
    x_ += direita;
    linha_ += linhas;
  }

  // Every row reached: a stream that ends here lacks only its end-of-bitmap mark.
  bool No_fim() const {
    return linha_ == cab_.altura || (linha_ == cab_.altura - 1 && x_ == cab_.largura);
  }

 private:
  void Preencher_ate(int64_t fim) {
    const auto passo = static_cast<int64_t>(fundo_.size());
    for (; preenchidas_ < fim; ++preenchidas_)
      for (int64_t x = 0; x < cab_.largura; x += passo)
        raster_.Escrever(static_cast<int>(x), Y_no_raster(cab_, preenchidas_), fundo_.data(),
                         static_cast<int>(std::min(passo, cab_.largura - x)));
  }

  Raster_em_faixas& raster_;
  const Cabecalho_bmp& cab_;
  std::array<uint32_t, 1024> fundo_;  // the first colour, for a row a piece at a time
  int64_t x_ = 0, linha_ = 0, preenchidas_ = 0;
};

// A run holds at most 255 pixels.
using Trecho = std::array<uint32_t, 255>;

// An encoded run: RLE8 repeats one index, RLE4 alternates the two of its byte.
void Repetir(Trecho& pixels, unsigned quantos, unsigned indices, int bits, const Paleta& cores) {
  const uint32_t par[2] = {Cor_definida(cores, bits == 8 ? indices : indices >> 4),
                           Cor_definida(cores, bits == 8 ? indices : indices & 0xF)};
  for (unsigned i = 0; i < quantos; ++i) pixels[i] = par[i % 2];
}

// An absolute run: the indices themselves, packed like an uncompressed row, padded to
// an even number of bytes.
void Copiar(Fluxo_bytes& fluxo, Trecho& pixels, unsigned quantos, int bits, const Paleta& cores) {
  const unsigned bytes = bits == 8 ? quantos : (quantos + 1) / 2;
  unsigned byte = 0;
  for (unsigned i = 0; i < quantos; ++i) {
    if (bits == 8 || i % 2 == 0) byte = fluxo.Proximo();
    const unsigned indice = bits == 8 ? byte : i % 2 == 0 ? byte >> 4 : byte & 0xF;
    pixels[i] = Cor_definida(cores, indice);
  }
  if (bytes % 2 != 0) fluxo.Proximo();
}

// Pairs of bytes: a count and an index run, or 0 and an escape (0 end of row, 1 end of
// bitmap, 2 a jump right and up the picture, 3 to 255 an absolute run of that length).
void Ler_rle(Fluxo_bytes& fluxo, const Cabecalho_bmp& cab, const Paleta& cores,
             Raster_em_faixas& raster) {
  Posicao_rle posicao(raster, cab, cores[0]);
  Trecho trecho;
  for (;;) {
    const int quantos = fluxo.Proximo_ou_fim();
    if (quantos < 0) {
      if (!posicao.No_fim()) Fluxo_bytes::Cortado();
      return posicao.Concluir();
    }
    const unsigned segundo = fluxo.Proximo();
    if (quantos > 0) {
      posicao.Conferir_trecho(quantos);
      Repetir(trecho, quantos, segundo, cab.bits, cores);
      posicao.Escrever(trecho.data(), quantos);
    } else if (segundo == 0) {
      posicao.Nova_linha();
    } else if (segundo == 1) {
      return posicao.Concluir();
    } else if (segundo == 2) {
      const unsigned direita = fluxo.Proximo();
      posicao.Deslocar(direita, fluxo.Proximo());
    } else {
      posicao.Conferir_trecho(segundo);
      Copiar(fluxo, trecho, segundo, cab.bits, cores);
      posicao.Escrever(trecho.data(), segundo);
    }
  }
}

}  // namespace

Raster_em_faixas Ler_comprimido(std::FILE* arquivo, const std::string& caminho,
                                const Cabecalho_bmp& cab, const Paleta& cores) {
  // The raster is allocated once the stream shows it has data at all.
  Fluxo_bytes fluxo(arquivo);
  if (!fluxo.Ha_dados()) Fluxo_bytes::Cortado();
  Raster_em_faixas raster = Criar_raster(caminho, cab.largura, cab.altura);
  const Paginas_antecipadas antecipadas(raster, Ordem_das_linhas(cab));
  Ler_rle(fluxo, cab, cores, raster);
  return raster;
}

}  // namespace bmp
