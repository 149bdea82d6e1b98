#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>

#include "janela/comum/Imagem.h"
#include "tests/apoio/Programa_teste.h"

namespace {

class Desenho_pol_convexo : public Programa_teste {
 protected:
  void SetUp() override {
    Form1.Image1->Raster = Raster_em_faixas(200, 200);
    Form1.Image1->Raster.Preencher(qRgb(255, 255, 255));
    branco = Form1.Image1->Raster.Imagem();
  }

  // Vertices clicked at image positions (x, y), in list order.
  void Vertices(const std::vector<QPointF>& posicoes) {
    for (QPointF p : posicoes) {
      const int32_t k = Form1.trabalho.Lista_pontos.Quantidade();
      Form1.trabalho.Lista_pontos.Acrescentar({k + 1, k + 1, 0, 0, p.x(), p.y(), 0});
      Form1.trabalho.Lista_pconv.Acrescentar({k, k});
    }
  }

  std::vector<std::string> Representar() {
    ui.Responder(Resposta::Cancelar).Responder(Resposta::Cancelar);
    Form1.Funcao_corrente("Nenhuma");
    Form1.Executar([this] { Form1.Represpolconv1Click(); });
    EXPECT_EQ(ui.caixas.at(0).titulo, " N ptos ");
    EXPECT_EQ(ui.caixas.at(1).titulo, " N ptos pconv ");
    EXPECT_EQ(Form1.Painel(6), " Função corrente: Nenhuma");  // left alone
    return ui.Textos();
  }

  bool Preto(int x, int y) const { return Form1.Image1->Raster.Pixel(x, y) == qRgb(0, 0, 0); }

  QImage branco;
};

}  // namespace

TEST_F(Desenho_pol_convexo, MenosDeDoisVerticesSoAsCaixas) {
  EXPECT_EQ(Representar(),
            (std::vector<std::string>{" Ind dos pontos PCONVX \n", " N ptos pol convexo = 0  "}));
  ui.caixas.clear();
  Vertices({{50, 50}});
  EXPECT_EQ(Representar(), (std::vector<std::string>{" Ind dos pontos PCONVX \n Pto[1]= 0\n",
                                                     " N ptos pol convexo = 1  "}));
  EXPECT_EQ(Form1.Image1->Raster.Imagem(), branco);
}

TEST_F(Desenho_pol_convexo, OrdemGravadaDesenhaDeOesteANorteALesteASul) {
  // N, W, S, E clicked; rebuilt from a file in the stored order of the marks 3, 1, 4, 2.
  Vertices({{100, 20}, {20, 100}, {100, 180}, {180, 100}});
  Form1.trabalho.Lista_pconv = {};
  for (Vertice_pconv v : {Vertice_pconv{3, 3}, {1, 1}, {4, 2}, {2, 0}})
    Form1.trabalho.Lista_pconv.Acrescentar(v);
  Form1.Ordenar_vertices_lidos();
  EXPECT_EQ(Form1.Painel(6), " Função corrente: Ordenamento de pontos do polígono convexo");
  EXPECT_EQ(Representar(),
            (std::vector<std::string>{
                " Ind dos pontos PCONVX \n Pto[1]= 1\n Pto[2]= 0\n Pto[3]= 3\n Pto[4]= 2\n",
                " N ptos pol convexo = 4  "}));
  // The four edges W-N, N-E, E-S, S-W, and no line across the middle.
  for (QPoint meio : {QPoint(60, 60), QPoint(140, 60), QPoint(140, 140), QPoint(60, 140)})
    EXPECT_TRUE(Preto(meio.x(), meio.y())) << meio.x() << "," << meio.y();
  EXPECT_FALSE(Preto(100, 100));
}

TEST_F(Desenho_pol_convexo, SegmentoEmPosicoesTruncadas) {
  // Two vertices at x = 120.9: the segment, there and back, on column 120 only.
  Vertices({{120.9, 50.2}, {120.9, 150.7}});
  Representar();
  int pretos = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x)
      if (Preto(x, y)) {
        ++pretos;
        EXPECT_TRUE(x == 120 && y >= 50 && y <= 150) << x << "," << y;
      }
  EXPECT_EQ(pretos, 101);
}

TEST_F(Desenho_pol_convexo, VerticeAlemDoFimDaListaNaoDesenhaNada) {
  // After undoing a vertex point the vertex list can name a position that is gone.
  Vertices({{20, 20}, {150, 150}, {20, 150}});
  Form1.trabalho.Lista_pontos.Remover(2);
  Representar();
  EXPECT_EQ(ui.Erros(), (std::vector<std::string>{"List index out of bounds (2)"}));
  EXPECT_EQ(Form1.Image1->Raster.Imagem(), branco);
}
