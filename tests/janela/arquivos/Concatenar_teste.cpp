#include <QAction>
#include <filesystem>

#include "janela/comum/Imagem.h"
#include "tests/janela/arquivos/Comandos_arquivos.h"

namespace {

const Caixa Caixa_inicio{
    " Concatenação de arquivos de pontos digitalizados \n\n Será solicitado o nome do arquivo BASE "
    "\n\n",
    "Concatenação de arquivos"};
const Caixa Caixa_mais{
    " Adicionar mais arquivos ao arquivo BASE ??? \n\n  Sim -> OK\n\n  Nao -> Cancel\n\n ",
    "Concatenar mais arquivos ??? "};
const Caixa Caixa_termino{" Termino da concatenacao. Salvar dados concatenados",
                          "SAlvar concatenacao"};
const Caixa Caixa_erro_abertura{"Erro ao abrir arquivo ", "E R R O  ! !"};
const char* const Filtro_base = " Arquivos BASE (*_RESERVA.ENh)|*_RESERVA.ENh";
const char* const Filtro_mais = " Arquivos Coordenadas (*_RESERVA.ENh)|*_RESERVA.ENh";

class Concatenar : public Comandos_arquivos {
 protected:
  // The whole command: the base file, the further files one by one, then the saving
  // of the merged points to saida.
  void Concatenar_arquivos(const std::string& base, const std::vector<std::string>& mais,
                           const std::string& saida) {
    ui.Responder(Resposta::OK).Escolher_arquivo(base);
    for (const auto& arquivo : mais) ui.Responder(Resposta::OK).Escolher_arquivo(arquivo);
    ui.Responder(Resposta::Cancelar).Responder(Resposta::OK);
    Salvar_em(saida);
    Form1.Homogeneizar1->trigger();
  }
  void Salvar_em(const std::string& saida) {
    ui.Responder(Resposta::OK).Escolher_arquivo(saida).Responder(Resposta::OK);
  }

  std::vector<int> Numeros_gravados(const std::string& caminho) const {
    std::vector<int> numeros;
    for (const auto& linha : Linhas_do_arquivo(caminho))
      numeros.push_back(std::stoi(linha.substr(0, 6)));
    return numeros;
  }

  static std::vector<int> De_ate(int primeiro, int ultimo) {
    std::vector<int> numeros;
    for (int n = primeiro; n <= ultimo; ++n) numeros.push_back(n);
    return numeros;
  }

  void Esperar_fim_do_comando() {
    EXPECT_EQ(Form1.Painel(6), " Função corrente: Nenhuma ");
    EXPECT_FALSE(Form1.Abririmagem->isEnabled());
    EXPECT_FALSE(Form1.Abrirdados1->isEnabled());
    EXPECT_FALSE(Form1.Salvar1->isEnabled());
    EXPECT_TRUE(Form1.Homogeneizar1->isEnabled());
  }
  void Esperar_comando_interrompido() {
    EXPECT_EQ(Form1.Painel(6), " Função corrente: Concatenar arquivos");
    EXPECT_TRUE(Form1.Abririmagem->isEnabled());
    EXPECT_TRUE(Form1.Abrirdados1->isEnabled());
  }
};

}  // namespace

TEST_F(Concatenar, CinquentaMaisTrintaDaOitentaNumeradosEmSequencia) {
  const std::string saida = Caminho("juntos.ENh");
  Concatenar_arquivos(Reserva("base_RESERVA.ENh", Pontos_numerados(1, 50)),
                      {Reserva("mais_RESERVA.ENh", Pontos_numerados(1, 30))}, saida);

  EXPECT_EQ(Caixas(), (Caixas_esperadas{Caixa_inicio,
                                        Caixa_mais,
                                        Caixa_mais,
                                        Caixa_termino,
                                        Caixa_confirmar(80),
                                        {saida, " NOme arquivo "}}));
  ASSERT_EQ(ui.dialogos_arquivo.size(), 3u);
  EXPECT_EQ(ui.dialogos_arquivo[0].filtro, Filtro_base);
  EXPECT_EQ(ui.dialogos_arquivo[1].filtro, Filtro_mais);
  EXPECT_EQ(ui.dialogos_arquivo[1].extensao_padrao, "ENh");
  EXPECT_EQ(ui.dialogos_arquivo[2].tipo, Dialogo_arquivo_mostrado::Tipo::Salvar);
  EXPECT_EQ(ui.dialogos_arquivo[2].filtro, "Dados ENh|ENh");

  EXPECT_EQ(Numeros_gravados(saida), De_ate(1, 80));
  const auto linhas = Linhas_do_arquivo(saida);
  EXPECT_EQ(linhas[1], "     2     84.250     314.250   -1.50") << "the base keeps its depths";
  EXPECT_EQ(linhas[50], "    51     82.500     315.000   -0.75")
      << "the further file's first point";
  EXPECT_EQ(linhas[79], "    80    133.250     293.250  -22.50");
  EXPECT_EQ(Form1.trabalho.Lista_pontos.Quantidade(), 80);
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 81);
  EXPECT_TRUE(Form1.Image1->Raster.Vazio()) << "nothing is loaded or drawn";
  Esperar_fim_do_comando();
  EXPECT_FALSE(std::filesystem::exists(Caminho("juntos_RESERVA.ENh")));
}

