#pragma once
// The job: what a digitizing job holds apart from the window that shows it. The lists,
// the flags and counters that steer the order of work, the orientation and the limit
// polygon's description, under the names the user's documents give them. The main
// window owns one; the pure parts of the commands work on it without a widget.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"
#include "nucleo/orientacao/Coeficientes.h"
#include "nucleo/poligono/Regiao.h"

// A shared pointer that compares by what it points to. The control point list is one
// object shared with the dialog that fills it; two jobs are equal when their lists hold
// the same points, wherever each list lives.
template <typename T>
class Compartilhado : public std::shared_ptr<T> {
 public:
  using std::shared_ptr<T>::shared_ptr;
  Compartilhado(std::shared_ptr<T> ponteiro) : std::shared_ptr<T>(std::move(ponteiro)) {}

  friend bool operator==(const Compartilhado& a, const Compartilhado& b) {
    return a && b ? *a == *b : a.get() == b.get();
  }
};

// What the values typed from now on are: no mode chosen yet, altitudes, or depths (kept
// negative).
enum class Modo_valor { Nenhum, Altitude, Profundidade };

struct Trabalho {
  Compartilhado<Lista<Ponto_orientacao>> OLista_coord = std::make_shared<Lista<Ponto_orientacao>>();
  Lista<Ponto_digitalizado> Lista_pontos;
  Lista<Vertice_pconv> Lista_pconv;
  std::array<Lista<Ponto_regiao>, Num_regioes> Regioes;
  int32_t Modo_clique = 0;  // a clicking function (capture, digitizing) is active
  bool Orientada = false;
  bool Tem_lista_coord = false;
  int32_t Pontos_associados = 0;
  bool Digitalizacao_liberada = false;
  bool Coord_carta_lidas = false;
  std::optional<Coeficientes> Coef_orientacao;
  int32_t Proximo_ponto = 1;
  std::string Nome_arquivo;  // the chart's picture
  Modo_valor Modo_digitalizacao = Modo_valor::Nenhum;
  Descricao_regiao Desc_regiao;

  bool operator==(const Trabalho&) const = default;
};

// The control points as the computations take them: the first `quantos` of the list, or
// all of them.
std::vector<Ponto_orientacao> Pontos_controle(const Trabalho& trabalho, int quantos);
std::vector<Ponto_orientacao> Pontos_controle(const Trabalho& trabalho);

// The coefficients that take a pixel to the chart, once an orientation is in force;
// nullptr before.
const Coeficientes* Orientacao_em_vigor(const Trabalho& trabalho);

// What a left click on the picture does at this point of the work.
enum class Acao_clique {
  Nenhuma,            // nothing to click for
  Associar_controle,  // the next control point takes the clicked position
  Digitalizar,        // a new point, whose value is asked for
};
Acao_clique Acao_do_clique(const Trabalho& trabalho);

// The steps of the order of work that change only the job. Each command does its own
// window side (menus, cursor, panels, picture) around them.

// "Nova digitalização" and a second "Abrir imagem": no control points, no orientation,
// no points, no polygon, and the altitude mode. The control point list is emptied, not
// replaced: once the dialog was accepted it is the dialog's own list. The coefficients,
// the picture's name and the click mode stay as they were.
void Reiniciar_trabalho(Trabalho& trabalho);

// Desc_regiao back to its undetermined state, as a reset leaves it.
void Limpar_regiao(Trabalho& trabalho);

// Back to the clicking of the control points from the first one, with no coefficients
// and no digitizing, whether or not an orientation had been accepted.
void Recomecar_captura(Trabalho& trabalho);

// An accepted orientation: digitizing is released and waits for a mode.
void Aceitar_orientacao(Trabalho& trabalho);

// A job read back from its reserve file goes on where it stopped.
void Continuar_digitalizacao(Trabalho& trabalho);

// "Altitudes" or "Profundidades": clicks digitize, with the sign of the chosen mode.
void Escolher_modo(Trabalho& trabalho, Modo_valor modo);

// "Ler coord. de carta" accepted: the dialog's list becomes the job's, one list from now
// on, and the image positions can be clicked.
void Adotar_pontos_controle(Trabalho& trabalho, std::shared_ptr<Lista<Ponto_orientacao>> lista);

// "Digit. coord. imagem": the clicks associate control points again (any orientation
// stops being in force until the next one is accepted).
void Iniciar_captura(Trabalho& trabalho);

// "Parar digitalização": clicks no longer do anything.
void Parar_cliques(Trabalho& trabalho);

// The next control point to associate takes the clicked image position; true once
// every control point has one. There must be a control point left to associate.
bool Associar_ponto(Trabalho& trabalho, int X, int Y);

// A digitized point at image position (x, y) with the value h (depths already
// negative): numbered with the next number, its chart position from the orientation,
// which must exist, and no vertex mark.
void Acrescentar_ponto(Trabalho& trabalho, double x, double y, double h);

// The last point goes and gives its number back. Raises the list-index error when there
// is no point.
void Remover_ultimo_ponto(Trabalho& trabalho);

// The vertex marks dropped from the points; the vertex list, the regions and the
// description stay as they are.
void Descartar_marcas_pconv(Trabalho& trabalho);
