// The program saving a job through "Salvar", alone in a process, for the fault-injection
// script (scripts/falhas_gravacao) that kills it and starves it of disk while it saves.
//
//   salvar_trabalho CAMINHO.ENh PONTOS SEMENTE
//
// The job has PONTOS points whose values follow from SEMENTE, so that two seeds give two
// different pairs of files. Every box is answered OK (the save dialog with CAMINHO) and
// printed, one line each; "pronto" is printed right before the command starts.

#include <QAction>
#include <QApplication>
#include <chrono>
#include <clocale>
#include <cstdlib>
#include <iostream>
#include <string>

#include "janela/programa/Programa.h"

namespace {

std::string Uma_linha(std::string texto) {
  for (std::size_t i = 0; (i = texto.find('\n', i)) != std::string::npos;)
    texto.replace(i, 1, "\\n");
  return texto;
}

class Interacao_automatica : public Interacao_janela {
 public:
  explicit Interacao_automatica(std::string caminho) : caminho_(std::move(caminho)) {}

  Resposta Caixa_mensagem(const std::string& texto, const std::string& titulo, Botoes) override {
    std::cout << "caixa: " << Uma_linha(titulo) << " | " << Uma_linha(texto) << std::endl;
    return Resposta::OK;
  }
  void Mensagem_simples(const std::string& texto) override {
    Caixa_mensagem(texto, "", Botoes::OK);
  }
  void Caixa_erro(const std::string& texto) override {
    std::cout << "erro: " << Uma_linha(texto) << std::endl;
  }
  std::optional<std::string> Abrir_figura(const std::string&) override { return std::nullopt; }
  std::optional<std::string> Abrir_arquivo(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> Salvar_arquivo(const std::string&, const std::string&) override {
    return caminho_;
  }
  std::string Nome_na_abertura_de_figura() const override { return {}; }
  int Exibir_modal(QDialog&) override { return 0; }
  void Bip() override {}

 private:
  std::string caminho_;
};

void Montar_trabalho(TForm1& janela, int pontos, int semente) {
  janela.trabalho.Nome_arquivo = "/cartas/folha12.jpg";
  for (const Ponto_orientacao& p : {Ponto_orientacao{101, 312200, 7455800, 507, 490},
                                    Ponto_orientacao{102, 313200, 7455800, 2507, 511},
                                    Ponto_orientacao{103, 313200, 7455200, 2494, 1710},
                                    Ponto_orientacao{104, 312200, 7455200, 494, 1690}})
    janela.trabalho.OLista_coord->Acrescentar(p);
  janela.trabalho.Coef_orientacao = Coeficientes{0.5, 0.005, 311943.87, 0.005, -0.5, 7456042.6};
  for (int i = 0; i < pontos; ++i) {
    Ponto_digitalizado p;
    p.Numero = i + 1;
    p.x = (i * 37) % 3000;
    p.y = (i * 53) % 2300;
    p.E = janela.trabalho.Coef_orientacao->Este(p.x, p.y);
    p.N = janela.trabalho.Coef_orientacao->Norte(p.x, p.y);
    p.h = (i * 7 + semente * 13) % 2000 / 10.0;
    janela.trabalho.Lista_pontos.Acrescentar(p);
  }
  janela.Salvar1->setEnabled(true);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "uso: salvar_trabalho CAMINHO.ENh PONTOS SEMENTE\n";
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication aplicacao(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  Interacao_automatica ui(argv[1]);
  Programa programa(ui);
  Montar_trabalho(programa.Form1, std::atoi(argv[2]), std::atoi(argv[3]));
  std::cout << "pronto" << std::endl;
  const auto inicio = std::chrono::steady_clock::now();
  programa.Form1.Salvar1->trigger();
  const auto duracao = std::chrono::steady_clock::now() - inicio;
  std::cout << "duracao_ms: "
            << std::chrono::duration_cast<std::chrono::milliseconds>(duracao).count() << std::endl;
  return 0;
}
