// "Operacoes" -> "Polig. convexo": builds the limit polygon of the digitized points,
// marks its vertices, lists them and assigns the other points to the regions outside
// its edges, reporting each step in a box.

#include <string>

#include "janela/principal/Cartavel.h"
#include "nucleo/base/Formatacao.h"
#include "nucleo/poligono/Extremos.h"
#include "nucleo/poligono/Pol_convexo.h"
#include "nucleo/poligono/Textos_pconv.h"
#include "nucleo/trabalho/Construcao_pconv.h"

namespace {

// The construction's boxes all offer OK and Cancel; the reports ignore the answer.
Resposta Caixa(TForm1& f, const std::string& texto, const std::string& titulo) {
  return f.ui.Caixa_mensagem(texto, titulo, Botoes::OK_Cancelar);
}

const char* const Titulo_abortada = " ATENÇÃO: Criação abortada!!";

// An existing polygon is destroyed only on OK.
bool Perguntar_e_destruir(TForm1& f) {
  const char* pergunta =
      " ATENÇÃO: Já há poligono convexo!! \n\n          Destruir    ->   OK \n\n"
      "          Manter      ->   CANCEL \n\n";
  if (Caixa(f, pergunta, "ATENÇÃO: Já há poligono convexo!!") != Resposta::OK) {
    Caixa(f, "ATENÇÃO: Criação de polígono convexo abortada!!", Titulo_abortada);
    return false;
  }
  Destruir_pol_convexo(f.trabalho);
  Caixa(f, " Nao há mais pontos no TLIst pol converx", " FAGFHSFHF");
  return true;
}

// The region boxes share the vertex listing's text, which is cleared only after the
// first three: an empty region shows whatever the text last held.
void Mostrar_regioes(TForm1& f, std::string texto) {
  for (int r = 0; r < Num_regioes; ++r) {
    if (!f.trabalho.Regioes[r].Vazia()) texto = Texto_regiao(r + 1, f.trabalho.Regioes[r]);
    Caixa(f, texto, fmt::sprintf(" Pontos da regiao %d", r + 1));
    if (r < 3) texto.clear();
  }
}

// The reports of a construction, each from the state it left.
void Relatar_construcao(TForm1& f, const Extremos& x) {
  const Descricao_regiao& desc = f.trabalho.Desc_regiao;
  Caixa(f, Texto_indices(x.iW, x.iN, x.iE, x.iS, desc), " indices pconv ");
  Caixa(f, Texto_caracterizacao(desc), " Caracterizacao da Regiao");
  if (desc.Tipo_regiao > 13) return;
  const std::string texto = Texto_vertices(f.trabalho.Lista_pconv);
  Caixa(f, texto, " Acabou de criar o Pol limite  ");
  Mostrar_regioes(f, texto);
  Caixa(f, " terminou de determinar a reg de cada pto", "  ");
}

void Construir_e_relatar(TForm1& f) {
  const Extremos x = Achar_extremos(f.trabalho.Lista_pontos);
  f.Funcao_corrente("nenhuma ");  // as the last search leaves the panel
  if (x.Incompletos()) {
    Caixa(f,
          " ATENÇÃO: Há pontos fora dos limites de coordenadas\n"
          " (0 < E < 10000000 m e 0 < N < 20000000 m).\n\n"
          " Criação de polígono convexo abortada!!",
          Titulo_abortada);
    return;
  }
  Construir_pol_convexo(f.trabalho, x);
  Relatar_construcao(f, x);
}

}  // namespace

void TForm1::Polig_convex1Click() {
  Funcao_corrente("Criação do polígono convexo ");
  if (!Tem_pol_convexo(trabalho.Lista_pontos) || Perguntar_e_destruir(*this))
    Construir_e_relatar(*this);
  Funcao_corrente("nenhuma");
}
