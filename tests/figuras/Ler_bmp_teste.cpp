// The bitmap reader: files written byte by byte here, every pixel checked against the
// colour it was given and against Qt's own reading of the same file wherever Qt can
// read it; then damaged files of every kind, which must end with the loader's error.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "figuras/Ler_figura.h"
#include "nucleo/base/Erro.h"
#include "tests/apoio/Memoria_simulada.h"

namespace {

using Bytes = std::vector<unsigned char>;
using Pixel = std::function<uint32_t(int x, int y)>;

void Poe(Bytes& b, int64_t valor, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(static_cast<unsigned char>(valor >> 8 * i));
}

// A bitmap file; the headers in front of the pixel data are made by Montar.
struct Bmp {
  int32_t largura = 6, altura = 3;  // a negative height stores the top row first
  int bits = 24;
  uint32_t compressao = 0, cabecalho = 40;
  std::vector<uint32_t> paleta, mascaras;  // masks after a 40-byte header or inside a longer one
  Bytes pixels;
  int64_t inicio = -1;  // offset of the pixel data, where they are unless given
};

Bytes Montar(const Bmp& f) {
  const bool core = f.cabecalho == 12;
  Bytes d;
  Poe(d, f.cabecalho, 4);
  Poe(d, f.largura, core ? 2 : 4), Poe(d, f.altura, core ? 2 : 4), Poe(d, 1, 2), Poe(d, f.bits, 2);
  if (!core) Poe(d, f.compressao, 4), Poe(d, f.pixels.size(), 4), d.resize(40);
  for (const uint32_t m : f.mascaras) Poe(d, m, 4);
  if (d.size() < f.cabecalho) d.resize(f.cabecalho);
  for (const uint32_t c : f.paleta) Poe(d, c, core ? 3 : 4);
  Bytes b = {'B', 'M'};
  Poe(b, 14 + d.size() + f.pixels.size(), 4), Poe(b, 0, 4);
  Poe(b, f.inicio >= 0 ? f.inicio : int64_t(14 + d.size()), 4);
  b.insert(b.end(), d.begin(), d.end());
  b.insert(b.end(), f.pixels.begin(), f.pixels.end());
  return b;
}

// Rows in the file's order, padded to 4 bytes; `valor` gives the index or the stored
// value of the pixel (x, y), y from the top.
Bytes Linhas(int largura, int altura, int bits, const Pixel& valor) {
  Bytes b;
  const int linhas = std::abs(altura), passo = (largura * bits + 31) / 32 * 4;
  for (int l = 0; l < linhas; ++l) {
    Bytes linha(passo);
    for (int x = 0; x < largura; ++x) {
      const uint32_t v = valor(x, altura < 0 ? l : linhas - 1 - l);
      if (bits < 8) linha[x * bits / 8] |= v << (8 - bits - x * bits % 8);
      for (int i = 0; i < bits / 8; ++i) linha[x * bits / 8 + i] = v >> 8 * i;
    }
    b.insert(b.end(), linha.begin(), linha.end());
  }
  return b;
}

// Bytes written in hexadecimal, blanks between them.
Bytes Hex(const std::string& texto) {
  Bytes b;
  std::istringstream entrada(texto);
  for (unsigned v; entrada >> std::hex >> v;) b.push_back(static_cast<unsigned char>(v));
  return b;
}

std::vector<uint32_t> Paleta(int cores) {
  std::vector<uint32_t> p;
  for (int i = 0; i < cores; ++i) p.push_back(qRgb(i * 37 % 256, i * 91 % 256, 255 - i));
  return p;
}

class Ler_bmp_teste : public testing::Test {
 protected:
  QTemporaryDir pasta;
  std::string Caminho(const std::string& nome) const {
    return pasta.filePath(QString::fromStdString(nome)).toStdString();
  }
  std::string Gravar(const std::string& nome, const Bytes& conteudo) const {
    std::ofstream(Caminho(nome), std::ios::binary)
        .write(reinterpret_cast<const char*>(conteudo.data()), std::streamsize(conteudo.size()));
    return Caminho(nome);
  }
};

// How far Qt's reading of a pixel may be from this reader's; below 0 it is not compared
// (Qt cannot read the file, or leaves the pixel undefined).
using Tolerancia = std::function<int(int x, int y)>;
Tolerancia Qt_ate(int tolerancia) {
  return [tolerancia](int, int) { return tolerancia; };
}

// Every pixel against `esperada` (opaque, exact) and against Qt's reading, composed
// over white as the loader does with transparency.
void Conferir(const std::string& caminho, int largura, int altura, const Pixel& esperada,
              const Tolerancia& qt_ate = Qt_ate(0)) {
  const QImage lida = Ler_figura(caminho, 96).Imagem();
  ASSERT_EQ(lida.format(), QImage::Format_RGB32);
  ASSERT_EQ(lida.size(), QSize(largura, altura));
  QImage qt(lida.size(), QImage::Format_RGB32);
  qt.fill(Qt::white);
  QPainter(&qt).drawImage(0, 0, QImage(QString::fromStdString(caminho)));
  for (int y = 0; y < altura; ++y)
    for (int x = 0; x < largura; ++x) {
      const QRgb p = lida.pixel(x, y), q = qt.pixel(x, y);
      ASSERT_EQ(p, esperada(x, y) | 0xFF000000u) << "at (" << x << ", " << y << ")";
      const int tolerancia = qt_ate(x, y);
      for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)})
        ASSERT_TRUE(tolerancia < 0 || std::abs(d) <= tolerancia)
            << std::hex << p << " but Qt reads " << q << " at (" << std::dec << x << ", " << y
            << ")";
    }
}

