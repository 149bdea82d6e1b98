// Writes the crafted files of tests/apoio/Arquivos_hostis into the picture targets' seed
// folders, each small enough for the targets' -max_len: pictures that claim far more
// work or memory than their size, from which the fuzzer starts its own variations.
//
//     sementes_hostis FOLDER     -> FOLDER/jpeg, FOLDER/bmp, FOLDER/ico, FOLDER/wmf

#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/apoio/Arquivos_hostis.h"

namespace {

constexpr size_t Maximo_bytes = 16384;  // scripts/fuzz's -max_len for pictures

hostis::Bytes Inicio(hostis::Bytes bytes) {
  if (bytes.size() > Maximo_bytes) bytes.resize(Maximo_bytes);
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "uso: sementes_hostis PASTA\n");
    return 2;
  }
  const std::filesystem::path pasta = argv[1];
  const struct {
    const char* alvo;
    const char* nome;
    hostis::Bytes conteudo;
  } sementes[] = {
      {"jpeg", "hostil_refinamento_repetido", hostis::Jpeg_progressivo_liso(1024, 400)},
      {"jpeg", "hostil_400_primeiras_varreduras", hostis::Jpeg_progressivo_liso(1024, 0, 400)},
      // Only the start of the DC scan: the coefficients are sized from the header.
      {"jpeg", "hostil_progressivo_16000", Inicio(hostis::Jpeg_progressivo_liso(16000))},
      {"jpeg", "hostil_progressivo_23170", Inicio(hostis::Jpeg_progressivo_liso(23170))},
      {"bmp", "hostil_rle_sem_dados", hostis::Bmp_rle(23170, 23170, {})},
      {"bmp", "hostil_rle_fim_imediato", hostis::Bmp_rle(16000, 16000, {0, 1})},
      {"ico", "hostil_png_60000", hostis::Ico_de(hostis::Png_so_cabecalho(60000, 60000))},
      {"ico", "hostil_png_real_maior", hostis::Ico_de(hostis::Png_liso(700, 700))},
      {"ico", "hostil_900_entradas", hostis::Ico_de(hostis::Png_liso(16, 16), 900)},
      {"wmf", "hostil_registro_de_8_GB", hostis::Wmf_com_maior_registro(0xFFFFFFFF)},
      {"wmf", "hostil_registro_de_4_GB", hostis::Wmf_com_maior_registro(0x7FFFFFFF)},
  };
  for (const auto& semente : sementes) {
    if (semente.conteudo.size() > Maximo_bytes) {
      std::fprintf(stderr, "sementes_hostis: %s passa de %zu bytes\n", semente.nome, Maximo_bytes);
      return 1;
    }
    std::filesystem::create_directories(pasta / semente.alvo);
    hostis::Gravar((pasta / semente.alvo / semente.nome).string(), semente.conteudo);
  }
  return 0;
}
