#include <QAction>
#include <QFile>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "janela/comum/Imagem.h"
#include "tests/apoio/Programa_teste.h"

namespace {

constexpr const char* Confirmacao =
    "Abrir nova imagem resultará na DELEÇÃO de TODOS os dados já digitalizados.\n\n\n"
    "      OK            -> para abrir nova imagem\n\n"
    "      Cancelar   -> para não abrir nova imagem.\n\n\n";

// Every size the window is given, as its resize events tell.
class Tamanhos_da_janela : public QObject {
 public:
  std::vector<QSize> tamanhos;
  bool eventFilter(QObject*, QEvent* evento) override {
    if (evento->type() == QEvent::Resize)
      tamanhos.push_back(static_cast<QResizeEvent*>(evento)->size());
    return false;
  }
};

class AbrirImagem : public Programa_teste {
 protected:
  QTemporaryDir pasta;

  std::string Figura(const char* nome, int largura, int altura, Qt::GlobalColor cor) {
    QImage figura(largura, altura, QImage::Format_RGB32);
    figura.fill(cor);
    const QString caminho = pasta.filePath(nome);
    EXPECT_TRUE(figura.save(caminho, "BMP"));
    return caminho.toStdString();
  }

  std::string Arquivo_texto(const char* nome) {
    QFile arquivo(pasta.filePath(nome));
    EXPECT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.write("isto nao e uma figura\n");
    return arquivo.fileName().toStdString();
  }

  void Com_trabalho_feito() {
    Form1.trabalho.Lista_pontos.Acrescentar(Ponto_digitalizado{1, -1, 10, 20, 30, 40, 5});
    Form1.trabalho.OLista_coord->Acrescentar(Ponto_orientacao{101, 1, 2, 3, 4});
    Form1.trabalho.Proximo_ponto = 2;
  }

  void Espera_estado_de_imagem_aberta(const std::string& caminho, QSize tamanho) {
    EXPECT_EQ(Form1.trabalho.Nome_arquivo, caminho);
    EXPECT_TRUE(Form1.Imagem_aberta);
    EXPECT_EQ(Form1.Image1->Raster.Tamanho(), tamanho);
    EXPECT_EQ(Form1.Image1->size(), tamanho);
    EXPECT_FALSE(Form1.Abrirdados1->isEnabled());
    EXPECT_FALSE(Form1.Homogeneizar1->isEnabled());
    EXPECT_TRUE(Form1.Novadigit1->isEnabled());
    EXPECT_TRUE(Form1.Orientacao1->isEnabled());
    EXPECT_TRUE(Form1.Coord_de_carta->isEnabled());
    EXPECT_TRUE(Form1.Abririmagem->isChecked());
    EXPECT_TRUE(Form1.isMaximized());
    EXPECT_EQ(Form1.Painel(6), " Função corrente: Nenhuma ");
  }
};

}  // namespace

TEST_F(AbrirImagem, PrimeiraAberturaNaoPerguntaNada) {
  const std::string caminho = Figura("carta.bmp", 320, 240, Qt::cyan);
  ui.Escolher_arquivo(caminho);
  Form1.Abririmagem->trigger();
  EXPECT_TRUE(ui.caixas.empty());
  ASSERT_EQ(ui.dialogos_arquivo.size(), 1u);
  EXPECT_EQ(ui.dialogos_arquivo[0].tipo, Dialogo_arquivo_mostrado::Tipo::Figura);
  Espera_estado_de_imagem_aberta(caminho, QSize(320, 240));
  EXPECT_EQ(Form1.Image1->Raster.Pixel(10, 10), QColor(Qt::cyan).rgb());
}

