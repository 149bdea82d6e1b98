#include "datafiles/Formato_reserva.h"

#include <fmt/printf.h>

#include <cmath>
#include <limits>

#include "app/Erro.h"

namespace {

// Control point pixel positions are written truncated toward zero. A value that no
// int32 can hold (only a hand-edited file brings one) is refused, not wrapped.
int32_t Truncar(double valor) {
  const double truncado = std::trunc(valor);
  if (!(truncado >= std::numeric_limits<int32_t>::min() &&
        truncado <= std::numeric_limits<int32_t>::max()))
    throw Erro::Operacao_invalida();
  return static_cast<int32_t>(truncado);
}

void Escrever_pontos_controle(std::FILE* arquivo, const Lista<Ponto_orientacao>& pontos) {
  fmt::fprintf(arquivo, "%d\n", pontos.Quantidade());
  for (const auto& p : pontos)
    fmt::fprintf(arquivo, "%d %11.3f %11.3f %d %d\n", p.Numero, p.E, p.N, Truncar(p.x),
                 Truncar(p.y));
}

void Escrever_coeficientes(std::FILE* arquivo, const Coeficientes& c) {
  for (const double valor : {c.a, c.b, c.c, c.d, c.e, c.f})
    fmt::fprintf(arquivo, "%20.10f\n", valor);
}

void Escrever_pontos(std::FILE* arquivo, const Lista<Ponto_digitalizado>& pontos) {
  fmt::fprintf(arquivo, "%5d\n", pontos.Quantidade());
  for (const auto& p : pontos)
    fmt::fprintf(arquivo, " %6d %10.3f %11.3f %7.2f %5.0f %5.0f %d\n", p.Numero, p.E, p.N, p.h, p.x,
                 p.y, p.Marca_pconv);
}

bool Continuacao_utf8(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

void Escrever_reserva(std::FILE* arquivo, const std::string& nome_imagem,
                      const Lista<Ponto_orientacao>& pontos_controle,
                      const Coeficientes& coeficientes, const Lista<Ponto_digitalizado>& pontos) {
  fmt::fprintf(arquivo, "%s\n", nome_imagem);
  Escrever_pontos_controle(arquivo, pontos_controle);
  Escrever_coeficientes(arquivo, coeficientes);
  Escrever_pontos(arquivo, pontos);
}

std::string Caminho_reserva(const std::string& caminho_ENh) {
  // Four characters, not four bytes: a name ending in accented letters is not cut
  // inside a UTF-8 sequence.
  std::size_t corte = caminho_ENh.size();
  for (int caracteres = 0; caracteres < 4 && corte > 0; ++caracteres) {
    --corte;
    while (corte > 0 && Continuacao_utf8(caminho_ENh[corte])) --corte;
  }
  std::string reserva = caminho_ENh;
  reserva.insert(corte, "_RESERVA");
  return reserva;
}

bool E_arquivo_reserva(const std::string& caminho) {
  return caminho.ends_with("_RESERVA.ENh");
}
