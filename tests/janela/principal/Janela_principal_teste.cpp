#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTest>
#include <set>

#include "janela/comum/Imagem.h"
#include "tests/apoio/Programa_teste.h"

namespace {

QStringList Legendas(const QList<QAction*>& acoes) {
  QStringList legendas;
  for (QAction* acao : acoes)
    if (!acao->isSeparator()) legendas << acao->text();
  return legendas;
}

}  // namespace

using JanelaPrincipal = Programa_teste;

TEST_F(JanelaPrincipal, BarraDeMenusComLegendasEOrdemExatas) {
  const QList<QAction*> barra = Form1.menuBar()->actions();
  EXPECT_EQ(Legendas(barra), QStringList({"Arquivo", "Orientação", "Digitalizar", "Operacoes",
                                          "Dados", "Exibir", "Ajuda", "          v.1.45"}));
  EXPECT_EQ(Legendas(barra[0]->menu()->actions()),
            QStringList({"Abrir imagem", "Abrir dados", "Concatenar dados", "Nova digitalização",
                         "Salvar", "Exportar para SIG...", "Sair"}));
  EXPECT_EQ(Legendas(barra[1]->menu()->actions()),
            QStringList({"Ler coord. de  carta", "Digit. coord. imagem", "Calcular orientação"}));
  EXPECT_EQ(Legendas(barra[2]->menu()->actions()),
            QStringList({"Pontos", "Linhas", "Desfazer", "Parar digitalização"}));
  EXPECT_EQ(Legendas(Form1.Pontos1->menu()->actions()),
            QStringList({"Altitudes", "Profundidades"}));
  EXPECT_EQ(Legendas(barra[3]->menu()->actions()),
            QStringList({"Polig. convexo", "Rep. p convexo"}));
  EXPECT_EQ(Legendas(barra[4]->menu()->actions()), QStringList({"Inspecionar"}));
  EXPECT_EQ(Legendas(barra[5]->menu()->actions()), QStringList({"Vista geral", "Lupa"}));

  EXPECT_EQ(Form1.Homogeneizar1->toolTip(), "Concatenar arquivos de uma mesma carta");
  EXPECT_EQ(Form1.Desfazer1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_FALSE(Form1.Linhas1->isVisible());
  EXPECT_EQ(Form1.Ajuda1->menu(), nullptr);  // a command on the bar, not a menu
}

TEST_F(JanelaPrincipal, EstadoInicial) {
  EXPECT_EQ(Form1.windowTitle(), "Mapirel");
  EXPECT_TRUE(Form1.trabalho.Lista_pontos.Vazia());
  EXPECT_TRUE(Form1.trabalho.OLista_coord->Vazia());
  EXPECT_TRUE(Form1.trabalho.Lista_pconv.Vazia());
  for (const auto& regiao : Form1.trabalho.Regioes) EXPECT_TRUE(regiao.Vazia());
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 1);
  EXPECT_EQ(Form1.Raio_marca.x, 5);
  EXPECT_EQ(Form1.Raio_marca.y, 5);
  EXPECT_EQ(Form1.trabalho.Modo_clique, 0);
  EXPECT_FALSE(Form1.trabalho.Orientada || Form1.trabalho.Tem_lista_coord ||
               Form1.trabalho.Digitalizacao_liberada || Form1.trabalho.Coord_carta_lidas ||
               Form1.trabalho.Modo_digitalizacao != Modo_valor::Nenhum || Form1.Imagem_aberta);
  EXPECT_EQ(Form1.trabalho.Pontos_associados, 0);
  EXPECT_FALSE(Form1.trabalho.Coef_orientacao.has_value());
  EXPECT_TRUE(Form1.trabalho.Nome_arquivo.empty());
  EXPECT_EQ(Form1.Origem_arraste.x, 0);
  EXPECT_EQ(Form1.Cursor_atual, Cursor_imagem::Padrao);
  for (const auto& texto : Form1.trabalho.Desc_regiao.Textos_regiao) EXPECT_TRUE(texto.empty());
  EXPECT_EQ(Form1.Tamanho_inicial.Largura_janela, 829);
  EXPECT_EQ(Form1.Tamanho_inicial.Altura_janela, 605);
  EXPECT_EQ(Form1.Tamanho_inicial.Largura_imagem, 809);
  EXPECT_EQ(Form1.Tamanho_inicial.Altura_imagem, 585);
  EXPECT_EQ(Form1.Image1->size(), QSize(809, 585));
  EXPECT_EQ(Form1.ScrollBox1->widget(), Form1.Image1);

  // Only "Abrir imagem", "Abrir dados", "Concatenar dados", "Sair", "Ajuda" and the
  // version label can be used; the disabled menus hide everything under them.
  for (QAction* disponivel : {Form1.Arquivo1, Form1.Abririmagem, Form1.Abrirdados1,
                              Form1.Homogeneizar1, Form1.Sair1, Form1.Ajuda1, Form1.v1})
    EXPECT_TRUE(disponivel->isEnabled()) << disponivel->text().toStdString();
  for (QAction* indisponivel :
       {Form1.Novadigit1, Form1.Salvar1, Form1.Orientacao1, Form1.Coord_de_carta,
        Form1.Coord_de_imagem, Form1.Ajustar, Form1.Digitalizar2, Form1.Parardigit1,
        Form1.Operacoes1, Form1.Dados1})
    EXPECT_FALSE(indisponivel->isEnabled()) << indisponivel->text().toStdString();
  for (QAction* item :
       {Form1.Abririmagem, Form1.Abrirdados1, Form1.Salvar1, Form1.Coord_de_carta,
        Form1.Coord_de_imagem, Form1.Ajustar, Form1.Altitudes1, Form1.Profundidades1})
    EXPECT_FALSE(item->isChecked());
}

