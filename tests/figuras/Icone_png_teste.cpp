// An icon's PNG entry, decoded straight into the raster's strips: every kind of PNG
// gives, pixel for pixel, the picture Qt's own reader gives drawn on white; a damaged or
// cut entry is refused.

#include <gtest/gtest.h>
#include <png.h>

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "figuras/Ler_figura.h"
#include "tests/apoio/Arquivos_hostis.h"
#include "tests/apoio/Mensagem_de_erro.h"

namespace {

using hostis::Bytes;

struct Tipo_png {
  int tipo_cor, profundidade;
  bool chave;  // a tRNS chunk: alphas of the palette, or the colour that is transparent
  bool entrelacado;
};

void Acrescentar(png_structp png, png_bytep dados, size_t quantos) {
  auto* destino = static_cast<Bytes*>(png_get_io_ptr(png));
  destino->insert(destino->end(), dados, dados + quantos);
}

// Random pixels; with a colour key, every third row starts with the key (grey or
// colour 0, all channels).
Bytes Png(const Tipo_png& t, int largura, int altura, unsigned semente) {
  std::mt19937 aleatorio(semente);
  Bytes png_bytes;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &png_bytes, Acrescentar, nullptr);
  png_set_IHDR(png, info, largura, altura, t.profundidade, t.tipo_cor,
               t.entrelacado ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, 0, 0);
  png_set_gAMA(png, info, 1.0);  // Qt does not correct the gamma: nor may the reader
  const int cores = 1 << std::min(t.profundidade, 8);
  if (t.tipo_cor == PNG_COLOR_TYPE_PALETTE) {
    std::vector<png_color> paleta(cores);
    for (png_color& c : paleta)
      c = {png_byte(aleatorio()), png_byte(aleatorio()), png_byte(aleatorio())};
    png_set_PLTE(png, info, paleta.data(), cores);
    std::vector<png_byte> alfas(cores / 2 + 1);
    for (png_byte& a : alfas) a = static_cast<png_byte>(aleatorio());
    if (t.chave) png_set_tRNS(png, info, alfas.data(), static_cast<int>(alfas.size()), nullptr);
  } else if (t.chave) {
    png_color_16 chave{};
    png_set_tRNS(png, info, nullptr, 0, &chave);
  }
  png_write_info(png, info);
  png_set_swap(png);
  const int canais = png_get_channels(png, info);
  std::vector<Bytes> linhas(altura, Bytes((largura * canais * t.profundidade + 7) / 8));
  for (int y = 0; y < altura; ++y) {
    for (auto& byte : linhas[y]) byte = static_cast<unsigned char>(aleatorio());
    if (t.chave && y % 3 == 0)
      std::fill_n(linhas[y].begin(), std::max(1, canais * t.profundidade / 8), 0);
  }
  std::vector<png_bytep> ponteiros;
  for (Bytes& linha : linhas) ponteiros.push_back(linha.data());
  png_write_image(png, ponteiros.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return png_bytes;
}

// What the reader showed before it decoded PNG entries itself: Qt's picture with its
// straight alpha composed on white and rounded, or any other format drawn by Qt.
QImage Qt_sobre_branco(const std::string& caminho) {
  const QImage qt = QImageReader(QString::fromStdString(caminho), "ico").read();
  QImage branca(qt.size(), QImage::Format_RGB32);
  branca.fill(Qt::white);
  if (qt.format() != QImage::Format_ARGB32) {
    QPainter(&branca).drawImage(0, 0, qt);
    return branca;
  }
  for (int y = 0; y < qt.height(); ++y)
    for (int x = 0; x < qt.width(); ++x) {
      const QRgb p = qt.pixel(x, y);
      const auto sobre = [a = qAlpha(p)](int c) {
        return static_cast<int>(std::lround((c * a + 255.0 * (255 - a)) / 255));
      };
      branca.setPixel(x, y, qRgb(sobre(qRed(p)), sobre(qGreen(p)), sobre(qBlue(p))));
    }
  return branca;
}

class Icone_png : public testing::Test {
 protected:
  QTemporaryDir pasta;
  std::string Gravar(const std::string& nome, const Bytes& conteudo) const {
    const std::string caminho = pasta.filePath(QString::fromStdString(nome)).toStdString();
    hostis::Gravar(caminho, conteudo);
    return caminho;
  }
};

// Two strips wide, the second one narrow. Not compared: 16-bit RGB with a colour key,
// which Qt reads into the wrong bytes.
TEST_F(Icone_png, CadaTipoDePngComoOQtOMostra) {
  std::vector<Tipo_png> tipos;
  for (const bool entrelacado : {false, true})
    for (const bool chave : {false, true}) {
      for (const int p : {1, 2, 4, 8, 16})
        tipos.push_back({PNG_COLOR_TYPE_GRAY, p, chave, entrelacado});
      for (const int p : {1, 2, 4, 8})
        tipos.push_back({PNG_COLOR_TYPE_PALETTE, p, chave, entrelacado});
      tipos.push_back({PNG_COLOR_TYPE_RGB, 8, chave, entrelacado});
      if (chave) continue;
      tipos.push_back({PNG_COLOR_TYPE_RGB, 16, chave, entrelacado});
      for (const int p : {8, 16}) {
        tipos.push_back({PNG_COLOR_TYPE_GRAY_ALPHA, p, false, entrelacado});
        tipos.push_back({PNG_COLOR_TYPE_RGB_ALPHA, p, false, entrelacado});
      }
    }
  unsigned semente = 0;
  for (const Tipo_png& t : tipos) {
    SCOPED_TRACE(testing::Message() << "color type " << t.tipo_cor << ", " << t.profundidade
                                    << " bits, tRNS " << t.chave << ", Adam7 " << t.entrelacado);
    const std::string caminho = Gravar("tipo.ico", hostis::Ico_de(Png(t, 150, 23, ++semente)));
    EXPECT_EQ(Ler_figura(caminho, 96).Imagem(), Qt_sobre_branco(caminho));
  }
}

TEST_F(Icone_png, EntradaCortadaOuDanificadaERecusada) {
  const Bytes png = Png({PNG_COLOR_TYPE_RGB_ALPHA, 8, false, false}, 40, 30, 7);
  const auto problema = [&](const std::string& nome, const Bytes& icone) {
    const std::string caminho = Gravar(nome, icone);
    const std::string prefixo =
        "Não foi possível ler a imagem \"" + caminho + "\": arquivo ICO inválido ou danificado (";
    const std::string mensagem = Mensagem_de_erro([&] { Ler_figura(caminho, 96); });
    EXPECT_EQ(mensagem.rfind(prefixo, 0), 0u) << mensagem;
    return mensagem.substr(std::min(prefixo.size(), mensagem.size()));
  };
  // The directory gives the entry fewer bytes than its PNG holds: no row past them.
  Bytes curta = hostis::Ico_de(png);
  const size_t bytes = png.size() - 20;
  for (int i = 0; i < 4; ++i) curta[14 + i] = static_cast<unsigned char>(bytes >> 8 * i);
  EXPECT_EQ(problema("curta.ico", curta), "PNG além do fim da entrada)");
  // Pixel data that does not inflate.
  Bytes estragada = hostis::Ico_de(png);
  for (size_t i = 6 + 16 + 33 + 8 + 10; i < estragada.size() - 12; i += 3) estragada[i] ^= 0x5A;
  EXPECT_NE(problema("estragada.ico", estragada), "");
}

}  // namespace
