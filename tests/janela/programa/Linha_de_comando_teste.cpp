// The command line: what it asks for, the program run as a user runs it, and the file it
// names opened through the same commands as the menu's.

#include <QAction>
#include <QImage>
#include <QTemporaryDir>
#include <cstdio>

#include "janela/comum/Imagem.h"
#include "nucleo/arquivos/Formato_reserva.h"
#include "nucleo/trabalho/Linha_de_comando.h"
#include "tests/apoio/Processo.h"
#include "tests/apoio/Programa_teste.h"

namespace {

using Acao = Pedido_inicial::Acao;
using Tipo = Arquivo_inicial::Tipo;

struct Caso_linha {
  std::vector<std::string> argumentos;
  Acao acao;
  std::optional<Tipo> tipo;
  std::string caminho_ou_mensagem;
};

TEST(Linha_de_comando, CadaFormaDeLinha) {
  const std::vector<Caso_linha> casos = {
      {{}, Acao::Iniciar, std::nullopt, ""},
      {{"carta.jpg"}, Acao::Iniciar, Tipo::Figura, "carta.jpg"},
      {{"/dados/folha_RESERVA.ENh"}, Acao::Iniciar, Tipo::Dados, "/dados/folha_RESERVA.ENh"},
      // Only the reserve's own name reopens a job; anything else is a picture to the loader.
      {{"folha.ENh"}, Acao::Iniciar, Tipo::Figura, "folha.ENh"},
      {{"folha_RESERVA.enh"}, Acao::Iniciar, Tipo::Figura, "folha_RESERVA.enh"},
      {{"--", "-estranho.bmp"}, Acao::Iniciar, Tipo::Figura, "-estranho.bmp"},
      {{"-"}, Acao::Iniciar, Tipo::Figura, "-"},
      {{"--help"}, Acao::Ajuda, std::nullopt, ""},
      {{"a.jpg", "--version"}, Acao::Versao, std::nullopt, ""},
      {{"--ajuda"},
       Acao::Recusar,
       std::nullopt,
       "mapirel: opção desconhecida: --ajuda (veja mapirel --help)"},
      {{"-platform", "xcb"},
       Acao::Recusar,
       std::nullopt,
       "mapirel: opção desconhecida: -platform (veja mapirel --help)"},
      {{"a.jpg", "b_RESERVA.ENh"},
       Acao::Recusar,
       std::nullopt,
       "mapirel: só um arquivo pode ser aberto de cada vez, e foram dados a.jpg e b_RESERVA.ENh "
       "(veja mapirel --help)"},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(::testing::PrintToString(caso.argumentos));
    const Pedido_inicial pedido = Ler_linha_de_comando(caso.argumentos);
    EXPECT_EQ(pedido.acao, caso.acao);
    ASSERT_EQ(pedido.arquivo.has_value(), caso.tipo.has_value());
    if (caso.tipo) {
      EXPECT_EQ(pedido.arquivo->tipo, *caso.tipo);
      EXPECT_EQ(pedido.arquivo->caminho, caso.caminho_ou_mensagem);
    } else {
      EXPECT_EQ(pedido.mensagem, caso.caminho_ou_mensagem);
    }
  }
}

TEST(Linha_de_comando, AjudaVersaoERecusasSemTela) {
  struct Caso {
    std::string argumentos;
    int status;
    std::string saida;
    std::string erros;
  };
  const std::vector<Caso> casos = {
      {"--help", 0, Texto_ajuda(), ""},
      {"--version", 0, "Mapirel 1.45\n", ""},
      {"--zoom 2", 2, "", "mapirel: opção desconhecida: --zoom (veja mapirel --help)\n"},
      {"a.jpg b.jpg", 2, "",
       "mapirel: só um arquivo pode ser aberto de cada vez, e foram dados a.jpg e b.jpg "
       "(veja mapirel --help)\n"},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.argumentos);
    // No display at all: the answer must come before Qt would need one.
    const Execucao execucao = Executar(std::string("env -u DISPLAY QT_QPA_PLATFORM=xcb ") +
                                       MAPIREL_PROGRAMA + " " + caso.argumentos);
    EXPECT_EQ(execucao.status, caso.status);
    EXPECT_EQ(execucao.saida, caso.saida);
    EXPECT_EQ(execucao.erros, caso.erros);
  }
}

class Abrir_pela_linha_de_comando : public Programa_teste {
 protected:
  QTemporaryDir pasta;

  std::string Caminho(const char* nome) const { return pasta.filePath(nome).toStdString(); }

  std::string Figura(const char* nome) const {
    QImage figura(400, 300, QImage::Format_RGB32);
    figura.fill(Qt::white);
    EXPECT_TRUE(figura.save(QString::fromStdString(Caminho(nome)), "BMP"));
    return Caminho(nome);
  }

