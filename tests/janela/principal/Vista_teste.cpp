#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "janela/comum/Imagem.h"
#include "janela/comum/Marcacao.h"
#include "janela/comum/Passo_rolagem.h"
#include "nucleo/base/Formatacao.h"
#include "tests/apoio/Janela_rolavel.h"
#include "tests/apoio/Programa_teste.h"

namespace {

class Vista : public Programa_teste {
 protected:
  void SetUp() override {
    Form1.Image1->Raster = Raster_em_faixas(100, 100);
    Form1.Image1->Raster.Preencher(qRgb(255, 255, 255));
  }
  QRgb Pixel(int x, int y) const { return Form1.Image1->Raster.Pixel(x, y) & 0xFFFFFF; }
};

}  // namespace

TEST_F(Vista, MarcadorOcupaORetanguloDeDezPorDezCentradoNoPonto) {
  Form1.Marcar_ponto(50.9, 50.2, Cor_marca::Vermelho);  // positions truncated toward zero
  EXPECT_EQ(Pixel(50, 50), 0xFF0000u);
  EXPECT_EQ(Pixel(47, 52), 0xFF0000u);
  // The black outline touches the rectangle's sides x = 45..54, y = 45..54 and no more.
  EXPECT_EQ(Pixel(45, 50), 0x000000u);
  EXPECT_EQ(Pixel(54, 50), 0x000000u);
  EXPECT_EQ(Pixel(50, 45), 0x000000u);
  EXPECT_EQ(Pixel(50, 54), 0x000000u);
  for (int i = 40; i < 60; ++i) {
    EXPECT_EQ(Pixel(44, i), 0xFFFFFFu);
    EXPECT_EQ(Pixel(55, i), 0xFFFFFFu);
    EXPECT_EQ(Pixel(i, 44), 0xFFFFFFu);
    EXPECT_EQ(Pixel(i, 55), 0xFFFFFFu);
  }
  EXPECT_EQ(Pixel(45, 45), 0xFFFFFFu);  // an ellipse leaves the corners
}

TEST_F(Vista, CoresDosMarcadores) {
  Form1.Marcar_ponto(20, 20, Cor_marca::Azul);
  Form1.Marcar_ponto(40, 20, Cor_marca::Verde);
  Form1.Marcar(60, 20, 63, 23, Cor_marca::Amarelo);
  EXPECT_EQ(Pixel(20, 20), 0x0000FFu);
  EXPECT_EQ(Pixel(40, 20), 0x008000u);
  EXPECT_NE(Pixel(61, 21), 0xFFFFFFu);
  EXPECT_EQ(Pixel(63, 21), 0xFFFFFFu);
}

// Markers are copied from a mould the painter painted: the raster must come out as if
// the painter had painted each one in turn, a later one over an earlier, also where a
// marker crosses the bands the copy works by (four rows of this wide raster) or leaves
// the raster; one repaint covers them all.
TEST_F(Vista, MarcasEmUmaPassadaIguaisAsDoPintor) {
  TImagem& imagem = *Form1.Image1;
  imagem.Raster = Raster_em_faixas(65536, 24);
  imagem.Raster.Preencher(qRgb(255, 255, 255));
  QImage esperado = imagem.Raster.Imagem();
  struct Caso {
    int x1, y1, x2, y2;
    uint32_t cor;
  };
  const Caso casos[] = {
      {10, 2, 20, 12, Cor_marca::Vermelho}, {14, 5, 24, 15, Cor_marca::Azul},
      {-4, -3, 6, 7, Cor_marca::Verde},     {65530, 17, 65540, 27, Cor_marca::Vermelho},
      {100, 6, 103, 9, Cor_marca::Amarelo}, {200, -20, 210, -10, Cor_marca::Azul}};
  {
    Marcacao marcacao(imagem, Form1.Raio_marca);
    for (const Caso& c : casos) marcacao.Marcar(c.x1, c.y1, c.x2, c.y2, c.cor);
  }
  QPainter pintor(&esperado);
  pintor.setPen(QPen(Qt::black, 0));
  for (const Caso& c : casos) {
    pintor.setBrush(QColor::fromRgb(c.cor));
    pintor.drawEllipse(QRect(c.x1, c.y1, c.x2 - c.x1 - 1, c.y2 - c.y1 - 1));
  }
  pintor.end();
  EXPECT_TRUE(imagem.Raster.Imagem() == esperado);
}

// Leaves this process only 2 MiB more address space than it has now.
void Limitar_memoria() {
  long paginas = 0;
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  if (!statm || std::fscanf(statm, "%ld", &paginas) != 1) _exit(2);
  std::fclose(statm);
  const rlim_t limite = static_cast<rlim_t>(paginas) * sysconf(_SC_PAGESIZE) + (2 << 20);
  const rlimit memoria{limite, limite};
  if (setrlimit(RLIMIT_AS, &memoria) != 0) _exit(3);
}