Bmp Direto(int32_t largura, int32_t altura, int bits, uint32_t cabecalho, const Pixel& valor) {
  Bmp f;
  f.largura = largura, f.altura = altura, f.bits = bits, f.cabecalho = cabecalho;
  f.pixels = Linhas(largura, altura, bits, valor);
  return f;
}

Bmp Indexado(int bits, int cores, const Pixel& indice) {
  Bmp f = Direto(6, 3, bits, 40, indice);
  f.paleta = Paleta(cores);
  return f;
}

Bmp Rle(int bits, int32_t largura, int32_t altura, const std::string& fluxo, int cores = 4) {
  Bmp f;
  f.largura = largura, f.altura = altura, f.bits = bits, f.compressao = bits == 8 ? 1 : 2;
  f.paleta = Paleta(cores), f.pixels = Hex(fluxo);
  return f;
}

// ---- Pictures ----------------------------------------------------------------------

TEST_F(Ler_bmp_teste, SemCompressaoEmTodasAsProfundidadesEVersoesDeCabecalho) {
  struct Caso {
    int bits;
    uint32_t cabecalho;
    int32_t altura;
  };
  const Caso casos[] = {{1, 40, 5},  {4, 40, 5},   {8, 40, 5},   {8, 40, -5}, {8, 12, 5},
                        {16, 40, 5}, {24, 40, 5},  {24, 40, -5}, {24, 12, 5}, {24, 52, 5},
                        {24, 56, 5}, {24, 108, 5}, {32, 124, 5}, {32, 40, -5}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(testing::Message()
                 << c.bits << " bits, header " << c.cabecalho << ", height " << c.altura);
    Pixel valor, cor;
    std::vector<uint32_t> paleta;
    if (c.bits <= 8) {
      paleta = Paleta(1 << c.bits);
      valor = [n = 1 << c.bits](int x, int y) { return uint32_t(x * 3 + y * 5) % n; };
      cor = [&](int x, int y) { return paleta[valor(x, y)]; };
    } else if (c.bits == 16) {  // five bits a colour, stretched to eight
      valor = [](int x, int y) { return uint32_t(x * 2 << 10 | y * 7 << 5 | (x + y)); };
      cor = [](int x, int y) {
        const auto oito = [](int v) { return (v * 255 + 15) / 31; };
        return qRgb(oito(x * 2), oito(y * 7), oito(x + y));
      };
    } else {  // the fourth byte of a 32-bit pixel is not alpha
      cor = [](int x, int y) { return qRgb(x * 19, y * 50, 255 - x * y); };
      valor = [cor](int x, int y) { return (cor(x, y) & 0xFFFFFF) | 0x5A000000; };
    }
    Bmp f = Direto(13, c.altura, c.bits, c.cabecalho, valor);
    f.paleta = paleta;
    // Qt reads neither 52- nor 56-byte headers, and keeps only the top bits of a
    // 5-bit colour instead of stretching it.
    const int qt = c.cabecalho == 52 || c.cabecalho == 56 ? -1 : c.bits == 16 ? 7 : 0;
    Conferir(Gravar("a.bmp", Montar(f)), 13, 5, cor, Qt_ate(qt));
  }
}

