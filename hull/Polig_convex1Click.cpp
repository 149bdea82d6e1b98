// "Operacoes" -> "Polig. convexo": builds the limit polygon of the digitized points,
// marks its vertices, lists them and assigns the other points to the regions outside
// its edges, reporting each step in a box.

#include <fmt/printf.h>

#include <algorithm>
#include <string>

#include "app/Cartavel.h"
#include "hull/Extremos.h"
#include "hull/Regiao.h"
#include "hull/Textos_pconv.h"

namespace {

// The construction's boxes all offer OK and Cancel; the reports ignore the answer.
Resposta Caixa(TForm1& f, const std::string& texto, const std::string& titulo) {
  return f.ui.Caixa_mensagem(texto, titulo, Botoes::OK_Cancelar);
}

const char* const Titulo_abortada = " ATENÇÃO: Criação abortada!!";

// An existing polygon is destroyed (marks and vertex list) only on OK.
bool Destruir_pol_convexo(TForm1& f) {
  const char* pergunta =
      " ATENÇÃO: Já há poligono convexo!! \n\n          Destruir    ->   OK \n\n"
      "          Manter      ->   CANCEL \n\n";
  if (Caixa(f, pergunta, "ATENÇÃO: Já há poligono convexo!!") != Resposta::OK) {
    Caixa(f, "ATENÇÃO: Criação de polígono convexo abortada!!", Titulo_abortada);
    return false;
  }
  for (Ponto_digitalizado& ponto : f.Lista_pontos) ponto.Marca_pconv = -1;
  f.Lista_pconv.Esvaziar();
  Caixa(f, " Nao há mais pontos no TLIst pol converx", " FAGFHSFHF");
  return true;
}

int32_t Busca_maxima(TForm1& f, char eixo) {
  f.Funcao_corrente("Determinação de coord. máxima");
  const int32_t achado = Coord_maxima(f.Lista_pontos, eixo);
  f.Funcao_corrente("Nenhuma");
  return achado;
}

int32_t Busca_minima(TForm1& f, char eixo) {
  f.Funcao_corrente("Determinação de coord. mínima");
  const int32_t achado = Coord_minima(f.Lista_pontos, eixo);
  f.Funcao_corrente("nenhuma ");
  return achado;
}

struct Extremos {
  int32_t iW, iN, iE, iS;  // positions in Lista_pontos; -1 when no point qualified

  // With points, each axis has at least one search that finds; a search that finds
  // nothing then means the points lie outside the grid the searches assume.
  bool Incompletos() const {
    const int achados = (iW >= 0) + (iN >= 0) + (iE >= 0) + (iS >= 0);
    return achados != 0 && achados != 4;
  }
};

Extremos Achar_extremos(TForm1& f) {
  // Braced initialisation runs the searches in this order: W, N, E, S.
  return {Busca_minima(f, 'E') - 1, Busca_maxima(f, 'N') - 1, Busca_maxima(f, 'E') - 1,
          Busca_minima(f, 'N') - 1};
}

int Num_vertices(const Descricao_regiao& desc) {
  return std::min(desc.Num_subregioes, 4);
}

void Marcar_vertices(TForm1& f) {
  for (int k = 0; k < Num_vertices(f.Desc_regiao); ++k)
    f.Lista_pontos.Item(f.Desc_regiao.Indices_extremos[k]).Marca_pconv = k + 1;
}

void Listar_vertices(TForm1& f, std::string& texto) {
  for (int k = 0; k < Num_vertices(f.Desc_regiao); ++k)
    f.Lista_pconv.Acrescentar({k, f.Desc_regiao.Indices_extremos[k]});
  texto = Texto_vertices(f.Lista_pconv);
  Caixa(f, texto, " Acabou de criar o Pol limite  ");
}

// The region boxes share the vertex listing's text, which is cleared only after the
// first three: an empty region shows whatever the text last held.
void Mostrar_regioes(TForm1& f, std::string& texto) {
  for (int r = 0; r < Num_regioes; ++r) {
    if (!f.Regioes[r].Vazia()) texto = Texto_regiao(r + 1, f.Regioes[r]);
    Caixa(f, texto, fmt::sprintf(" Pontos da regiao %d", r + 1));
    if (r < 3) texto.clear();
  }
}

void Construir_pol_convexo(TForm1& f) {
  const Extremos x = Achar_extremos(f);
  if (x.Incompletos()) {
    Caixa(f,
          " ATENÇÃO: Há pontos fora dos limites de coordenadas\n"
          " (0 < E < 10000000 m e 0 < N < 20000000 m).\n\n"
          " Criação de polígono convexo abortada!!",
          Titulo_abortada);
    return;
  }
  // Vertices left from a polygon whose marks were discarded elsewhere must not join
  // the new one.
  f.Lista_pconv.Esvaziar();
  Descricao_regiao& desc = f.Desc_regiao;
  Caracteriza_regiao(f.Lista_pontos, x.iW, x.iN, x.iE, x.iS, desc);
  Caixa(f, Texto_indices(x.iW, x.iN, x.iE, x.iS, desc), " indices pconv ");
  Marcar_vertices(f);
  Caixa(f, Texto_caracterizacao(desc), " Caracterizacao da Regiao");
  if (desc.Tipo_regiao > 13) return;  // a point or a line: no polygon to list
  std::string texto;
  Listar_vertices(f, texto);
  Classifica_pontos(desc, f.Lista_pontos, f.Regioes);
  Mostrar_regioes(f, texto);
  Caixa(f, " terminou de determinar a reg de cada pto", "  ");
}

}  // namespace

void TForm1::Polig_convex1Click() {
  Funcao_corrente("Criação do polígono convexo ");
  if (!Tem_pol_convexo() || Destruir_pol_convexo(*this)) Construir_pol_convexo(*this);
  Funcao_corrente("nenhuma");
}
