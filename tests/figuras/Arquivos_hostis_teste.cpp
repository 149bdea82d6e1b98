// Crafted files that once cost the loader minutes or gigabytes: each is refused, or
// loaded as the picture it really is. How long and how much memory each takes is
// measured by bench/bench_hostis.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>

#include "figuras/Ler_figura.h"
#include "tests/apoio/Arquivos_hostis.h"
#include "tests/apoio/Memoria_simulada.h"
#include "tests/apoio/Mensagem_de_erro.h"

namespace {

class Arquivos_hostis : public testing::Test {
 protected:
  QTemporaryDir pasta;
  std::string Gravar(const std::string& nome, const hostis::Bytes& conteudo) const {
    const std::string caminho = pasta.filePath(QString::fromStdString(nome)).toStdString();
    hostis::Gravar(caminho, conteudo);
    return caminho;
  }
  // The error the loader raises, without its "Não foi possível ler ..." prefix.
  static std::string Problema(const std::string& caminho) {
    const std::string mensagem = Mensagem_de_erro([&] { Ler_figura(caminho, 96); });
    const std::string prefixo = "Não foi possível ler a imagem \"" + caminho + "\": ";
    return mensagem.starts_with(prefixo) ? mensagem.substr(prefixo.size()) : mensagem;
  }
};

TEST_F(Arquivos_hostis, JpegProgressivoComVarredurasSemFim) {
  const QImage lisa =
      Ler_figura(Gravar("liso.jpg", hostis::Jpeg_progressivo_liso(40)), 96).Imagem();
  ASSERT_EQ(lisa.size(), QSize(40, 40));
  EXPECT_EQ(lisa.pixel(39, 39), qRgb(128, 128, 128));
  // The last scan sent again: refused at once.
  EXPECT_EQ(Problema(Gravar("refinado.jpg", hostis::Jpeg_progressivo_liso(40, 600))),
            "arquivo JPEG danificado (Inconsistent progression sequence for component 2 "
            "coefficient 1)");
  // Repetitions the decoder takes as sound: seven scans of its own and 93 more are
  // within the limit, one more is not.
  EXPECT_EQ(Ler_figura(Gravar("cem.jpg", hostis::Jpeg_progressivo_liso(40, 0, 93)), 96).Tamanho(),
            QSize(40, 40));
  EXPECT_EQ(Problema(Gravar("repetido.jpg", hostis::Jpeg_progressivo_liso(40, 0, 94))),
            "arquivo JPEG danificado (mais de 100 varreduras)");
}

// 400 x 400 pixels: a raster of 640 000 bytes, and 50 x 50 blocks of 128 bytes for each
// of three components, 960 000 bytes, while a progressive file decodes.
TEST_F(Arquivos_hostis, JpegProgressivoContaOsCoeficientesNaMemoriaDisponivel) {
  const std::string caminho = Gravar("progressivo.jpg", hostis::Jpeg_progressivo_liso(400));
  {
    const Memoria_simulada memoria(1'000'000);
    EXPECT_EQ(Problema(caminho),
              "Imagem grande demais para a memória disponível (400 x 400 pixels, 2 MiB)");
  }
  const Memoria_simulada memoria(2'000'000);
  EXPECT_EQ(Ler_figura(caminho, 96).Tamanho(), QSize(400, 400));
}

TEST_F(Arquivos_hostis, IconeMostraOTamanhoRealDaEntradaPng) {
  // The directory says 16 x 16; the PNG is what counts, before and after decoding.
  const QImage icone =
      Ler_figura(Gravar("real.ico", hostis::Ico_de(hostis::Png_liso(300, 200))), 96).Imagem();
  ASSERT_EQ(icone.size(), QSize(300, 200));
  EXPECT_EQ(icone.pixel(299, 199), qRgb(0x33, 0x66, 0x99));
  // A header claiming more than the machine has is refused before anything is decoded:
  // the entry is decoded straight into the raster, the one copy held.
  const std::string enorme =
      Gravar("enorme.ico", hostis::Ico_de(hostis::Png_so_cabecalho(60000, 60000)));
  {
    const Memoria_simulada memoria(int64_t{1} << 30);
    EXPECT_EQ(Problema(enorme),
              "Imagem grande demais para a memória disponível (60000 x 60000 pixels, 13733 MiB)");
  }
}

TEST_F(Arquivos_hostis, IconeDeMilEntradasDecodificaUma) {
  const QImage icone =
      Ler_figura(Gravar("mil.ico", hostis::Ico_de(hostis::Png_liso(48, 32, 0x80FF0000), 1000)), 96)
          .Imagem();
  ASSERT_EQ(icone.size(), QSize(48, 32));
  // Half-transparent red over white.
  EXPECT_EQ(icone.pixel(0, 0), qRgb(255, 127, 127));
}

TEST_F(Arquivos_hostis, IconeComEntradaAlemDoFimDoArquivoOuDeLadosAbsurdos) {
  hostis::Bytes icone = hostis::Ico_de(hostis::Png_liso(8, 8));
  icone[14] = 0xFF;  // the entry's size in bytes
  EXPECT_EQ(Problema(Gravar("cortado.ico", icone)),
            "arquivo ICO inválido ou danificado (entrada 1 além do fim do arquivo)");
  EXPECT_EQ(Problema(Gravar("absurdo.ico",
                            hostis::Ico_de(hostis::Png_so_cabecalho(4000000000, 4000000000)))),
            "arquivo ICO inválido ou danificado (entrada 1 com dimensões inválidas (4000000000 x "
            "4000000000 pixels))");
}

TEST_F(Arquivos_hostis, WmfComRegistroMaiorQueOArquivo) {
  EXPECT_EQ(Problema(Gravar("enorme.wmf", hostis::Wmf_com_maior_registro(0xFFFFFFFF))),
            "arquivo WMF danificado");
  EXPECT_EQ(Problema(Gravar("um_registro.wmf", hostis::Wmf_com_maior_registro(4))),
            "arquivo WMF danificado");
  EXPECT_EQ(Ler_figura(Gravar("vazia.wmf", hostis::Wmf_com_maior_registro(3)), 96).Tamanho(),
            QSize(96, 96));
}

// The empty metafiles that bench_hostis opens at the 16384-pixel cap, here at 300 pixels:
// a white picture of the size they claim.
TEST_F(Arquivos_hostis, MetafilesVaziosNoTamanhoPedido) {
  QImage branca(300, 300, QImage::Format_RGB32);
  branca.fill(Qt::white);
  EXPECT_EQ(Ler_figura(Gravar("vazia.wmf", hostis::Wmf_com_maior_registro(3, 300)), 96).Imagem(),
            branca);
  EXPECT_EQ(Ler_figura(Gravar("vazia.emf", hostis::Emf_vazio(300)), 96).Imagem(), branca);
}

}  // namespace