TEST_F(Ler_bmp_teste, MascarasDeCorComESemAlfa) {
  struct Caso {
    int bits;
    uint32_t cabecalho, compressao;
    std::vector<uint32_t> mascaras;
    int qt;  // tolerance; Qt keeps the top bits of narrow fields and drops wide ones
  };
  const Caso casos[] = {
      {16, 40, 3, {0xF800, 0x07E0, 0x001F}, 7},
      {16, 40, 3, {0x7C00, 0x03E0, 0x001F}, 7},
      {16, 124, 3, {0x0F00, 0x00F0, 0x000F, 0xF000}, -1},
      {32, 124, 3, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, 1},
      {32, 108, 3, {0xFF, 0xFF00, 0xFF0000, 0}, 0},
      {32, 56, 3, {0x3FF00000, 0xFFC00, 0x3FF, 0}, -1},
      {32, 40, 6, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, -1},  // BI_ALPHABITFIELDS
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(testing::Message() << c.bits << " bits, red mask " << std::hex << c.mascaras[0]);
    // Each field runs over its whole range; a wider field keeps its top 8 bits, a
    // narrower one is stretched to 0..255; transparency is composed over white.
    const auto mascara = [&](int k) { return k < int(c.mascaras.size()) ? c.mascaras[k] : 0u; };
    const auto campo = [&](int k, int x, int y) {
      const uint32_t maximo = mascara(k) ? mascara(k) >> std::countr_zero(mascara(k)) : 0;
      return uint32_t(x * 29 + y * 13 + k * 71) % (maximo + 1);
    };
    const Pixel valor = [&](int x, int y) {
      uint32_t v = 0;
      for (int k = 0; k < 4; ++k)
        if (mascara(k)) v |= campo(k, x, y) << std::countr_zero(mascara(k));
      return v;
    };
    const Pixel cor = [&](int x, int y) {
      int oito[4];
      for (int k = 0; k < 4; ++k) {
        const int largura = std::popcount(mascara(k)), v = int(campo(k, x, y));
        const int maximo = (1 << std::min(largura, 8)) - 1;
        oito[k] = largura == 0   ? (k == 3 ? 255 : 0)
                  : largura >= 8 ? v >> (largura - 8)
                                 : (v * 255 + maximo / 2) / maximo;
      }
      const auto sobre_branco = [a = oito[3]](int v) { return 255 - ((255 - v) * a + 127) / 255; };
      return qRgb(sobre_branco(oito[0]), sobre_branco(oito[1]), sobre_branco(oito[2]));
    };
    Bmp f = Direto(13, 5, c.bits, c.cabecalho, valor);
    f.compressao = c.compressao, f.mascaras = c.mascaras;
    Conferir(Gravar("a.bmp", Montar(f)), 13, 5, cor, Qt_ate(c.qt));
  }
}

