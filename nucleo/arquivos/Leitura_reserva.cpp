#include "nucleo/arquivos/Leitura_reserva.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>

#include "nucleo/arquivos/Interpreta_registro.h"
#include "nucleo/arquivos/Ler_linha.h"
#include "nucleo/base/Arquivo_regular.h"
#include "nucleo/base/Conversao.h"
#include "nucleo/base/Erro.h"

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
// so "4" and "4.0" both give 4. A number that is no count is refused as the integer
// it should have been.
int Contagem_real(const std::string& linha) {
  const double contagem = std::trunc(Texto_para_real(linha));
  if (!(contagem >= 0 && contagem <= std::numeric_limits<int32_t>::max()))
    throw Erro::Inteiro_invalido(linha);
  return static_cast<int>(contagem);
}

// The lines of the file, read into one buffer that every line reuses.
class Linhas {
 public:
  explicit Linhas(std::FILE* arquivo) : arquivo_(arquivo) {}
  const std::string& Proxima() {
    Ler_linha(arquivo_, linha_);
    return linha_;
  }
  // A read error ends the lines as the end of the file does.
  bool No_fim() const { return std::feof(arquivo_) != 0 || std::ferror(arquivo_) != 0; }

 private:
  std::FILE* arquivo_;
  std::string linha_;
};

void Ler_orientacao(Linhas& linhas, Receptor_reserva& receptor) {
  const int pontos_controle = Contagem_real(linhas.Proxima());
  for (int i = 0; i < pontos_controle; ++i) {
    const auto p = Interpreta_registro(linhas.Proxima(), Modo_registro::Controle);
    receptor.Ponto_controle(Ponto_orientacao{p.Numero, p.E, p.N, p.x, p.y});
  }
  receptor.Fim_pontos_controle(pontos_controle);

  static constexpr double Coeficientes::*Ordem[Linhas_coeficientes] = {
      &Coeficientes::a, &Coeficientes::b, &Coeficientes::c,
      &Coeficientes::d, &Coeficientes::e, &Coeficientes::f};
  Coeficientes coeficientes;
  receptor.Coeficientes_lidos(coeficientes);
  for (const auto coeficiente : Ordem) {
    coeficientes.*coeficiente = Texto_para_real(linhas.Proxima());
    receptor.Coeficientes_lidos(coeficientes);
  }
  receptor.Fim_coeficientes();
}

// A name with a control character (a NUL above all, which every system call cuts at)
// names some other file than the one written: nothing derived from it may be opened,
// written or removed.
const std::string& Nome_imagem(const std::string& linha) {
  for (const char c : linha) {
    const auto codigo = static_cast<unsigned char>(c);
    if (codigo < 32 || codigo == 127) throw Erro::Nome_arquivo_invalido(linha);
  }
  return linha;
}

// Skipping stops at the end of the file: a huge count in a short file then fails at
// once on the (empty) point count line instead of reading nothing for a long time.
void Pular_orientacao(Linhas& linhas) {
  const int64_t quantas = int64_t{Contagem_inteira(linhas.Proxima())} + Linhas_coeficientes;
  for (int64_t i = 0; i < quantas && !linhas.No_fim(); ++i) linhas.Proxima();
}

std::string Caminho_imagem(const std::string& nome, const std::string& caminho_reserva) {
  const std::filesystem::path imagem(nome);
  if (caminho_reserva.empty() || nome.empty() || imagem.is_absolute()) return nome;
  std::error_code erro;
  if (std::filesystem::exists(imagem, erro)) return nome;
  const std::filesystem::path ao_lado =
      std::filesystem::path(caminho_reserva).parent_path() / imagem;
  return std::filesystem::exists(ao_lado, erro) ? ao_lado.string() : nome;
}

}  // namespace

void Ler_reserva(std::FILE* arquivo, Leitura_reserva leitura, Receptor_reserva& receptor,
                 const std::string& caminho) {
  Linhas linhas(arquivo);
  receptor.Nome_imagem(Caminho_imagem(Nome_imagem(linhas.Proxima()), caminho));
  if (leitura == Leitura_reserva::Completa)
    Ler_orientacao(linhas, receptor);
  else
    Pular_orientacao(linhas);

  const int pontos = Contagem_inteira(linhas.Proxima());
  for (int i = 0; i < pontos; ++i)
    receptor.Ponto(Interpreta_registro(linhas.Proxima(), Modo_registro::Ponto));
  receptor.Fim_pontos(pontos);
}

Arquivo Abrir_leitura(const std::string& caminho) {
  return Arquivo(Abrir_arquivo_regular(caminho, "r"));
}