TEST_F(Concatenar, BaseNumeradaDeCincoANoveSegueDoSeis) {
  const std::string saida = Caminho("juntos.ENh");
  Concatenar_arquivos(Reserva("base_RESERVA.ENh", Pontos_numerados(5, 5)),
                      {Reserva("mais_RESERVA.ENh", Pontos_numerados(1, 2))}, saida);
  EXPECT_EQ(Numeros_gravados(saida), (std::vector<int>{5, 6, 7, 8, 9, 6, 7}));
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 8);
}

TEST_F(Concatenar, DoisArquivosAMaisNumeradosUmDepoisDoOutro) {
  const std::string saida = Caminho("juntos.ENh");
  Concatenar_arquivos(Reserva("base_RESERVA.ENh", Pontos_numerados(1, 10)),
                      {Reserva("quatro_RESERVA.ENh", Pontos_numerados(1, 4)),
                       Reserva("seis_RESERVA.ENh", Pontos_numerados(101, 6))},
                      saida);
  EXPECT_EQ(Numeros_gravados(saida), De_ate(1, 20));
  EXPECT_EQ(Linhas_do_arquivo(saida)[14].substr(30), " -75.75")
      << "point 101's depth, now number 15";
}

TEST_F(Concatenar, SoABaseQuandoNaoHaMaisArquivos) {
  const std::string saida = Caminho("so_base.ENh");
  Concatenar_arquivos(Reserva("base_RESERVA.ENh", Pontos_numerados(5, 5)), {}, saida);
  EXPECT_EQ(Numeros_gravados(saida), De_ate(5, 9));
  EXPECT_EQ(Caixas()[1], Caixa_mais);
  EXPECT_EQ(Caixas()[2], Caixa_termino);
}

TEST_F(Concatenar, BaseCanceladaVaiDiretoAoFim) {
  ui.Responder(Resposta::OK).Escolher_arquivo(std::nullopt).Responder(Resposta::OK);
  Form1.Homogeneizar1->trigger();
  EXPECT_EQ(Caixas(), (Caixas_esperadas{
                          Caixa_inicio,
                          {"\n\n  Cancelou abertura do arquivo BASE   \n\n    ", "Cancelou "}}));
  EXPECT_EQ(ui.dialogos_arquivo.size(), 1u);
  Esperar_fim_do_comando();
}

TEST_F(Concatenar, BaseQueNaoAbreNaoParaOComando) {
  const std::string saida = Caminho("juntos.ENh");
  ui.Responder(Resposta::OK)
      .Escolher_arquivo(Caminho("nao_existe_RESERVA.ENh"))
      .Responder(Resposta::OK);
  ui.Responder(Resposta::OK).Escolher_arquivo(Reserva("mais_RESERVA.ENh", Pontos_numerados(7, 3)));
  ui.Responder(Resposta::Cancelar).Responder(Resposta::OK);
  Salvar_em(saida);
  Form1.Homogeneizar1->trigger();
  EXPECT_EQ(Caixas()[1], Caixa_erro_abertura);
  EXPECT_EQ(Numeros_gravados(saida), De_ate(1, 3))
      << "numbered from the next number of a fresh start";
  Esperar_fim_do_comando();
}

TEST_F(Concatenar, ArquivoAMaisQueNaoAbreEPuladoEPerguntaDeNovo) {
  const std::string saida = Caminho("juntos.ENh");
  ui.Responder(Resposta::OK).Escolher_arquivo(Reserva("base_RESERVA.ENh", Pontos_numerados(1, 2)));
  ui.Responder(Resposta::OK)
      .Escolher_arquivo(Caminho("sumiu_RESERVA.ENh"))
      .Responder(Resposta::Cancelar);
  ui.Responder(Resposta::Cancelar).Responder(Resposta::OK);
  Salvar_em(saida);
  Form1.Homogeneizar1->trigger();
  EXPECT_EQ(Caixas(), (Caixas_esperadas{Caixa_inicio,
                                        Caixa_mais,
                                        Caixa_erro_abertura,
                                        Caixa_mais,
                                        Caixa_termino,
                                        Caixa_confirmar(2),
                                        {saida, " NOme arquivo "}}));
  EXPECT_EQ(Numeros_gravados(saida), De_ate(1, 2));
}