// Without memory to sort the markers by band, the marking ends as it would with it; it
// does not end the program. In a child process, the memory is limited just before the
// marking ends, so that sorting 300 000 markers (3.6 MB) cannot be had.
TEST_F(Vista, MarcasSemMemoriaParaOrdenarSaoAsMesmas) {
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
  GTEST_SKIP() << "AddressSanitizer ends the process on a failed allocation";
#endif
#endif
  TImagem& imagem = *Form1.Image1;
  imagem.Raster = Raster_em_faixas(2000, 40);
  const auto marcar = [&](Marcacao& marcacao) {
    const uint32_t cores[] = {Cor_marca::Vermelho, Cor_marca::Azul, Cor_marca::Verde};
    for (int i = 0; i < 300000; ++i) marcacao.Marcar_ponto(i * 7 % 2000, i * 13 % 40, cores[i % 3]);
  };
  const auto marcar_sem_memoria = [&] {
    // Every block of 64 KiB or more is mapped apart and given back when freed, so that no
    // free block left by the first marking can hold the second one's sorting.
    mallopt(M_MMAP_THRESHOLD, 1 << 16);
    imagem.Raster.Preencher(qRgb(255, 255, 255));
    {
      Marcacao marcacao(imagem, Form1.Raio_marca);
      marcar(marcacao);
    }
    const QImage esperado = imagem.Raster.Imagem();
    imagem.Raster.Preencher(qRgb(255, 255, 255));
    {
      Marcacao marcacao(imagem, Form1.Raio_marca);
      marcar(marcacao);
      Limitar_memoria();
    }
    _exit(imagem.Raster.Imagem() == esperado ? 0 : 1);
  };
  EXPECT_EXIT(marcar_sem_memoria(), testing::ExitedWithCode(0), "");
}

TEST_F(Vista, PosicaoDoMouseEmPixelsEEmCoordenadasQuandoOrientada) {
  Form1.Image1MouseMove({}, 10, 20);
  EXPECT_EQ(Form1.Painel(0), " Xt= 10");
  EXPECT_EQ(Form1.Painel(1), " Yt= 20");
  EXPECT_EQ(Form1.Painel(2), " E =");  // not oriented: E and N keep their texts

  Form1.trabalho.Coef_orientacao = Coeficientes{2, 0, 100, 0, -2, 500};
  Form1.trabalho.Orientada = true;
  Form1.Image1MouseMove({}, 10, 20);
  EXPECT_EQ(Form1.Painel(2), " E=     120.000 m");
  EXPECT_EQ(Form1.Painel(3), " N=      460.000 m");
}

TEST_F(Vista, MovimentoDoMouseNaoRepintaAImagem) {
  Form1.trabalho.Coef_orientacao = Coeficientes{2, 0, 100, 0, -2, 500};
  Form1.trabalho.Orientada = true;
  Form1.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form1));
  QCoreApplication::processEvents();
  const int antes = Form1.Image1->Pinturas;
  for (int i = 0; i < 20; ++i) QTest::mouseMove(Form1.Image1, QPoint(10 + i, 20 + i));
  QCoreApplication::processEvents();
  EXPECT_EQ(Form1.Image1->Pinturas, antes);
  EXPECT_EQ(Form1.Painel(0), " Xt= 29");
  EXPECT_EQ(Form1.Painel(3), fmt::sprintf(" N= %12.3f m", 500.0 - 2 * 39));
}