TEST_F(JanelaPrincipal, SetePaineisComLargurasETextos) {
  const char* textos[] = {
      " Xt =", " Yt =", " E =", " N =", " Escala 1 / ", "Ptos =", " Função corrente: NENHUMA "};
  const int larguras[] = {70, 70, 110, 112, 140, 80};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(Form1.Painel(i), textos[i]) << i;
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Form1.Paineis[i]->width(), larguras[i]) << i;
  // The last panel stretches to the end of the bar.
  Form1.resize(1000, 700);
  Form1.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Form1.Paineis[6]->width() > 200; }));
  EXPECT_GT(Form1.Paineis[6]->width(), 1000 - 70 - 70 - 110 - 112 - 140 - 80 - 100);
  // A text longer than its panel widens it instead of being cut.
  Form1.Escrever_painel(4, " Escala aprox.  1 / 123456789");
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return Form1.Paineis[4]->width() >= Form1.Paineis[4]->sizeHint().width(); }));
  EXPECT_GT(Form1.Paineis[4]->width(), 140);
}

TEST_F(JanelaPrincipal, SairComCancelarNaoMudaNada) {
  Form1.trabalho.Lista_pontos.Acrescentar(Ponto_digitalizado{});
  ui.Responder(Resposta::Cancelar);
  Form1.Sair1->trigger();
  ASSERT_EQ(ui.caixas.size(), 1u);
  EXPECT_EQ(ui.caixas[0].texto, " Terminar programa ? ");
  EXPECT_EQ(ui.caixas[0].titulo, "Terminar programa ");
  EXPECT_EQ(ui.caixas[0].botoes, Botoes::OK_Cancelar);
  EXPECT_EQ(Form1.trabalho.Lista_pontos.Quantidade(), 1);
}

TEST(SairDoPrograma, ComOKTerminaNaHoraComStatusZero) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        Interacao_roteirizada ui;
        Programa programa(ui);
        programa.Form1.trabalho.Lista_pontos.Acrescentar(
            Ponto_digitalizado{});  // unsaved: no question
        ui.Responder(Resposta::OK);
        programa.Form1.Sair1Click();
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(JanelaPrincipal, AjudaMostraMensagemEDeixaOPainel) {
  Form1.Funcao_corrente("qualquer coisa");
  ui.Responder(Resposta::OK);
  Form1.Ajuda1->trigger();
  ASSERT_EQ(ui.caixas.size(), 1u);
  EXPECT_EQ(ui.caixas[0].texto, " Ainda não posso ajudar !! Não estou pronto.\n UHH UUUUuuuuuuu");
  EXPECT_EQ(ui.caixas[0].titulo, " Help ");
  EXPECT_EQ(Form1.Painel(6), " Função corrente: qualquer coisa");
}

