#include "tests/janela/orientacao/Apoio_orientacao.h"

namespace {

using Ajustar = Orientacao_comandos;

const QRgb Azul = qRgb(0, 0, 255);
const QRgb Branco = qRgb(255, 255, 255);

const char* const Texto_orientada =
    " A imagem está orientada !!!! \n\n Para digitalizar pontos selecionar \n\n"
    " -> Digitalizar - Pontos - ALTITUDES ou PROFUNDIDADES.\n\n\n";
const char* const Texto_refazer =
    " ATENÇÃO: \n\n    Realizar novamente a leitura das coordenadas\n\n de tela para a orientação.";

}  // namespace

TEST_F(Ajustar, AceitarOQuadradoDoExemplo) {
  Orientar(Quadrado_100m(), Resposta::OK);

  ASSERT_GE(ui.caixas.size(), 2u);
  const Caixa_mostrada& relatorio = ui.caixas[ui.caixas.size() - 2];
  EXPECT_EQ(relatorio.titulo, " Estatistica da orientação");
  EXPECT_EQ(relatorio.botoes, Botoes::OK_Cancelar);
  EXPECT_EQ(relatorio.texto, Relatorio_quadrado);
  EXPECT_EQ(ui.bips, 1);

  EXPECT_EQ(Ultima_caixa().texto, Texto_orientada);
  EXPECT_EQ(Ultima_caixa().tipo, Caixa_mostrada::Tipo::Simples);
  ASSERT_TRUE(Form1.trabalho.Coef_orientacao.has_value());
  EXPECT_NEAR(Form1.trabalho.Coef_orientacao->a, 0.25, 1e-12);
  EXPECT_NEAR(Form1.trabalho.Coef_orientacao->b, 0.0, 1e-12);
  EXPECT_NEAR(Form1.trabalho.Coef_orientacao->c, 75.0, 1e-9);
  EXPECT_NEAR(Form1.trabalho.Coef_orientacao->d, 0.0, 1e-12);
  EXPECT_NEAR(Form1.trabalho.Coef_orientacao->e, -0.25, 1e-12);
  EXPECT_NEAR(Form1.trabalho.Coef_orientacao->f, 325.0, 1e-9);
  EXPECT_TRUE(Form1.trabalho.Orientada);
  EXPECT_EQ(Form1.trabalho.Modo_clique, 0);
  EXPECT_TRUE(Form1.trabalho.Digitalizacao_liberada);
  EXPECT_TRUE(Form1.Salvar1->isEnabled());
  EXPECT_TRUE(Form1.Digitalizar2->isEnabled());
  EXPECT_TRUE(Form1.Novadigit1->isEnabled());
  EXPECT_TRUE(Form1.Ajustar->isChecked());
  EXPECT_TRUE(Form1.Ajustar->isEnabled());
  EXPECT_EQ(Painel_funcao(), " Função corrente: nenhuma ");
  EXPECT_EQ(Form1.Painel(4), " Escala aprox.  1 / 944");
  EXPECT_EQ(Pixel(100, 100), Azul);  // the markers stay
}

