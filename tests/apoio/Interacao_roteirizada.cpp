#include "tests/apoio/Interacao_roteirizada.h"

#include <gtest/gtest.h>

#include <QDialog>

Interacao_roteirizada::~Interacao_roteirizada() {
  EXPECT_TRUE(roteiro_.empty()) << roteiro_.size() << " scripted step(s) were never asked for";
}

Interacao_roteirizada& Interacao_roteirizada::Responder(Resposta resposta) {
  roteiro_.push_back(Passo_resposta{resposta});
  return *this;
}

Interacao_roteirizada& Interacao_roteirizada::Escolher_arquivo(std::optional<std::string> caminho) {
  roteiro_.push_back(Passo_arquivo{std::move(caminho)});
  return *this;
}

Interacao_roteirizada& Interacao_roteirizada::No_modal(std::function<void(QDialog&)> acao) {
  roteiro_.push_back(Passo_modal{std::move(acao)});
  return *this;
}

std::vector<std::string> Interacao_roteirizada::Textos() const {
  std::vector<std::string> textos;
  for (const auto& caixa : caixas) textos.push_back(caixa.texto);
  return textos;
}

std::vector<std::string> Interacao_roteirizada::Erros() const {
  std::vector<std::string> erros;
  for (const auto& caixa : caixas)
    if (caixa.tipo == Caixa_mostrada::Tipo::Erro) erros.push_back(caixa.texto);
  return erros;
}

template <typename P>
std::optional<P> Interacao_roteirizada::Proximo(const char* pedido, const std::string& detalhe) {
  if (roteiro_.empty()) {
    ADD_FAILURE() << "unscripted " << pedido << ": " << detalhe;
    return std::nullopt;
  }
  if (!std::holds_alternative<P>(roteiro_.front())) {
    ADD_FAILURE() << "the script expected another step before this " << pedido << ": " << detalhe;
    return std::nullopt;
  }
  P passo = std::get<P>(roteiro_.front());
  roteiro_.pop_front();
  return passo;
}

Resposta Interacao_roteirizada::Caixa_mensagem(const std::string& texto, const std::string& titulo,
                                               Botoes botoes) {
  caixas.push_back({Caixa_mostrada::Tipo::Mensagem, texto, titulo, botoes});
  if (botoes == Botoes::OK) return Resposta::OK;
  const auto passo = Proximo<Passo_resposta>("message box", titulo + " | " + texto);
  return passo ? passo->resposta : Resposta::Cancelar;
}

void Interacao_roteirizada::Mensagem_simples(const std::string& texto) {
  caixas.push_back({Caixa_mostrada::Tipo::Simples, texto, "", Botoes::OK});
}

void Interacao_roteirizada::Caixa_erro(const std::string& texto) {
  caixas.push_back({Caixa_mostrada::Tipo::Erro, texto, "", Botoes::OK});
}

std::optional<std::string> Interacao_roteirizada::Arquivo(Dialogo_arquivo_mostrado dialogo) {
  dialogos_arquivo.push_back(dialogo);
  const auto passo = Proximo<Passo_arquivo>("file dialog", dialogo.filtro);
  return passo ? passo->caminho : std::nullopt;
}

std::optional<std::string> Interacao_roteirizada::Abrir_figura(const std::string& filtro) {
  auto caminho = Arquivo({Dialogo_arquivo_mostrado::Tipo::Figura, filtro, ""});
  if (caminho) ultima_figura_ = *caminho;
  return caminho;
}

std::optional<std::string> Interacao_roteirizada::Abrir_arquivo(
    const std::string& filtro, const std::string& extensao_padrao) {
  return Arquivo({Dialogo_arquivo_mostrado::Tipo::Abrir, filtro, extensao_padrao});
}

std::optional<std::string> Interacao_roteirizada::Salvar_arquivo(
    const std::string& filtro, const std::string& extensao_padrao) {
  return Arquivo({Dialogo_arquivo_mostrado::Tipo::Salvar, filtro, extensao_padrao});
}

int Interacao_roteirizada::Exibir_modal(QDialog& janela) {
  ++modais;
  const auto passo = Proximo<Passo_modal>("modal form", janela.windowTitle().toStdString());
  if (!passo) return QDialog::Rejected;
  janela.setResult(QDialog::Rejected);
  passo->acao(janela);
  return janela.result();
}
