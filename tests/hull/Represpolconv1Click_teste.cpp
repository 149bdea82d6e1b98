#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>

#include "app/Imagem.h"
#include "tests/apoio/Programa_teste.h"

namespace {

class Desenho_pol_convexo : public Programa_teste {
 protected:
  void SetUp() override {
    Form1.Image1->Raster = QImage(200, 200, QImage::Format_RGB32);
    Form1.Image1->Raster.fill(Qt::white);
    antes = Form1.Image1->Raster.copy();
    Form1.Funcao_corrente("Nenhuma");
  }

  // A point clicked at image position (x, y).
  void Ponto_em(double x, double y) {
    Ponto_digitalizado p;
    p.Numero = Form1.Lista_pontos.Quantidade() + 1;
    p.x = x;
    p.y = y;
    Form1.Lista_pontos.Acrescentar(p);
  }

  void Representar() {
    ui.Responder(Resposta::Cancelar).Responder(Resposta::Cancelar);
    Form1.Executar([this] { Form1.Represpolconv1Click(); });
    ASSERT_GE(ui.caixas.size(), 2u);
    EXPECT_EQ(ui.caixas[0].titulo, " N ptos ");
    EXPECT_EQ(ui.caixas[1].titulo, " N ptos pconv ");
    EXPECT_EQ(ui.caixas[0].botoes, Botoes::OK_Cancelar);
    EXPECT_EQ(ui.caixas[1].botoes, Botoes::OK_Cancelar);
    // The listing and drawing leave the command panel alone.
    EXPECT_EQ(Form1.Painel(6), " Função corrente: Nenhuma");
  }

  bool Preto(int x, int y) const { return Form1.Image1->Raster.pixel(x, y) == qRgb(0, 0, 0); }

  std::vector<QPoint> Pixels_pretos() const {
    std::vector<QPoint> pretos;
    for (int y = 0; y < 200; ++y)
      for (int x = 0; x < 200; ++x)
        if (Preto(x, y)) pretos.emplace_back(x, y);
    return pretos;
  }

  QImage antes;
};

}  // namespace

TEST_F(Desenho_pol_convexo, SemVerticesNadaEDesenhado) {
  Representar();
  EXPECT_EQ(ui.Textos(),
            (std::vector<std::string>{" Ind dos pontos PCONVX \n", " N ptos pol convexo = 0  "}));
  EXPECT_EQ(Form1.Image1->Raster, antes);
}

TEST_F(Desenho_pol_convexo, UmVerticeSoAsCaixas) {
  Ponto_em(50, 50);
  Form1.Lista_pconv.Acrescentar({0, 0});
  Representar();
  EXPECT_EQ(ui.Textos(), (std::vector<std::string>{" Ind dos pontos PCONVX \n Pto[1]= 0\n",
                                                   " N ptos pol convexo = 1  "}));
  EXPECT_EQ(Form1.Image1->Raster, antes);
}

TEST_F(Desenho_pol_convexo, OrdemGravadaDesenhaDeOesteANorteALesteASul) {
  Ponto_em(100, 20);   // N
  Ponto_em(20, 100);   // W
  Ponto_em(100, 180);  // S
  Ponto_em(180, 100);  // E
  // Rebuilt from a file in the stored order of the marks 3, 1, 4, 2.
  for (Vertice_pconv v : {Vertice_pconv{3, 3}, {1, 1}, {4, 2}, {2, 0}}) Form1.Lista_pconv.Acrescentar(v);
  Form1.Ordena_pconv();
  EXPECT_EQ(Form1.Painel(6), " Função corrente: Ordenamento de pontos do polígono convexo");
  Form1.Funcao_corrente("Nenhuma");

  Representar();
  EXPECT_EQ(ui.Textos()[0], " Ind dos pontos PCONVX \n Pto[1]= 1\n Pto[2]= 0\n Pto[3]= 3\n Pto[4]= 2\n");
  EXPECT_EQ(ui.Textos()[1], " N ptos pol convexo = 4  ");
  // The four edges W-N, N-E, E-S, S-W, and no line across the middle.
  for (QPoint meio : {QPoint(60, 60), QPoint(140, 60), QPoint(140, 140), QPoint(60, 140)})
    EXPECT_TRUE(Preto(meio.x(), meio.y())) << meio.x() << "," << meio.y();
  EXPECT_FALSE(Preto(100, 100));
  EXPECT_TRUE(Preto(20, 100));
  EXPECT_TRUE(Preto(100, 180));
}

TEST_F(Desenho_pol_convexo, PosicoesFracionariasSaoTruncadas) {
  // Two vertices: the segment, drawn there and back, on column 120.
  Ponto_em(120.9, 50.2);
  Ponto_em(120.9, 150.7);
  Form1.Lista_pconv.Acrescentar({0, 0});
  Form1.Lista_pconv.Acrescentar({1, 1});
  Representar();
  const auto pretos = Pixels_pretos();
  EXPECT_EQ(pretos.size(), 101u);
  for (QPoint p : pretos) {
    EXPECT_EQ(p.x(), 120);
    EXPECT_GE(p.y(), 50);
    EXPECT_LE(p.y(), 150);
  }
}

TEST_F(Desenho_pol_convexo, VerticeAlemDoFimDaListaNaoDesenhaNada) {
  // After undoing a vertex point the vertex list can name a position that is gone.
  Ponto_em(20, 20);
  Ponto_em(150, 150);
  Form1.Lista_pconv.Acrescentar({0, 0});
  Form1.Lista_pconv.Acrescentar({1, 1});
  Form1.Lista_pconv.Acrescentar({2, 2});
  Representar();
  EXPECT_EQ(ui.Erros(), (std::vector<std::string>{"List index out of bounds (2)"}));
  EXPECT_EQ(Form1.Image1->Raster, antes);
}

TEST_F(Desenho_pol_convexo, ConstruidoEDesenhado) {
  // Points whose chart and image positions agree in direction (y grows southward).
  struct P {
    double E, N;
  };
  for (P p : {P{100, 150}, P{150, 190}, P{190, 160}, P{140, 110}}) {
    Ponto_em(p.E - 90, 200 - p.N);
    Form1.Lista_pontos.Item(Form1.Lista_pontos.Quantidade() - 1).E = p.E;
    Form1.Lista_pontos.Item(Form1.Lista_pontos.Quantidade() - 1).N = p.N;
  }
  for (int i = 0; i < 9; ++i) ui.Responder(Resposta::OK);
  Form1.Polig_convex1Click();
  ui.caixas.clear();
  Form1.Funcao_corrente("Nenhuma");
  Representar();
  EXPECT_EQ(ui.Textos()[0], " Ind dos pontos PCONVX \n Pto[1]= 0\n Pto[2]= 1\n Pto[3]= 2\n Pto[4]= 3\n");
  EXPECT_FALSE(Pixels_pretos().empty());
  EXPECT_TRUE(Preto(10, 50));  // the westmost vertex
}
