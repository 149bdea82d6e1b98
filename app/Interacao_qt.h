#pragma once
// The user seam as the program runs it: Qt message boxes, file dialogs and modal exec().

#include <QString>

#include "app/Interacao.h"

class QWidget;

class Interacao_qt : public Interacao {
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

// "description|pattern|description|pattern" to Qt's "description (pattern);;..." form.
// A bare extension as pattern ("ENh") offers the files with that extension.
QString Filtro_qt(const std::string& filtro);
