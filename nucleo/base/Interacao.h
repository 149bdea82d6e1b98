#pragma once
// Everything a command asks of the person at the screen goes through this interface:
// the program uses Interacao_qt, the tests a scripted implementation.

#include <optional>
#include <string>

enum class Botoes { OK, OK_Cancelar };
enum class Resposta { OK, Cancelar };

class Interacao {
 public:
  virtual ~Interacao() = default;

  // The application's message box; returns the button pressed (closing it is Cancelar).
  virtual Resposta Caixa_mensagem(const std::string& texto, const std::string& titulo,
                                  Botoes botoes) = 0;
  // OK only, with the application's title as caption.
  virtual void Mensagem_simples(const std::string& texto) = 0;
  // The error box shown for an Erro that ends a command.
  virtual void Caixa_erro(const std::string& texto) = 0;

  // File dialogs. Filters are written "description|pattern[|description|pattern...]";
  // the result is the chosen path, or nothing when the dialog was cancelled.
  virtual std::optional<std::string> Abrir_figura(const std::string& filtro) = 0;
  virtual std::optional<std::string> Abrir_arquivo(const std::string& filtro,
                                                   const std::string& extensao_padrao) = 0;
  virtual std::optional<std::string> Salvar_arquivo(const std::string& filtro,
                                                    const std::string& extensao_padrao) = 0;
  // The file name the open-picture dialog holds (its last choice; empty before any).
  virtual std::string Nome_na_abertura_de_figura() const = 0;

  virtual void Bip() = 0;
};
