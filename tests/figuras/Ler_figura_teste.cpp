// The picture loader: every format from small files that the tests write themselves,
// colours at known places, the natural size of metafiles, and bad input of every kind
// ending with the loader's error rather than a crash.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <limits>
#include <string>
#include <vector>
// clang-format off
#include <jpeglib.h>
// clang-format on

#include "figuras/Ler_figura.h"
#include "nucleo/base/Erro.h"
#include "tests/apoio/Arquivos_hostis.h"
#include "tests/apoio/Memoria_simulada.h"
#include "tests/apoio/Mensagem_de_erro.h"

namespace {

using Bytes = std::vector<unsigned char>;

struct Cor {
  int r, g, b;
};

constexpr Cor Vermelho{255, 0, 0}, Verde{0, 255, 0}, Azul{0, 0, 255}, Branco{255, 255, 255};

// Four quadrants of distinct colours tell the rows and columns apart.
Cor Quadrante(int x, int y, int largura, int altura) {
  const bool direita = x >= largura / 2, baixo = y >= altura / 2;
  if (!baixo) return direita ? Verde : Vermelho;
  return direita ? Branco : Azul;
}

testing::AssertionResult Cor_em(const QImage& imagem, int x, int y, Cor esperada,
                                int tolerancia = 0) {
  const QRgb p = imagem.pixel(x, y);
  if (std::abs(qRed(p) - esperada.r) <= tolerancia &&
      std::abs(qGreen(p) - esperada.g) <= tolerancia &&
      std::abs(qBlue(p) - esperada.b) <= tolerancia)
    return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << "pixel (" << x << ", " << y << ") is (" << qRed(p) << ", " << qGreen(p) << ", "
         << qBlue(p) << "), expected (" << esperada.r << ", " << esperada.g << ", " << esperada.b
         << ")";
}

void Conferir_quadrantes(const QImage& imagem, int tolerancia) {
  const int l = imagem.width(), a = imagem.height();
  for (const auto& [x, y] :
       {std::pair{l / 4, a / 4}, {3 * l / 4, a / 4}, {l / 4, 3 * a / 4}, {3 * l / 4, 3 * a / 4}})
    EXPECT_TRUE(Cor_em(imagem, x, y, Quadrante(x, y, l, a), tolerancia));
}

// Format_RGB32 promises an opaque fourth byte; the raster is used as it is.
void Conferir_opaca(const QImage& imagem) {
  ASSERT_EQ(imagem.format(), QImage::Format_RGB32);
  for (int y = 0; y < imagem.height(); ++y) {
    const auto* linha = reinterpret_cast<const uint32_t*>(imagem.constScanLine(y));
    for (int x = 0; x < imagem.width(); ++x)
      ASSERT_EQ(linha[x] >> 24, 0xFFu) << "at (" << x << ", " << y << ")";
  }
}

std::string Mensagem_do_erro(const std::string& caminho) {
  return Mensagem_de_erro([&] { Ler_figura(caminho, 96); });
}

// ---- Files written by the tests ---------------------------------------------------

void Gravar(const std::string& caminho, const Bytes& conteudo) {
  std::ofstream(caminho, std::ios::binary)
      .write(reinterpret_cast<const char*>(conteudo.data()),
             static_cast<std::streamsize>(conteudo.size()));
}

Bytes Ler(const std::string& caminho) {
  std::ifstream arquivo(caminho, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(arquivo), {});
}

// A JPEG through libjpeg: `amostra` gives the components of pixel (x, y).
void Gravar_jpeg(const std::string& caminho, int largura, int altura, J_COLOR_SPACE entrada,
                 J_COLOR_SPACE no_arquivo, int componentes,
                 const std::function<void(int, int, JSAMPLE*)>& amostra) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr erros;
  cinfo.err = jpeg_std_error(&erros);
  jpeg_create_compress(&cinfo);
  std::FILE* arquivo = std::fopen(caminho.c_str(), "wb");
  jpeg_stdio_dest(&cinfo, arquivo);
  cinfo.image_width = largura;
  cinfo.image_height = altura;
  cinfo.input_components = componentes;
  cinfo.in_color_space = entrada;
  jpeg_set_defaults(&cinfo);
  jpeg_set_colorspace(&cinfo, no_arquivo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> linha(static_cast<size_t>(largura) * componentes);
  while (cinfo.next_scanline < cinfo.image_height) {
    for (int x = 0; x < largura; ++x)
      amostra(x, static_cast<int>(cinfo.next_scanline),
              &linha[static_cast<size_t>(x) * componentes]);
    JSAMPROW linhas[1] = {linha.data()};
    jpeg_write_scanlines(&cinfo, linhas, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::fclose(arquivo);
}

void Gravar_jpeg_colorido(const std::string& caminho, int largura = 64, int altura = 48) {
  Gravar_jpeg(caminho, largura, altura, JCS_RGB, JCS_YCbCr, 3, [&](int x, int y, JSAMPLE* p) {
    const Cor c = Quadrante(x, y, largura, altura);
    p[0] = c.r, p[1] = c.g, p[2] = c.b;
  });
}

// A picture that does not compress away, so that cutting the file loses rows.
void Gravar_jpeg_ruidoso(const std::string& caminho, int largura = 256, int altura = 256) {
  Gravar_jpeg(caminho, largura, altura, JCS_RGB, JCS_YCbCr, 3, [](int x, int y, JSAMPLE* p) {
    const unsigned v = static_cast<unsigned>(x * 7919 + y * 104729) * 2654435761u;
    p[0] = v >> 24, p[1] = v >> 16, p[2] = v >> 8;
  });
}

// Adobe's inverted CMYK: the stored value is 255 minus the ink. Wider than a strip of
// the raster, so that its right quadrants lie in another strip.
void Gravar_jpeg_cmyk(const std::string& caminho, J_COLOR_SPACE no_arquivo) {
  Gravar_jpeg(caminho, 200, 48, JCS_CMYK, no_arquivo, 4, [](int x, int y, JSAMPLE* p) {
    const Cor c = Quadrante(x, y, 200, 48);
    const int k = std::max({c.r, c.g, c.b});  // 255 - black ink
    p[0] = c.r * 255 / k, p[1] = c.g * 255 / k, p[2] = c.b * 255 / k, p[3] = k;
  });
}

QImage Figura_de_quadrantes(int largura, int altura, QImage::Format formato) {
  QImage figura(largura, altura, formato);
  for (int y = 0; y < altura; ++y)
    for (int x = 0; x < largura; ++x) {
      const Cor c = Quadrante(x, y, largura, altura);
      figura.setPixel(x, y, qRgb(c.r, c.g, c.b));
    }
  return figura;
}

Bytes Icone_de_uma_entrada(const QImage& figura) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(QImageWriter(&buffer, "ico").write(figura));
  const QByteArray& dados = buffer.data();
  return Bytes(dados.begin(), dados.end());
}

// Qt writes one entry per icon file: the entries are joined into one icon here
// (ICONDIR of 6 bytes, an ICONDIRENTRY of 16 bytes per entry, then the images).
Bytes Icone_de_varias_entradas(const std::vector<QImage>& figuras) {
  const size_t n = figuras.size();
  Bytes diretorio = {0, 0, 1, 0, static_cast<unsigned char>(n), 0};
  Bytes imagens;
  for (const QImage& figura : figuras) {
    const Bytes icone = Icone_de_uma_entrada(figura);
    Bytes entrada(icone.begin() + 6, icone.begin() + 22);
    const uint32_t deslocamento = static_cast<uint32_t>(6 + 16 * n + imagens.size());
    for (int i = 0; i < 4; ++i) entrada[12 + i] = static_cast<unsigned char>(deslocamento >> 8 * i);
    diretorio.insert(diretorio.end(), entrada.begin(), entrada.end());
    imagens.insert(imagens.end(), icone.begin() + 22, icone.end());
  }
  diretorio.insert(diretorio.end(), imagens.begin(), imagens.end());
  return diretorio;
}

// Little-endian writer for the metafiles.
struct Escritor {
  Bytes b;
  Escritor& u16(unsigned v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
    return *this;
  }
  Escritor& u32(uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
};

// An enhanced metafile of one inch by half an inch (rclFrame 2540 x 1270 in 0.01 mm),
// recorded on a 96-dpi reference device, with a red rectangle from (10, 10) to (40, 40);
// the drawing's bounds are that rectangle.
Bytes Emf_com_retangulo(int moldura_largura = 2540, int moldura_altura = 1270) {
  Escritor e;
  e.u32(1).u32(88);                                          // EMR_HEADER
  e.u32(10).u32(10).u32(40).u32(40);                         // rclBounds, device pixels
  e.u32(0).u32(0).u32(moldura_largura).u32(moldura_altura);  // rclFrame
  e.u32(0x464D4520).u32(0x10000).u32(0).u32(6);              // signature, version, bytes, records
  e.u16(2).u16(0).u32(0).u32(0).u32(0);                  // handles, reserved, description, palette
  e.u32(960).u32(480).u32(254).u32(127);                 // szlDevice, szlMillimeters
  e.u32(39).u32(24).u32(1).u32(0).u32(0x0000FF).u32(0);  // EMR_CREATEBRUSHINDIRECT red
  e.u32(37).u32(12).u32(1);                              // EMR_SELECTOBJECT brush
  e.u32(37).u32(12).u32(0x80000008);                     // EMR_SELECTOBJECT NULL_PEN
  e.u32(43).u32(24).u32(10).u32(10).u32(40).u32(40);     // EMR_RECTANGLE
  e.u32(14).u32(20).u32(0).u32(16).u32(20);              // EMR_EOF
  const uint32_t total = static_cast<uint32_t>(e.b.size());
  for (int i = 0; i < 4; ++i) e.b[48 + i] = static_cast<unsigned char>(total >> 8 * i);
  return e.b;
}

// A placeable metafile of one inch by half an inch (1440 x 720 twips): the left half
// is a red rectangle without outline; on the right an open polyline in a black pen
// forms an L, whose inside must stay white.
Bytes Wmf_com_retangulo_e_linha() {
  Escritor r;
  r.u32(5).u16(0x020B).u16(0).u16(0);                    // SETWINDOWORG
  r.u32(5).u16(0x020C).u16(720).u16(1440);               // SETWINDOWEXT (y, x)
  r.u32(7).u16(0x02FC).u16(0).u32(0x0000FF).u16(0);      // CREATEBRUSHINDIRECT red
  r.u32(4).u16(0x012D).u16(0);                           // SELECTOBJECT 0
  r.u32(8).u16(0x02FA).u16(5).u16(0).u16(0).u32(0);      // CREATEPENINDIRECT PS_NULL
  r.u32(4).u16(0x012D).u16(1);                           // SELECTOBJECT 1
  r.u32(7).u16(0x041B).u16(720).u16(720).u16(0).u16(0);  // RECTANGLE (bottom, right, top, left)
  r.u32(8).u16(0x02FA).u16(0).u16(30).u16(0).u32(0);     // CREATEPENINDIRECT black, 30 twips
  r.u32(4).u16(0x012D).u16(2);                           // SELECTOBJECT 2
  r.u32(3 + 1 + 6).u16(0x0325).u16(3);                   // POLYLINE of 3 points
  r.u16(800).u16(100).u16(1400).u16(100).u16(1400).u16(600);
  r.u32(3).u16(0);  // EOF
  Escritor w;
  w.u32(0x9AC6CDD7).u16(0).u16(0).u16(0).u16(1440).u16(720).u16(1440).u32(0);
  unsigned soma = 0;
  for (int i = 0; i < 20; i += 2) soma ^= w.b[i] | w.b[i + 1] << 8;
  w.u16(soma);
  const uint32_t palavras = static_cast<uint32_t>(9 + r.b.size() / 2);
  w.u16(1).u16(9).u16(0x0300).u32(palavras).u16(3).u32(10).u16(0);
  w.b.insert(w.b.end(), r.b.begin(), r.b.end());
  return w.b;
}

Bytes Lixo(size_t tamanho, uint32_t semente) {
  Bytes lixo(tamanho);
  for (auto& byte : lixo) {
    semente = semente * 1664525u + 1013904223u;
    byte = static_cast<unsigned char>(semente >> 24);
  }
  return lixo;
}

class Ler_figura_teste : public testing::Test {
 protected:
  QTemporaryDir pasta;
  std::string Caminho(const std::string& nome) const {
    return pasta.filePath(QString::fromStdString(nome)).toStdString();
  }
};

// ---- Formats ----------------------------------------------------------------------

TEST_F(Ler_figura_teste, JpegColoridoCinzaCmykEYcck) {
  Gravar_jpeg_colorido(Caminho("cor.jpg"));
  const QImage cor = Ler_figura(Caminho("cor.jpg"), 96).Imagem();
  EXPECT_EQ(cor.size(), QSize(64, 48));
  Conferir_opaca(cor);
  Conferir_quadrantes(cor, 6);

  Gravar_jpeg(Caminho("cinza.jpg"), 64, 48, JCS_GRAYSCALE, JCS_GRAYSCALE, 1,
              [](int x, int, JSAMPLE* p) { p[0] = x < 32 ? 50 : 200; });
  const QImage cinza = Ler_figura(Caminho("cinza.jpg"), 96).Imagem();
  Conferir_opaca(cinza);
  EXPECT_TRUE(Cor_em(cinza, 10, 20, {50, 50, 50}, 2));
  EXPECT_TRUE(Cor_em(cinza, 50, 20, {200, 200, 200}, 2));

  for (const J_COLOR_SPACE espaco : {JCS_CMYK, JCS_YCCK}) {
    SCOPED_TRACE(espaco == JCS_CMYK ? "CMYK" : "YCCK");
    Gravar_jpeg_cmyk(Caminho("cmyk.jpg"), espaco);
    const QImage cmyk = Ler_figura(Caminho("cmyk.jpg"), 96).Imagem();
    EXPECT_EQ(cmyk.size(), QSize(200, 48));
    Conferir_opaca(cmyk);
    Conferir_quadrantes(cmyk, 8);
  }
}

// Rows decoded a few at a time land whole in the raster's strips, the last strip
// narrower than the others: every pixel as Qt's own reader decodes it.
TEST_F(Ler_figura_teste, JpegMaisLargoQueUmaFaixaPixelAPixel) {
  Gravar_jpeg_ruidoso(Caminho("largo.jpg"), 300, 37);
  EXPECT_EQ(
      Ler_figura(Caminho("largo.jpg"), 96).Imagem(),
      QImage(QString::fromStdString(Caminho("largo.jpg"))).convertToFormat(QImage::Format_RGB32));
}

TEST_F(Ler_figura_teste, BitmapsDe24BitsEDePaleta) {
  const QImage figura = Figura_de_quadrantes(40, 30, QImage::Format_RGB32);
  ASSERT_TRUE(figura.save(QString::fromStdString(Caminho("cor.bmp")), "bmp"));
  const QImage cor = Ler_figura(Caminho("cor.bmp"), 96).Imagem();
  EXPECT_EQ(cor.size(), QSize(40, 30));
  Conferir_opaca(cor);
  Conferir_quadrantes(cor, 0);

  const QImage paleta = figura.convertToFormat(QImage::Format_Indexed8);
  ASSERT_TRUE(paleta.save(QString::fromStdString(Caminho("paleta.bmp")), "bmp"));
  const QImage lida = Ler_figura(Caminho("paleta.bmp"), 96).Imagem();
  Conferir_opaca(lida);
  Conferir_quadrantes(lida, 0);
}

TEST_F(Ler_figura_teste, IconeTomaAMaiorEntradaETransparenciaFicaBranca) {
  QImage grande(48, 48, QImage::Format_ARGB32);
  grande.fill(Qt::transparent);
  QPainter(&grande).fillRect(24, 0, 24, 48, QColor(0, 255, 0));
  QImage pequena(16, 16, QImage::Format_ARGB32), media(32, 32, QImage::Format_ARGB32);
  pequena.fill(QColor(255, 0, 0));
  media.fill(QColor(0, 0, 255));
  Gravar(Caminho("varias.ico"), Icone_de_varias_entradas({pequena, grande, media}));

  const QImage icone = Ler_figura(Caminho("varias.ico"), 96).Imagem();
  EXPECT_EQ(icone.size(), QSize(48, 48));
  Conferir_opaca(icone);
  EXPECT_TRUE(Cor_em(icone, 10, 10, Branco));
  EXPECT_TRUE(Cor_em(icone, 40, 10, Verde));
}

TEST_F(Ler_figura_teste, EmfNoTamanhoNaturalComADesenhoNaMoldura) {
  Gravar(Caminho("a.emf"), Emf_com_retangulo());
  const QImage emf = Ler_figura(Caminho("a.emf"), 96).Imagem();
  EXPECT_EQ(emf.size(), QSize(96, 48));
  Conferir_opaca(emf);
  EXPECT_TRUE(Cor_em(emf, 25, 25, Vermelho));
  EXPECT_TRUE(Cor_em(emf, 5, 5, Branco));  // the frame starts before the drawing's bounds
  EXPECT_TRUE(Cor_em(emf, 45, 25, Branco));
  EXPECT_TRUE(Cor_em(emf, 80, 40, Branco));

  const QImage dobro = Ler_figura(Caminho("a.emf"), 192).Imagem();
  EXPECT_EQ(dobro.size(), QSize(192, 96));
  EXPECT_TRUE(Cor_em(dobro, 50, 50, Vermelho));
  EXPECT_TRUE(Cor_em(dobro, 10, 10, Branco));
}

TEST_F(Ler_figura_teste, WmfNoTamanhoNaturalComPolilinhaSemPreenchimento) {
  Gravar(Caminho("a.wmf"), Wmf_com_retangulo_e_linha());
  const QImage wmf = Ler_figura(Caminho("a.wmf"), 96).Imagem();
  EXPECT_EQ(wmf.size(), QSize(96, 48));
  Conferir_opaca(wmf);
  EXPECT_TRUE(Cor_em(wmf, 10, 10, Vermelho));
  EXPECT_TRUE(Cor_em(wmf, 40, 40, Vermelho));
  EXPECT_TRUE(Cor_em(wmf, 60, 30, Branco));
  EXPECT_TRUE(Cor_em(wmf, 85, 15, Branco));  // inside the L of the polyline
  EXPECT_LT(qRed(wmf.pixel(93, 20)), 128);   // the polyline's vertical leg, x = 1400 twips

  EXPECT_EQ(Ler_figura(Caminho("a.wmf"), 120).Tamanho(), QSize(120, 60));
}

TEST_F(Ler_figura_teste, ExtensaoSemDiferencaDeMaiusculas) {
  Gravar_jpeg_colorido(Caminho("a.JPG"));
  Gravar_jpeg_colorido(Caminho("b.Jpeg"));
  ASSERT_TRUE(Figura_de_quadrantes(8, 8, QImage::Format_RGB32)
                  .save(QString::fromStdString(Caminho("c.BMP")), "bmp"));
  Gravar(Caminho("d.Ico"),
         Icone_de_uma_entrada(Figura_de_quadrantes(16, 16, QImage::Format_RGB32)));
  Gravar(Caminho("e.EMF"), Emf_com_retangulo());
  Gravar(Caminho("f.Wmf"), Wmf_com_retangulo_e_linha());
  EXPECT_EQ(Ler_figura(Caminho("a.JPG"), 96).Tamanho(), QSize(64, 48));
  EXPECT_EQ(Ler_figura(Caminho("b.Jpeg"), 96).Tamanho(), QSize(64, 48));
  EXPECT_EQ(Ler_figura(Caminho("c.BMP"), 96).Tamanho(), QSize(8, 8));
  EXPECT_EQ(Ler_figura(Caminho("d.Ico"), 96).Tamanho(), QSize(16, 16));
  EXPECT_EQ(Ler_figura(Caminho("e.EMF"), 96).Tamanho(), QSize(96, 48));
  EXPECT_EQ(Ler_figura(Caminho("f.Wmf"), 96).Tamanho(), QSize(96, 48));
}

TEST_F(Ler_figura_teste, ExtensaoDesconhecidaComOTextoDoSistema) {
  Gravar_jpeg_colorido(Caminho("mapa.png"));  // the content does not matter
  EXPECT_EQ(Mensagem_do_erro(Caminho("mapa.png")), "Unknown picture file extension (.png)");
  EXPECT_EQ(Mensagem_do_erro(Caminho("mapa.TIF")), "Unknown picture file extension (.TIF)");
  EXPECT_EQ(Mensagem_do_erro(Caminho("mapa")), "Unknown picture file extension (.)");
  EXPECT_EQ(Mensagem_do_erro(Caminho("mapa.jpg.gz")), "Unknown picture file extension (.gz)");
  // A full stop in a folder's name is not the file's extension.
  EXPECT_EQ(Mensagem_do_erro(Caminho("pasta.jpg/mapa")), "Unknown picture file extension (.)");
}

// ---- Bad input --------------------------------------------------------------------

TEST_F(Ler_figura_teste, ArquivoInexistenteVazioOuQueNaoEArquivoComum) {
  // A named pipe with no writer, a folder and a device that never ends are refused at
  // once, as a file that is not there.
  ASSERT_EQ(mkfifo(Caminho("tubo.jpg").c_str(), 0600), 0);
  ASSERT_EQ(mkdir(Caminho("pasta.bmp").c_str(), 0700), 0);
  ASSERT_EQ(symlink("/dev/zero", Caminho("zero.emf").c_str()), 0);
  for (const char* nome : {"falta.jpg", "tubo.jpg", "pasta.bmp", "zero.emf"})
    EXPECT_EQ(Mensagem_do_erro(Caminho(nome)),
              "Não foi possível abrir o arquivo de imagem \"" + Caminho(nome) + "\"");
  for (const char* nome : {"vazio.jpg", "vazio.bmp", "vazio.ico", "vazio.emf", "vazio.wmf"}) {
    SCOPED_TRACE(nome);
    Gravar(Caminho(nome), {});
    EXPECT_EQ(Mensagem_do_erro(Caminho(nome))
                  .rfind("Não foi possível ler a imagem \"" + Caminho(nome) + "\": ", 0),
              0u);
  }
}

TEST_F(Ler_figura_teste, JpegDanificadoOuIncompletoERecusado) {
  const std::string texto = "isto não é uma figura\n";
  Gravar(Caminho("texto.jpg"), Bytes(texto.begin(), texto.end()));
  EXPECT_EQ(Mensagem_do_erro(Caminho("texto.jpg")),
            "Não foi possível ler a imagem \"" + Caminho("texto.jpg") +
                "\": arquivo JPEG danificado (Not a JPEG file: starts with 0x69 0x73)");

  Gravar_jpeg_ruidoso(Caminho("inteiro.jpg"));
  const Bytes inteiro = Ler(Caminho("inteiro.jpg"));
  ASSERT_GT(inteiro.size(), 10000u);
  Gravar(Caminho("cortado.jpg"), Bytes(inteiro.begin(), inteiro.begin() + inteiro.size() / 2));
  EXPECT_EQ(Mensagem_do_erro(Caminho("cortado.jpg")),
            "Não foi possível ler a imagem \"" + Caminho("cortado.jpg") +
                "\": arquivo JPEG incompleto (Premature end of JPEG file)");

  // Garbage over the entropy-coded data, past the headers.
  Bytes estragado = inteiro;
  const Bytes lixo = Lixo(4000, 7);
  std::copy(lixo.begin(), lixo.end(), estragado.begin() + 2000);
  Gravar(Caminho("estragado.jpg"), estragado);
  EXPECT_NE(Mensagem_do_erro(Caminho("estragado.jpg")).find("arquivo JPEG"), std::string::npos);

  // A precision of 7 bits in the frame header.
  Bytes precisao = inteiro;
  for (size_t i = 0; i + 4 < precisao.size(); ++i)
    if (precisao[i] == 0xFF && precisao[i + 1] == 0xC0) {
      precisao[i + 4] = 7;
      break;
    }
  Gravar(Caminho("precisao.jpg"), precisao);
  EXPECT_EQ(Mensagem_do_erro(Caminho("precisao.jpg")),
            "Não foi possível ler a imagem \"" + Caminho("precisao.jpg") +
                "\": arquivo JPEG danificado (Unsupported JPEG data precision 7)");
}

TEST_F(Ler_figura_teste, TamanhoAlemDaMemoriaRecusadoAntesDeAlocar) {
  // What fits the available memory is read, to the last byte; one byte less is refused.
  Gravar_jpeg_colorido(Caminho("pequeno.jpg"));
  const int64_t bytes_64x48 = 64 * 48 * 4;
  {
    const Memoria_simulada justa(bytes_64x48);
    EXPECT_EQ(Ler_figura(Caminho("pequeno.jpg"), 96).Tamanho(), QSize(64, 48));
  }
  {
    const Memoria_simulada falta_um(bytes_64x48 - 1);
    EXPECT_EQ(Mensagem_do_erro(Caminho("pequeno.jpg")),
              "Imagem grande demais para a memória disponível (64 x 48 pixels, 1 MiB)");
  }
  // A metafile is drawn and an icon's PNG entry decoded straight into the raster; an
  // icon's bitmap entry is decoded by Qt into one image, then copied into strips.
  Gravar(Caminho("a.emf"), Emf_com_retangulo());
  Gravar(Caminho("bitmap.ico"),
         Icone_de_uma_entrada(Figura_de_quadrantes(96, 48, QImage::Format_RGB32)));
  Gravar(Caminho("png.ico"), hostis::Ico_de(hostis::Png_liso(96, 48)));
  for (const auto& [nome, copias] : {std::pair{"a.emf", 1}, {"png.ico", 1}, {"bitmap.ico", 2}}) {
    SCOPED_TRACE(nome);
    const int64_t bytes = copias * 96 * 48 * 4;
    {
      const Memoria_simulada justa(bytes);
      EXPECT_EQ(Ler_figura(Caminho(nome), 96).Tamanho(), QSize(96, 48));
    }
    const Memoria_simulada falta_um(bytes - 1);
    EXPECT_EQ(Mensagem_do_erro(Caminho(nome)),
              "Imagem grande demais para a memória disponível (96 x 48 pixels, 1 MiB)");
  }
  EXPECT_GT(Memoria_livre_do_sistema(), 0);
  EXPECT_LT(Memoria_livre_do_sistema(), std::numeric_limits<int64_t>::max());

  const Memoria_simulada um_gib(int64_t{1} << 30);
  Bytes jpeg = Ler(Caminho("pequeno.jpg"));
  for (size_t i = 0; i + 8 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
      // SOF0: length (2), precision (1), height (2), width (2), big-endian.
      jpeg[i + 5] = 60000 >> 8, jpeg[i + 6] = 60000 & 0xFF;
      jpeg[i + 7] = 60000 >> 8, jpeg[i + 8] = 60000 & 0xFF;
      break;
    }
  Gravar(Caminho("enorme.jpg"), jpeg);
  EXPECT_EQ(Mensagem_do_erro(Caminho("enorme.jpg")),
            "Imagem grande demais para a memória disponível (60000 x 60000 pixels, 13733 MiB)");

  // A bitmap header with the same claim and no pixels.
  Escritor bmp;
  bmp.u16(0x4D42).u32(54).u32(0).u32(54);                   // "BM", size, reserved, offset
  bmp.u32(40).u32(60000).u32(60000).u16(1).u16(24).u32(0);  // BITMAPINFOHEADER
  bmp.u32(0).u32(2835).u32(2835).u32(0).u32(0);
  Gravar(Caminho("enorme.bmp"), bmp.b);
  EXPECT_EQ(Mensagem_do_erro(Caminho("enorme.bmp")),
            "Imagem grande demais para a memória disponível (60000 x 60000 pixels, 13733 MiB)");

  // A metafile frame of 100 m by 100 m.
  Gravar(Caminho("enorme.emf"), Emf_com_retangulo(10000000, 10000000));
  EXPECT_EQ(Mensagem_do_erro(Caminho("enorme.emf")),
            "Não foi possível ler a imagem \"" + Caminho("enorme.emf") +
                "\": cabeçalho do metafile com dimensões inválidas (377953 x 377953 pixels)");
}

TEST_F(Ler_figura_teste, TextoComNomeDeBitmapOuIcone) {
  const std::string texto = "E;N;h\n1;2;3\n";
  Gravar(Caminho("dados.bmp"), Bytes(texto.begin(), texto.end()));
  Gravar(Caminho("dados.ico"), Bytes(texto.begin(), texto.end()));
  EXPECT_EQ(Mensagem_do_erro(Caminho("dados.bmp"))
                .rfind("Não foi possível ler a imagem \"" + Caminho("dados.bmp") +
                           "\": arquivo BMP inválido ou danificado",
                       0),
            0u);
  EXPECT_EQ(Mensagem_do_erro(Caminho("dados.ico"))
                .rfind("Não foi possível ler a imagem \"" + Caminho("dados.ico") +
                           "\": arquivo ICO inválido ou danificado",
                       0),
            0u);
}

TEST_F(Ler_figura_teste, MetafilesDanificadosOuCortados) {
  const auto prefixo = [&](const std::string& nome) {
    return "Não foi possível ler a imagem \"" + Caminho(nome) + "\": ";
  };
  for (uint32_t semente = 1; semente <= 20; ++semente) {
    Gravar(Caminho("lixo.emf"), Lixo(300, semente));
    Gravar(Caminho("lixo.wmf"), Lixo(300, semente));
    EXPECT_EQ(Mensagem_do_erro(Caminho("lixo.emf")), prefixo("lixo.emf") + "não é um arquivo EMF");
    EXPECT_EQ(Mensagem_do_erro(Caminho("lixo.wmf")),
              prefixo("lixo.wmf") + "não é um arquivo WMF posicionável");
  }

  const Bytes emf = Emf_com_retangulo();
  for (const size_t corte : {size_t{90}, size_t{100}, emf.size() - 4}) {
    Gravar(Caminho("cortado.emf"), Bytes(emf.begin(), emf.begin() + static_cast<long>(corte)));
    EXPECT_EQ(Mensagem_do_erro(Caminho("cortado.emf")),
              prefixo("cortado.emf") + "arquivo EMF danificado ou incompleto");
  }
  Bytes registro_enorme = emf;
  registro_enorme[88 + 4] = 0xF0, registro_enorme[88 + 7] = 0xFF;  // first record's size
  Gravar(Caminho("enorme.emf"), registro_enorme);
  EXPECT_EQ(Mensagem_do_erro(Caminho("enorme.emf")),
            prefixo("enorme.emf") + "arquivo EMF danificado ou incompleto");

  // A header that is right, records that are noise inside sound sizes.
  Bytes ruido = Bytes(emf.begin(), emf.begin() + 88);
  for (uint32_t semente = 1; semente <= 40; ++semente) {
    const Bytes corpo = Lixo(16, semente);
    Escritor registro;
    registro.u32(1 + semente % 120).u32(24);
    registro.b.insert(registro.b.end(), corpo.begin(), corpo.end());
    ruido.insert(ruido.end(), registro.b.begin(), registro.b.end());
  }
  Escritor fim;
  fim.u32(14).u32(20).u32(0).u32(16).u32(20);
  ruido.insert(ruido.end(), fim.b.begin(), fim.b.end());
  Gravar(Caminho("ruido.emf"), ruido);
  try {
    EXPECT_EQ(Ler_figura(Caminho("ruido.emf"), 96).Tamanho(), QSize(96, 48));
  } catch (const Erro& erro) {
    EXPECT_EQ(std::string(erro.what()).rfind(prefixo("ruido.emf"), 0), 0u);
  }

  const Bytes wmf = Wmf_com_retangulo_e_linha();
  for (const size_t corte : {size_t{30}, size_t{50}, wmf.size() - 6}) {
    Gravar(Caminho("cortado.wmf"), Bytes(wmf.begin(), wmf.begin() + static_cast<long>(corte)));
    EXPECT_EQ(Mensagem_do_erro(Caminho("cortado.wmf")).rfind(prefixo("cortado.wmf"), 0), 0u);
  }
}

}  // namespace

// The process's own group and those above it, not only the root group.
TEST(Memoria_disponivel, LeOGrupoDoProcessoEOsDeCima) {
  using Arquivos = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(Arquivos_de_memoria("0::/user.slice/app.scope\n"),
            (Arquivos{{"/sys/fs/cgroup/user.slice/app.scope/memory.max",
                       "/sys/fs/cgroup/user.slice/app.scope/memory.current"},
                      {"/sys/fs/cgroup/user.slice/memory.max",
                       "/sys/fs/cgroup/user.slice/memory.current"},
                      {"/sys/fs/cgroup/memory.max", "/sys/fs/cgroup/memory.current"}}));
  EXPECT_EQ(Arquivos_de_memoria("5:cpu:/x\n4:memory:/docker/c1\n0::/\n"),
            (Arquivos{{"/sys/fs/cgroup/memory/docker/c1/memory.limit_in_bytes",
                       "/sys/fs/cgroup/memory/docker/c1/memory.usage_in_bytes"},
                      {"/sys/fs/cgroup/memory/docker/memory.limit_in_bytes",
                       "/sys/fs/cgroup/memory/docker/memory.usage_in_bytes"},
                      {"/sys/fs/cgroup/memory/memory.limit_in_bytes",
                       "/sys/fs/cgroup/memory/memory.usage_in_bytes"},
                      {"/sys/fs/cgroup/memory.max", "/sys/fs/cgroup/memory.current"}}));
}
