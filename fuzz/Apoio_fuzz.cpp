#include "fuzz/Apoio_fuzz.h"

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "figuras/Ler_formatos.h"

namespace {

// A tmpfs when there is one: every execution writes its input to a file.
QString Raiz_temporaria() {
  const char* escolhida = std::getenv("TMPDIR");
  if (escolhida != nullptr && *escolhida != '\0') return QString::fromLocal8Bit(escolhida);
  return QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
}

}  // namespace

const std::string& Pasta_fuzz() {
  static QTemporaryDir pasta(Raiz_temporaria() + "/mapirel-fuzz-XXXXXX");
  static const std::string caminho = pasta.path().toStdString() + "/";
  return caminho;
}

void Iniciar_fuzz(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QApplication aplicacao(*argc, *argv);
  std::setlocale(LC_NUMERIC, "C");
  // The targets stand in for a machine with 512 MiB available, whatever this one has: a
  // header claiming a larger raster must be refused, and -malloc_limit_mb catches any
  // allocation beyond it. Enough for pictures of many bands and strips; more would let a
  // metafile of a few bytes fill a raster of a quarter gigapixel, which takes the
  // sanitizers over ten seconds an input, and the fuzzer's time with it.
  Memoria_disponivel = [] { return int64_t{512} << 20; };
  if (chdir(Pasta_fuzz().c_str()) != 0) throw std::runtime_error("no work folder for fuzzing");
}

std::string Gravar_entrada(const std::string& nome, const uint8_t* dados, std::size_t tamanho) {
  const std::string caminho = Pasta_fuzz() + nome;
  std::FILE* arquivo = std::fopen(caminho.c_str(), "wb");
  if (arquivo == nullptr) std::abort();
  if (tamanho > 0 && std::fwrite(dados, 1, tamanho, arquivo) != tamanho) std::abort();
  std::fclose(arquivo);
  return caminho;
}