TEST_F(AbrirImagem, JanelaTerminaMaximizadaSemPassarDaTelaNoCaminho) {
  // A picture larger than the screen, loaded twice: first into the window as the user
  // left it (restored to its normal size), then into the maximised window scrolled away.
  const QRect tela = Form1.screen()->availableGeometry();
  const QSize grande(tela.width() + 400, tela.height() + 300);
  const std::string caminho = Figura("grande.bmp", grande.width(), grande.height(), Qt::gray);
  Form1.showNormal();
  Form1.resize(600, 400);  // the offscreen screen is smaller than the window's design size
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form1));
  QCoreApplication::processEvents();  // the sizes of the showing itself
  Tamanhos_da_janela vigia;
  Form1.installEventFilter(&vigia);
  for (int vez = 0; vez < 2; ++vez) {
    Form1.trabalho.Nome_arquivo = caminho;
    Form1.Carregar_imagem();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Form1.isMaximized() && Form1.isVisible(); }));
    QScrollBar* horizontal = Form1.ScrollBox1->horizontalScrollBar();
    QScrollBar* vertical = Form1.ScrollBox1->verticalScrollBar();
    QTest::qWait(0);  // the scroll box lays itself out for the picture
    EXPECT_EQ(horizontal->maximum(), grande.width() - Form1.ScrollBox1->viewport()->width());
    EXPECT_EQ(vertical->maximum(), grande.height() - Form1.ScrollBox1->viewport()->height());
    EXPECT_EQ(horizontal->value(), 0);
    EXPECT_EQ(vertical->value(), 0);
    horizontal->setValue(200);
    vertical->setValue(150);
  }
  ASSERT_FALSE(vigia.tamanhos.empty());  // it was maximised on the way
  for (const QSize& tamanho : vigia.tamanhos) {
    EXPECT_LE(tamanho.width(), tela.width());
    EXPECT_LE(tamanho.height(), tela.height());
  }
}

TEST_F(AbrirImagem, SegundaAberturaComOKApagaTudoEAbreANova) {
  ui.Escolher_arquivo(Figura("a.bmp", 100, 80, Qt::red));
  Form1.AbririmagemClick();
  Com_trabalho_feito();
  const std::string segunda = Figura("b.BMP", 60, 50, Qt::blue);
  ui.Responder(Resposta::OK).Escolher_arquivo(segunda);
  Form1.AbririmagemClick();
  ASSERT_EQ(ui.caixas.size(), 1u);
  EXPECT_EQ(ui.caixas[0].texto, Confirmacao);
  EXPECT_EQ(ui.caixas[0].titulo, " ATENÇÃO");
  EXPECT_TRUE(Form1.trabalho.Lista_pontos.Vazia());
  EXPECT_TRUE(Form1.trabalho.OLista_coord->Vazia());
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 1);
  Espera_estado_de_imagem_aberta(segunda, QSize(60, 50));

  ui.Responder(Resposta::OK).Escolher_arquivo(std::nullopt);  // a third opening asks again
  Form1.AbririmagemClick();
  EXPECT_EQ(ui.caixas.size(), 2u);
}

TEST_F(AbrirImagem, SegundaAberturaCanceladaNaoTocaEmNada) {
  const std::string primeira = Figura("a.bmp", 100, 80, Qt::red);
  ui.Escolher_arquivo(primeira);
  Form1.AbririmagemClick();
  Com_trabalho_feito();
  ui.Responder(Resposta::Cancelar);
  Form1.AbririmagemClick();
  EXPECT_EQ(Form1.trabalho.Lista_pontos.Quantidade(), 1);
  EXPECT_EQ(Form1.trabalho.OLista_coord->Quantidade(), 1);
  EXPECT_EQ(Form1.trabalho.Nome_arquivo, primeira);
  EXPECT_EQ(Form1.Image1->Raster.Tamanho(), QSize(100, 80));
  EXPECT_EQ(Form1.Painel(6), " Função corrente: ABRIR IMAGEM ");
}

