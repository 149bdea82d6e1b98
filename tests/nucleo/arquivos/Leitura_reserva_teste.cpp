#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "nucleo/arquivos/Leitura_reserva.h"
#include "tests/nucleo/arquivos/Apoio_arquivos.h"

namespace {

// Keeps everything the reader hands over, and the order of the calls.
struct Receptor_gravador : Receptor_reserva {
  std::string nome;
  std::vector<Ponto_orientacao> controle;
  std::vector<Coeficientes> coeficientes;  // every snapshot handed over
  std::vector<Ponto_digitalizado> pontos;
  std::vector<std::string> chamadas;

  void Nome_imagem(const std::string& n) override { nome = n, chamadas.push_back("nome"); }
  void Ponto_controle(const Ponto_orientacao& p) override {
    controle.push_back(p), chamadas.push_back("controle");
  }
  void Fim_pontos_controle(int n) override {
    chamadas.push_back("fim controle " + std::to_string(n));
  }
  void Coeficientes_lidos(const Coeficientes& c) override {
    coeficientes.push_back(c), chamadas.push_back("coeficientes");
  }
  void Fim_coeficientes() override { chamadas.push_back("fim coeficientes"); }
  void Ponto(const Ponto_digitalizado& p) override {
    pontos.push_back(p), chamadas.push_back("ponto");
  }
  void Fim_pontos(int n) override { chamadas.push_back("fim pontos " + std::to_string(n)); }
};

const std::string Coef_texto =
    "        0.2500000000\n        0.0000000000\n       75.0000000000\n"
    "        0.0000000000\n       -0.2500000000\n      325.0000000000\n";

const std::string Reserva_exemplo =
    "/mapas/folha 12.bmp\n"
    "2\n"
    "101     100.000     300.000 100 100\n"
    "102     200.000     300.000 500 100\n" +
    Coef_texto +
    "    2\n"
    "      1    100.250     300.125   12.50   101   100 -1\n"
    "      2    150.000     250.000   -3.25   200   300 2\n";

// Reads the text; the message of the error that stopped the reading, or "".
std::string Ler(const std::string& texto, Leitura_reserva leitura, Receptor_gravador& receptor) {
  const Arquivo fluxo = Fluxo_de_texto(texto);
  return Mensagem_de_erro([&] { Ler_reserva(fluxo.get(), leitura, receptor); });
}

std::string Trocar_LF_por_CRLF(const std::string& texto) {
  std::string crlf;
  for (const char c : texto) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
}

}  // namespace

TEST(Leitura_reserva, CompletaEntregaTudoNaOrdemDoArquivo) {
  Receptor_gravador r;
  ASSERT_EQ(Ler(Reserva_exemplo, Leitura_reserva::Completa, r), "");
  EXPECT_EQ(r.chamadas,
            (std::vector<std::string>{
                "nome", "controle", "controle", "fim controle 2", "coeficientes", "coeficientes",
                "coeficientes", "coeficientes", "coeficientes", "coeficientes", "coeficientes",
                "fim coeficientes", "ponto", "ponto", "fim pontos 2"}));
  EXPECT_EQ(r.nome, "/mapas/folha 12.bmp");
  ASSERT_EQ(r.controle.size(), 2u);
  EXPECT_EQ(r.controle[1].Numero, 102);
  EXPECT_DOUBLE_EQ(r.controle[1].x, 500);
  const Coeficientes& c = r.coeficientes.back();
  EXPECT_EQ((std::vector<double>{c.a, c.b, c.c, c.d, c.e, c.f}),
            (std::vector<double>{0.25, 0, 75, 0, -0.25, 325}));
  ASSERT_EQ(r.pontos.size(), 2u);
  EXPECT_EQ(r.pontos[1].Marca_pconv, 2);
  EXPECT_DOUBLE_EQ(r.pontos[1].h, -3.25);
}

TEST(Leitura_reserva, CRLFDaOsMesmosValoresQueLF) {
  Receptor_gravador lf, crlf;
  ASSERT_EQ(Ler(Reserva_exemplo, Leitura_reserva::Completa, lf), "");
  ASSERT_EQ(Ler(Trocar_LF_por_CRLF(Reserva_exemplo), Leitura_reserva::Completa, crlf), "");
  EXPECT_EQ(crlf.nome, "/mapas/folha 12.bmp");
  EXPECT_EQ(crlf.chamadas, lf.chamadas);
  for (std::size_t i = 0; i < lf.pontos.size(); ++i) {
    EXPECT_EQ(crlf.pontos[i].Marca_pconv, lf.pontos[i].Marca_pconv);
    EXPECT_DOUBLE_EQ(crlf.pontos[i].y, lf.pontos[i].y);
  }
}