  // A saved job on the picture: the worked orientation example and two points.
  std::string Reserva(const std::string& figura) const {
    Lista<Ponto_orientacao> controles;
    for (const auto& p :
         {Ponto_orientacao{101, 100, 300, 100, 100}, Ponto_orientacao{102, 200, 300, 300, 100},
          Ponto_orientacao{103, 200, 200, 300, 250}, Ponto_orientacao{104, 100, 200, 100, 250}})
      controles.Acrescentar(p);
    Lista<Ponto_digitalizado> pontos;
    pontos.Acrescentar(Ponto_digitalizado{1, -1, 125, 275, 200, 150, 12.5});
    pontos.Acrescentar(Ponto_digitalizado{2, -1, 150, 250, 250, 200, -3.25});
    const std::string caminho = Caminho("folha_RESERVA.ENh");
    std::FILE* arquivo = std::fopen(caminho.c_str(), "w");
    Escrever_reserva(arquivo, figura, controles, Coeficientes{0.5, 0, 50, 0, -0.5, 350}, pontos);
    std::fclose(arquivo);
    return caminho;
  }
};

// As "Abrir imagem" after its dialog chose the file: no dialog, no box.
TEST_F(Abrir_pela_linha_de_comando, FiguraAbreComoAbrirImagem) {
  const std::string figura = Figura("carta.bmp");
  programa.Abrir({Tipo::Figura, figura});
  EXPECT_TRUE(ui.dialogos_arquivo.empty());
  EXPECT_TRUE(ui.caixas.empty());
  EXPECT_EQ(Form1.trabalho.Nome_arquivo, figura);
  EXPECT_TRUE(Form1.Imagem_aberta);
  EXPECT_EQ(Form1.Image1->Raster.Tamanho(), QSize(400, 300));
  EXPECT_FALSE(Form1.Abrirdados1->isEnabled());
  EXPECT_TRUE(Form1.Novadigit1->isEnabled());
  EXPECT_TRUE(Form1.Abririmagem->isChecked());
  EXPECT_EQ(Form1.Painel(6), " Função corrente: Nenhuma ");
  EXPECT_EQ(programa.ui.Nome_na_abertura_de_figura(), figura);
}

// The answer serves that one command: the next opening asks the person again.
TEST_F(Abrir_pela_linha_de_comando, ProximaAberturaMostraODialogo) {
  programa.Abrir({Tipo::Figura, Figura("a.bmp")});
  const std::string outra = Figura("b.bmp");
  ui.Responder(Resposta::OK).Escolher_arquivo(outra);
  Form1.Abririmagem->trigger();
  EXPECT_EQ(ui.dialogos_arquivo.size(), 1u);
  EXPECT_EQ(Form1.trabalho.Nome_arquivo, outra);
  EXPECT_EQ(programa.ui.Nome_na_abertura_de_figura(), outra);
}

TEST_F(Abrir_pela_linha_de_comando, ReservaAbreComoAbrirDados) {
  const std::string figura = Figura("carta.bmp");
  programa.Abrir({Tipo::Dados, Reserva(figura)});
  EXPECT_TRUE(ui.dialogos_arquivo.empty());
  ASSERT_EQ(ui.caixas.size(), 1u);
  EXPECT_EQ(ui.caixas[0].titulo, "ATENÇÃO !!!! ");
  EXPECT_EQ(Form1.trabalho.Nome_arquivo, figura);
  EXPECT_TRUE(Form1.trabalho.Orientada);
  EXPECT_TRUE(Form1.trabalho.Digitalizacao_liberada);
  EXPECT_EQ(Form1.trabalho.OLista_coord->Quantidade(), 4);
  ASSERT_EQ(Form1.trabalho.Lista_pontos.Quantidade(), 2);
  EXPECT_EQ(Form1.trabalho.Lista_pontos.Item(1).h, -3.25);
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 3);
  EXPECT_EQ(Form1.Painel(6), " Função corrente: espera selecao tipo de ponto (ALTIT ou PROF) ");
}

// Failures end the command as from the menu: its error box or its message, the panel as
// the command leaves it.
TEST_F(Abrir_pela_linha_de_comando, FalhasComoNoMenu) {
  programa.Abrir({Tipo::Figura, Caminho("notas.txt")});
  EXPECT_EQ(ui.Erros(), std::vector<std::string>{"Unknown picture file extension (.txt)"});
  EXPECT_FALSE(Form1.Imagem_aberta);
  EXPECT_EQ(Form1.Painel(6), " Função corrente: ABRIR IMAGEM ");

  ui.Responder(Resposta::OK);  // the message offers OK and Cancel; the answer is not used
  programa.Abrir({Tipo::Dados, Caminho("sumiu_RESERVA.ENh")});
  ASSERT_EQ(ui.caixas.size(), 2u);
  EXPECT_EQ(ui.caixas[1].texto, "Erro ao abrir arquivo ");
  EXPECT_FALSE(Form1.trabalho.Orientada);
  EXPECT_EQ(Form1.Painel(6), " Função corrente: espera selecao tipo de ponto (ALTIT ou PROF) ");
}

}  // namespace