TEST_F(JanelaPrincipal, RotuloDeVersaoNaoFazNada) {
  Form1.v1->trigger();
  EXPECT_TRUE(ui.caixas.empty());
  EXPECT_EQ(Form1.Painel(6), " Função corrente: NENHUMA ");
}

TEST_F(JanelaPrincipal, ItemDeMenuIndisponivelNaoExecuta) {
  // "Nova digitalização" is disabled at start: triggering it (as a shortcut would) asks nothing.
  Form1.Novadigit1->trigger();
  // "Desfazer" is enabled but its menu "Digitalizar" is not: Ctrl+Z must not reach it.
  Form1.Desfazer1->trigger();
  Form1.show();
  QTest::keyClick(&Form1, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(ui.caixas.empty());
  EXPECT_EQ(Form1.Painel(6), " Função corrente: NENHUMA ");
}

TEST_F(JanelaPrincipal, CtrlZDesfazQuandoOMenuDigitalizarEstaDisponivel) {
  Form1.trabalho.Lista_pontos.Acrescentar(Ponto_digitalizado{1, -1, 10, 20, 30, 40, 5});
  Form1.trabalho.Proximo_ponto = 2;
  Form1.Digitalizar2->setEnabled(true);
  Form1.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Form1));
  ui.No_modal([](QDialog& dialogo) { dialogo.reject(); });
  QTest::keyClick(&Form1, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(ui.modais, 1);
  EXPECT_EQ(Form1.Painel(6), " Função corrente: Nenhuma");

  Form1.Desfazer1->setEnabled(false);
  QTest::keyClick(&Form1, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(ui.modais, 1);
  EXPECT_EQ(Form1.trabalho.Lista_pontos.Quantidade(), 1);
}

TEST_F(JanelaPrincipal, MarcaDeVerificacaoPertenceAoComando) {
  // A click does not toggle the check mark by itself: the commands set it.
  Form1.Abrirdados1->setChecked(true);
  Form1.Abririmagem->setEnabled(false);
  Form1.Abririmagem->trigger();
  EXPECT_FALSE(Form1.Abririmagem->isChecked());
  EXPECT_TRUE(Form1.Abrirdados1->isChecked());
}

TEST_F(JanelaPrincipal, SoItensQueOsComandosMarcamTemLugarDeMarca) {
  // The style draws an empty check box before every checkable item, "Sair" included.
  const std::set<QAction*> marcaveis{Form1.Abririmagem,     Form1.Abrirdados1, Form1.Coord_de_carta,
                                     Form1.Coord_de_imagem, Form1.Ajustar,     Form1.Altitudes1,
                                     Form1.Profundidades1,  Form1.Vista_geral1, Form1.Lupa1};
  QList<QAction*> itens = Form1.menuBar()->actions();
  for (qsizetype i = 0; i < itens.size(); ++i) {  // the menus' items join the walk
    EXPECT_EQ(itens[i]->isCheckable(), marcaveis.count(itens[i]) == 1)
        << itens[i]->text().toStdString();
    if (itens[i]->menu())
      for (QAction* item : itens[i]->menu()->actions()) itens.push_back(item);
  }
  // Triggering an item without a mark's place leaves it without a mark.
  ui.Responder(Resposta::Cancelar);
  Form1.Sair1->trigger();
  EXPECT_FALSE(Form1.Sair1->isChecked());
}

TEST_F(JanelaPrincipal, ErroNumComandoVaiParaCaixaDeErroEOProgramaContinua) {
  bool depois = false;
  Form1.Executar([] { throw Erro::Indice_lista(-1); });
  Form1.Executar([&] { depois = true; });
  ASSERT_EQ(ui.Erros(), std::vector<std::string>({"List index out of bounds (-1)"}));
  EXPECT_TRUE(depois);
}
