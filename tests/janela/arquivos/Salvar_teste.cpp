#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>

#include "nucleo/arquivos/Formato_ENh.h"
#include "nucleo/arquivos/Formato_reserva.h"
#include "nucleo/arquivos/Trava_gravacao.h"
#include "tests/janela/arquivos/Comandos_arquivos.h"

namespace {

class Salvar : public Comandos_arquivos {
 protected:
  void SetUp() override {
    Comandos_arquivos::SetUp();
    Orientar_exemplo();
  }

  // Confirms, chooses the path and answers the two boxes that show the names.
  void Roteiro_completo(const std::string& caminho) {
    ui.Responder(Resposta::OK)
        .Escolher_arquivo(caminho)
        .Responder(Resposta::OK)
        .Responder(Resposta::OK);
  }

  std::string Texto_ENh() const {
    return Conteudo_escrito([&](std::FILE* f) { Escrever_ENh(f, Form1.trabalho.Lista_pontos); });
  }
  std::string Texto_reserva() const {
    return Conteudo_escrito([&](std::FILE* f) {
      Escrever_reserva(f, Form1.trabalho.Nome_arquivo, *Form1.trabalho.OLista_coord,
                       *Form1.trabalho.Coef_orientacao, Form1.trabalho.Lista_pontos);
    });
  }
};

}  // namespace

TEST_F(Salvar, SemPontosRecusaAntesDeQualquerDialogo) {
  ui.Responder(Resposta::Cancelar);
  Form1.Salvar1->trigger();
  EXPECT_EQ(Caixas(), Caixas_esperadas{Caixa_sem_pontos});
  EXPECT_TRUE(ui.dialogos_arquivo.empty());
  EXPECT_EQ(Form1.trabalho.Modo_clique, 0);
  EXPECT_EQ(Form1.Cursor_atual, Cursor_imagem::Seta);
}

TEST_F(Salvar, ConfirmacaoRecusadaOuDialogoCanceladoNaoCriaArquivo) {
  Digitalizar_pontos(3);
  ui.Responder(Resposta::Cancelar).Responder(Resposta::OK);
  Form1.Salvar1->trigger();
  ui.Responder(Resposta::OK).Escolher_arquivo(std::nullopt).Responder(Resposta::Cancelar);
  Form1.Salvar1->trigger();
  EXPECT_EQ(Caixas(), (Caixas_esperadas{Caixa_confirmar(3), Caixa_cancelou_gravacao,
                                        Caixa_confirmar(3), Caixa_cancelou_gravacao}));
  ASSERT_EQ(ui.dialogos_arquivo.size(), 1u);
  EXPECT_EQ(ui.dialogos_arquivo[0].tipo, Dialogo_arquivo_mostrado::Tipo::Salvar);
  EXPECT_EQ(ui.dialogos_arquivo[0].filtro, "Dados ENh|ENh");
  EXPECT_EQ(ui.dialogos_arquivo[0].extensao_padrao, "ENh");
  EXPECT_EQ(Conteudo_pasta(pasta.path().toStdString()), std::vector<std::string>{"mapa.bmp"});
  EXPECT_EQ(Form1.trabalho.Modo_clique, 1)
      << "only a refusal for want of points or a save ends the clicking";
}