TEST_F(Ajustar, RejeitarOQuadradoPerturbadoEDepoisAceitar) {
  const auto pontos = Quadrado_100m_perturbado();
  Orientar(pontos, Resposta::Cancelar);

  ASSERT_GE(ui.caixas.size(), 2u);
  EXPECT_EQ(ui.caixas[ui.caixas.size() - 2].texto, Relatorio_perturbado);
  EXPECT_EQ(Ultima_caixa().texto, Texto_refazer);
  EXPECT_EQ(Ultima_caixa().titulo, "ATENÇÃO");
  EXPECT_EQ(Ultima_caixa().botoes, Botoes::OK);
  EXPECT_FALSE(Form1.trabalho.Coef_orientacao.has_value());
  EXPECT_EQ(Form1.trabalho.Pontos_associados, 0);
  EXPECT_FALSE(Form1.trabalho.Orientada);
  EXPECT_FALSE(Form1.trabalho.Digitalizacao_liberada);
  EXPECT_FALSE(Form1.Ajustar->isEnabled());
  EXPECT_FALSE(Form1.Salvar1->isEnabled());
  EXPECT_FALSE(Form1.Digitalizar2->isEnabled());
  EXPECT_FALSE(Form1.Coord_de_imagem->isChecked());
  EXPECT_TRUE(Form1.trabalho.Coord_carta_lidas);
  EXPECT_EQ(Form1.trabalho.Modo_clique, 1);
  EXPECT_EQ(Painel_funcao(), " Função corrente: AJUSTAMENTO DA ORIENTAÇÃO ");
  EXPECT_EQ(Form1.Painel(4), " Escala 1 / ");
  for (const auto& p : pontos)
    EXPECT_EQ(Pixel(static_cast<int>(p.x), static_cast<int>(p.y)), Branco);
  EXPECT_TRUE(Form1.isMaximized());

  // The clicking starts again from the first point; the second computation is accepted.
  for (const auto& p : Quadrado_100m()) Clicar(static_cast<int>(p.x), static_cast<int>(p.y));
  EXPECT_EQ(Form1.trabalho.Pontos_associados, 4);
  EXPECT_EQ(Form1.trabalho.OLista_coord->Item(1).x, 500.0);
  ui.Responder(Resposta::OK);
  Form1.Ajustar->trigger();
  EXPECT_EQ(Ultima_caixa().texto, Texto_orientada);
  EXPECT_TRUE(Form1.trabalho.Orientada);
  EXPECT_TRUE(Form1.trabalho.Digitalizacao_liberada);
  EXPECT_TRUE(Form1.Salvar1->isEnabled());
  EXPECT_TRUE(Form1.Ajustar->isChecked());
  EXPECT_EQ(Form1.Painel(4), " Escala aprox.  1 / 944");
  EXPECT_EQ(ui.bips, 2);
}

TEST_F(Ajustar, CartaGiradaUmQuartoDeVoltaSeOrienta) {
  auto pontos = Quadrado_100m();
  for (auto& p : pontos) p.x = 4 * p.N - 700, p.y = 4 * p.E - 300;
  Orientar(pontos, Resposta::OK);
  const std::string relatorio = ui.caixas[ui.caixas.size() - 2].texto;
  EXPECT_NE(relatorio.find("   4       0.000m      0.000m    0.000m\n"), std::string::npos)
      << relatorio;
  ASSERT_TRUE(Form1.trabalho.Coef_orientacao.has_value());
  EXPECT_NEAR(Form1.trabalho.Coef_orientacao->b, 0.25, 1e-12);
  EXPECT_NEAR(Form1.trabalho.Coef_orientacao->d, 0.25, 1e-12);
  EXPECT_TRUE(Form1.trabalho.Orientada);
}

TEST_F(Ajustar, ComMenosDeQuatroPontosRecusa) {
  Orientar(Quadrado_100m(), Resposta::OK);
  const auto coeficientes = *Form1.trabalho.Coef_orientacao;
  // The list emptied in the dialog while "Calcular orientação" stays enabled.
  ui.No_modal([](QDialog& janela) {
    Dialogo(janela).LimparTodos->click();
    Dialogo(janela).CancelBtn->click();
  });
  ui.Responder(Resposta::OK);
  ui.Responder(Resposta::OK);
  Form1.Coord_de_carta->trigger();
  ASSERT_TRUE(Form1.trabalho.OLista_coord->Vazia());

  Form1.Ajustar->trigger();
  EXPECT_EQ(Ultima_caixa().texto,
            " Não há pontos suficientes para calcular a orientação.\n\n"
            " São necessários no mínimo 4 pontos de orientação.");
  EXPECT_EQ(Ultima_caixa().titulo, "ATENÇÃO");
  EXPECT_EQ(Ultima_caixa().botoes, Botoes::OK);
  EXPECT_EQ(ui.bips, 1);
  EXPECT_EQ(Painel_funcao(), " Função corrente: AJUSTAMENTO DA ORIENTAÇÃO ");
  EXPECT_TRUE(Form1.trabalho.Orientada);
  EXPECT_EQ(Form1.trabalho.Coef_orientacao->c, coeficientes.c);
}