TEST_F(AbrirImagem, DialogoCanceladoSoEscreveOPainel) {
  ui.Escolher_arquivo(std::nullopt);
  Form1.AbririmagemClick();
  EXPECT_FALSE(Form1.Imagem_aberta);
  EXPECT_TRUE(Form1.trabalho.Nome_arquivo.empty());
  EXPECT_TRUE(Form1.Abrirdados1->isEnabled());
  EXPECT_FALSE(Form1.Orientacao1->isEnabled());
  EXPECT_EQ(Form1.Painel(6), " Função corrente: Nenhuma ");
}

TEST_F(AbrirImagem, ArquivoQueNaoEFiguraParaOComandoComACaixaDeErro) {
  const std::string primeira = Figura("a.bmp", 100, 80, Qt::red);
  ui.Escolher_arquivo(primeira);
  Form1.AbririmagemClick();
  Form1.Marcar_ponto(50, 40, Cor_marca::Azul);

  // After the confirmed reset a damaged file fails: the reset stays, the view stays.
  const std::string falsa = Arquivo_texto("falsa.bmp");
  ui.Responder(Resposta::OK).Escolher_arquivo(falsa);
  Form1.Abririmagem->trigger();
  ASSERT_EQ(ui.Erros().size(), 1u);
  EXPECT_EQ(Form1.trabalho.Nome_arquivo, falsa);
  EXPECT_FALSE(Form1.Imagem_aberta);  // from the reset
  EXPECT_EQ(Form1.Image1->Raster.Tamanho(), QSize(100, 80));
  EXPECT_EQ(Form1.Image1->Raster.Pixel(50, 40) & 0xFFFFFF, 0x0000FFu);  // markers kept
  EXPECT_TRUE(Form1.Abrirdados1->isEnabled());
  EXPECT_FALSE(Form1.Abririmagem->isChecked());
  EXPECT_EQ(Form1.Painel(6), " Função corrente: NENHUMA ");  // written by the reset

  // Without an image open there is no reset: the panel keeps the command's text.
  ui.Escolher_arquivo(Arquivo_texto("notas.txt"));
  Form1.Abririmagem->trigger();
  EXPECT_EQ(ui.Erros().back(), "Unknown picture file extension (.txt)");
  EXPECT_FALSE(Form1.Imagem_aberta);
  EXPECT_FALSE(Form1.Orientacao1->isEnabled());
  EXPECT_EQ(Form1.Painel(6), " Função corrente: ABRIR IMAGEM ");
}

