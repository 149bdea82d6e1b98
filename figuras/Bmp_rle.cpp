// Run-length compressed bitmap rows (BI_RLE8, BI_RLE4).

#include <algorithm>
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

// Where the next pixel of the stream goes; rows are counted in the file's order. The
// current row is put together in a buffer and written into the raster when the stream
// leaves it. Pixels that the stream skips show the first colour of the palette. A row
// skipped whole is written only when the stream puts pixels in a later row (or at the
// end), so that a short stream behind a header claiming a huge picture touches only the
// rows it really has.
class Posicao_rle {
 public:
  Posicao_rle(Raster_em_faixas& raster, const Cabecalho_bmp& cab, uint32_t fundo)
      : raster_(raster),
        cab_(cab),
        fundo_(static_cast<size_t>(cab.largura), fundo),
        atual_(fundo_) {}

  // The next `quantos` pixels of the current row.
  uint32_t* Pixels(int64_t quantos) {
    if (linha_ >= cab_.altura) Danificado("sequência RLE além do fim da imagem");
    if (x_ + quantos > cab_.largura) Danificado("sequência RLE além do fim de uma linha");
    Preencher_ate(linha_);
    com_pixels_ = true;
    uint32_t* pixels = atual_.data() + x_;
    x_ += quantos;
    return pixels;
  }

  // The rows the stream never reached, once it has ended well.
  void Concluir() {
    Gravar_atual();
    Preencher_ate(cab_.altura);
  }

  void Nova_linha() { Deslocar(-x_, 1); }

  void Deslocar(int64_t direita, int64_t linhas) {
    if (linha_ + linhas > cab_.altura) Danificado("sequência RLE além do fim da imagem");
    if (x_ + direita > cab_.largura) Danificado("sequência RLE além do fim de uma linha");
    if (linhas > 0) Gravar_atual();
    x_ += direita;
    linha_ += linhas;
  }

  // Every row reached: a stream that ends here lacks only its end-of-bitmap mark.
  bool No_fim() const {
    return linha_ == cab_.altura || (linha_ == cab_.altura - 1 && x_ == cab_.largura);
  }

 private:
  void Gravar_atual() {
    if (!com_pixels_) return;
    raster_.Escrever_linha(Y_no_raster(cab_, linha_), atual_.data());
    preenchidas_ = linha_ + 1;
    atual_ = fundo_;
    com_pixels_ = false;
  }

  void Preencher_ate(int64_t fim) {
    for (; preenchidas_ < fim; ++preenchidas_)
      raster_.Escrever_linha(Y_no_raster(cab_, preenchidas_), fundo_.data());
  }

  Raster_em_faixas& raster_;
  const Cabecalho_bmp& cab_;
  const std::vector<uint32_t> fundo_;  // a row of the first colour
  std::vector<uint32_t> atual_;
  bool com_pixels_ = false;
  int64_t x_ = 0, linha_ = 0, preenchidas_ = 0;
};

// An encoded run: RLE8 repeats one index, RLE4 alternates the two of its byte.
void Repetir(uint32_t* pixels, unsigned quantos, unsigned indices, int bits, const Paleta& cores) {
  const uint32_t par[2] = {Cor_definida(cores, bits == 8 ? indices : indices >> 4),
                           Cor_definida(cores, bits == 8 ? indices : indices & 0xF)};
  for (unsigned i = 0; i < quantos; ++i) pixels[i] = par[i % 2];
}

// An absolute run: the indices themselves, packed like an uncompressed row, padded to
// an even number of bytes.
void Copiar(Fluxo_bytes& fluxo, uint32_t* pixels, unsigned quantos, int bits, const Paleta& cores) {
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
  for (;;) {
    const int quantos = fluxo.Proximo_ou_fim();
    if (quantos < 0) {
      if (!posicao.No_fim()) Fluxo_bytes::Cortado();
      return posicao.Concluir();
    }
    const unsigned segundo = fluxo.Proximo();
    if (quantos > 0) {
      Repetir(posicao.Pixels(quantos), quantos, segundo, cab.bits, cores);
    } else if (segundo == 0) {
      posicao.Nova_linha();
    } else if (segundo == 1) {
      return posicao.Concluir();
    } else if (segundo == 2) {
      const unsigned direita = fluxo.Proximo();
      posicao.Deslocar(direita, fluxo.Proximo());
    } else {
      Copiar(fluxo, posicao.Pixels(segundo), segundo, cab.bits, cores);
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