// Every instruction of the two compressions; `linhas` are the expected indices in the
// file's order, '.' for a pixel that the stream skips: it shows index 0, and Qt leaves
// it undefined.
TEST_F(Ler_bmp_teste, Rle8ERle4ComSaltosFinsDeLinhaEDeFigura) {
  struct Caso {
    int bits;
    std::string fluxo;
    std::vector<std::string> linhas;
  };
  const Caso casos[] = {
      {8,
       "03 01  00 03 02 03 01 00  02 02  00 00  02 03  00 02 03 01  03 01  00 00  "
       "00 04 03 02 01 00  00 01",
       {"11123122", "33......", ".....111", "3210...."}},
      {4,
       "05 12  02 33  00 00  00 03 45 60  00 02 02 00  02 78  00 00  00 05 9A BC D0 00  00 01",
       {"1212133", "456..78", "9ABCD.."}},
      {8, "02 05  00 00  02 06", {"55", "66"}},  // no end-of-bitmap mark after the last pixel
      // Runs and a jump across the raster's strips (128 pixels wide).
      {8,
       "FF 01  2D 02  00 00  00 02 C8 00  64 03  00 01",
       {std::string(255, '1') + std::string(45, '2'),
        std::string(200, '.') + std::string(100, '3')}},
  };
  for (const Caso& c : casos) {
    const int largura = int(c.linhas[0].size()), altura = int(c.linhas.size());
    // Qt reads RLE8 only with a full palette.
    const Bmp f = Rle(c.bits, largura, altura, c.fluxo, 1 << c.bits);
    const auto indice = [&](int x, int y) { return c.linhas[altura - 1 - y][x]; };
    const Pixel cor = [&](int x, int y) {
      return f.paleta[indice(x, y) == '.' ? 0 : std::stoi(std::string(1, indice(x, y)), 0, 16)];
    };
    const int qt_le = c.fluxo.ends_with("00 01") ? 0 : -1;  // and only up to the end mark
    Conferir(Gravar("a.bmp", Montar(f)), largura, altura, cor,
             [&](int x, int y) { return indice(x, y) == '.' ? -1 : qt_le; });
  }
}

TEST_F(Ler_bmp_teste, LadoAlemDe16384Pixels) {
  const Pixel cor = [](int x, int y) { return qRgb(x % 251, x / 251, y * 100); };
  Conferir(Gravar("largo.bmp", Montar(Direto(20000, 3, 24, 40, cor))), 20000, 3, cor, Qt_ate(-1));
}

TEST_F(Ler_bmp_teste, FigurasGravadasPeloQt) {
  QImage figura(37, 23, QImage::Format_RGB32);
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 37; ++x) figura.setPixel(x, y, qRgb(x * 7, y * 11, (x ^ y) * 5));
  for (const auto formato : {QImage::Format_RGB32, QImage::Format_Indexed8, QImage::Format_Mono}) {
    const QImage gravada = figura.convertToFormat(formato);
    ASSERT_TRUE(gravada.save(QString::fromStdString(Caminho("qt.bmp")), "bmp"));
    Conferir(Caminho("qt.bmp"), 37, 23, [&](int x, int y) { return gravada.pixel(x, y); });
  }
}

// ---- Bad input ----------------------------------------------------------------------