namespace {

class Rolagem : public Janela_rolavel {
 protected:
  void Roda(int delta) {
    QWidget* viewport = Form1.ScrollBox1->viewport();
    QWheelEvent roda(QPointF(50, 50), viewport->mapToGlobal(QPointF(50, 50)), QPoint(),
                     QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(viewport, &roda);
  }
};

}  // namespace

TEST(Passo_rolagem, CincoPorCentoDaAlturaTruncado) {
  EXPECT_EQ(Passo_rolagem(800), 40);
  EXPECT_EQ(Passo_rolagem(659), 32);  // 32.95
  EXPECT_EQ(Passo_rolagem(19), 0);
}

TEST_F(Rolagem, UmaMensagemDaRodaRolaUmPassoSoVertical) {
  const int passo = Passo_rolagem(Form1.frameGeometry().height());
  ASSERT_GT(passo, 0);
  Vertical()->setValue(1000);
  Horizontal()->setValue(100);
  Roda(-120);  // towards the user: down
  EXPECT_EQ(Vertical()->value(), 1000 + passo);
  Roda(120);
  Roda(480);  // a bigger delta still scrolls one step
  EXPECT_EQ(Vertical()->value(), 1000 - passo);
  EXPECT_EQ(Horizontal()->value(), 100);
  EXPECT_EQ(Form1.Painel(6), " Função corrente: Nenhuma");
  Vertical()->setValue(0);
  Roda(120);
  EXPECT_EQ(Vertical()->value(), 0);  // kept within the range
}

TEST_F(Rolagem, ArrasteComOBotaoDireitoRolaUmaVezNaSoltura) {
  Vertical()->setValue(500);
  Horizontal()->setValue(500);
  Form1.Clique_imagem(Qt::RightButton, {}, 300, 400);
  EXPECT_EQ(Form1.Cursor_atual, Cursor_imagem::Mao);
  EXPECT_EQ(Vertical()->value(), 500);
  Form1.Image1MouseUp(Qt::RightButton, {}, 250, 300);
  EXPECT_EQ(Vertical()->value(), 600);
  EXPECT_EQ(Horizontal()->value(), 550);
  EXPECT_EQ(Form1.Cursor_atual, Cursor_imagem::Seta);

  Form1.trabalho.Modo_clique = 1;  // a clicking function is active: the crosshair comes back
  Form1.Clique_imagem(Qt::RightButton, {}, 10, 10);
  Form1.Image1MouseUp(Qt::RightButton, {}, 10, 10);
  EXPECT_EQ(Form1.Cursor_atual, Cursor_imagem::Cruz);
}

TEST_F(Vista, BotaoDoMeioMostraAMensagemDeRolagem) {
  Form1.trabalho.Coord_carta_lidas = true;
  ui.Responder(Resposta::OK);
  Form1.Clique_imagem(Qt::MiddleButton, {}, 5, 5);
  ASSERT_EQ(ui.caixas.size(), 1u);
  EXPECT_EQ(ui.caixas[0].texto, " Clique em botao cenrel -> SCROLL");
  EXPECT_EQ(ui.caixas[0].titulo, "");
  EXPECT_EQ(ui.caixas[0].botoes, Botoes::OK_Cancelar);
}

TEST_F(Vista, PinturaCobreSoORetanguloExposto) {
  Form1.Image1->Raster.Preencher(qRgb(255, 0, 0));
  Form1.Image1->resize(150, 150);  // wider than the raster: the rest shows the background
  const QImage tela = Form1.Image1->grab(QRect(90, 90, 20, 20)).toImage();
  EXPECT_EQ(tela.pixel(5, 5) & 0xFFFFFF, 0xFF0000u);
  EXPECT_NE(tela.pixel(15, 15) & 0xFFFFFF, 0xFF0000u);
}

// An A0 sheet scanned at 600 dpi: a raster of 2.2 GB, beyond what an int counts in
// bytes. Its rows, the painter, the view and the scroll box must reach the bottom-right
// corner. Only the pages written are ever resident.
TEST_F(Rolagem, FolhaA0De600DpiAteOCantoInferiorDireito) {
  constexpr int L = 19866, A = 28087;
  Form1.Image1->Raster = Raster_em_faixas(L, A);
  Raster_em_faixas& raster = Form1.Image1->Raster;
  ASSERT_GT(raster.Bytes(), int64_t{1} << 31);
  for (int y = A - 64; y < A; ++y) {
    uint32_t linha[64];
    for (int x = L - 64; x < L; ++x) linha[x - (L - 64)] = qRgb(x % 251, y % 241, 7);
    raster.Escrever(L - 64, y, linha, 64);
  }
  Form1.Image1->resize(L, A);
  Form1.Marcar_ponto(L - 20, A - 20, Cor_marca::Vermelho);
  EXPECT_EQ(raster.Pixel(L - 20, A - 20) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(raster.Pixel(L - 1, A - 1), qRgb((L - 1) % 251, (A - 1) % 241, 7));

  Vertical()->setValue(Vertical()->maximum());
  Horizontal()->setValue(Horizontal()->maximum());
  const QWidget* viewport = Form1.ScrollBox1->viewport();
  EXPECT_EQ(Form1.Image1->mapTo(viewport, QPoint(L, A)),
            QPoint(viewport->width(), viewport->height()));
  const QImage tela = Form1.Image1->grab(QRect(L - 40, A - 40, 40, 40)).toImage();
  for (const auto& [x, y] : {std::pair{L - 1, A - 1}, {L - 40, A - 3}, {L - 20, A - 20}})
    EXPECT_EQ(tela.pixel(x - (L - 40), y - (A - 40)) & 0xFFFFFF, raster.Pixel(x, y) & 0xFFFFFF);

  QTest::mouseMove(Form1.Image1, QPoint(L - 1, A - 1));
  EXPECT_EQ(Form1.Painel(0), " Xt= 19865");
  EXPECT_EQ(Form1.Painel(1), " Yt= 28086");
}
