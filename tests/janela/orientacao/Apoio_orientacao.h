#pragma once
// Fixture of the orientation command tests: a whole program on the scripted seam with a
// white picture loaded, and the steps of the road to an orientation.

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <vector>

#include "janela/comum/Imagem.h"
#include "janela/orientacao/DlgOrientacao.h"
#include "tests/apoio/Programa_teste.h"
#include "tests/nucleo/orientacao/Exemplos_orientacao.h"

class Orientacao_comandos : public Programa_teste {
 protected:
  QTemporaryDir pasta;
  TOKBottomDlg& dlg = programa.OKBottomDlg;

  void SetUp() override {
    QImage branca(640, 640, QImage::Format_RGB32);
    branca.fill(Qt::white);
    const QString caminho = pasta.filePath("carta.bmp");
    ASSERT_TRUE(branca.save(caminho, "BMP"));
    Form1.trabalho.Nome_arquivo = caminho.toStdString();
    Form1.Carregar_imagem();
  }

  static TOKBottomDlg& Dialogo(QDialog& janela) { return static_cast<TOKBottomDlg&>(janela); }

  static void Digitar(TOKBottomDlg& d, const std::vector<Ponto_orientacao>& pontos) {
    for (const auto& p : pontos) {
      d.Edit1->setText(QString::number(p.E, 'g', 17));
      d.Edit2->setText(QString::number(p.N, 'g', 17));
      d.Button1->click();
    }
  }

  // "Ler coord. de  carta": the points are typed and the dialog accepted.
  void Ler_coordenadas(const std::vector<Ponto_orientacao>& pontos) {
    ui.No_modal([pontos](QDialog& janela) {
      Digitar(Dialogo(janela), pontos);
      Dialogo(janela).OKBtn->click();
    });
    Form1.Coord_de_carta->trigger();
  }

  // A left button press on the image.
  void Pressionar(int X, int Y) {
    QTest::mousePress(Form1.Image1, Qt::LeftButton, {}, QPoint(X, Y));
  }

  // A left button press whose confirmation is answered.
  void Clicar(int X, int Y, Resposta resposta = Resposta::OK) {
    ui.Responder(resposta);
    Pressionar(X, Y);
  }

  // "Digit. coord. imagem" and one confirmed click per point, at its image position.
  void Associar(const std::vector<Ponto_orientacao>& pontos) {
    ui.Responder(Resposta::OK);
    Form1.Coord_de_imagem->trigger();
    for (const auto& p : pontos) Clicar(static_cast<int>(p.x), static_cast<int>(p.y));
  }

  void Orientar(const std::vector<Ponto_orientacao>& pontos, Resposta resposta) {
    Ler_coordenadas(pontos);
    Associar(pontos);
    ui.Responder(resposta);
    Form1.Ajustar->trigger();
  }

  QRgb Pixel(int x, int y) const { return Form1.Image1->Raster.Pixel(x, y); }
  const Caixa_mostrada& Ultima_caixa() const { return ui.caixas.back(); }
  std::string Painel_funcao() const { return Form1.Painel(6); }
};