TEST_F(Ajustar, PontosAlinhadosNaCartaSaoRecusados) {
  auto pontos = Quadrado_100m();
  for (int i = 0; i < 4; ++i) pontos[i].E = 100 + 10 * i, pontos[i].N = 300 - 20 * i;
  Ler_coordenadas(pontos);
  Associar(pontos);
  Form1.Ajustar->trigger();
  EXPECT_EQ(Ultima_caixa().texto,
            " Não é possível calcular a orientação:\n\n"
            " os pontos de orientação estão repetidos ou alinhados\n nas coordenadas de carta.");
  EXPECT_EQ(Ultima_caixa().titulo, "ATENÇÃO");
  EXPECT_EQ(Ultima_caixa().botoes, Botoes::OK);
  EXPECT_TRUE(ui.Erros().empty());
  EXPECT_EQ(ui.bips, 0);
  EXPECT_FALSE(Form1.trabalho.Coef_orientacao.has_value());
  EXPECT_EQ(Painel_funcao(), " Função corrente: AJUSTAMENTO DA ORIENTAÇÃO ");
  EXPECT_EQ(Form1.trabalho.Pontos_associados, 4);
  EXPECT_TRUE(Form1.Ajustar->isEnabled());
}

// A chart squeezed onto a strip (20 m by 2 mm) clicked as a square: the points can be
// fitted, but only by a pixel thousands of times longer one way. The chart is at fault,
// so the clicks stay.
TEST_F(Ajustar, PixelAlongadoERecusadoSemRecomecarACaptura) {
  auto pontos = Quadrado_100m();
  for (auto& p : pontos)
    p.E = 300000 + (p.x > 200 ? 20 : 0), p.N = 7000000 + (p.y > 200 ? 0.002 : 0);
  Ler_coordenadas(pontos);
  Associar(pontos);
  Form1.Ajustar->trigger();
  EXPECT_EQ(Ultima_caixa().texto,
            " Não é possível calcular a orientação:\n\n"
            " o pixel ajustado seria mais de 10 vezes mais longo\n numa direção que na outra.\n\n"
            " Confira as coordenadas de carta e a ordem dos cliques\n na imagem.");
  EXPECT_EQ(Ultima_caixa().titulo, "ATENÇÃO");
  EXPECT_EQ(ui.bips, 0);
  EXPECT_FALSE(Form1.trabalho.Coef_orientacao.has_value());
  EXPECT_EQ(Form1.trabalho.Pontos_associados, 4);
  EXPECT_TRUE(Form1.Ajustar->isEnabled());
}

