#include <QAction>
#include <filesystem>

#include "janela/comum/Imagem.h"
#include "tests/janela/arquivos/Comandos_arquivos.h"

namespace {

const char* const Texto_atencao =
    "             ATENÇÃO:\n\n    Para CONTINUAR a digitalização procure os pontos \n\n"
    "     ja digitalizados mostrados em VERDE.\n\n   - Selecione ALTITUDE ou PROFUNDIDADE\n\n"
    "     em Digitalizar-> Ponto -> ...   \n\n"
    "   OBS. - Os pontos usados na orientação continuam em azul.     \n\n\n";
const char* const Painel_final = " Função corrente: espera selecao tipo de ponto (ALTIT ou PROF) ";
const char* const Painel_abertura = " Função corrente: Abertura de dados ja digitalizados";

int Arquivos_abertos() {
  return static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                        std::filesystem::directory_iterator()));
}

class Abrir_dados : public Comandos_arquivos {
 protected:
  void SetUp() override {
    Comandos_arquivos::SetUp();
    Figura("mapa.bmp");
  }

  void Abrir(const std::optional<std::string>& caminho) {
    ui.Escolher_arquivo(caminho);
    Form1.Abrirdados1->trigger();
  }
  // The opening that ends with a box offering OK and Cancel; Cancel changes nothing.
  void Abrir_e_cancelar_o_aviso(const std::optional<std::string>& caminho) {
    ui.Escolher_arquivo(caminho).Responder(Resposta::Cancelar);
    Form1.Abrirdados1->trigger();
  }

  // The reserve file of a job with the given points, with one line changed.
  std::string Reserva_alterada(const Lista<Ponto_digitalizado>& pontos, const std::string& de,
                               const std::string& para) {
    const std::string caminho = Reserva("alterada_RESERVA.ENh", pontos);
    std::string texto = Ler_conteudo(caminho);
    const std::size_t onde = texto.find(de);
    EXPECT_NE(onde, std::string::npos) << de;
    Gravar_conteudo(caminho, texto.replace(onde, de.size(), para));
    return caminho;
  }

  QRgb Cor(int x, int y) const { return Form1.Image1->Raster.Pixel(x, y) & 0xFFFFFF; }

  // Nothing of the opening's end ran: flags, menus and the next number as before.
  void Esperar_fim_nao_executado() {
    EXPECT_FALSE(Form1.trabalho.Digitalizacao_liberada);
    EXPECT_FALSE(Form1.trabalho.Coord_carta_lidas);
    EXPECT_FALSE(Form1.Salvar1->isEnabled());
    EXPECT_FALSE(Form1.Abrirdados1->isChecked());
    EXPECT_TRUE(Form1.Homogeneizar1->isEnabled());
    EXPECT_EQ(Form1.trabalho.Proximo_ponto, 1);
    EXPECT_EQ(Form1.Painel(6), Painel_abertura);
  }
};

const Lista<Ponto_digitalizado> Tres_pontos =
    Lista_de({Ponto_clicado(1, 40, 60, 12.5), Ponto_clicado(2, 300, 200, -3.25, 2),
              Ponto_clicado(3, 550, 580, 0, 1)});

}  // namespace

TEST_F(Abrir_dados, RestauraOTrabalhoEDeixaDigitalizar) {
  Abrir(Reserva("folha12_RESERVA.ENh", Tres_pontos));

  ASSERT_EQ(ui.dialogos_arquivo.size(), 1u);
  EXPECT_EQ(ui.dialogos_arquivo[0].tipo, Dialogo_arquivo_mostrado::Tipo::Abrir);
  EXPECT_EQ(ui.dialogos_arquivo[0].filtro, " Arquivos Coordenaas (*_RESERVA.ENh)|*_RESERVA.ENh");
  EXPECT_EQ(ui.dialogos_arquivo[0].extensao_padrao, "ENh");
  EXPECT_EQ(Caixas(), (Caixas_esperadas{{Texto_atencao, "ATENÇÃO !!!! "}}));
  EXPECT_EQ(ui.caixas[0].botoes, Botoes::OK);

  // The whole job as the file holds it, and nothing else of it changed: no mode chosen.
  Trabalho esperado;
  esperado.Nome_arquivo = Caminho("mapa.bmp");
  *esperado.OLista_coord = Controles_exemplo();
  esperado.Coef_orientacao = Coef_exemplo;
  esperado.Lista_pontos = Tres_pontos;
  esperado.Proximo_ponto = 4;
  // Vertices rebuilt from the marks, then put in order.
  esperado.Lista_pconv = Lista_de<Vertice_pconv>({{1, 2}, {2, 1}});
  esperado.Orientada = esperado.Coord_carta_lidas = esperado.Digitalizacao_liberada = true;
  EXPECT_EQ(Estado, esperado);
  EXPECT_EQ(Form1.Image1->Raster.Tamanho(), QSize(600, 600));
  EXPECT_FALSE(Form1.Imagem_aberta);

  for (QAction* item : {Form1.Salvar1, Form1.Novadigit1, Form1.Digitalizar2, Form1.Pontos1,
                        Form1.Abrirdados1, Form1.Operacoes1, Form1.Dados1})
    EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();
  for (QAction* item : {Form1.Orientacao1, Form1.Coord_de_carta, Form1.Coord_de_imagem,
                        Form1.Abririmagem, Form1.Homogeneizar1})
    EXPECT_FALSE(item->isEnabled()) << item->text().toStdString();
  EXPECT_TRUE(Form1.Abrirdados1->isChecked());
  EXPECT_FALSE(Form1.Abririmagem->isChecked());

  EXPECT_EQ(Form1.Painel(4), " Escala aprox.  1 / 944");
  EXPECT_EQ(Form1.Painel(6), Painel_final);
  EXPECT_EQ(Cor(100, 100), Cor_marca::Azul);
  EXPECT_EQ(Cor(500, 500), Cor_marca::Azul);
  EXPECT_EQ(Cor(40, 60), Cor_marca::Verde);
  EXPECT_EQ(Cor(550, 580), Cor_marca::Verde);
  EXPECT_EQ(Cor(40, 70), 0xFFFFFFu);
}

