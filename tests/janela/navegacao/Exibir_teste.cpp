// "Exibir": the overview moves the main view and follows it, shows the job without
// changing it; the magnifier shows the pointer's pixels at 4x without repainting the view.

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include "janela/comum/Imagem.h"
#include "janela/comum/Lupa.h"
#include "janela/navegacao/Vista_geral.h"
#include "tests/apoio/Janela_rolavel.h"

namespace {

int Cinza(int x, int y) {
  return (x / 4) % 5 == 0 || (y / 4) % 5 == 0 ? 240 : 0;
}

class Exibir : public Janela_rolavel {
 protected:
  void SetUp() override {
    Janela_rolavel::SetUp();
    // A 3000 x 4000 grey grid of lines four pixels wide, 20 pixels apart: the overview
    // (10 x 10 pixels of the sheet a pixel) must average them, where sampling would
    // give lines or paper. The lines follow the blocks of the reduced copy (4 x 4).
    std::vector<uint32_t> linha(3000);
    for (int y = 0; y < 4000; ++y) {
      for (int x = 0; x < 3000; ++x) linha[x] = 0xFF000000u | Cinza(x, y) * 0x010101u;
      Form1.Image1->Raster.Escrever_linha(y, linha.data());
    }
    Form1.Exibir1->setEnabled(true);
  }
  TVista_geral& Abrir_vista_geral() {
    Form1.Vista_geral1->trigger();
    EXPECT_TRUE(Form1.Vista_geral1->isChecked());
    Form1.Vista_geral->resize(300, 400);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Form1.Vista_geral));
    return *Form1.Vista_geral;
  }
};

}  // namespace

using Exibir_sem_figura = Programa_teste;

TEST_F(Exibir_sem_figura, DisponivelDepoisDeAbrirUmaFigura) {
  EXPECT_FALSE(Form1.Exibir1->isEnabled());
  QTemporaryDir pasta;
  const QString caminho = pasta.filePath("carta.bmp");
  QImage figura(40, 30, QImage::Format_RGB32);
  figura.fill(Qt::white);
  ASSERT_TRUE(figura.save(caminho));
  Form1.trabalho.Nome_arquivo = caminho.toStdString();
  Form1.Carregar_imagem();
  EXPECT_TRUE(Form1.Exibir1->isEnabled());
}

// Opened on a sheet, and again on the next one, the window takes the sheet's shape: no
// part of it is left blank.
TEST_F(Exibir_sem_figura, TomaAFormaDaFolha) {
  QTemporaryDir pasta;
  for (const QSize folha : {QSize(400, 300), QSize(100, 400)}) {
    SCOPED_TRACE(folha.width());
    QImage figura(folha, QImage::Format_RGB32);
    figura.fill(Qt::white);
    const QString caminho = pasta.filePath(QString("carta%1.bmp").arg(folha.width()));
    ASSERT_TRUE(figura.save(caminho));
    Form1.trabalho.Nome_arquivo = caminho.toStdString();
    Form1.Carregar_imagem();
    if (!Form1.Vista_geral1->isChecked()) Form1.Vista_geral1->trigger();
    EXPECT_EQ(Form1.Vista_geral->Escalada().size(), Form1.Vista_geral->size());
  }
}

// A click in the bottom-right corner shows the sheet's bottom-right corner; a drag
// through the middle follows; the items' check marks follow the windows.
TEST_F(Exibir, CliqueEArrasteMovemAVistaPrincipal) {
  TVista_geral& vista = Abrir_vista_geral();
  ASSERT_EQ(vista.Escalada().size(), QSize(300, 400));  // 3000 x 4000 fits exactly
  QTest::mouseClick(&vista, Qt::LeftButton, {}, QPoint(299, 399));
  EXPECT_EQ(Horizontal()->value(), Horizontal()->maximum());
  EXPECT_EQ(Vertical()->value(), Vertical()->maximum());
  QTest::mousePress(&vista, Qt::LeftButton, {}, QPoint(10, 10));
  QMouseEvent arraste(QEvent::MouseMove, QPointF(150, 200), vista.mapToGlobal(QPointF(150, 200)),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&vista, &arraste);
  const QWidget* visivel = Form1.ScrollBox1->viewport();
  EXPECT_EQ(Horizontal()->value(), 1500 - visivel->width() / 2);
  EXPECT_EQ(Vertical()->value(), 2000 - visivel->height() / 2);
  vista.close();
  EXPECT_FALSE(Form1.Vista_geral1->isChecked());
}