TEST_F(Ajustar, PontosDegeneradosNaImagemRecomecamACaptura) {
  // Clicked twice at two places; or two points typed again in the dialog after an
  // accepted orientation, which puts their image positions back at (0, 0), on the line
  // through the other two.
  auto repetidos = Quadrado_100m();
  repetidos[2].x = repetidos[1].x, repetidos[2].y = repetidos[1].y;
  repetidos[3].x = repetidos[0].x, repetidos[3].y = repetidos[0].y;
  Ler_coordenadas(repetidos);
  Associar(repetidos);
  for (const bool aceita_antes : {false, true}) {
    SCOPED_TRACE(aceita_antes ? "after an accepted orientation" : "at the first computation");
    if (aceita_antes)
      for (int i : {1, 3})
        Form1.trabalho.OLista_coord->Item(i).x = 0, Form1.trabalho.OLista_coord->Item(i).y = 0;
    ASSERT_EQ(Pixel(100, 100), Azul);
    Form1.Ajustar->trigger();
    EXPECT_EQ(Ultima_caixa().texto,
              " Não é possível calcular a orientação:\n\n"
              " os pontos de orientação estão repetidos ou alinhados\n nas coordenadas de tela.\n\n"
              " Clique novamente os pontos de orientação na imagem.");
    EXPECT_EQ(Ultima_caixa().titulo, "ATENÇÃO");
    EXPECT_EQ(Painel_funcao(), " Função corrente: AJUSTAMENTO DA ORIENTAÇÃO ");
    // Everything as after a rejected orientation.
    EXPECT_FALSE(Form1.trabalho.Coef_orientacao.has_value());
    EXPECT_FALSE(Form1.trabalho.Orientada);
    EXPECT_FALSE(Form1.trabalho.Digitalizacao_liberada);
    EXPECT_FALSE(Form1.Salvar1->isEnabled());
    EXPECT_FALSE(Form1.Digitalizar2->isEnabled());
    EXPECT_FALSE(Form1.Ajustar->isEnabled());
    EXPECT_FALSE(Form1.Coord_de_imagem->isChecked());
    EXPECT_EQ(Form1.trabalho.Pontos_associados, 0);
    EXPECT_EQ(Pixel(100, 100), Branco);

    // The next click offers the first point; clicked right, the points orient.
    Clicar(100, 100);
    EXPECT_NE(ui.caixas.back().texto.find("Ponto a associar   101"), std::string::npos);
    for (const auto& p : Quadrado_100m())
      if (p.Numero != 101) Clicar(static_cast<int>(p.x), static_cast<int>(p.y));
    ui.Responder(Resposta::OK);
    Form1.Ajustar->trigger();
    ASSERT_TRUE(Form1.trabalho.Coef_orientacao.has_value());
    EXPECT_NEAR(Form1.trabalho.Coef_orientacao->a, 0.25, 1e-12);
    EXPECT_TRUE(Form1.trabalho.Orientada);
  }
}

TEST_F(Ajustar, EscalaAproximada) {
  Ler_coordenadas(Quadrado_100m_perturbado());
  Associar(Quadrado_100m_perturbado());
  const Escala_aprox escala =
      Calcular_escala(Pontos_controle(Form1.trabalho, 4), Form1.logicalDpiX());
  EXPECT_DOUBLE_EQ(escala.perimetro_carta, 400.0);
  EXPECT_DOUBLE_EQ(escala.perimetro_imagem, 401 + 2 * std::hypot(400.0, 1.0) + 399);
  EXPECT_EQ(escala.escala, 944.0);
  // The first n points only: a triangle of two sides and its closing side.
  const Escala_aprox tres =
      Calcular_escala(Pontos_controle(Form1.trabalho, 3), Form1.logicalDpiX());
  EXPECT_DOUBLE_EQ(tres.perimetro_carta, 200 + 100 * std::sqrt(2.0));
}

TEST_F(Ajustar, RejeitarSemConseguirRecarregarAFiguraNaoDeixaAJanelaOrientada) {
  Orientar(Quadrado_100m(), Resposta::OK);
  Form1.trabalho.Nome_arquivo = pasta.filePath("carta.xyz").toStdString();
  ui.Responder(Resposta::Cancelar);
  Form1.Ajustar->trigger();
  EXPECT_EQ(ui.Erros(), (std::vector<std::string>{"Unknown picture file extension (.xyz)"}));
  EXPECT_FALSE(Form1.trabalho.Coef_orientacao.has_value());
  EXPECT_FALSE(Form1.trabalho.Orientada);
  EXPECT_FALSE(Form1.trabalho.Digitalizacao_liberada);
  EXPECT_EQ(Form1.trabalho.Pontos_associados, 0);
  EXPECT_FALSE(Form1.Salvar1->isEnabled());
  EXPECT_FALSE(Form1.Digitalizar2->isEnabled());
}
