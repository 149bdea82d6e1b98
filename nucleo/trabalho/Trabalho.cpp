#include "nucleo/trabalho/Trabalho.h"

std::vector<Ponto_orientacao> Pontos_controle(const Trabalho& t, int quantos) {
  std::vector<Ponto_orientacao> pontos;
  for (int i = 0; i < quantos; ++i) pontos.push_back(t.OLista_coord->Item(i));
  return pontos;
}

std::vector<Ponto_orientacao> Pontos_controle(const Trabalho& t) {
  return Pontos_controle(t, t.OLista_coord->Quantidade());
}

const Coeficientes* Orientacao_em_vigor(const Trabalho& t) {
  return t.Orientada && t.Coef_orientacao ? &*t.Coef_orientacao : nullptr;
}

Acao_clique Acao_do_clique(const Trabalho& t) {
  if (!t.Coord_carta_lidas) return Acao_clique::Nenhuma;
  if (!t.Orientada)
    return t.Pontos_associados < t.OLista_coord->Quantidade() ? Acao_clique::Associar_controle
                                                              : Acao_clique::Nenhuma;
  // Digitizing needs the transform for the pixel and a mode for the value's sign.
  if (t.Digitalizacao_liberada && Orientacao_em_vigor(t) &&
      t.Modo_digitalizacao != Modo_valor::Nenhum)
    return Acao_clique::Digitalizar;
  return Acao_clique::Nenhuma;
}

void Reiniciar_trabalho(Trabalho& t) {
  t.Tem_lista_coord = false;
  t.Coord_carta_lidas = false;
  t.Orientada = false;
  t.Digitalizacao_liberada = false;
  t.Modo_digitalizacao = Modo_valor::Altitude;
  t.Pontos_associados = 0;
  t.Proximo_ponto = 1;
  t.Lista_pontos.Esvaziar();
  t.OLista_coord->Esvaziar();
  t.Lista_pconv.Esvaziar();
  Limpar_regiao(t);
  for (auto& regiao : t.Regioes) regiao.Esvaziar();
}

void Limpar_regiao(Trabalho& t) {
  t.Desc_regiao = Descricao_regiao{};
}

void Recomecar_captura(Trabalho& t) {
  t.Coef_orientacao.reset();
  t.Pontos_associados = 0;
  t.Orientada = false;
  t.Digitalizacao_liberada = false;
}

void Aceitar_orientacao(Trabalho& t) {
  t.Orientada = true;
  t.Modo_clique = 0;
  t.Digitalizacao_liberada = true;
}

void Continuar_digitalizacao(Trabalho& t) {
  t.Orientada = true;
  t.Coord_carta_lidas = true;
  t.Digitalizacao_liberada = true;
}

void Escolher_modo(Trabalho& t, Modo_valor modo) {
  t.Modo_clique = 1;
  t.Modo_digitalizacao = modo;
}

void Adotar_pontos_controle(Trabalho& t, std::shared_ptr<Lista<Ponto_orientacao>> lista) {
  t.OLista_coord = std::move(lista);
  t.Tem_lista_coord = true;
  t.Coord_carta_lidas = true;
}

void Iniciar_captura(Trabalho& t) {
  t.Orientada = false;
  t.Modo_clique = 1;
}

void Parar_cliques(Trabalho& t) {
  t.Modo_clique = 0;
}

bool Associar_ponto(Trabalho& t, int X, int Y) {
  Ponto_orientacao& associado = t.OLista_coord->Item(t.Pontos_associados);
  associado.x = X;
  associado.y = Y;
  ++t.Pontos_associados;
  return t.Pontos_associados == t.OLista_coord->Quantidade();
}

void Acrescentar_ponto(Trabalho& t, double x, double y, double h) {
  const Coeficientes& c = t.Coef_orientacao.value();
  t.Lista_pontos.Acrescentar({t.Proximo_ponto, -1, c.Este(x, y), c.Norte(x, y), x, y, h});
  ++t.Proximo_ponto;
}

void Remover_ultimo_ponto(Trabalho& t) {
  t.Lista_pontos.Remover(t.Lista_pontos.Quantidade() - 1);
  --t.Proximo_ponto;
}

void Descartar_marcas_pconv(Trabalho& t) {
  for (Ponto_digitalizado& ponto : t.Lista_pontos) ponto.Marca_pconv = -1;
}
