// "Abrir dados" and "Concatenar dados" on any bytes as the reserve file the user picks,
// through the main window's own menu entries: whatever the file holds, the command
// ends normally or with the error box, and the window's state stays usable.
//
// The reserve file's first line names the picture; the work folder holds "mapa.bmp",
// which the seeds name, so that the reading goes on past the picture.

#include <QAction>
#include <QImage>
#include <cstdlib>

#include "fuzz/Apoio_fuzz.h"
#include "janela/programa/Programa.h"

namespace {

// The person at the screen: OK to every box, the fuzzed file in every open dialog, one
// further file for Concatenate, and the saved points written into /dev/null.
class Interacao_fuzz : public Interacao_janela {
 public:
  // The next command's script.
  void Recomecar(std::string arquivo) {
    arquivo_ = std::move(arquivo);
    perguntas_mais_ = 0;
  }

  Resposta Caixa_mensagem(const std::string&, const std::string& titulo, Botoes) override {
    if (titulo == "Concatenar mais arquivos ??? ")
      return perguntas_mais_++ == 0 ? Resposta::OK : Resposta::Cancelar;
    return Resposta::OK;
  }
  void Mensagem_simples(const std::string&) override {}
  void Caixa_erro(const std::string& texto) override {
    if (texto.empty()) std::abort();
  }
  std::optional<std::string> Abrir_figura(const std::string&) override { return std::nullopt; }
  std::optional<std::string> Abrir_arquivo(const std::string&, const std::string&) override {
    return arquivo_;
  }
  std::optional<std::string> Salvar_arquivo(const std::string&, const std::string&) override {
    return "/dev/null";
  }
  std::string Nome_na_abertura_de_figura() const override { return {}; }
  int Exibir_modal(QDialog&) override { return 0; }
  void Bip() override {}

 private:
  std::string arquivo_;
  int perguntas_mais_ = 0;
};

// One program for the whole run (making its windows costs more than a command), set
// back to its start before each command as "Nova digitalização" does, and the rest of
// what a command reads from the state cleared too.
Interacao_fuzz* ui = nullptr;
Programa* programa = nullptr;

void Recomecar(const std::string& arquivo) {
  ui->Recomecar(arquivo);
  TForm1& janela = programa->Form1;
  janela.Reiniciar();
  janela.trabalho.Nome_arquivo.clear();
  janela.trabalho.Coef_orientacao.reset();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Iniciar_fuzz(argc, argv);
  QImage mapa(64, 48, QImage::Format_RGB32);
  mapa.fill(Qt::white);
  if (!mapa.save(QString::fromStdString(Pasta_fuzz() + "mapa.bmp"), "BMP")) std::abort();
  ui = new Interacao_fuzz;
  programa = new Programa(*ui);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
  const std::string arquivo = Gravar_entrada("entrada_RESERVA.ENh", dados, tamanho);
  Recomecar(arquivo);
  programa->Form1.Abrirdados1->trigger();
  Recomecar(arquivo);
  programa->Form1.Homogeneizar1->trigger();
  return 0;
}