// Its pixels are the picture's area averages, and it keeps the sheet's proportion.
TEST_F(Exibir, PixelsEmMediaDeAreaERedimensiona) {
  TVista_geral& vista = Abrir_vista_geral();
  const QImage escalada = vista.Escalada();
  for (int j = 0; j < escalada.height(); j += 3)
    for (int i = 0; i < escalada.width(); i += 7) {
      double soma = 0;
      for (int y = j * 10; y < j * 10 + 10; ++y)
        for (int x = i * 10; x < i * 10 + 10; ++x) soma += Cinza(x, y);
      ASSERT_NEAR(qGreen(escalada.pixel(i, j)), soma / 100, 1.0) << i << ", " << j;
    }
  vista.resize(200, 200);
  QCoreApplication::processEvents();
  EXPECT_EQ(vista.Escalada().size(), QSize(150, 200));
}

// Points, residuals and the rectangle are drawn over a copy: the job, the raster and the
// view stay as they were.
TEST_F(Exibir, NaoMudaNadaDaJanelaPrincipal) {
  Form1.trabalho.OLista_coord->Acrescentar({101, 300000, 7000000, 100, 100});
  Form1.trabalho.OLista_coord->Acrescentar({102, 302900, 7000003, 3000, 100});
  Form1.trabalho.OLista_coord->Acrescentar({103, 302900, 6996000, 3000, 4000});
  Form1.trabalho.Pontos_associados = 3;
  Form1.trabalho.Coef_orientacao = Coeficientes{1, 0, 299900, 0, -1, 7000100};
  Form1.trabalho.Lista_pontos.Acrescentar({1, -1, 300500, 6999500, 600, 600, 12.5});
  const Trabalho antes = Estado;
  const QImage figura = Form1.Image1->Raster.Imagem();
  TVista_geral& vista = Abrir_vista_geral();
  EXPECT_GT(vista.Exagero(), 1);
  QTest::mouseClick(&vista, Qt::LeftButton, {}, QPoint(100, 100));
  EXPECT_EQ(Estado, antes);
  EXPECT_EQ(Form1.Image1->Raster.Imagem(), figura);
}

// Both open over the view's right-hand corners, never over the menus.
TEST_F(Exibir, AbremNosCantosDaVistaLongeDosMenus) {
  Form1.Vista_geral1->trigger();
  Form1.Lupa1->trigger();
  const QWidget* visivel = Form1.ScrollBox1->viewport();
  const QRect vista(visivel->mapToGlobal(QPoint(0, 0)), visivel->size());
  const QRect menus(Form1.menuBar()->mapToGlobal(QPoint(0, 0)), Form1.menuBar()->size());
  for (const QWidget* janela :
       {static_cast<QWidget*>(Form1.Vista_geral), static_cast<QWidget*>(Form1.Lupa)}) {
    EXPECT_TRUE(vista.contains(janela->geometry())) << janela->windowTitle().toStdString();
    EXPECT_FALSE(menus.intersects(janela->geometry()));
    EXPECT_GT(janela->geometry().center().x(), vista.center().x());
  }
}

// Turned on, it shows the middle of the view until the pointer moves over the view.
TEST_F(Exibir, LupaAmpliaOsPixelsSemRepintarAVista) {
  Horizontal()->setValue(1000);
  Vertical()->setValue(2000);
  Form1.Lupa1->trigger();
  ASSERT_TRUE(Form1.Lupa1->isChecked());
  QCoreApplication::processEvents();
  const int pinturas = Form1.Image1->Pinturas;
  const int r = TLupa::Raio, a = TLupa::Aumento;
  const QWidget* visivel = Form1.ScrollBox1->viewport();
  const QPoint meio = QPoint(1000, 2000) + visivel->rect().center();
  for (const QPoint p : {meio, QPoint(1234, 567), QPoint(2, 3998)}) {
    if (p != meio) Form1.Image1MouseMove({}, p.x(), p.y());
    const QImage ampliada = Form1.Lupa->Ampliada();
    ASSERT_EQ(ampliada.size(), QSize(TLupa::Lado, TLupa::Lado));
    const QRgb fundo = Form1.Lupa->palette().color(QPalette::Window).rgb();
    for (int j = 0; j < ampliada.height(); ++j)
      for (int i = 0; i < ampliada.width(); ++i) {
        const QPoint na_figura = p + QPoint(i / a - r, j / a - r);
        const QRgb esperada = Form1.Image1->Raster.Retangulo().contains(na_figura)
                                  ? Form1.Image1->Raster.Pixel(na_figura.x(), na_figura.y())
                                  : fundo;
        ASSERT_EQ(ampliada.pixel(i, j), esperada)
            << p.x() << ", " << p.y() << ": " << i << ", " << j;
      }
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(Form1.Image1->Pinturas, pinturas);
  Form1.Lupa1->trigger();
  EXPECT_FALSE(Form1.Lupa1->isChecked());
}
