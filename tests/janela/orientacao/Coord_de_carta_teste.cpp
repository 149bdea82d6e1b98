#include "tests/janela/orientacao/Apoio_orientacao.h"

namespace {

using Coord_de_carta = Orientacao_comandos;

std::vector<std::string> Linhas(const TOKBottomDlg& d) {
  std::vector<std::string> linhas;
  for (int i = 0; i < d.ListBox1->count(); ++i)
    linhas.push_back(d.ListBox1->item(i)->text().toStdString());
  return linhas;
}

const char* const Texto_poucos_pontos =
    " Não há pontos suficientes para realizar a orientação\n\n"
    "   Adicionar mais pontos para orientação\n\n   Operaçao->Coord. de carta ";

}  // namespace

TEST_F(Coord_de_carta, AceitarAdotaAListaDoDialogo) {
  std::string painel_aberto;
  ui.No_modal([&](QDialog& janela) {
    painel_aberto = Painel_funcao();
    Digitar(Dialogo(janela), Quadrado_100m());
    Dialogo(janela).OKBtn->click();
  });
  Form1.Coord_de_carta->trigger();

  EXPECT_EQ(painel_aberto, " Função corrente: DIG. COORD. DE CARTA P/ ORIENTAÇÃO");
  EXPECT_EQ(
      ui.Textos(),
      (std::vector<std::string>{" Devera sollicitar a visita e o click nos pontos de orientacao"}));
  EXPECT_EQ(Form1.trabalho.OLista_coord.get(), dlg.OLista_coord.get());
  EXPECT_EQ(Form1.trabalho.OLista_coord->Quantidade(), 4);
  EXPECT_TRUE(Form1.trabalho.Tem_lista_coord);
  EXPECT_TRUE(Form1.trabalho.Coord_carta_lidas);
  EXPECT_TRUE(Form1.Coord_de_imagem->isEnabled());
  EXPECT_TRUE(Form1.Coord_de_carta->isChecked());
  EXPECT_EQ(Painel_funcao(), " Função corrente: NENHUMA ");
  EXPECT_EQ(dlg.ListBox1->count(), 0);
  EXPECT_EQ(Form1.trabalho.Pontos_associados, 0);
  EXPECT_FALSE(Form1.trabalho.Orientada);

  // One list: a point added in the dialog later is a control point of the window.
  ui.No_modal([](QDialog& janela) {
    Digitar(Dialogo(janela), {{0, 150, 250, 0, 0}});
    Dialogo(janela).OKBtn->click();
  });
  Form1.Coord_de_carta->trigger();
  ASSERT_EQ(Form1.trabalho.OLista_coord->Quantidade(), 5);
  EXPECT_EQ(Form1.trabalho.OLista_coord->Item(4).Numero, 105);
}

