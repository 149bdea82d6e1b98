#pragma once
// The user seam of the tests: every box, file dialog and modal form is answered from a
// script written by the test, in the order the command asks for them, and every box is
// recorded with its exact text and caption. Something asked that the script did not
// foresee, or a step left over at the end, fails the test.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "janela/comum/Interacao_janela.h"

struct Caixa_mostrada {
  enum class Tipo { Mensagem, Simples, Erro };
  Tipo tipo = Tipo::Mensagem;
  std::string texto;
  std::string titulo;  // empty for Simples and Erro: those carry the application's title
  Botoes botoes = Botoes::OK;
};

struct Dialogo_arquivo_mostrado {
  enum class Tipo { Figura, Abrir, Salvar };
  Tipo tipo = Tipo::Figura;
  std::string filtro;
  std::string extensao_padrao;
};

class Interacao_roteirizada : public Interacao_janela {
 public:
  ~Interacao_roteirizada() override;

  // ---- The script, consumed in order ----
  // Answers the next message box that offers OK and Cancel. Boxes with OK alone,
  // simple messages and error boxes need no step: they are only recorded.
  Interacao_roteirizada& Responder(Resposta resposta);
  // Answers the next file dialog (any of the three) with a path, or cancels it.
  Interacao_roteirizada& Escolher_arquivo(std::optional<std::string> caminho);
  // Runs the action on the next modal form instead of its event loop; the action fills
  // edits, presses buttons, and returns; the form's result() is then returned.
  Interacao_roteirizada& No_modal(std::function<void(QDialog&)> acao);

  // ---- What was shown ----
  std::vector<Caixa_mostrada> caixas;
  std::vector<Dialogo_arquivo_mostrado> dialogos_arquivo;
  int modais = 0;
  int bips = 0;

  // Texts of the boxes, in order (handy for exact comparisons).
  std::vector<std::string> Textos() const;
  // The error boxes' texts only.
  std::vector<std::string> Erros() const;

  // ---- Interacao_janela ----
  Resposta Caixa_mensagem(const std::string& texto, const std::string& titulo,
                          Botoes botoes) override;
  void Mensagem_simples(const std::string& texto) override;
  void Caixa_erro(const std::string& texto) override;
  std::optional<std::string> Abrir_figura(const std::string& filtro) override;
  std::optional<std::string> Abrir_arquivo(const std::string& filtro,
                                           const std::string& extensao_padrao) override;
  std::optional<std::string> Salvar_arquivo(const std::string& filtro,
                                            const std::string& extensao_padrao) override;
  std::string Nome_na_abertura_de_figura() const override { return ultima_figura_; }
  int Exibir_modal(QDialog& janela) override;
  void Bip() override { ++bips; }

 private:
  struct Passo_resposta {
    Resposta resposta;
  };
  struct Passo_arquivo {
    std::optional<std::string> caminho;
  };
  struct Passo_modal {
    std::function<void(QDialog&)> acao;
  };
  using Passo = std::variant<Passo_resposta, Passo_arquivo, Passo_modal>;

  template <typename P>
  std::optional<P> Proximo(const char* pedido, const std::string& detalhe);
  std::optional<std::string> Arquivo(Dialogo_arquivo_mostrado dialogo);

  std::deque<Passo> roteiro_;
  std::string ultima_figura_;
};
