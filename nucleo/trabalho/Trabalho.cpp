#include "nucleo/trabalho/Trabalho.h"

void Reiniciar_trabalho(Trabalho& t) {
  t.Tem_lista_coord = false;
  t.Coord_carta_lidas = false;
  t.Orientada = false;
  t.Digitalizacao_liberada = false;
  t.Modo_altitude = true;
  t.Modo_profundidade = false;
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

void Escolher_modo(Trabalho& t, bool profundidade) {
  t.Modo_clique = 1;
  t.Modo_altitude = !profundidade;
  t.Modo_profundidade = profundidade;
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