TEST_F(Abrir_dados, DialogoCanceladoAindaOrdenaOPoligonoEEscreveOPainel) {
  for (const int ordem : {3, 1, 2})
    Form1.trabalho.Lista_pconv.Acrescentar(Vertice_pconv{ordem, ordem * 10});
  Abrir_e_cancelar_o_aviso(std::nullopt);
  EXPECT_EQ(Caixas(),
            (Caixas_esperadas{{" CAncelou abertuda do arquivo com\n dados já digitalizados.",
                               "Cancelou abertura"}}));
  EXPECT_EQ(Form1.trabalho.Lista_pconv.Item(0).Ordem, 1);
  EXPECT_EQ(Form1.trabalho.Lista_pconv.Item(2).Indice, 30);
  EXPECT_EQ(Form1.Painel(6), Painel_final);
  EXPECT_FALSE(Form1.Salvar1->isEnabled());
  EXPECT_FALSE(Form1.Abrirdados1->isChecked());
  EXPECT_TRUE(Form1.trabalho.Nome_arquivo.empty());
}

TEST_F(Abrir_dados, ArquivoQueNaoAbre) {
  Abrir_e_cancelar_o_aviso(Caminho("nao_existe_RESERVA.ENh"));
  EXPECT_EQ(Caixas(), (Caixas_esperadas{{"Erro ao abrir arquivo ", ""}}));
  EXPECT_EQ(Form1.Painel(6), Painel_final);
  EXPECT_TRUE(Form1.trabalho.Nome_arquivo.empty());
  EXPECT_FALSE(Form1.trabalho.Orientada);
}

TEST_F(Abrir_dados, SemPontosDigitalizadosProximoEUm) {
  Abrir(Reserva("so_controle_RESERVA.ENh", {}));
  EXPECT_EQ(Form1.trabalho.OLista_coord->Quantidade(), 4);
  EXPECT_TRUE(Form1.trabalho.Lista_pontos.Vazia());
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 1);
  for (const auto& [x, y] : {std::pair{100, 100}, {500, 100}, {500, 500}, {100, 500}})
    EXPECT_EQ(Cor(x, y), Cor_marca::Azul);
  EXPECT_TRUE(Form1.trabalho.Digitalizacao_liberada);
}

TEST_F(Abrir_dados, VerticeApontaAPosicaoNaListaMesmoComNumerosComLacunas) {
  auto pontos = Pontos_numerados(5, 5);
  pontos.Item(2).Marca_pconv = 1;  // the point numbered 7
  Abrir(Reserva("lacunas_RESERVA.ENh", pontos));
  ASSERT_EQ(Form1.trabalho.Lista_pconv.Quantidade(), 1);
  EXPECT_EQ(Form1.trabalho.Lista_pconv.Item(0).Indice, 2);
  EXPECT_EQ(Form1.trabalho.Lista_pontos.Item(2).Numero, 7);
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 6) << "the count read plus one, whatever the numbers";
}

TEST_F(Abrir_dados, SegundaAberturaAcrescentaEApontaAsNovasPosicoes) {
  const std::string caminho = Reserva("folha12_RESERVA.ENh", Tres_pontos);
  Abrir(caminho);
  Abrir(caminho);
  EXPECT_EQ(Form1.trabalho.OLista_coord->Quantidade(), 8);
  ASSERT_EQ(Form1.trabalho.Lista_pontos.Quantidade(), 6);
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 4);
  std::vector<std::pair<int, int>> vertices;
  for (const auto& v : Form1.trabalho.Lista_pconv) vertices.emplace_back(v.Ordem, v.Indice);
  EXPECT_EQ(vertices, (std::vector<std::pair<int, int>>{{1, 2}, {1, 5}, {2, 1}, {2, 4}}));
  for (const auto& v : Form1.trabalho.Lista_pconv)
    EXPECT_EQ(Form1.trabalho.Lista_pontos.Item(v.Indice).Marca_pconv, v.Ordem);
}