TEST_F(Coord_de_carta, CancelarNaoMudaNada) {
  const auto lista_da_janela = Form1.trabalho.OLista_coord;
  ui.No_modal([](QDialog& janela) {
    Digitar(Dialogo(janela), Quadrado_100m());
    Dialogo(janela).CancelBtn->click();
  });
  ui.Responder(Resposta::OK);
  Form1.Coord_de_carta->trigger();

  ASSERT_EQ(ui.caixas.size(), 1u);
  EXPECT_EQ(ui.caixas[0].texto, " Cancelou leitura de pontos ");
  EXPECT_EQ(ui.caixas[0].titulo, "Cancela leitura de pontos");
  EXPECT_EQ(ui.caixas[0].botoes, Botoes::OK_Cancelar);
  EXPECT_EQ(Form1.trabalho.OLista_coord.get(), lista_da_janela.get());
  EXPECT_FALSE(Form1.trabalho.Tem_lista_coord);
  EXPECT_FALSE(Form1.trabalho.Coord_carta_lidas);
  EXPECT_FALSE(Form1.Coord_de_imagem->isEnabled());
  EXPECT_FALSE(Form1.Coord_de_carta->isChecked());
  EXPECT_EQ(Painel_funcao(), " Função corrente: DIG. COORD. DE CARTA P/ ORIENTAÇÃO");
  EXPECT_EQ(dlg.ListBox1->count(), 0);
  // The dialog keeps what was typed, and shows it when opened again.
  EXPECT_EQ(dlg.OLista_coord->Quantidade(), 4);
  EXPECT_EQ(dlg.Proximo_numero, 105);
  std::vector<std::string> linhas_na_reabertura;
  ui.No_modal([&](QDialog& janela) {
    linhas_na_reabertura = Linhas(Dialogo(janela));
    Dialogo(janela).OKBtn->click();
  });
  Form1.Coord_de_carta->trigger();
  EXPECT_EQ(
      linhas_na_reabertura,
      (std::vector<std::string>{
          " 101           100.000          300.000", " 102           200.000          300.000",
          " 103           200.000          200.000", " 104           100.000          200.000"}));
  EXPECT_EQ(Form1.trabalho.OLista_coord.get(), dlg.OLista_coord.get());
}

TEST_F(Coord_de_carta, ComMenosDeQuatroPontosRecusa) {
  // "Limpar todos" leaves OK enabled, so an empty list can be confirmed.
  ui.No_modal([](QDialog& janela) {
    auto& d = Dialogo(janela);
    Digitar(d, Quadrado_100m());
    d.LimparTodos->click();
    d.OKBtn->click();
  });
  ui.Responder(Resposta::OK);        // "Limpar todos"
  ui.Responder(Resposta::Cancelar);  // the answer to the refusal is not used
  Form1.Coord_de_carta->trigger();

  EXPECT_EQ(Ultima_caixa().texto, Texto_poucos_pontos);
  EXPECT_EQ(Ultima_caixa().titulo, "ATENÇÃO !!!!");
  EXPECT_EQ(Ultima_caixa().botoes, Botoes::OK_Cancelar);
  EXPECT_FALSE(Form1.trabalho.Tem_lista_coord);
  EXPECT_FALSE(Form1.trabalho.Coord_carta_lidas);
  EXPECT_FALSE(Form1.Coord_de_imagem->isEnabled());
  EXPECT_NE(Form1.trabalho.OLista_coord.get(), dlg.OLista_coord.get());
  EXPECT_EQ(Painel_funcao(), " Função corrente: DIG. COORD. DE CARTA P/ ORIENTAÇÃO");
}

TEST_F(Coord_de_carta, TresPontosRecusadosQuatroAceitos) {
  Ler_coordenadas(Quadrado_100m());
  // A reset empties the shared list but the numbering carries on: OK stays enabled.
  Form1.Reiniciar();
  Form1.Carregar_imagem();
  ui.No_modal([](QDialog& janela) {
    Digitar(Dialogo(janela), {{0, 1, 2, 0, 0}, {0, 3, 4, 0, 0}, {0, 5, 6, 0, 0}});
    Dialogo(janela).OKBtn->click();
  });
  ui.Responder(Resposta::OK);
  Form1.Coord_de_carta->trigger();
  EXPECT_EQ(Ultima_caixa().texto, Texto_poucos_pontos);
  EXPECT_FALSE(Form1.trabalho.Tem_lista_coord);
  EXPECT_FALSE(Form1.trabalho.Coord_carta_lidas);
  EXPECT_EQ(dlg.OLista_coord->Item(0).Numero, 105);
  EXPECT_EQ(dlg.OLista_coord->Quantidade(), 3);
  EXPECT_EQ(dlg.ListBox1->count(), 3);  // kept for the next opening

  ui.No_modal([](QDialog& janela) {
    Digitar(Dialogo(janela), {{0, 7, 9, 0, 0}});
    Dialogo(janela).OKBtn->click();
  });
  Form1.Coord_de_carta->trigger();
  EXPECT_EQ(Form1.trabalho.OLista_coord.get(), dlg.OLista_coord.get());
  EXPECT_EQ(Form1.trabalho.OLista_coord->Quantidade(), 4);
  EXPECT_TRUE(Form1.trabalho.Coord_carta_lidas);
  EXPECT_TRUE(Form1.trabalho.Tem_lista_coord);
}