TEST_F(Salvar, GravaOsDoisArquivosComAsCaixasNaOrdem) {
  Digitalizar_pontos(37);
  Form1.Funcao_corrente("Digitalização de ALTITUDES ");
  const std::string caminho = Caminho("folha12.ENh");
  // Cancel in the boxes that show the names does not stop the saving.
  ui.Responder(Resposta::OK)
      .Escolher_arquivo(caminho)
      .Responder(Resposta::Cancelar)
      .Responder(Resposta::Cancelar);
  Form1.Salvar1->trigger();

  EXPECT_EQ(Caixas(),
            (Caixas_esperadas{Caixa_confirmar(37),
                              {caminho, " NOme arquivo "},
                              {Caminho("folha12_RESERVA.ENh"), " NOme do arquivo Reserva"},
                              {" Dados gravados em arquivo ", " DAdos gravadaos"}}));
  EXPECT_EQ(ui.caixas.back().botoes, Botoes::OK);
  EXPECT_EQ(Conteudo_pasta(pasta.path().toStdString()),
            (std::vector<std::string>{"folha12.ENh", "folha12_RESERVA.ENh", "mapa.bmp"}));
  EXPECT_EQ(Ler_conteudo(caminho), Texto_ENh());
  EXPECT_EQ(Linhas_do_arquivo(caminho).size(), 37u);
  EXPECT_EQ(Ler_conteudo(Caminho("folha12_RESERVA.ENh")), Texto_reserva());
  EXPECT_EQ(Linhas_do_arquivo(Caminho("folha12_RESERVA.ENh"))[0], Caminho("mapa.bmp"));

  // Saving ends the clicking mode only; the job and the menus stay as they were.
  EXPECT_EQ(Form1.trabalho.Modo_clique, 0);
  EXPECT_EQ(Form1.Cursor_atual, Cursor_imagem::Seta);
  EXPECT_EQ(Form1.trabalho.Lista_pontos.Quantidade(), 37);
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 38);
  EXPECT_TRUE(Form1.trabalho.Digitalizacao_liberada);
  EXPECT_TRUE(Form1.Salvar1->isEnabled());
  EXPECT_EQ(Form1.Painel(6), " Função corrente: Digitalização de ALTITUDES ");
}

TEST_F(Salvar, UmPontoDaUmaLinhaEContagemComQuatroBrancos) {
  Form1.trabalho.Lista_pontos.Acrescentar(Ponto_clicado(1, 140, 260, 12.5));
  Roteiro_completo(Caminho("um.ENh"));
  Form1.Salvar1->trigger();
  EXPECT_EQ(Ler_conteudo(Caminho("um.ENh")), "     1    110.000     260.000   12.50\n");
  const auto reserva = Linhas_do_arquivo(Caminho("um_RESERVA.ENh"));
  ASSERT_EQ(reserva.size(), 14u);
  EXPECT_EQ(reserva[1], "4");
  EXPECT_EQ(reserva[2], "101     100.000     300.000 100 100");
  EXPECT_EQ(reserva[6], "        0.2500000000");
  EXPECT_EQ(reserva[12], "    1");
  EXPECT_EQ(reserva[13], "      1    110.000     260.000   12.50   140   260 -1");
}

TEST_F(Salvar, SalvarDuasVezesSobrescreveSemPergunta) {
  Digitalizar_pontos(5);
  Roteiro_completo(Caminho("folha12.ENh"));
  Form1.Salvar1->trigger();
  Digitalizar_pontos(2);
  Roteiro_completo(Caminho("folha12.ENh"));
  Form1.Salvar1->trigger();
  EXPECT_EQ(ui.caixas.size(), 8u);
  EXPECT_EQ(Linhas_do_arquivo(Caminho("folha12.ENh")).size(), 7u);
  EXPECT_EQ(Ler_conteudo(Caminho("folha12_RESERVA.ENh")), Texto_reserva());
}

TEST_F(Salvar, SemNomeDeImagemUsaODoDialogoDeFiguras) {
  Digitalizar_pontos(1);
  Form1.trabalho.Nome_arquivo.clear();
  ui.Escolher_arquivo("/cartas/escolhida.jpg");
  ui.Abrir_figura("Figuras|*.jpg");
  Roteiro_completo(Caminho("a.ENh"));
  Form1.Salvar1->trigger();
  EXPECT_EQ(Linhas_do_arquivo(Caminho("a_RESERVA.ENh"))[0], "/cartas/escolhida.jpg");
}