TEST_F(Abrir_dados, LinhaRuimParaNaLinhaEFechaOArquivo) {
  const std::string caminho = Reserva_alterada(Tres_pontos, "   0.00   550", "   0.0O   550");
  const int abertos = Arquivos_abertos();
  Abrir(caminho);
  EXPECT_EQ(ui.Erros(), std::vector<std::string>{"'0.0O' is not a valid floating point value"});
  EXPECT_EQ(Arquivos_abertos(), abertos);
  // What came before the bad line stays: the image, the control points, the
  // orientation and the first two points.
  EXPECT_EQ(Form1.trabalho.Nome_arquivo, Caminho("mapa.bmp"));
  EXPECT_EQ(Form1.trabalho.OLista_coord->Quantidade(), 4);
  EXPECT_EQ(Form1.trabalho.Coef_orientacao->a, 0.25);
  EXPECT_TRUE(Form1.trabalho.Orientada);
  EXPECT_EQ(Form1.trabalho.Lista_pontos.Quantidade(), 2);
  EXPECT_EQ(Form1.trabalho.Lista_pconv.Quantidade(), 1);
  EXPECT_EQ(Cor(300, 200), Cor_marca::Verde);
  Esperar_fim_nao_executado();
}

TEST_F(Abrir_dados, CoeficienteRuimDeixaONovoConjuntoPreenchidoAteAli) {
  Form1.trabalho.Coef_orientacao = Coeficientes{9, 9, 9, 9, 9, 9};
  Abrir(Reserva_alterada(Tres_pontos, "\n       75.0000000000\n", "\n       75,0000000000\n"));
  EXPECT_EQ(ui.Erros(),
            std::vector<std::string>{"'       75,0000000000' is not a valid floating point value"});
  const Coeficientes& c = *Form1.trabalho.Coef_orientacao;
  EXPECT_EQ((std::vector<double>{c.a, c.b, c.c, c.d, c.e, c.f}),
            (std::vector<double>{0.25, 0, 0, 0, 0, 0}));
  EXPECT_FALSE(Form1.trabalho.Orientada);
  EXPECT_EQ(Form1.trabalho.OLista_coord->Quantidade(), 4);
  EXPECT_TRUE(Form1.trabalho.Lista_pontos.Vazia());
  Esperar_fim_nao_executado();
}

TEST_F(Abrir_dados, ImagemQueNaoCarregaParaDepoisDeTrocarONome) {
  Abrir(Reserva_alterada(Tres_pontos, Caminho("mapa.bmp"), Caminho("mapa.xyz")));
  EXPECT_EQ(ui.Erros(), std::vector<std::string>{"Unknown picture file extension (.xyz)"});
  EXPECT_EQ(Form1.trabalho.Nome_arquivo, Caminho("mapa.xyz"));
  EXPECT_TRUE(Form1.trabalho.OLista_coord->Vazia());
  EXPECT_FALSE(Form1.trabalho.Orientada);
  EXPECT_FALSE(Form1.Orientacao1->isEnabled());
  Esperar_fim_nao_executado();
}

TEST_F(Abrir_dados, EscalaIndefinidaDeixaOPainelEContinua) {
  const std::string quatro_controles =
      "\n4\n101     100.000     300.000 100 100\n102     200.000     300.000 500 100\n"
      "103     200.000     200.000 500 500\n104     100.000     200.000 100 500\n";
  for (const std::string& controle :
       {std::string("\n0\n"), std::string("\n1\n101     100.000     300.000 100 100\n"),
        std::string(
            "\n2\n101     100.000     300.000 100 100\n102     200.000     300.000 100 100\n")}) {
    ui.caixas.clear();
    Form1.Reiniciar();
    Abrir(Reserva_alterada(Tres_pontos, quatro_controles, controle));
    EXPECT_TRUE(ui.Erros().empty()) << controle;
    EXPECT_EQ(Form1.Painel(4), " Escala 1 / ") << controle;
    EXPECT_EQ(Form1.trabalho.Lista_pontos.Quantidade(), 3) << controle;
    EXPECT_TRUE(Form1.Abrirdados1->isChecked()) << controle;
  }
}

// Only the scale that is not defined is passed over: any other error of its computation
// ends the opening with the error box.
TEST_F(Abrir_dados, OutroErroDaEscalaChegaACaixaDeErro) {
  Abrir(Reserva_alterada(Tres_pontos, "\n101     100.000     300.000 100 100\n",
                         "\n101 1e308 1e308 100 100\n"));
  EXPECT_EQ(ui.Erros(), std::vector<std::string>{"Floating point overflow"});
  EXPECT_EQ(Form1.trabalho.OLista_coord->Quantidade(), 4);
  EXPECT_TRUE(Form1.trabalho.Lista_pontos.Vazia());
  EXPECT_FALSE(Form1.Abrirdados1->isChecked());
}
