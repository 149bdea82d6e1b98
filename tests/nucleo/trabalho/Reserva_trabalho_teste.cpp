// A job written to its reserve file and read back into a job, compared whole.

#include <gtest/gtest.h>

#include "nucleo/trabalho/Reserva_trabalho.h"
#include "tests/apoio/Impressao_trabalho.h"
#include "tests/nucleo/arquivos/Apoio_arquivos.h"

namespace {

// What "Abrir dados" reads: the message of the error that stopped it, or "".
std::string Abrir(const std::string& texto, Trabalho& trabalho) {
  const Arquivo fluxo = Fluxo_de_texto(texto);
  Leitura_trabalho leitura(trabalho);
  return Mensagem_de_erro([&] { Ler_reserva(fluxo.get(), Leitura_reserva::Completa, leitura); });
}

// A saved job as it reads back: what the file holds, oriented, numbered on.
Trabalho Salvo(bool orientado) {
  Trabalho t;
  t.Nome_arquivo = "/mapas/folha 12.bmp";
  t.OLista_coord->Acrescentar(Controle(101, 300100.5, 7000300.25, 100, 100));
  t.OLista_coord->Acrescentar(Controle(102, 300200.125, 7000300.5, 500, 100));
  if (orientado) t.Coef_orientacao = Coeficientes{0.25, 0, 300075, 0, -0.25, 7000325};
  t.Lista_pontos = Lista_de({Ponto(1, 300100.25, 7000300.125, 12.5, 101, 100),
                             Ponto(2, 300150, 7000250, -3.25, 200, 300, 1),
                             Ponto(5, 300160, 7000260, 0, 210, 310, 2)});
  t.Lista_pconv = Lista_de<Vertice_pconv>({{1, 1}, {2, 2}});
  t.Proximo_ponto = 4;  // the file's count, whatever the points' numbers
  return t;
}

}  // namespace

TEST(Reserva_trabalho, TrabalhoSalvoVoltaInteiro) {
  for (bool orientado : {true, false}) {
    SCOPED_TRACE(orientado);
    Trabalho esperado = Salvo(orientado);
    const std::string texto = Conteudo_reserva(esperado, esperado.Nome_arquivo);
    // The file always holds six coefficients: zeros when there was no orientation.
    esperado.Coef_orientacao = esperado.Coef_orientacao.value_or(Coeficientes{});
    esperado.Orientada = true;
    Trabalho lido;
    EXPECT_EQ(Abrir(texto, lido), "");
    EXPECT_EQ(lido, esperado);
  }
}

TEST(Reserva_trabalho, AberturaSobrePontosJaLidosEArquivoRuim) {
  const Trabalho salvo = Salvo(true);
  const std::string texto = Conteudo_reserva(salvo, salvo.Nome_arquivo);

  // The points join those already there, and a vertex names the position its point
  // takes in the list.
  Trabalho sobre = Salvo(true), esperado = Salvo(true);  // each with a list of its own
  EXPECT_EQ(Abrir(texto, sobre), "");
  for (const Ponto_orientacao& p : *salvo.OLista_coord) esperado.OLista_coord->Acrescentar(p);
  for (const Ponto_digitalizado& p : salvo.Lista_pontos) esperado.Lista_pontos.Acrescentar(p);
  esperado.Lista_pconv = Lista_de<Vertice_pconv>({{1, 1}, {2, 2}, {1, 4}, {2, 5}});
  esperado.Orientada = true;
  EXPECT_EQ(sobre, esperado);

  // A bad line keeps everything read before it and stops there.
  const std::string cortado = texto.substr(0, texto.rfind(" 5 ")) + " x\n";
  Trabalho parcial;
  EXPECT_EQ(Abrir(cortado, parcial), "'x' is not a valid integer value");
  esperado = Salvo(true);
  esperado.Lista_pontos.Remover(2);
  esperado.Lista_pconv.Remover(1);
  esperado.Proximo_ponto = 1;
  esperado.Orientada = true;
  EXPECT_EQ(parcial, esperado);
}

TEST(Reserva_trabalho, ConcatenacaoNumeraAPartirDaBase) {
  const std::string texto = Conteudo_reserva(Salvo(true), "");
  Trabalho t;
  for (bool base : {true, false, false}) {
    const Arquivo fluxo = Fluxo_de_texto(texto);
    Acrescentar_pontos(fluxo.get(), base, t);
  }
  Trabalho esperado;
  int numero = 4;
  for (int vez = 0; vez < 3; ++vez)
    for (Ponto_digitalizado p : Salvo(true).Lista_pontos) {
      if (vez > 0) p.Numero = numero++;
      esperado.Lista_pontos.Acrescentar(p);
    }
  esperado.Proximo_ponto = 10;
  EXPECT_EQ(t, esperado);
}
