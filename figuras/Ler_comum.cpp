// Raster allocation, file access and error texts shared by the picture readers.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

#include "nucleo/base/Formatacao.h"
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "figuras/Ler_formatos.h"
#include "nucleo/base/Arquivo_regular.h"

void Falhar_leitura(const std::string& caminho, const std::string& problema) {
  throw Erro(fmt::sprintf("Não foi possível ler a imagem \"%s\": %s", caminho, problema));
}

namespace {

// The first number after `campo` in a file of the system (the whole file's first number
// when `campo` is empty); -1 when the file or the field is missing or holds no number
// (a control group without a limit says "max").
int64_t Numero_do_sistema(const char* arquivo, const char* campo) {
  std::FILE* f = std::fopen(arquivo, "r");
  if (!f) return -1;
  char linha[256];
  int64_t numero = -1;
  while (numero < 0 && std::fgets(linha, sizeof linha, f)) {
    if (std::strncmp(linha, campo, std::strlen(campo)) != 0) continue;
    char* fim = nullptr;
    const long long lido = std::strtoll(linha + std::strlen(campo), &fim, 10);
    if (fim != linha + std::strlen(campo)) numero = lido;
    if (*campo == '\0') break;
  }
  std::fclose(f);
  return numero;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> Arquivos_de_memoria(const std::string& grupos) {
  struct Versao {
    std::string marca, raiz, limite, uso;
  };
  const Versao versoes[] = {
      {"0::", "/sys/fs/cgroup", "/memory.max", "/memory.current"},
      {":memory:", "/sys/fs/cgroup/memory", "/memory.limit_in_bytes", "/memory.usage_in_bytes"}};
  std::vector<std::pair<std::string, std::string>> arquivos;
  std::size_t inicio = 0;
  for (std::size_t fim; inicio < grupos.size(); inicio = fim + 1) {
    fim = std::min(grupos.find('\n', inicio), grupos.size());
    const std::string linha = grupos.substr(inicio, fim - inicio);
    for (const Versao& v : versoes) {
      const std::size_t marca = linha.find(v.marca);
      if (marca == std::string::npos || (v.marca == "0::" && marca != 0)) continue;
      // From the group itself up to the root ("/" becomes "").
      std::string grupo = linha.substr(marca + v.marca.size());
      for (;;) {
        if (grupo.ends_with('/')) grupo.pop_back();
        arquivos.push_back({v.raiz + grupo + v.limite, v.raiz + grupo + v.uso});
        if (grupo.empty()) break;
        grupo.erase(grupo.rfind('/'));
      }
    }
  }
  return arquivos;
}

int64_t Memoria_livre_do_sistema() {
  const int64_t kib = Numero_do_sistema("/proc/meminfo", "MemAvailable:");
  int64_t livre = kib >= 0 ? kib * 1024 : std::numeric_limits<int64_t>::max();
  // The process's control group's limits bind before the machine's memory does.
  std::string grupos;
  if (std::FILE* f = std::fopen("/proc/self/cgroup", "r")) {
    char linha[4096];
    while (std::fgets(linha, sizeof linha, f)) grupos += linha;
    std::fclose(f);
  }
  for (const auto& [limite, uso] : Arquivos_de_memoria(grupos)) {
    const int64_t l = Numero_do_sistema(limite.c_str(), ""), u = Numero_do_sistema(uso.c_str(), "");
    if (l >= 0 && u >= 0) livre = std::min(livre, std::max<int64_t>(0, l - u));
  }
  return livre;
}

int64_t (*Memoria_disponivel)() = Memoria_livre_do_sistema;

Erro Erro_grande_demais(int64_t largura, int64_t altura, double bytes) {
  const double necessarios = bytes >= 0 ? bytes
                                        : 4.0 * static_cast<double>(largura) *
                                              static_cast<double>(altura);  // four bytes a pixel
  const double mib = std::ceil(necessarios / (1 << 20));
  return Erro(
      fmt::sprintf("Imagem grande demais para a memória disponível (%d x %d pixels, %d MiB)",
                   largura, altura, static_cast<int64_t>(mib)));
}

namespace {

// What `copias` rasters of the given size would take: four bytes a pixel each.
Erro Erro_copias(int64_t largura, int64_t altura, int copias) {
  return Erro_grande_demais(
      largura, altura, 4.0 * copias * static_cast<double>(largura) * static_cast<double>(altura));
}

}  // namespace

void Conferir_tamanho_raster(const std::string& caminho, int64_t largura, int64_t altura,
                             int copias) {
  if (largura <= 0 || altura <= 0)
    Falhar_leitura(caminho, fmt::sprintf("dimensões inválidas (%d x %d pixels)", largura, altura));
  // The sides and the bytes of a row are counted in int; the size is compared by
  // division, so that a header claiming huge sides cannot overflow.
  if (largura > INT32_MAX / 4 || altura > INT32_MAX ||
      largura > Memoria_disponivel() / 4 / copias / altura)
    throw Erro_copias(largura, altura, copias);
}

Raster_em_faixas Criar_raster(const std::string& caminho, int64_t largura, int64_t altura) {
  Conferir_tamanho_raster(caminho, largura, altura);
  try {
    Raster_em_faixas raster(static_cast<int>(largura), static_cast<int>(altura));
    raster.Reduzir_ao_escrever();
    return raster;
  } catch (const std::bad_alloc&) {
    throw Erro_copias(largura, altura, 1);
  }
}

Raster_em_faixas Em_faixas(const QImage& imagem) {
  try {
    return Raster_em_faixas::De_imagem(imagem);
  } catch (const std::bad_alloc&) {
    throw Erro_copias(imagem.width(), imagem.height(), 2);
  }
}

void Escrever_sem_cache(Raster_em_faixas& raster, int x, int y, const uint32_t* pixels,
                        int quantos) {
  constexpr int Largura = Raster_em_faixas::Largura_faixa;
  raster.Acumular(x, y, pixels, quantos);  // the pixels are in the cache now
  const bool fim_da_linha = x + quantos == raster.Largura();
  for (int f = x / Largura; quantos > 0; ++f) {
    const int n = std::min(quantos, raster.Largura_da_faixa(f));
    uint32_t* destino = raster.Linha(f, y);
#if defined(__SSE2__)
    // A whole strip row starts 16-byte aligned: strips start on a page, rows are 512 bytes.
    if (n == Largura) {
      auto* d = reinterpret_cast<__m128i*>(destino);
      const auto* o = reinterpret_cast<const __m128i*>(pixels);
      for (int i = 0; i < Largura / 4; ++i) _mm_stream_si128(d + i, _mm_loadu_si128(o + i));
    } else
#endif
      std::memcpy(destino, pixels, static_cast<size_t>(n) * 4);
    pixels += n, quantos -= n;
  }
#if defined(__SSE2__)
  // The stores around the caches are seen before anything written after the row; once a
  // row, as the fence waits for them to reach memory.
  if (fim_da_linha) _mm_sfence();
#endif
}

Arquivo Abrir_arquivo(const std::string& caminho) {
  Arquivo arquivo(Abrir_arquivo_regular(caminho, "rb"));
  if (!arquivo)
    throw Erro(fmt::sprintf("Não foi possível abrir o arquivo de imagem \"%s\"", caminho));
  return arquivo;
}

std::vector<unsigned char> Ler_arquivo_inteiro(const std::string& caminho) {
  const Arquivo arquivo = Abrir_arquivo(caminho);
  std::vector<unsigned char> conteudo;
  unsigned char bloco[65536];
  size_t lidos;
  while ((lidos = std::fread(bloco, 1, sizeof bloco, arquivo.get())) > 0)
    conteudo.insert(conteudo.end(), bloco, bloco + lidos);
  if (std::ferror(arquivo.get())) Falhar_leitura(caminho, "erro de leitura do arquivo");
  return conteudo;
}