TEST_F(Salvar, PastaSomenteLeituraDaOErroDeAberturaDoENh) {
  if (!Como_usuario_comum::Possivel())
    GTEST_SKIP() << "cannot take an ordinary user's file permissions here";
  Digitalizar_pontos(2);
  std::filesystem::create_directory(Caminho("protegida"));
  ::chmod(Caminho("protegida").c_str(), 0555);
  ui.Responder(Resposta::OK)
      .Escolher_arquivo(Caminho("protegida/a.ENh"))
      .Responder(Resposta::OK)
      .Responder(Resposta::OK);
  {
    Como_usuario_comum usuario;
    Form1.Salvar1->trigger();
  }
  EXPECT_EQ(Caixas(),
            (Caixas_esperadas{Caixa_confirmar(2),
                              {Caminho("protegida/a.ENh"), " NOme arquivo "},
                              {"Erro ao abrir arquivo (n E N h) ", "Erro ao execuar fopen!!!"}}));
  EXPECT_TRUE(Conteudo_pasta(Caminho("protegida")).empty());
  EXPECT_EQ(Form1.trabalho.Modo_clique, 1);
  EXPECT_EQ(Form1.Cursor_atual, Cursor_imagem::Cruz);
}

// The reserve file is ready before either file changes: when it fails, neither does.
TEST_F(Salvar, ReservaQueFalhaNaoDeixaNenhumDosDoisGravado) {
  const std::string nenhum =
      "\n\n Os dados NAO foram gravados: nem o arquivo RESERVA nem o arquivo\n"
      " (n E N h). Arquivos anteriores com os mesmos nomes continuam como estavam.";
  Digitalizar_pontos(2);
  Gravar_conteudo(Caminho("a.ENh"), "antigo\n");
  Gravar_conteudo(Caminho("b.ENh"), "antigo\n");
  Gravar_conteudo(Caminho("b_RESERVA.ENh"), "antiga\n");
  std::filesystem::create_directory(Caminho("a_RESERVA.ENh"));
  Roteiro_completo(Caminho("a.ENh"));
  ui.Responder(Resposta::OK);
  Form1.Salvar1->trigger();
  Roteiro_completo(Caminho("b.ENh"));
  ui.Responder(Resposta::OK);
  {
    Limite_de_tamanho disco_cheio(200);  // the ENh file fits, the reserve file does not
    Form1.Salvar1->trigger();
  }
  EXPECT_EQ(ui.caixas[3].texto, "Erro ao abrir arquivo RESERVA !!!! " + nenhum);
  EXPECT_EQ(Caixas().back(),
            Caixa("Erro ao gravar arquivo RESERVA !!!! " + nenhum, "Erro ao gravar!!!"));
  EXPECT_EQ(Ler_conteudo(Caminho("a.ENh")), "antigo\n");
  EXPECT_EQ(Ler_conteudo(Caminho("b.ENh")), "antigo\n");
  EXPECT_EQ(Ler_conteudo(Caminho("b_RESERVA.ENh")), "antiga\n");
  EXPECT_EQ(
      Conteudo_pasta(pasta.path().toStdString()),
      (std::vector<std::string>{"a.ENh", "a_RESERVA.ENh", "b.ENh", "b_RESERVA.ENh", "mapa.bmp"}));
  EXPECT_EQ(Form1.trabalho.Modo_clique, 1);
}

// Only the second replacement failing leaves the pair apart: the reserve file, put in
// place first, holds the new job; the box says which is which.
TEST_F(Salvar, ENhQueNaoSubstituiDizQualArquivoENovo) {
  Digitalizar_pontos(2);
  std::filesystem::create_symlink("/dev/full", Caminho("a.ENh"));
  Roteiro_completo(Caminho("a.ENh"));
  ui.Responder(Resposta::OK);
  Form1.Salvar1->trigger();
  EXPECT_EQ(Caixas().back(),
            Caixa("Erro ao gravar arquivo (n E N h) \n\n O arquivo RESERVA foi gravado com os "
                  "dados NOVOS:\n " +
                      Caminho("a_RESERVA.ENh") +
                      "\n\n O arquivo (n E N h) NAO foi gravado e nao corresponde a ele:\n " +
                      Caminho("a.ENh") + "\n\n Salve de novo.",
                  "Erro ao gravar!!!"));
  EXPECT_EQ(Ler_conteudo(Caminho("a_RESERVA.ENh")), Texto_reserva());
  EXPECT_EQ(Form1.trabalho.Modo_clique, 1);
}

