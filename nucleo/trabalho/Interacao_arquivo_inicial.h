#pragma once
// The user seam of the whole program, in front of the real one: it passes everything
// through, except that the file named on the command line answers the one open dialog
// of the command that opens it, so that command runs exactly as from the menu.

#include <optional>

#include "nucleo/base/Interacao.h"
#include "nucleo/trabalho/Linha_de_comando.h"

class Interacao_arquivo_inicial : public Interacao {
 public:
  explicit Interacao_arquivo_inicial(Interacao& base) : base_(base) {}

  // The next open dialog of the file's kind answers with it; until Esquecer.
  void Responder_com(const Arquivo_inicial& arquivo) { pendente_ = arquivo; }
  void Esquecer() { pendente_.reset(); }

  Resposta Caixa_mensagem(const std::string& texto, const std::string& titulo,
                          Botoes botoes) override {
    return base_.Caixa_mensagem(texto, titulo, botoes);
  }
  void Mensagem_simples(const std::string& texto) override { base_.Mensagem_simples(texto); }
  void Caixa_erro(const std::string& texto) override { base_.Caixa_erro(texto); }
  std::optional<std::string> Abrir_figura(const std::string& filtro) override;
  std::optional<std::string> Abrir_arquivo(const std::string& filtro,
                                           const std::string& extensao_padrao) override;
  std::optional<std::string> Salvar_arquivo(const std::string& filtro,
                                            const std::string& extensao_padrao) override {
    return base_.Salvar_arquivo(filtro, extensao_padrao);
  }
  // The picture named on the command line counts as the open-picture dialog's choice
  // until that dialog makes one of its own.
  std::string Nome_na_abertura_de_figura() const override;
  void Bip() override { base_.Bip(); }

 private:
  std::optional<std::string> Tomar(Arquivo_inicial::Tipo tipo);

  Interacao& base_;
  std::optional<Arquivo_inicial> pendente_;
  std::string figura_dada_;
};