TEST_F(Ler_bmp_teste, ArquivosDanificadosRecusadosComOProblema) {
  const Memoria_simulada dois_gib(int64_t{2} << 30);
  const Pixel cinza = [](int x, int y) { return uint32_t(x * 40 + y) * 0x010101; };
  const Pixel zero = [](int, int) { return 0u; };
  const Bmp direto = Direto(6, 3, 24, 40, cinza);  // rows of 20 bytes
  const Bytes cor = Montar(direto);
  const auto cortado = [](Bytes b, size_t n) { return b.resize(n), b; };
  const auto com = [&](const std::function<void(Bmp&)>& mudar) {
    Bmp f = direto;
    return mudar(f), Montar(f);
  };
  const auto mascara = [&](uint32_t m) {
    return com([m](Bmp& f) { f.bits = 16, f.compressao = 3, f.mascaras = {m, 0, 0}; });
  };
  const auto grande = [](const std::string& lados) {
    return "Imagem grande demais para a memória disponível (" + lados + ")";
  };
  const auto danificado = [](const std::string& detalhe) {
    return "arquivo BMP inválido ou danificado (" + detalhe + ")";
  };
  const std::string fora_da_paleta = danificado("índice de cor fora da paleta"),
                    alem_da_linha = danificado("sequência RLE além do fim de uma linha"),
                    alem_da_imagem = danificado("sequência RLE além do fim da imagem"),
                    cabecalho_cortado = "arquivo BMP incompleto (cabeçalho cortado)";
  // A 124-byte header claimed by a file of 40, longer than the file or into its pixels.
  Bytes mentira_curta = cor, mentira_longa = Montar(Direto(6, 6, 24, 40, cinza));
  mentira_curta[14] = mentira_longa[14] = 124;
  const std::pair<Bytes, std::string> casos[] = {
      {Hex("50 4B 03 04"), danificado("não começa com \"BM\"")},
      {cortado(cor, 30), cabecalho_cortado},
      {cortado(cor, cor.size() - 5), "arquivo BMP incompleto (55 bytes de pixels, 60 esperados)"},
      {cortado(Montar(Indexado(8, 4, zero)), 60), cabecalho_cortado},  // in the palette
      {Montar(Rle(8, 4, 2, "04 01 00 00 04")),
       "arquivo BMP incompleto (dados comprimidos cortados)"},
      {Montar(Rle(8, 4, 2, "04 01 00 00")), "arquivo BMP incompleto (dados comprimidos cortados)"},
      {com([](Bmp& f) { f.cabecalho = 1000; }), danificado("cabeçalho de 1000 bytes")},
      {mentira_curta, cabecalho_cortado},
      {mentira_longa, danificado("dados da imagem no byte 54, dentro do cabeçalho")},
      {com([](Bmp& f) { f.inicio = 20; }),
       danificado("dados da imagem no byte 20, dentro do cabeçalho")},
      {com([](Bmp& f) { f.inicio = 1000; }),
       danificado("dados da imagem no byte 1000, além do fim do arquivo de 114 bytes")},
      {com([](Bmp& f) { f.largura = 0; }), "dimensões inválidas (0 x 3 pixels)"},
      {com([](Bmp& f) { f.largura = -5; }), "dimensões inválidas (-5 x 3 pixels)"},
      {com([](Bmp& f) { f.altura = 0; }), "dimensões inválidas (6 x 0 pixels)"},
      {com([](Bmp& f) { f.largura = f.altura = 60000; }),
       grande("60000 x 60000 pixels, 13733 MiB")},
      {com([](Bmp& f) { f.largura = 1, f.altura = INT32_MIN; }),
       grande("1 x 2147483648 pixels, 8192 MiB")},
      {Montar(Rle(8, 50000, 50000, "00 01")), grande("50000 x 50000 pixels, 9537 MiB")},
      // Within the cap, but the file cannot hold the rows: refused before allocating.
      {com([](Bmp& f) { f.largura = f.altura = 20000, f.pixels = {}; }),
       "arquivo BMP incompleto (0 bytes de pixels, 1200000000 esperados)"},
      {Montar(Rle(8, 20000, 20000, "")), "arquivo BMP incompleto (dados comprimidos cortados)"},
      {Montar(Indexado(8, 4, [](int x, int y) { return x == 5 && y == 2 ? 4u : 0u; })),
       fora_da_paleta},
      {Montar(Indexado(1, 1, [](int x, int) { return x == 2 ? 1u : 0u; })), fora_da_paleta},
      {Montar(Rle(8, 4, 2, "02 09 00 01")), fora_da_paleta},
      {Montar(Rle(4, 4, 2, "00 03 12 F0 00 01")), fora_da_paleta},
      {Montar(Rle(8, 4, 2, "05 01")), alem_da_linha},
      {Montar(Rle(8, 4, 2, "00 05 01 01 01 01 01 00")), alem_da_linha},
      {Montar(Rle(4, 4, 2, "02 11 00 02 03 00")), alem_da_linha},
      {Montar(Rle(8, 4, 2, "00 02 01 03")), alem_da_imagem},
      {Montar(Rle(8, 4, 2, "00 00 00 00 00 00")), alem_da_imagem},
      {Montar(Rle(8, 4, 2, "00 00 00 00 01 01")), alem_da_imagem},
      {com([](Bmp& f) { f.compressao = 4; }), "arquivo BMP com compressão não suportada (JPEG)"},
      {com([](Bmp& f) { f.compressao = 11; }), "arquivo BMP com compressão não suportada (11)"},
      {com([](Bmp& f) { f.compressao = 1; }), danificado("24 bits por pixel com compressão RLE8")},
      {com([](Bmp& f) { f.bits = 7; }), danificado("7 bits por pixel com compressão RGB")},
      {mascara(0xF0F0), danificado("máscara de cor 0000F0F0")},
      {mascara(0x1F0000), danificado("máscara de cor 001F0000")},
      {Montar(Indexado(8, 0, zero)), danificado("sem paleta de cores")},
  };
  int n = 0;
  for (const auto& [conteudo, problema] : casos) {
    const std::string nome = "caso" + std::to_string(++n) + ".bmp";
    const std::string esperada =
        problema.starts_with("Imagem grande")
            ? problema
            : "Não foi possível ler a imagem \"" + Caminho(nome) + "\": " + problema;
    try {
      Ler_figura(Gravar(nome, conteudo), 96);
      ADD_FAILURE() << nome << " was loaded";
    } catch (const Erro& erro) {
      EXPECT_EQ(erro.what(), esperada) << nome;
    }
  }
}