TEST(Leitura_reserva, ContagemDeControleComoRealTruncado) {
  for (const std::string contagem : {"2", "2.0", "2.9", " 2 "}) {
    std::string texto = Reserva_exemplo;
    texto.replace(texto.find("\n2\n") + 1, 1, contagem);
    Receptor_gravador r;
    EXPECT_EQ(Ler(texto, Leitura_reserva::Completa, r), "") << contagem;
    EXPECT_EQ(r.controle.size(), 2u) << contagem;
  }
}

TEST(Leitura_reserva, SomentePontosPulaControleECoeficientesSemLer) {
  const std::string texto =
      "qualquer\n3\nlixo\n\nmais lixo\na\nb\nc\nd\ne\nf\n    1\n 9 1 2 3 4 5 -1\n";
  Receptor_gravador r;
  ASSERT_EQ(Ler(texto, Leitura_reserva::Somente_pontos, r), "");
  EXPECT_EQ(r.chamadas, (std::vector<std::string>{"nome", "ponto", "fim pontos 1"}));
  EXPECT_EQ(r.pontos[0].Numero, 9);
}

TEST(Leitura_reserva, SomentePontosLeAContagemDeControleComoInteiro) {
  std::string texto = Reserva_exemplo;
  texto.replace(texto.find("\n2\n") + 1, 1, "2.0");
  Receptor_gravador r;
  EXPECT_EQ(Ler(texto, Leitura_reserva::Somente_pontos, r), "'2.0' is not a valid integer value");
  EXPECT_TRUE(r.pontos.empty());
}

TEST(Leitura_reserva, LinhaRuimParaALeituraMantendoOQueVeioAntes) {
  std::string texto = Reserva_exemplo;
  texto.replace(texto.find("   -3.25"), 8, "   -3,25");
  Receptor_gravador r;
  EXPECT_EQ(Ler(texto, Leitura_reserva::Completa, r),
            "'-3,25' is not a valid floating point value");
  EXPECT_EQ(r.pontos.size(), 1u);
  EXPECT_EQ(r.chamadas.back(), "ponto");
}

TEST(Leitura_reserva, CoeficienteRuimDeixaOsLidosAntes) {
  std::string texto = Reserva_exemplo;
  texto.replace(texto.find("       75.0000000000"), 20, "       75.00000000O0");
  Receptor_gravador r;
  EXPECT_EQ(Ler(texto, Leitura_reserva::Completa, r),
            "'       75.00000000O0' is not a valid floating point value");
  ASSERT_EQ(r.coeficientes.size(), 3u) << "zeros, then after a, then after b";
  const Coeficientes& c = r.coeficientes.back();
  EXPECT_EQ((std::vector<double>{c.a, c.b, c.c, c.d, c.e, c.f}),
            (std::vector<double>{0.25, 0, 0, 0, 0, 0}));
  EXPECT_EQ(r.chamadas.back(), "coeficientes");
}

TEST(Leitura_reserva, ArquivoCortadoNoMeioDeUmaLinha) {
  const std::string cortado = Reserva_exemplo.substr(0, Reserva_exemplo.find("  -3.25") - 12);
  for (const auto leitura : {Leitura_reserva::Completa, Leitura_reserva::Somente_pontos}) {
    Receptor_gravador r;
    EXPECT_EQ(Ler(cortado, leitura, r), "'' is not a valid floating point value");
    EXPECT_EQ(r.pontos.size(), 1u);
  }
}

TEST(Leitura_reserva, ArquivoENhNoLugarDaReserva) {
  const std::string ENh =
      "     1   1234.568 7654321.000   12.50\n     2    100.000     200.000   -3.25\n";
  Receptor_gravador completa, pontos;
  EXPECT_EQ(Ler(ENh, Leitura_reserva::Completa, completa),
            "'     2    100.000     200.000   -3.25' is not a valid floating point value");
  EXPECT_EQ(Ler(ENh, Leitura_reserva::Somente_pontos, pontos),
            "'     2    100.000     200.000   -3.25' is not a valid integer value");
  EXPECT_TRUE(completa.controle.empty());
  EXPECT_TRUE(pontos.pontos.empty());
}

