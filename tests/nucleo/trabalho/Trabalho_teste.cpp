#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "nucleo/trabalho/Trabalho.h"
#include "tests/apoio/Impressao_trabalho.h"
#include "tests/apoio/Mensagem_de_erro.h"

// The control point list is shared with its dialog, so two jobs compare by the points
// their lists hold, not by where the lists live.
TEST(Trabalho, ListaDeControleComparadaPeloConteudo) {
  Trabalho a, b;
  EXPECT_EQ(a, b);
  a.OLista_coord->Acrescentar({1, 100.0, 200.0, 3.0, 4.0});
  EXPECT_NE(a, b);
  b.OLista_coord->Acrescentar({1, 100.0, 200.0, 3.0, 4.0});
  EXPECT_NE(a.OLista_coord.get(), b.OLista_coord.get());
  EXPECT_EQ(a, b);

  b.OLista_coord = nullptr;
  EXPECT_NE(a, b);
  a.OLista_coord = nullptr;
  EXPECT_EQ(a, b);
}

namespace {

// A job halfway through its work, its fields away from their defaults.
Trabalho Em_andamento() {
  Trabalho t;
  t.OLista_coord->Acrescentar({1, 100, 200, 3, 4});
  t.Lista_pontos.Acrescentar({1, 1, 10, 20, 30, 40, 5});
  t.Lista_pontos.Acrescentar({2, -1, 11, 21, 31, 41, -6});
  t.Lista_pconv.Acrescentar({0, 0});
  t.Regioes[2].Acrescentar({1, 'S'});
  t.Orientada = t.Tem_lista_coord = t.Digitalizacao_liberada = t.Coord_carta_lidas = true;
  t.Pontos_associados = 1;
  t.Coef_orientacao = Coeficientes{1, 2, 3, 4, 5, 6};
  t.Proximo_ponto = 3;
  t.Nome_arquivo = "/mapas/folha.jpg";
  t.Modo_digitalizacao = Modo_valor::Profundidade;
  t.Desc_regiao.Tipo_regiao = 12;
  t.Desc_regiao.Textos_regiao[0] = "NE";
  return t;
}

}  // namespace

// Each step from the same job: what it changes, and nothing else.
TEST(Trabalho, PassosMudamSoOQueLhesCabe) {
  struct Caso {
    const char* nome;
    int32_t clique;  // the click mode before: each step that sets it finds the other one
    std::function<void(Trabalho&)> passo;
    std::function<void(Trabalho&)> mudancas;
  };
  const std::vector<Caso> casos = {
      {"Reiniciar_trabalho", 1, Reiniciar_trabalho,
       [](Trabalho& t) {
         t.OLista_coord->Esvaziar();
         t.Lista_pontos = {};
         t.Lista_pconv = {};
         t.Regioes = {};
         t.Orientada = t.Tem_lista_coord = t.Digitalizacao_liberada = t.Coord_carta_lidas = false;
         t.Pontos_associados = 0;
         t.Proximo_ponto = 1;
         t.Modo_digitalizacao = Modo_valor::Altitude;
         t.Desc_regiao = {};
       }},
      {"Recomecar_captura", 1, Recomecar_captura,
       [](Trabalho& t) {
         t.Coef_orientacao.reset();
         t.Pontos_associados = 0;
         t.Orientada = t.Digitalizacao_liberada = false;
       }},
      {"Aceitar_orientacao", 1, Aceitar_orientacao,
       [](Trabalho& t) {
         t.Modo_clique = 0;
         t.Orientada = t.Digitalizacao_liberada = true;
       }},
      {"Continuar_digitalizacao", 0, Continuar_digitalizacao,
       [](Trabalho& t) { t.Orientada = t.Coord_carta_lidas = t.Digitalizacao_liberada = true; }},
      {"Escolher_modo altitude", 0, [](Trabalho& t) { Escolher_modo(t, Modo_valor::Altitude); },
       [](Trabalho& t) {
         t.Modo_clique = 1;
         t.Modo_digitalizacao = Modo_valor::Altitude;
       }},
      {"Escolher_modo profundidade", 0,
       [](Trabalho& t) { Escolher_modo(t, Modo_valor::Profundidade); },
       [](Trabalho& t) {
         t.Modo_clique = 1;
         t.Modo_digitalizacao = Modo_valor::Profundidade;
       }},
      {"Iniciar_captura", 0, Iniciar_captura,
       [](Trabalho& t) {
         t.Modo_clique = 1;
         t.Orientada = false;
       }},
      {"Parar_cliques", 1, Parar_cliques, [](Trabalho& t) { t.Modo_clique = 0; }},
      {"Descartar_marcas_pconv", 1, Descartar_marcas_pconv,
       [](Trabalho& t) { t.Lista_pontos.Item(0).Marca_pconv = -1; }},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    Trabalho antes = Em_andamento(), depois = Em_andamento();
    antes.Modo_clique = depois.Modo_clique = c.clique;
    const auto lista_de_controle = antes.OLista_coord.get();
    c.passo(antes);
    c.mudancas(depois);
    EXPECT_EQ(antes, depois);
    // The dialog shares the control point list: it is emptied, never replaced.
    EXPECT_EQ(antes.OLista_coord.get(), lista_de_controle);
  }
}