// Random bytes over sound files and random cuts: every file either loads or ends with
// the loader's error, never with a crash or a read or write out of bounds (the tests
// are also run under AddressSanitizer). The sides are left alone: a tiny compressed
// file may rightly claim a raster of up to the loader's cap.
TEST_F(Ler_bmp_teste, ArquivosEstragadosAoAcaso) {
  const Pixel valor = [](int x, int y) { return uint32_t(x * 2654435761u ^ y * 40503u); };
  Bmp mascaras = Direto(13, 5, 32, 124, valor);
  mascaras.compressao = 3, mascaras.mascaras = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
  Bmp core = Indexado(4, 16, [](int x, int y) { return uint32_t(x + y) % 16; });
  core.cabecalho = 12;
  const Bytes sadios[] = {
      Montar(Indexado(8, 16, [](int x, int y) { return uint32_t(x * y) % 16; })),
      Montar(core),
      Montar(Direto(7, -3, 16, 40, valor)),
      Montar(mascaras),
      Montar(Rle(8, 8, 4, "03 01 00 03 02 03 01 00 02 02 00 00 02 03 00 02 03 01 00 00 00 01")),
      Montar(Rle(4, 7, 3, "05 12 00 00 00 05 9A BC D0 00 00 02 02 01 00 01", 16)),
  };
  uint32_t semente = 2024;
  const auto sortear = [&](size_t n) {
    semente = semente * 1664525u + 1013904223u;
    return (semente >> 8) % n;
  };
  int lidos = 0, recusados = 0;
  for (const Bytes& sadio : sadios)
    for (int i = 0; i < 400; ++i) {
      Bytes b = sadio;
      for (size_t k = 1 + sortear(4); k > 0; --k)
        if (const size_t onde = sortear(b.size()); onde < 18 || onde >= 26)
          b[onde] = static_cast<unsigned char>(sortear(256));
      if (sortear(4) == 0) b.resize(sortear(b.size()));
      try {
        EXPECT_FALSE(Ler_figura(Gravar("estragado.bmp", b), 96).Vazio());
        ++lidos;
      } catch (const Erro& erro) {
        EXPECT_TRUE(std::string(erro.what()).starts_with("Não foi possível ler a imagem"))
            << erro.what();
        ++recusados;
      }
    }
  EXPECT_GT(lidos, 100);
  EXPECT_GT(recusados, 100);
}

}  // namespace
