#pragma once
// Pieces shared by the picture loader's format readers (Ler_*.cpp). Each reader turns
// one file into a raster kept in strips or raises Erro; none of them ends the process.

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "figuras/Raster_em_faixas.h"
#include "nucleo/base/Arquivo_regular.h"
#include "nucleo/base/Erro.h"

// The bytes the system can still give this process now: its available memory, within
// its control group's limit. A damaged or hostile header may claim tens of gigabytes,
// and a real sheet (an A0 scan at 600 dpi takes 2.2 GB) may still fit: what counts is
// the machine. A variable, so that tests can stand in for a machine of a given size.
extern int64_t (*Memoria_disponivel)();
int64_t Memoria_livre_do_sistema();
// The limit and usage files of the control group that /proc/self/cgroup (`grupos`) names
// and of every group above it, whose limits bind the process too: version 2's, and
// version 1's memory controller.
std::vector<std::pair<std::string, std::string>> Arquivos_de_memoria(const std::string& grupos);

// Raises Erro for a raster size that is not positive (a reading error of the file) or
// that does not fit in the available memory, before anything is allocated ("Imagem
// grande demais para a memória disponível (%d x %d pixels, %d MiB)"). `copias` is how
// many rasters of that size reading holds at once: a picture that Qt decodes into one
// image is then copied into strips (an icon's bitmap entry).
void Conferir_tamanho_raster(const std::string& caminho, int64_t largura, int64_t altura,
                             int copias = 1);
// `bytes` is what reading the picture needs, when that is more than its raster.
Erro Erro_grande_demais(int64_t largura, int64_t altura, double bytes = -1);

// A raster of the given size, its pixels not yet written: the size is checked first,
// and a failed allocation raises the same error as a size too large.
Raster_em_faixas Criar_raster(const std::string& caminho, int64_t largura, int64_t altura);
// A picture decoded by Qt copied into strips, the memory of both checked before by
// Conferir_tamanho_raster; a failed allocation raises the same error as a size too large.
Raster_em_faixas Em_faixas(const QImage& imagem);

// A decoder's pixels into the raster: `quantos` pixels from (x, y), x on a strip's edge;
// the piece that ends a row makes the row's stores visible before anything after it.
// Whole strip rows are stored around the processor's caches: the decoder never reads
// them back, and a plain store into a line not in the cache first reads the line from
// memory, 128 pixels at a time in places far apart. Measured in the window, that cost
// about a tenth of a 100-megapixel JPEG's opening and half of an A0 bitmap's.
void Escrever_sem_cache(Raster_em_faixas& raster, int x, int y, const uint32_t* pixels,
                        int quantos);

// Each side of a metafile's raster is at most this: 4.3 m at 96 dpi, far beyond any
// sheet; a larger size can only come from a damaged header.
inline constexpr int Maximo_lado_metafile = 16384;

// Raises the loader's error: "Não foi possível ler a imagem \"<caminho>\": <problema>".
[[noreturn]] void Falhar_leitura(const std::string& caminho, const std::string& problema);

// The file opened for binary reading, by the bytes of its name; raises Erro when it
// cannot be opened or is not a regular file.
Arquivo Abrir_arquivo(const std::string& caminho);
std::vector<unsigned char> Ler_arquivo_inteiro(const std::string& caminho);

// Natural raster size of a metafile whose header gives its size in inches, at the
// screen's resolution; raises Erro for a size that is not positive or not plausible.
QSize Tamanho_metafile(const std::string& caminho, double largura_polegadas,
                       double altura_polegadas, double pontos_por_polegada);

// Renders the part `janela` of an SVG drawing (in its user units) onto a white raster
// of the given size, a band of rows at a time. Returns an empty raster when Qt cannot
// parse the SVG.
Raster_em_faixas Rasterizar_svg(const std::string& caminho, const QByteArray& svg,
                                const QRectF& janela, QSize tamanho);

Raster_em_faixas Ler_jpeg(const std::string& caminho);
Raster_em_faixas Ler_bmp(const std::string& caminho);
Raster_em_faixas Ler_ico(const std::string& caminho);
Raster_em_faixas Ler_emf(const std::string& caminho, double pontos_por_polegada);
Raster_em_faixas Ler_wmf(const std::string& caminho, double pontos_por_polegada);
