#include "tests/janela/orientacao/Apoio_orientacao.h"

namespace {

using Captura_pontos = Orientacao_comandos;

const QRgb Azul = qRgb(0, 0, 255);
const QRgb Branco = qRgb(255, 255, 255);

}  // namespace

TEST_F(Captura_pontos, IniciarCaptura) {
  Ler_coordenadas(Quadrado_100m());
  Form1.trabalho.Orientada = true;   // an orientation in force stops until computed again
  ui.Responder(Resposta::Cancelar);  // the answer is not used
  Form1.Coord_de_imagem->trigger();

  EXPECT_FALSE(Form1.trabalho.Orientada);
  EXPECT_EQ(Painel_funcao(), " Função corrente: Digit. coord. imagem p/ Orientação");
  EXPECT_EQ(Form1.Cursor_atual, Cursor_imagem::Cruz);
  EXPECT_EQ(Form1.trabalho.Modo_clique, 1);
  EXPECT_EQ(Ultima_caixa().texto,
            " Digitalizar as coordenadas \n\n de orientação da imagem.\n\n"
            " Respeitar a ordem das coord. de carta digitadas ");
  EXPECT_EQ(Ultima_caixa().titulo, " NULL");
  EXPECT_EQ(Ultima_caixa().botoes, Botoes::OK_Cancelar);
  EXPECT_EQ(Form1.trabalho.Pontos_associados, 0);
}

TEST_F(Captura_pontos, CadaCliqueConfirmadoAssociaOProximoPonto) {
  auto pontos = Quadrado_100m();
  pontos[0].E = 12.5;
  pontos[0].N = 3.25;
  Ler_coordenadas(pontos);
  ui.Responder(Resposta::OK);
  Form1.Coord_de_imagem->trigger();
  const std::size_t caixas_antes = ui.caixas.size();

  Clicar(123, 56, Resposta::Cancelar);
  EXPECT_EQ(ui.caixas.size(), caixas_antes + 1);
  EXPECT_EQ(Ultima_caixa().texto,
            " Ponto a associar   101\n\n"
            " -> E =     12.500  com x =   123\n\n"
            " -> N =       3.250  com y =    56\n");
  EXPECT_EQ(Ultima_caixa().titulo, "Aceitação de ponto digitalizado");
  EXPECT_EQ(Ultima_caixa().botoes, Botoes::OK_Cancelar);
  EXPECT_EQ(Form1.trabalho.Pontos_associados, 0);
  EXPECT_EQ(Form1.trabalho.OLista_coord->Item(0).x, 0.0);
  EXPECT_EQ(Pixel(123, 56), Branco);

  // Refused: the same point is offered again.
  Clicar(130, 60);
  EXPECT_EQ(Ultima_caixa().texto,
            " Ponto a associar   101\n\n"
            " -> E =     12.500  com x =   130\n\n"
            " -> N =       3.250  com y =    60\n");
  EXPECT_EQ(Form1.trabalho.Pontos_associados, 1);
  EXPECT_EQ(Form1.trabalho.OLista_coord->Item(0).x, 130.0);
  EXPECT_EQ(Form1.trabalho.OLista_coord->Item(0).y, 60.0);
  EXPECT_EQ(Pixel(130, 60), Azul);
  EXPECT_EQ(Pixel(130 - 5, 60), qRgb(0, 0, 0));  // the outline
  EXPECT_EQ(Pixel(130 + 6, 60), Branco);

  Clicar(500, 100);
  Clicar(500, 500);
  EXPECT_EQ(Ultima_caixa().texto,
            " Ponto a associar   103\n\n"
            " -> E =    200.000  com x =   500\n\n"
            " -> N =     200.000  com y =   500\n");
  EXPECT_FALSE(Form1.Ajustar->isEnabled());
  EXPECT_FALSE(Form1.Coord_de_imagem->isChecked());
  EXPECT_EQ(Form1.Cursor_atual, Cursor_imagem::Cruz);

  Clicar(100, 500);
  EXPECT_EQ(Form1.trabalho.Pontos_associados, 4);
  EXPECT_EQ(Ultima_caixa().texto, " Ja se pode realizar o ajustamento de orientacao");
  EXPECT_EQ(Ultima_caixa().tipo, Caixa_mostrada::Tipo::Simples);
  const auto textos = ui.Textos();
  EXPECT_EQ(
      std::count(textos.begin(), textos.end(), " Ja se pode realizar o ajustamento de orientacao"),
      1);
  EXPECT_TRUE(Form1.Coord_de_imagem->isChecked());
  EXPECT_TRUE(Form1.Ajustar->isEnabled());
  EXPECT_EQ(Form1.Cursor_atual, Cursor_imagem::Padrao);
  for (int i = 1; i < 4; ++i)
    EXPECT_EQ(Pixel(static_cast<int>(pontos[i].x), static_cast<int>(pontos[i].y)), Azul);

  // Every point has its position: further clicks ask nothing.
  const std::size_t caixas_fim = ui.caixas.size();
  Pressionar(300, 300);
  EXPECT_EQ(ui.caixas.size(), caixas_fim);
}

TEST_F(Captura_pontos, CliqueAntesDasCoordenadasDeCartaNaoFazNada) {
  Pressionar(100, 100);
  EXPECT_TRUE(ui.caixas.empty());
  EXPECT_EQ(Form1.trabalho.Pontos_associados, 0);
  EXPECT_EQ(Pixel(100, 100), Branco);
}

TEST_F(Captura_pontos, EscolherDeNovoContinuaDeOndeParou) {
  Ler_coordenadas(Quadrado_100m());
  ui.Responder(Resposta::OK);
  Form1.Coord_de_imagem->trigger();
  Clicar(100, 100);
  Clicar(500, 100);
  ui.Responder(Resposta::OK);
  Form1.Coord_de_imagem->trigger();
  EXPECT_EQ(Form1.trabalho.Pontos_associados, 2);
  Clicar(500, 500);
  EXPECT_NE(Ultima_caixa().texto.find("Ponto a associar   103"), std::string::npos);
}