TEST(Leitura_reserva, ArquivoBinarioParaNaContagem) {
  const std::string binario("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 18);
  Receptor_gravador r;
  EXPECT_EQ(Ler(binario, Leitura_reserva::Completa, r),
            "'\\x1A' is not a valid floating point value");
  EXPECT_EQ(r.nome, "\x89PNG");
}

// A name cut at its NUL by every system call would name another file (the picture
// itself, for "carta.bmp\0.aux.xml"); a tab or an escape is no part of a name either.
TEST(Leitura_reserva, NomeComCaractereDeControleERecusado) {
  const std::pair<std::string, std::string> casos[] = {
      {std::string("carta.bmp\0resto", 15), "'carta.bmp\\x00resto' is not a valid file name"},
      {"carta\t1.bmp", "'carta\\x091.bmp' is not a valid file name"},
      {"carta\x1b[2J.bmp", "'carta\\x1B[2J.bmp' is not a valid file name"}};
  for (const auto& [nome, mensagem] : casos)
    for (const auto leitura : {Leitura_reserva::Completa, Leitura_reserva::Somente_pontos}) {
      Receptor_gravador r;
      EXPECT_EQ(Ler(nome + "\n0\n" + Coef_texto + "0\n", leitura, r), mensagem);
      EXPECT_TRUE(r.chamadas.empty());
    }
}

TEST(Leitura_reserva, ContagensEnormesComTresLinhasAtras) {
  const std::string linha_controle = "101 1 2 3 4\n";
  const std::string linha_ponto = " 1 1 2 3 4 5 -1\n";
  {
    Receptor_gravador r;
    EXPECT_EQ(Ler("m\n2147483647\n" + linha_controle + linha_controle + linha_controle,
                  Leitura_reserva::Completa, r),
              "'' is not a valid integer value");
    EXPECT_EQ(r.controle.size(), 3u);
  }
  {
    Receptor_gravador r;
    EXPECT_EQ(Ler("m\n2147483647\n" + linha_controle + linha_controle + linha_controle,
                  Leitura_reserva::Somente_pontos, r),
              "'' is not a valid integer value");
  }
  {
    Receptor_gravador r;
    EXPECT_EQ(Ler("m\n0\n" + Coef_texto + "2147483647\n" + linha_ponto + linha_ponto + linha_ponto,
                  Leitura_reserva::Completa, r),
              "'' is not a valid integer value");
    EXPECT_EQ(r.pontos.size(), 3u);
  }
}

TEST(Leitura_reserva, ContagemNegativaOuForaDoAlcanceERecusada) {
  Receptor_gravador r;
  // Numbers, but not counts: the error names the integer a count must be.
  EXPECT_EQ(Ler("m\n-1\n", Leitura_reserva::Completa, r), "'-1' is not a valid integer value");
  EXPECT_EQ(Ler("m\n1e10\n", Leitura_reserva::Completa, r), "'1e10' is not a valid integer value");
  EXPECT_EQ(Ler("m\n-1\n", Leitura_reserva::Somente_pontos, r),
            "'-1' is not a valid integer value");
  EXPECT_EQ(Ler("m\n0\n" + Coef_texto + "   -2\n", Leitura_reserva::Completa, r),
            "'   -2' is not a valid integer value");
  EXPECT_EQ(Ler("m\n0\n" + Coef_texto + "2147483648\n", Leitura_reserva::Completa, r),
            "'2147483648' is not a valid integer value");
  EXPECT_TRUE(r.pontos.empty());
}

TEST(Abrir_leitura, ArquivoQueNaoAbrePastaETuboDaoNada) {
  Pasta_temporaria pasta;
  const std::string& base = pasta.Caminho();
  EXPECT_EQ(Abrir_leitura(base + "/nao_existe_RESERVA.ENh"), nullptr);
  EXPECT_EQ(Abrir_leitura(base), nullptr);
  // A named pipe with no writer: refused at once instead of blocking the program.
  ASSERT_EQ(mkfifo((base + "/tubo_RESERVA.ENh").c_str(), 0600), 0);
  EXPECT_EQ(Abrir_leitura(base + "/tubo_RESERVA.ENh"), nullptr);
  Gravar_conteudo(base + "/a_RESERVA.ENh", "x\n");
  EXPECT_NE(Abrir_leitura(base + "/a_RESERVA.ENh"), nullptr);
}

namespace {

// A job moved with its picture: the relative name is found beside the reserve file
// when the start folder does not have it; a name the start folder has is kept.
TEST(Leitura_reserva, NomeRelativoProcuradoAoLadoDaReserva) {
  const std::filesystem::path pasta = std::filesystem::path(testing::TempDir()) / "ao_lado";
  std::filesystem::create_directories(pasta / "trabalho");
  std::ofstream(pasta / "trabalho" / "carta.jpg") << "x";
  const std::string reserva = (pasta / "trabalho" / "c_RESERVA.ENh").string();
  const std::pair<std::string, std::string> casos[] = {
      {"carta.jpg", (pasta / "trabalho" / "carta.jpg").string()},
      {"sumiu.jpg", "sumiu.jpg"},
      {"/abs/carta.jpg", "/abs/carta.jpg"},
      {".", "."}};  // the start folder has "."
  for (const auto& [nome, esperado] : casos) {
    Receptor_gravador r;
    const Arquivo fluxo = Fluxo_de_texto(nome + "\n0\n" + Coef_texto + "0\n");
    Ler_reserva(fluxo.get(), Leitura_reserva::Completa, r, reserva);
    EXPECT_EQ(r.nome, esperado);
  }
  std::filesystem::remove_all(pasta);
}

}  // namespace