TEST_F(Concatenar, DialogoCanceladoPerguntaSeTermina) {
  const Caixa termina{
      " Abertura de arquivos a concatenar ???\n\n  OK -> Terminar \n\n  Cancel -> Continuar",
      "Termina abertura de dados"};
  const std::string saida = Caminho("juntos.ENh");
  ui.Responder(Resposta::OK).Escolher_arquivo(Reserva("base_RESERVA.ENh", Pontos_numerados(1, 2)));
  ui.Responder(Resposta::OK).Escolher_arquivo(std::nullopt).Responder(Resposta::Cancelar);  // go on
  ui.Responder(Resposta::OK).Escolher_arquivo(Reserva("mais_RESERVA.ENh", Pontos_numerados(1, 1)));
  ui.Responder(Resposta::OK).Escolher_arquivo(std::nullopt).Responder(Resposta::OK);  // finish
  Salvar_em(saida);
  Form1.Homogeneizar1->trigger();
  EXPECT_EQ(Caixas(), (Caixas_esperadas{Caixa_inicio,
                                        Caixa_mais,
                                        termina,
                                        Caixa_mais,
                                        Caixa_mais,
                                        termina,
                                        Caixa_confirmar(3),
                                        {saida, " NOme arquivo "}}));
  EXPECT_EQ(Numeros_gravados(saida), De_ate(1, 3));
}

TEST_F(Concatenar, ArquivoRuimParaSemGravarMantendoOsPontosLidos) {
  const std::string ruim = Reserva("ruim_RESERVA.ENh", Pontos_numerados(1, 4));
  std::string texto = Ler_conteudo(ruim);
  texto.erase(texto.rfind("\n      3 ") + 40);  // the file ends in the middle of point 3
  Gravar_conteudo(ruim, texto);
  ui.Responder(Resposta::OK).Escolher_arquivo(Reserva("base_RESERVA.ENh", Pontos_numerados(1, 5)));
  ui.Responder(Resposta::OK).Escolher_arquivo(ruim);
  Form1.Homogeneizar1->trigger();
  EXPECT_EQ(ui.Erros(), std::vector<std::string>{"'' is not a valid floating point value"});
  EXPECT_EQ(Form1.trabalho.Lista_pontos.Quantidade(), 7);
  EXPECT_EQ(Form1.trabalho.Lista_pontos.Item(6).Numero, 7);
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 8);
  EXPECT_EQ(Conteudo_pasta(pasta.path().toStdString()),
            (std::vector<std::string>{"base_RESERVA.ENh", "ruim_RESERVA.ENh"}));
  Esperar_comando_interrompido();
}

TEST_F(Concatenar, SemPontosRecusaAGravacaoETerminaOComando) {
  ui.Responder(Resposta::OK).Escolher_arquivo(Reserva("vazia_RESERVA.ENh", {}));
  ui.Responder(Resposta::Cancelar).Responder(Resposta::OK);
  ui.Responder(Resposta::OK);
  Form1.Homogeneizar1->trigger();
  EXPECT_EQ(Caixas().back(), Caixa_sem_pontos);
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 1);
  Esperar_fim_do_comando();
}

TEST_F(Concatenar, GravacaoRecusadaTerminaOComandoComOsPontosNaMemoria) {
  ui.Responder(Resposta::OK).Escolher_arquivo(Reserva("base_RESERVA.ENh", Pontos_numerados(1, 3)));
  ui.Responder(Resposta::Cancelar).Responder(Resposta::OK);
  ui.Responder(Resposta::Cancelar).Responder(Resposta::OK);
  Form1.Homogeneizar1->trigger();
  EXPECT_EQ(Caixas().back(), Caixa_cancelou_gravacao);
  EXPECT_EQ(Form1.trabalho.Lista_pontos.Quantidade(), 3);
  Esperar_fim_do_comando();
}

TEST_F(Concatenar, FalhaAoGravarTerminaNaHora) {
  if (!Como_usuario_comum::Possivel())
    GTEST_SKIP() << "cannot take an ordinary user's file permissions here";
  std::filesystem::create_directory(Caminho("protegida"));
  ::chmod(Caminho("protegida").c_str(), 0555);
  ui.Responder(Resposta::OK).Escolher_arquivo(Reserva("base_RESERVA.ENh", Pontos_numerados(1, 3)));
  ui.Responder(Resposta::Cancelar).Responder(Resposta::OK);
  Salvar_em(Caminho("protegida/juntos.ENh"));
  ui.Responder(Resposta::OK);
  {
    Como_usuario_comum usuario;
    Form1.Homogeneizar1->trigger();
  }
  EXPECT_EQ(Caixas().back(), Caixa("Erro ao abrir arquivo (n E N h) ", "Erro ao execuar fopen!!!"));
  Esperar_comando_interrompido();
}

TEST_F(Concatenar, SegundaVezAcrescentaEABaseReiniciaANumeracao) {
  Concatenar_arquivos(Reserva("a_RESERVA.ENh", Pontos_numerados(1, 3)), {}, Caminho("um.ENh"));
  Concatenar_arquivos(Reserva("b_RESERVA.ENh", Pontos_numerados(1, 2)),
                      {Reserva("c_RESERVA.ENh", Pontos_numerados(1, 2))}, Caminho("dois.ENh"));
  EXPECT_EQ(Numeros_gravados(Caminho("dois.ENh")), (std::vector<int>{1, 2, 3, 1, 2, 3, 4}));
  EXPECT_EQ(Form1.trabalho.Proximo_ponto, 5);
}
