// "Abrir dados" of a job of 1 000 000 points against the program's reader alone on the
// same reserve file, measured alternately in the same run; the counter "razao" is the
// ratio of the two median times (target: at most 2). The command also loads the job's
// picture (a 4000 x 3000 bitmap, a few tens of milliseconds), keeps every point in the
// lists and paints its marker; the reader only folds what it reads into a sum.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QDialog>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "bench/apoio/Com_qt.h"
#include "bench/apoio/Medicao.h"
#include "janela/programa/Programa.h"
#include "nucleo/arquivos/Formato_reserva.h"
#include "nucleo/arquivos/Gravacao_segura.h"
#include "nucleo/arquivos/Leitura_reserva.h"

namespace {

constexpr int Pontos_do_trabalho = 1000000;
constexpr int Largura = 4000, Altura = 3000;

// Every box answered OK and every file dialog with the reserve file.
class Interacao_automatica : public Interacao_janela {
 public:
  explicit Interacao_automatica(std::string reserva) : reserva_(std::move(reserva)) {}
  Resposta Caixa_mensagem(const std::string&, const std::string&, Botoes) override {
    return Resposta::OK;
  }
  void Mensagem_simples(const std::string&) override {}
  void Caixa_erro(const std::string& texto) override {
    std::fprintf(stderr, "erro: %s\n", texto.c_str());
    std::exit(1);
  }
  std::optional<std::string> Abrir_figura(const std::string&) override { return {}; }
  std::optional<std::string> Abrir_arquivo(const std::string&, const std::string&) override {
    return reserva_;
  }
  std::optional<std::string> Salvar_arquivo(const std::string&, const std::string&) override {
    return {};
  }
  std::string Nome_na_abertura_de_figura() const override { return ""; }
  int Exibir_modal(QDialog&) override { return QDialog::Accepted; }
  void Bip() override {}

 private:
  std::string reserva_;
};

std::string Criar_trabalho(const std::string& pasta) {
  const std::string figura = pasta + "/folha.bmp";
  QImage imagem(Largura, Altura, QImage::Format_RGB32);
  imagem.fill(QColor(235, 225, 200));
  imagem.save(QString::fromStdString(figura), "bmp");
  const Coeficientes k{0.25, -0.0003, 500123.25, 0.0002, -0.25, 7499876.5};
  Lista<Ponto_orientacao> controle;
  for (int i = 0; i < 4; ++i)
    controle.Acrescentar({101 + i, k.Este(100.0 + 3000 * (i % 2), 100.0 + 2000 * (i / 2)),
                          k.Norte(100.0 + 3000 * (i % 2), 100.0 + 2000 * (i / 2)),
                          100.0 + 3000 * (i % 2), 100.0 + 2000 * (i / 2)});
  Lista<Ponto_digitalizado> pontos;
  for (int i = 0; i < Pontos_do_trabalho; ++i) {
    Ponto_digitalizado p;
    p.Numero = i + 1;
    p.x = (i * 37) % (Largura - 20) + 10;
    p.y = (i * 91) % (Altura - 20) + 10;
    p.E = k.Este(p.x, p.y);
    p.N = k.Norte(p.x, p.y);
    p.h = ((i * 13) % 20000) / 7.0 - 1000.0;
    p.Marca_pconv = i % 50000 == 0 ? i / 50000 + 1 : -1;
    pontos.Acrescentar(p);
  }
  const std::string reserva = pasta + "/folha_RESERVA.ENh";
  Gravar_arquivo(reserva, [&](std::FILE* f) { Escrever_reserva(f, figura, controle, k, pontos); });
  return reserva;
}

struct Receptor_soma : Receptor_reserva {
  double soma = 0;
  void Ponto_controle(const Ponto_orientacao& p) override {
    soma += p.Numero + p.E + p.N + p.x + p.y;
  }
  void Coeficientes_lidos(const Coeficientes& c) override { soma += c.a + c.f; }
  void Ponto(const Ponto_digitalizado& p) override {
    soma += p.Numero + p.E + p.N + p.h + p.x + p.y + p.Marca_pconv;
  }
};

double Ler_somente(const std::string& reserva) {
  Receptor_soma receptor;
  const Arquivo arquivo = Abrir_leitura(reserva);
  Ler_reserva(arquivo.get(), Leitura_reserva::Completa, receptor);
  return receptor.soma;
}

void Abrir_dados(benchmark::State& estado) {
  std::string modelo = (std::filesystem::temp_directory_path() / "bench_abrir_XXXXXX").string();
  const std::string pasta = mkdtemp(modelo.data());
  const std::string reserva = Criar_trabalho(pasta);
  Interacao_automatica ui(reserva);
  medicao::Comparacao comparacao;
  for (auto _ : estado) {
    comparacao.Base([&] { benchmark::DoNotOptimize(Ler_somente(reserva)); });
    auto programa = std::make_unique<Programa>(ui);  // a fresh window, not timed
    comparacao.Programa([&] { programa->Form1.Abrirdados1Click(); });
    if (programa->Form1.trabalho.Lista_pontos.Quantidade() != Pontos_do_trabalho) std::exit(1);
  }
  comparacao.Registrar(estado, "ms_Abrir_dados", "ms_leitor");
  std::filesystem::remove_all(pasta);
}

BENCHMARK(Abrir_dados)->Iterations(7)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  medicao::Rodar_benchmarks_com_qt(argc, argv);
}