TEST_F(Salvar, OutraJanelaGravandoOMesmoTrabalhoNadaEGravado) {
  Digitalizar_pontos(2);
  Roteiro_completo(Caminho("a.ENh"));
  ui.Responder(Resposta::OK);
  {
    const Trava_gravacao outra_janela(Caminho("a.ENh"));
    Form1.Salvar1->trigger();
  }
  EXPECT_EQ(Caixas().back(),
            Caixa(" O trabalho esta sendo gravado por outra janela:\n " + Caminho("a.ENh") +
                      "\n\n Os dados NAO foram gravados. Espere essa gravacao\n terminar e "
                      "salve de novo.",
                  "Erro ao gravar!!!"));
  EXPECT_EQ(Conteudo_pasta(pasta.path().toStdString()), std::vector<std::string>{"mapa.bmp"});
  EXPECT_EQ(Form1.trabalho.Modo_clique, 1);
}

TEST_F(Salvar, ReservaQueELinkDeOutroUsuarioNaoESeguida) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root, to give a link to another user";
  Digitalizar_pontos(2);
  Gravar_conteudo(Caminho("precioso.txt"), "precioso\n");
  std::filesystem::create_symlink(Caminho("precioso.txt"), Caminho("a_RESERVA.ENh"));
  ASSERT_EQ(::lchown(Caminho("a_RESERVA.ENh").c_str(), 65534, 65534), 0);
  Roteiro_completo(Caminho("a.ENh"));
  ui.Responder(Resposta::OK);
  Form1.Salvar1->trigger();
  EXPECT_EQ(Caixas().back(),
            Caixa("Erro ao abrir arquivo RESERVA !!!! \n\n O arquivo RESERVA e um link simbolico "
                  "de outro\n usuario, que nao sera seguido:\n " +
                      Caminho("a_RESERVA.ENh") +
                      "\n\n Os dados NAO foram gravados: nem o arquivo RESERVA nem o arquivo\n"
                      " (n E N h). Arquivos anteriores com os mesmos nomes continuam como estavam.",
                  "Erro ao execuar fopen!!!"));
  EXPECT_EQ(Ler_conteudo(Caminho("precioso.txt")), "precioso\n");
  EXPECT_FALSE(Existe(Caminho("a.ENh")));
}

// An ENh file with a second name is written in place; when neither the new content nor
// the old one can be written whole, the box says the file is damaged and where the new
// content is.
TEST_F(Salvar, ENhDanificadoDizOndeEstaoOsDadosNovos) {
  Digitalizar_pontos(37);
  Gravar_conteudo(Caminho("a.ENh"), "antigo\n");
  std::filesystem::create_hard_link(Caminho("a.ENh"), Caminho("outro_nome.ENh"));
  Roteiro_completo(Caminho("a.ENh"));
  ui.Responder(Resposta::OK);
  {
    const Escrita_que_falha disco(2);
    Form1.Salvar1->trigger();
  }
  EXPECT_EQ(Caixas().back(),
            Caixa("Erro ao gravar arquivo (n E N h) \n\n O arquivo NAO pode ser restaurado e esta "
                  "DANIFICADO:\n " +
                      Caminho("a.ENh") + "\n\n Os dados NOVOS foram gravados em:\n " +
                      Caminho("a_NOVO.ENh"),
                  "Erro ao gravar!!!"));
  EXPECT_EQ(Ler_conteudo(Caminho("a_NOVO.ENh")), Texto_ENh());
  EXPECT_EQ(Ler_conteudo(Caminho("a_RESERVA.ENh")), Texto_reserva());
}

