#pragma once
// The user seam as the program runs it: Qt message boxes, file dialogs and modal exec().

#include <string>

#include "janela/comum/Interacao_janela.h"

class QFileDialog;
class QWidget;

class Interacao_qt : public Interacao_janela {
 public:
  // The window that owns the boxes and dialogs (the main window, once it exists).
  void Definir_janela(QWidget* janela) { janela_ = janela; }

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
  void Bip() override;

 private:
  std::optional<std::string> Dialogo_arquivo(bool salvar, const std::string& filtro,
                                             const std::string& extensao_padrao,
                                             const std::string& inicial);

  QWidget* janela_ = nullptr;
  std::string ultima_figura_;
  std::string ultimo_salvo_;
};

// Gives the file dialog a "description|pattern[|description|pattern...]" filter: Qt
// matches the patterns, and the list of file types shows each description as written
// (Qt alone would append the patterns and simplify the blanks). A bare extension as
// pattern ("ENh") offers the files with that extension.
void Definir_filtro(QFileDialog& dialogo, const std::string& filtro);
