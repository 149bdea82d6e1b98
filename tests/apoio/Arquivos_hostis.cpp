#include "tests/apoio/Arquivos_hostis.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <fstream>

namespace hostis {

namespace {

void Be16(Bytes& b, uint32_t v) {
  b.push_back(static_cast<unsigned char>(v >> 8));
  b.push_back(static_cast<unsigned char>(v));
}
void Be32(Bytes& b, uint32_t v) {
  Be16(b, v >> 16);
  Be16(b, v & 0xFFFF);
}
void Le16(Bytes& b, uint32_t v) {
  b.push_back(static_cast<unsigned char>(v));
  b.push_back(static_cast<unsigned char>(v >> 8));
}
void Le32(Bytes& b, uint32_t v) {
  Le16(b, v & 0xFFFF);
  Le16(b, v >> 16);
}

// ---- JPEG -------------------------------------------------------------------------

// Entropy-coded bits, most significant first, with a zero byte stuffed after every
// 0xFF; the last byte is padded with ones.
class Bits {
 public:
  explicit Bits(Bytes& saida) : saida_(saida) {}
  void Escrever(uint32_t valor, int quantos) {
    for (int i = quantos - 1; i >= 0; --i) {
      byte_ = byte_ << 1 | (valor >> i & 1);
      if (++cheios_ == 8) Esvaziar();
    }
  }
  void Terminar() {
    while (cheios_ != 0) Escrever(1, 1);
  }

