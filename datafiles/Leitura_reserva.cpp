#include "datafiles/Leitura_reserva.h"

#include <sys/stat.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "app/Conversao.h"
#include "app/Erro.h"
#include "datafiles/Interpreta_registro.h"
#include "datafiles/Ler_linha.h"

namespace {

constexpr int Linhas_coeficientes = 6;

// Counts are never negative: a negative one would make the next point numbers zero or
// negative. It is refused with the conversion error of its line, as a count that is
// not a number is.
int Contagem_inteira(const std::string& linha) {
  const int32_t contagem = Texto_para_inteiro(linha);
  if (contagem < 0) throw Erro::Inteiro_invalido(linha);
  return contagem;
}

// Open data reads the control point count as a real number truncated toward zero,
// so "4" and "4.0" both give 4.
int Contagem_real(const std::string& linha) {
  const double contagem = std::trunc(Texto_para_real(linha));
  if (!(contagem >= 0 && contagem <= std::numeric_limits<int32_t>::max()))
    throw Erro::Real_invalido(linha);
  return static_cast<int>(contagem);
}

void Ler_orientacao(std::FILE* arquivo, Receptor_reserva& receptor) {
  const int pontos_controle = Contagem_real(Ler_linha(arquivo));
  for (int i = 0; i < pontos_controle; ++i) {
    const auto p = Interpreta_registro(Ler_linha(arquivo), Modo_registro::Controle);
    receptor.Ponto_controle(Ponto_orientacao{p.Numero, p.E, p.N, p.x, p.y});
  }
  receptor.Fim_pontos_controle(pontos_controle);

  static constexpr double Coeficientes::*Ordem[Linhas_coeficientes] = {
      &Coeficientes::a, &Coeficientes::b, &Coeficientes::c,
      &Coeficientes::d, &Coeficientes::e, &Coeficientes::f};
  Coeficientes coeficientes;
  receptor.Coeficientes_lidos(coeficientes);
  for (const auto coeficiente : Ordem) {
    coeficientes.*coeficiente = Texto_para_real(Ler_linha(arquivo));
    receptor.Coeficientes_lidos(coeficientes);
  }
  receptor.Fim_coeficientes();
}

// Skipping stops at the end of the file: a huge count in a short file then fails at
// once on the (empty) point count line instead of reading nothing for a long time.
void Pular_orientacao(std::FILE* arquivo) {
  const int64_t linhas = int64_t{Contagem_inteira(Ler_linha(arquivo))} + Linhas_coeficientes;
  for (int64_t i = 0; i < linhas && !std::feof(arquivo); ++i) Ler_linha(arquivo);
}

}  // namespace

void Ler_reserva(std::FILE* arquivo, Leitura_reserva leitura, Receptor_reserva& receptor) {
  receptor.Nome_imagem(Ler_linha(arquivo));
  if (leitura == Leitura_reserva::Completa)
    Ler_orientacao(arquivo, receptor);
  else
    Pular_orientacao(arquivo);

  const int pontos = Contagem_inteira(Ler_linha(arquivo));
  for (int i = 0; i < pontos; ++i)
    receptor.Ponto(Interpreta_registro(Ler_linha(arquivo), Modo_registro::Ponto));
  receptor.Fim_pontos(pontos);
}

Arquivo_lido Abrir_leitura(const std::string& caminho) {
  Arquivo_lido arquivo(std::fopen(caminho.c_str(), "r"));
  // A folder opens for reading here but holds no lines: it is a file that cannot be read.
  struct stat estado {};
  if (arquivo && (fstat(fileno(arquivo.get()), &estado) != 0 || S_ISDIR(estado.st_mode)))
    arquivo.reset();
  return arquivo;
}