TEST_F(AbrirImagem, NovaDigitalizacaoReiniciaTudoMenosAImagem) {
  ui.Escolher_arquivo(Figura("a.bmp", 100, 80, Qt::white));
  Form1.AbririmagemClick();
  Com_trabalho_feito();
  Form1.Marcar_ponto(30, 40, Cor_marca::Vermelho);
  Form1.trabalho.Orientada = Form1.trabalho.Coord_carta_lidas =
      Form1.trabalho.Digitalizacao_liberada = true;
  Form1.trabalho.Tem_lista_coord = true;
  Form1.trabalho.Pontos_associados = 4;
  Form1.trabalho.Modo_clique = 1;
  Form1.trabalho.Modo_digitalizacao = Modo_valor::Profundidade;
  Form1.trabalho.Coef_orientacao = Coeficientes{1, 2, 3, 4, 5, 6};
  Form1.trabalho.Lista_pconv.Acrescentar({1, 0});
  Form1.trabalho.Regioes[2].Acrescentar({0, 'E'});
  Form1.trabalho.Desc_regiao.Tipo_regiao = 8;
  Form1.trabalho.Desc_regiao.Textos_regiao[0] = "NE";
  Form1.Profundidades1->setChecked(true);
  Form1.Coord_de_carta->setChecked(true);
  Form1.Salvar1->setEnabled(true);
  Form1.Salvar1->setChecked(true);
  Form1.Escrever_painel(4, " Escala aprox.  1 / 944");
  Form1.Escrever_painel(0, " Xt= 7");

  ui.Responder(Resposta::Cancelar);
  Form1.Novadigit1->trigger();
  EXPECT_EQ(Form1.trabalho.Lista_pontos.Quantidade(), 1);
  EXPECT_TRUE(Form1.trabalho.Orientada);

  ui.Responder(Resposta::OK);
  Form1.Novadigit1->trigger();
  EXPECT_EQ(ui.caixas.back().texto, Confirmacao);
  EXPECT_TRUE(Form1.trabalho.Lista_pontos.Vazia() && Form1.trabalho.OLista_coord->Vazia() &&
              Form1.trabalho.Lista_pconv.Vazia() && Form1.trabalho.Regioes[2].Vazia());
  EXPECT_FALSE(Form1.Imagem_aberta || Form1.trabalho.Tem_lista_coord ||
               Form1.trabalho.Coord_carta_lidas || Form1.trabalho.Orientada ||
               Form1.trabalho.Digitalizacao_liberada);
  EXPECT_TRUE(Form1.trabalho.Modo_digitalizacao == Modo_valor::Altitude);
  EXPECT_EQ(Form1.trabalho.Pontos_associados, 0);
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 1);
  EXPECT_EQ(Form1.trabalho.Desc_regiao.Tipo_regiao, 300);
  EXPECT_TRUE(Form1.trabalho.Desc_regiao.Textos_regiao[0].empty());
  EXPECT_EQ(Form1.Cursor_atual, Cursor_imagem::Padrao);
  for (QAction* item :
       {Form1.Abririmagem, Form1.Abrirdados1, Form1.Homogeneizar1, Form1.Novadigit1})
    EXPECT_TRUE(item->isEnabled());
  for (QAction* item :
       {Form1.Salvar1, Form1.Orientacao1, Form1.Coord_de_carta, Form1.Coord_de_imagem,
        Form1.Digitalizar2, Form1.Ajustar, Form1.Operacoes1, Form1.Dados1, Form1.Parardigit1})
    EXPECT_FALSE(item->isEnabled());
  EXPECT_FALSE(Form1.Abririmagem->isChecked() || Form1.Salvar1->isChecked());
  EXPECT_EQ(Form1.Painel(2), " E = ");
  EXPECT_EQ(Form1.Painel(3), " N = ");
  EXPECT_EQ(Form1.Painel(4), " Escala 1 / ");
  EXPECT_EQ(Form1.Painel(6), " Função corrente: NENHUMA ");
  EXPECT_EQ(Form1.Image1->size(), QSize(809, 585));

  // Left as they were.
  EXPECT_EQ(Form1.trabalho.Modo_clique, 1);
  EXPECT_TRUE(Form1.trabalho.Coef_orientacao.has_value());
  EXPECT_FALSE(Form1.trabalho.Nome_arquivo.empty());
  EXPECT_TRUE(Form1.Profundidades1->isChecked() && Form1.Coord_de_carta->isChecked());
  EXPECT_EQ(Form1.Painel(0), " Xt= 7");
  EXPECT_EQ(Form1.Image1->Raster.Pixel(30, 40) & 0xFFFFFF, 0xFF0000u);  // markers stay

  // The next opening asks nothing.
  ui.Escolher_arquivo(std::nullopt);
  Form1.AbririmagemClick();
  EXPECT_EQ(ui.caixas.size(), 2u);
}

TEST_F(AbrirImagem, PararDigitalizacaoSoTiraOModoDeClique) {
  Form1.trabalho.Modo_clique = 1;
  Form1.trabalho.Digitalizacao_liberada = true;
  Form1.trabalho.Modo_digitalizacao = Modo_valor::Altitude;
  Form1.Parardigit1->setEnabled(true);
  Form1.Parardigit1Click();
  EXPECT_EQ(Form1.trabalho.Modo_clique, 0);
  EXPECT_EQ(Form1.Cursor_atual, Cursor_imagem::Seta);
  EXPECT_FALSE(Form1.Parardigit1->isEnabled());
  EXPECT_TRUE(Form1.trabalho.Digitalizacao_liberada &&
              Form1.trabalho.Modo_digitalizacao == Modo_valor::Altitude);
}