TEST_F(Coord_de_carta, ReaberturaNaoMostraLinhasDePontosQueJaNaoExistem) {
  Ler_coordenadas(Quadrado_100m());
  Form1.Reiniciar();
  Form1.Carregar_imagem();
  // Three points refused: their lines stay in the list box while the dialog is closed.
  ui.No_modal([](QDialog& janela) {
    Digitar(Dialogo(janela), {{0, 1, 2, 0, 0}, {0, 3, 4, 0, 0}, {0, 5, 6, 0, 0}});
    Dialogo(janela).OKBtn->click();
  });
  ui.Responder(Resposta::OK);
  Form1.Coord_de_carta->trigger();
  // Another reset empties the list those lines stood for.
  Form1.Reiniciar();
  Form1.Carregar_imagem();
  std::vector<std::string> linhas{"not read"};
  ui.No_modal([&](QDialog& janela) { linhas = Linhas(Dialogo(janela)); });
  ui.Responder(Resposta::OK);
  Form1.Coord_de_carta->trigger();
  EXPECT_TRUE(linhas.empty());
  EXPECT_TRUE(dlg.OLista_coord->Vazia());
}

TEST_F(Coord_de_carta, ReabrirECancelarMantemOsPontos) {
  Ler_coordenadas(Quadrado_100m());
  std::vector<std::string> linhas;
  ui.No_modal([&](QDialog& janela) {
    linhas = Linhas(Dialogo(janela));
    Dialogo(janela).CancelBtn->click();
  });
  ui.Responder(Resposta::OK);
  Form1.Coord_de_carta->trigger();
  EXPECT_EQ(linhas.size(), 4u);
  EXPECT_EQ(linhas[3], " 104           100.000          200.000");
  EXPECT_EQ(Form1.trabalho.OLista_coord->Quantidade(), 4);
  EXPECT_TRUE(Form1.trabalho.Coord_carta_lidas);
  EXPECT_EQ(dlg.ListBox1->count(), 0);
}

TEST_F(Coord_de_carta, EdicaoAtravessaAsAberturas) {
  Ler_coordenadas(Quadrado_100m());
  // A line clicked, then the dialog cancelled.
  ui.No_modal([](QDialog& janela) {
    auto& d = Dialogo(janela);
    d.show();
    QTest::mouseClick(d.ListBox1->viewport(), Qt::LeftButton, {},
                      d.ListBox1->visualItemRect(d.ListBox1->item(1)).center());
    d.hide();
    d.CancelBtn->click();
  });
  ui.Responder(Resposta::OK);
  Form1.Coord_de_carta->trigger();
  EXPECT_TRUE(dlg.Editando);
  EXPECT_EQ(dlg.Indice_editado, 1);

  // Opened again: the next add replaces that entry.
  ui.No_modal([](QDialog& janela) {
    Digitar(Dialogo(janela), {{0, 222, 333, 0, 0}});
    Dialogo(janela).OKBtn->click();
  });
  Form1.Coord_de_carta->trigger();
  ASSERT_EQ(Form1.trabalho.OLista_coord->Quantidade(), 4);
  EXPECT_EQ(Form1.trabalho.OLista_coord->Item(1).Numero, 102);
  EXPECT_EQ(Form1.trabalho.OLista_coord->Item(1).E, 222.0);
  EXPECT_EQ(Form1.trabalho.OLista_coord->Item(1).N, 333.0);
  EXPECT_FALSE(dlg.Editando);
}
