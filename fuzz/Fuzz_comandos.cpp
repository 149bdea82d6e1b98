// "Abrir dados" and "Concatenar dados" on any bytes as the reserve file the user picks,
// through the main window's own menu entries: whatever the file holds, the command
// ends normally or with the error box, and the window's state stays usable.
//
// The reserve file's first line names the picture; the work folder holds "mapa.bmp",
// which the seeds name, so that the reading goes on past the picture.

#include <QAction>
#include <QImage>
#include <cstdlib>

#include "app/Programa.h"
#include "fuzz/Apoio_fuzz.h"

namespace {

// The person at the screen: OK to every box, the fuzzed file in every open dialog, one
// further file for Concatenate, and the saved points written into /dev/null.
class Interacao_fuzz : public Interacao {
 public:
  explicit Interacao_fuzz(std::string arquivo) : arquivo_(std::move(arquivo)) {}

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

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  Iniciar_fuzz(argc, argv);
  QImage mapa(64, 48, QImage::Format_RGB32);
  mapa.fill(Qt::white);
  if (!mapa.save(QString::fromStdString(Pasta_fuzz() + "mapa.bmp"), "BMP")) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, std::size_t tamanho) {
  const std::string arquivo = Gravar_entrada("entrada_RESERVA.ENh", dados, tamanho);
  {
    Interacao_fuzz ui(arquivo);
    Programa programa(ui);
    programa.Form1.Abrirdados1->trigger();
  }
  {
    Interacao_fuzz ui(arquivo);
    Programa programa(ui);
    programa.Form1.Homogeneizar1->trigger();
  }
  return 0;
}
