#include "nucleo/arquivos/Formato_reserva.h"

#include <cmath>

#include "nucleo/arquivos/Formato_ENh.h"
#include "nucleo/arquivos/Valores_gravaveis.h"
#include "nucleo/base/Formatacao.h"

namespace {

// Control point pixel positions are written truncated toward zero.
void Escrever_pontos_controle(std::FILE* arquivo, const Lista<Ponto_orientacao>& pontos) {
  fmt::fprintf(arquivo, "%d\n", pontos.Quantidade());
  for (const auto& p : pontos) {
    const std::string registro = fmt::sprintf("Ponto de controle %d", p.Numero);
    Exigir_finito(p.E, registro, "E");
    Exigir_finito(p.N, registro, "N");
    Exigir_pixel(p.x, registro, "x");
    Exigir_pixel(p.y, registro, "y");
    fmt::fprintf(arquivo, "%d %11.3f %11.3f %d %d\n", p.Numero, p.E, p.N,
                 static_cast<int32_t>(std::trunc(p.x)), static_cast<int32_t>(std::trunc(p.y)));
  }
}

void Escrever_coeficientes(std::FILE* arquivo, const Coeficientes& c) {
  char nome[] = "a";
  for (const double valor : {c.a, c.b, c.c, c.d, c.e, c.f}) {
    Exigir_finito(valor, "Orientacao", nome);
    fmt::fprintf(arquivo, "%20.10f\n", valor);
    ++nome[0];
  }
}

void Escrever_pontos(std::FILE* arquivo, const Lista<Ponto_digitalizado>& pontos) {
  fmt::fprintf(arquivo, "%5d\n", pontos.Quantidade());
  for (const auto& p : pontos) {
    Exigir_ENh_gravavel(p);
    const std::string registro = fmt::sprintf("Ponto %d", p.Numero);
    Exigir_pixel(p.x, registro, "x");
    Exigir_pixel(p.y, registro, "y");
    fmt::fprintf(arquivo, " %6d %10.3f %11.3f %7.2f %5.0f %5.0f %d\n", p.Numero, p.E, p.N, p.h, p.x,
                 p.y, p.Marca_pconv);
  }
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
  // A name shorter than that would put the mark into the folder's name.
  const std::size_t barra = caminho_ENh.rfind('/');
  const std::size_t inicio_nome = barra == std::string::npos ? 0 : barra + 1;
  if (corte < inicio_nome) {
    const std::size_t ponto = caminho_ENh.rfind('.');
    corte = ponto != std::string::npos && ponto > inicio_nome ? ponto : caminho_ENh.size();
  }
  std::string reserva = caminho_ENh;
  reserva.insert(corte, "_RESERVA");
  return reserva;
}

bool E_arquivo_reserva(const std::string& caminho) {
  return caminho.ends_with("_RESERVA.ENh");
}