TEST(Trabalho, CliquesAssociamEDigitalizam) {
  Trabalho t;
  t.OLista_coord->Acrescentar({101, 300100, 7000300, 0, 0});
  t.OLista_coord->Acrescentar({102, 300200, 7000300, 0, 0});
  EXPECT_FALSE(Associar_ponto(t, 10, 20));
  EXPECT_TRUE(Associar_ponto(t, 30, 40));
  t.Coef_orientacao = Coeficientes{2, 0, 300000, 0, -2, 7000500};
  t.Proximo_ponto = 7;  // numbers go on from a reopened job's count
  Acrescentar_ponto(t, 10, 20, 5.5);
  Acrescentar_ponto(t, 11, 21, -3);
  Remover_ultimo_ponto(t);

  Trabalho esperado;
  esperado.OLista_coord->Acrescentar({101, 300100, 7000300, 10, 20});
  esperado.OLista_coord->Acrescentar({102, 300200, 7000300, 30, 40});
  esperado.Pontos_associados = 2;
  esperado.Coef_orientacao = t.Coef_orientacao;
  esperado.Lista_pontos.Acrescentar({7, -1, 300020, 7000460, 10, 20, 5.5});
  esperado.Proximo_ponto = 8;
  EXPECT_EQ(t, esperado);

  Remover_ultimo_ponto(t);
  EXPECT_EQ(Mensagem_de_erro([&] { Remover_ultimo_ponto(t); }), "List index out of bounds (-1)");
  EXPECT_EQ(t.Proximo_ponto, 7);
}

// The dialog's list becomes the job's own object, not a copy of it.
TEST(Trabalho, PontosDeControleAdotadosSaoALista) {
  Trabalho t;
  auto lista = std::make_shared<Lista<Ponto_orientacao>>();
  lista->Acrescentar({1, 300100, 7000300, 0, 0});
  lista->Acrescentar({2, 300200, 7000400, 0, 0});
  Adotar_pontos_controle(t, lista);
  EXPECT_EQ(t.OLista_coord.get(), lista.get());
  EXPECT_TRUE(t.Tem_lista_coord && t.Coord_carta_lidas);
  EXPECT_EQ(Pontos_controle(t), (std::vector<Ponto_orientacao>{lista->Item(0), lista->Item(1)}));
  EXPECT_EQ(Pontos_controle(t, 1), std::vector<Ponto_orientacao>{lista->Item(0)});
}

TEST(Trabalho, AcaoDoCliqueSegueAOrdemDoTrabalho) {
  struct Caso {
    const char* nome;
    std::function<void(Trabalho&)> estado;
    Acao_clique esperada;
  };
  // From a job whose chart coordinates are read, with one control point left to click.
  const std::vector<Caso> casos = {
      {"carta por ler", [](Trabalho& t) { t.Coord_carta_lidas = false; }, Acao_clique::Nenhuma},
      {"ponto a associar", [](Trabalho&) {}, Acao_clique::Associar_controle},
      {"todos associados", [](Trabalho& t) { t.Pontos_associados = 2; }, Acao_clique::Nenhuma},
      {"orientada, sem modo", [](Trabalho& t) { Aceitar_orientacao(t); }, Acao_clique::Nenhuma},
      {"orientada, com modo",
       [](Trabalho& t) {
         Aceitar_orientacao(t);
         Escolher_modo(t, Modo_valor::Profundidade);
       },
       Acao_clique::Digitalizar},
      {"sem coeficientes",
       [](Trabalho& t) {
         Aceitar_orientacao(t);
         Escolher_modo(t, Modo_valor::Altitude);
         t.Coef_orientacao.reset();
       },
       Acao_clique::Nenhuma},
      {"digitalização não liberada",
       [](Trabalho& t) {
         t.Orientada = true;
         t.Modo_digitalizacao = Modo_valor::Altitude;
       },
       Acao_clique::Nenhuma},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    Trabalho t;
    t.OLista_coord->Acrescentar({1, 300100, 7000300, 0, 0});
    t.OLista_coord->Acrescentar({2, 300200, 7000400, 0, 0});
    t.Coord_carta_lidas = true;
    t.Pontos_associados = 1;
    t.Coef_orientacao = Coeficientes{2, 0, 300000, 0, -2, 7000500};
    c.estado(t);
    EXPECT_EQ(Acao_do_clique(t), c.esperada);
  }
}
