#include "exportar/Leitura_entrada.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "exportar/Falha_exportacao.h"
#include "nucleo/arquivos/Formato_reserva.h"
#include "nucleo/arquivos/Leitura_ENh.h"
#include "nucleo/arquivos/Leitura_reserva.h"
#include "nucleo/base/Erro.h"
#include "nucleo/base/Formatacao.h"

namespace {

class Receptor_exportacao : public Receptor_reserva {
 public:
  explicit Receptor_exportacao(Trabalho_lido& trabalho) : trabalho_(trabalho) {}
  void Nome_imagem(const std::string& nome) override { trabalho_.imagem = nome; }
  void Coeficientes_lidos(const Coeficientes& ate_agora) override {
    trabalho_.coeficientes = ate_agora;
  }
  void Ponto_controle(const Ponto_orientacao& ponto) override {
    trabalho_.controle.push_back(ponto);
  }
  void Ponto(const Ponto_digitalizado& ponto) override { trabalho_.pontos.Acrescentar(ponto); }

 private:
  Trabalho_lido& trabalho_;
};

// The line the reading stopped on: the lines the reader went through, counting the one
// it was reading when it met the end of the file.
long Linha_da_falha(std::FILE* arquivo) {
  const long fim = std::ftell(arquivo);
  const bool no_fim = std::feof(arquivo) != 0;
  std::rewind(arquivo);
  long linhas = 0;
  for (long i = 0; i < fim; ++i)
    if (std::fgetc(arquivo) == '\n') ++linhas;
  return no_fim ? linhas + 1 : linhas;
}

}  // namespace

std::string Motivo_nao_lido(const std::string& caminho) {
  const int erro_abertura = errno;
  struct stat estado {};
  if (stat(caminho.c_str(), &estado) != 0) return std::strerror(errno);
  if (S_ISDIR(estado.st_mode)) return "é uma pasta";
  if (S_ISFIFO(estado.st_mode)) return "é um pipe nomeado";
  if (S_ISCHR(estado.st_mode) || S_ISBLK(estado.st_mode)) return "é um dispositivo";
  if (S_ISSOCK(estado.st_mode)) return "é um soquete";
  // A regular file that did not open (its permissions): the system's reason.
  return std::strerror(erro_abertura ? erro_abertura : EACCES);
}

Trabalho_lido Ler_entrada(const std::string& caminho) {
  errno = 0;
  const Arquivo arquivo = Abrir_leitura(caminho);
  if (!arquivo)
    throw Falha_exportacao(
        fmt::sprintf("%s: não pode ser lido (%s)", caminho, Motivo_nao_lido(caminho)));
  Trabalho_lido trabalho;
  try {
    if (E_arquivo_reserva(caminho)) {
      Receptor_exportacao receptor(trabalho);
      Ler_reserva(arquivo.get(), Leitura_reserva::Completa, receptor, caminho);
    } else {
      trabalho.pontos = Ler_ENh(arquivo.get());
    }
  } catch (const Erro& erro) {
    throw Falha_exportacao(
        fmt::sprintf("%s, linha %d: %s", caminho, Linha_da_falha(arquivo.get()), erro.what()));
  }
  return trabalho;
}
