#include "nucleo/trabalho/Interacao_arquivo_inicial.h"

#include <utility>

std::optional<std::string> Interacao_arquivo_inicial::Tomar(Arquivo_inicial::Tipo tipo) {
  if (!pendente_ || pendente_->tipo != tipo) return std::nullopt;
  std::string caminho = std::move(pendente_->caminho);
  pendente_.reset();
  return caminho;
}

std::optional<std::string> Interacao_arquivo_inicial::Abrir_figura(const std::string& filtro) {
  if (auto caminho = Tomar(Arquivo_inicial::Tipo::Figura)) {
    figura_dada_ = *caminho;
    return caminho;
  }
  return base_.Abrir_figura(filtro);
}

std::optional<std::string> Interacao_arquivo_inicial::Abrir_arquivo(
    const std::string& filtro, const std::string& extensao_padrao) {
  if (auto caminho = Tomar(Arquivo_inicial::Tipo::Dados)) return caminho;
  return base_.Abrir_arquivo(filtro, extensao_padrao);
}

std::string Interacao_arquivo_inicial::Nome_na_abertura_de_figura() const {
  std::string escolhido = base_.Nome_na_abertura_de_figura();
  return escolhido.empty() ? figura_dada_ : escolhido;
}