// A value that the files cannot hold ends the command with its error before any box.
TEST_F(Salvar, ValorQueNaoPodeSerGravadoERecusadoAntesDeQualquerArquivo) {
  struct Caso {
    std::function<void(TForm1&)> estragar;
    std::string erro;
  };
  const double infinito = std::numeric_limits<double>::infinity();
  const std::vector<Caso> casos = {
      {[](TForm1& j) { j.trabalho.OLista_coord->Item(1).x = 1e12; },
       "Ponto de controle 102: o valor de x (1e+12) nao pode ser gravado."},
      {[&](TForm1& j) { j.trabalho.Lista_pontos.Item(1).E = infinito; },
       "Ponto 2: o valor de E (inf) nao pode ser gravado."},
      {[](TForm1& j) { j.trabalho.Lista_pontos.Item(0).y = -3e9; },
       "Ponto 1: o valor de y (-3e+09) nao pode ser gravado."},
      {[](TForm1& j) { j.trabalho.Coef_orientacao->e = std::nan(""); },
       "Orientacao: o valor de e (nan) nao pode ser gravado."},
  };
  for (const Caso& caso : casos) {
    Form1.Reiniciar();
    Orientar_exemplo();
    Digitalizar_pontos(2);
    caso.estragar(Form1);
    ui.caixas.clear();
    Form1.Salvar1->trigger();
    EXPECT_EQ(ui.Erros(), std::vector<std::string>{caso.erro + "\nNenhum arquivo foi gravado."});
    EXPECT_EQ(ui.caixas.size(), 1u) << caso.erro;
  }
  EXPECT_EQ(Conteudo_pasta(pasta.path().toStdString()), std::vector<std::string>{"mapa.bmp"});
}

TEST_F(Salvar, NomeCurtoDemaisGuardaAReservaNaMesmaPasta) {
  Digitalizar_pontos(1);
  std::filesystem::create_directory(Caminho("d"));
  Roteiro_completo(Caminho("d/x.b"));
  Form1.Salvar1->trigger();
  EXPECT_EQ(ui.caixas[2].texto, Caminho("d/x_RESERVA.b"));
  EXPECT_EQ(Conteudo_pasta(Caminho("d")), (std::vector<std::string>{"x.b", "x_RESERVA.b"}));
}

TEST_F(Salvar, PastaSomenteLeituraComOsArquivosJaExistentesGrava) {
  if (!Como_usuario_comum::Possivel())
    GTEST_SKIP() << "cannot take an ordinary user's file permissions here";
  Digitalizar_pontos(2);
  std::filesystem::create_directory(Caminho("protegida"));
  for (const char* nome : {"protegida/a.ENh", "protegida/a_RESERVA.ENh"}) {
    Gravar_conteudo(Caminho(nome), "antigo\n");
    ::chmod(Caminho(nome).c_str(), 0666);
  }
  ::chmod(Caminho("protegida").c_str(), 0555);
  Roteiro_completo(Caminho("protegida/a.ENh"));
  {
    Como_usuario_comum usuario;
    Form1.Salvar1->trigger();
  }
  EXPECT_EQ(Caixas().back(), Caixa(" Dados gravados em arquivo ", " DAdos gravadaos"));
  EXPECT_EQ(Ler_conteudo(Caminho("protegida/a.ENh")), Texto_ENh());
  EXPECT_EQ(Ler_conteudo(Caminho("protegida/a_RESERVA.ENh")), Texto_reserva());
}

TEST_F(Salvar, FalhaAoEscreverOENhNaoEDadaComoSucessoEGuardaOAntigo) {
  Digitalizar_pontos(37);
  Gravar_conteudo(Caminho("a.ENh"), "antigo\n");
  ui.Responder(Resposta::OK)
      .Escolher_arquivo(Caminho("a.ENh"))
      .Responder(Resposta::OK)
      .Responder(Resposta::OK);
  {
    Limite_de_tamanho disco_cheio(100);
    Form1.Salvar1->trigger();
  }
  EXPECT_EQ(
      Caixas().back(),
      Caixa(
          "Erro ao gravar arquivo (n E N h) \n\n Os dados NAO foram gravados. Um arquivo anterior\n"
          " com o mesmo nome continua como estava.",
          "Erro ao gravar!!!"));
  EXPECT_EQ(ui.caixas.size(), 3u) << "neither the reserve name nor success is shown";
  EXPECT_EQ(Ler_conteudo(Caminho("a.ENh")), "antigo\n");
  EXPECT_EQ(Conteudo_pasta(pasta.path().toStdString()),
            (std::vector<std::string>{"a.ENh", "mapa.bmp"}));
  EXPECT_EQ(Form1.trabalho.Modo_clique, 1);
}