 private:
  void Esvaziar() {
    saida_.push_back(static_cast<unsigned char>(byte_));
    if (byte_ == 0xFF) saida_.push_back(0);
    byte_ = 0, cheios_ = 0;
  }
  Bytes& saida_;
  uint32_t byte_ = 0;
  int cheios_ = 0;
};

void Marcador(Bytes& b, unsigned codigo, const Bytes& corpo) {
  b.push_back(0xFF);
  b.push_back(static_cast<unsigned char>(codigo));
  Be16(b, static_cast<uint32_t>(corpo.size() + 2));
  b.insert(b.end(), corpo.begin(), corpo.end());
}

// One table for the DC differences (only 0, as the code "0") and one for the AC scans
// (only end-of-band runs: symbol r << 4 for r = 0..14, as the 4-bit code r).
void Tabelas(Bytes& b) {
  Bytes dqt(65, 1);
  dqt[0] = 0;  // 8-bit table 0
  Marcador(b, 0xDB, dqt);
  Bytes dc(1 + 16 + 1, 0);  // class and id, codes of each length, symbols
  dc[1] = 1;
  Marcador(b, 0xC4, dc);
  Bytes ac(1 + 16 + 15, 0);
  ac[0] = 0x10;
  ac[1 + 3] = 15;
  for (unsigned r = 0; r < 15; ++r) ac[17 + r] = static_cast<unsigned char>(r << 4);
  Marcador(b, 0xC4, ac);
}

void Varredura(Bytes& b, const Bytes& componentes, int ss, int se, int ah, int al) {
  Bytes sos = {static_cast<unsigned char>(componentes.size())};
  for (const unsigned char c : componentes) sos.insert(sos.end(), {c, 0x00});
  sos.insert(sos.end(), {static_cast<unsigned char>(ss), static_cast<unsigned char>(se),
                         static_cast<unsigned char>(ah << 4 | al)});
  Marcador(b, 0xDA, sos);
}

// Every block of one component at the end of its band, in runs of at most 32767.
void Varredura_ac(Bytes& b, unsigned char componente, int64_t blocos, int ah, int al) {
  Varredura(b, {componente}, 1, 63, ah, al);
  Bits bits(b);
  for (int64_t resta = blocos; resta > 0;) {
    const int64_t corrida = std::min<int64_t>(resta, 32767);
    int r = 0;
    while (int64_t{2} << r <= corrida) ++r;
    bits.Escrever(static_cast<uint32_t>(r), 4);
    bits.Escrever(static_cast<uint32_t>(corrida - (int64_t{1} << r)), r);
    resta -= corrida;
  }
  bits.Terminar();
}

// ---- PNG --------------------------------------------------------------------------

void Bloco_png(Bytes& b, const char* tipo, const Bytes& dados) {
  Be32(b, static_cast<uint32_t>(dados.size()));
  Bytes corpo(tipo, tipo + 4);
  corpo.insert(corpo.end(), dados.begin(), dados.end());
  b.insert(b.end(), corpo.begin(), corpo.end());
  Be32(b, static_cast<uint32_t>(crc32(0, corpo.data(), static_cast<uInt>(corpo.size()))));
}

Bytes Inicio_png(int64_t largura, int64_t altura) {
  Bytes b = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes ihdr;
  Be32(ihdr, static_cast<uint32_t>(largura));
  Be32(ihdr, static_cast<uint32_t>(altura));
  ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA
  Bloco_png(b, "IHDR", ihdr);
  return b;
}

}  // namespace

Bytes Jpeg_progressivo_liso(int lado, int refinamentos_repetidos, int primeiras_repetidas) {
  const int64_t blocos_lado = (lado + 7) / 8, blocos = blocos_lado * blocos_lado;
  Bytes b = {0xFF, 0xD8};
  Tabelas(b);
  Bytes sof = {8};
  Be16(sof, static_cast<uint32_t>(lado));
  Be16(sof, static_cast<uint32_t>(lado));
  sof.push_back(3);
  for (unsigned char c = 1; c <= 3; ++c) sof.insert(sof.end(), {c, 0x11, 0});
  Marcador(b, 0xC2, sof);

  Varredura(b, {1, 2, 3}, 0, 0, 0, 0);
  Bits dc(b);
  for (int64_t i = 0; i < blocos * 3; ++i) dc.Escrever(0, 1);
  dc.Terminar();
  for (unsigned char c = 1; c <= 3; ++c) Varredura_ac(b, c, blocos, 0, 1);
  for (unsigned char c = 1; c <= 3; ++c) Varredura_ac(b, c, blocos, 1, 0);
  for (int i = 0; i < refinamentos_repetidos; ++i) Varredura_ac(b, 3, blocos, 1, 0);
  for (int i = 0; i < primeiras_repetidas; ++i) Varredura_ac(b, 3, blocos, 0, 0);
  b.insert(b.end(), {0xFF, 0xD9});
  return b;
}

Bytes Bmp_rle(int64_t largura, int64_t altura, const Bytes& dados) {
  constexpr uint32_t Inicio_pixels = 14 + 40 + 8;
  Bytes b = {'B', 'M'};
  Le32(b, static_cast<uint32_t>(Inicio_pixels + dados.size()));
  Le32(b, 0);
  Le32(b, Inicio_pixels);
  Le32(b, 40);
  Le32(b, static_cast<uint32_t>(largura));
  Le32(b, static_cast<uint32_t>(altura));
  Le16(b, 1);
  Le16(b, 8);
  Le32(b, 1);  // BI_RLE8
  Le32(b, static_cast<uint32_t>(dados.size()));
  Le32(b, 2835), Le32(b, 2835), Le32(b, 2), Le32(b, 0);
  Le32(b, 0x00FFFFFF), Le32(b, 0x00000000);  // white, black
  b.insert(b.end(), dados.begin(), dados.end());
  return b;
}

Bytes Png_liso(int64_t largura, int64_t altura, uint32_t argb) {
  Bytes b = Inicio_png(largura, altura);
  Bytes linha(1 + static_cast<size_t>(largura) * 4);  // filter byte 0, then the pixels
  const unsigned char rgba[4] = {
      static_cast<unsigned char>(argb >> 16), static_cast<unsigned char>(argb >> 8),
      static_cast<unsigned char>(argb), static_cast<unsigned char>(argb >> 24)};
  for (size_t x = 1; x < linha.size(); x += 4) std::copy(rgba, rgba + 4, linha.begin() + x);
  z_stream z{};
  deflateInit(&z, Z_BEST_SPEED);
  Bytes comprimido, bloco(1 << 16);
  for (int64_t y = 0; y < altura; ++y) {
    z.next_in = linha.data();
    z.avail_in = static_cast<uInt>(linha.size());
    const int fim = y + 1 == altura ? Z_FINISH : Z_NO_FLUSH;
    do {
      z.next_out = bloco.data();
      z.avail_out = static_cast<uInt>(bloco.size());
      deflate(&z, fim);
      comprimido.insert(comprimido.end(), bloco.data(), z.next_out);
    } while (z.avail_out == 0);
  }
  deflateEnd(&z);
  Bloco_png(b, "IDAT", comprimido);
  Bloco_png(b, "IEND", {});
  return b;
}

Bytes Png_so_cabecalho(int64_t largura, int64_t altura) {
  Bytes b = Inicio_png(largura, altura);
  Bloco_png(b, "IEND", {});
  return b;
}

Bytes Ico_de(const Bytes& imagem, int entradas, int largura_diretorio, int altura_diretorio) {
  Bytes b;
  Le16(b, 0), Le16(b, 1), Le16(b, static_cast<uint32_t>(entradas));
  const uint32_t inicio = 6 + 16 * static_cast<uint32_t>(entradas);
  for (int i = 0; i < entradas; ++i) {
    b.insert(b.end(), {static_cast<unsigned char>(largura_diretorio),
                       static_cast<unsigned char>(altura_diretorio), 0, 0});
    Le16(b, 1), Le16(b, 32);
    Le32(b, static_cast<uint32_t>(imagem.size()));
    Le32(b, inicio);
  }
  b.insert(b.end(), imagem.begin(), imagem.end());
  return b;
}

Bytes Wmf_com_maior_registro(uint32_t maior_registro, int lado) {
  Bytes b;
  Le32(b, 0x9AC6CDD7);
  Le16(b, 0), Le16(b, 0), Le16(b, 0), Le16(b, lado), Le16(b, lado), Le16(b, 96), Le32(b, 0);
  uint32_t soma = 0;
  for (size_t i = 0; i < 20; i += 2) soma ^= b[i] | b[i + 1] << 8;
  Le16(b, soma);
  Le16(b, 1), Le16(b, 9), Le16(b, 0x0300);  // type, header words, version
  Le32(b, 9 + 3);                           // words in the file
  Le16(b, 0);                               // objects
  Le32(b, maior_registro);
  Le16(b, 0);
  Le32(b, 3), Le16(b, 0);  // the end record
  return b;
}

Bytes Emf_vazio(int lado) {
  const auto moldura = static_cast<uint32_t>(std::lround(lado * 2540.0 / 96));  // 0.01 mm
  Bytes b;
  Le32(b, 1), Le32(b, 88);                                          // EMR_HEADER
  Le32(b, 0), Le32(b, 0), Le32(b, lado - 1), Le32(b, lado - 1);     // rclBounds
  Le32(b, 0), Le32(b, 0), Le32(b, moldura), Le32(b, moldura);       // rclFrame
  Le32(b, 0x464D4520), Le32(b, 0x10000), Le32(b, 108), Le32(b, 2);  // signature, version, sizes
  Le16(b, 1), Le16(b, 0), Le32(b, 0), Le32(b, 0), Le32(b, 0);       // handles, description, palette
  Le32(b, 960), Le32(b, 960), Le32(b, 254), Le32(b, 254);           // a 96-dpi reference device
  Le32(b, 14), Le32(b, 20), Le32(b, 0), Le32(b, 16), Le32(b, 20);   // EMR_EOF
  return b;
}

void Gravar(const std::string& caminho, const Bytes& conteudo) {
  std::ofstream(caminho, std::ios::binary)
      .write(reinterpret_cast<const char*>(conteudo.data()),
             static_cast<std::streamsize>(conteudo.size()));
}

}  // namespace hostis
