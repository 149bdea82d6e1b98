#pragma once
// Pieces shared by the picture loader's format readers (Ler_*.cpp). Each reader turns
// one file into a Format_RGB32 raster or raises Erro; none of them ends the process.

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/Erro.h"

// A raster above 2 GiB is refused before it is allocated: a damaged or hostile header
// could otherwise claim tens of gigabytes and take the machine's memory with it.
inline constexpr int64_t Maximo_bytes_raster = int64_t{2} << 30;

// Raises Erro for a raster size that is not positive (a reading error of the file) or
// beyond the cap ("Imagem grande demais para a memória (%d x %d pixels)").
void Conferir_tamanho_raster(const std::string& caminho, int64_t largura, int64_t altura);
Erro Erro_grande_demais(int64_t largura, int64_t altura);

// A Format_RGB32 raster of the given size, its pixels not yet written: the size is
// checked first, and a failed allocation raises the same error as a size too large.
QImage Criar_raster(const std::string& caminho, int64_t largura, int64_t altura);

// Each side of a metafile's raster is at most this: 4.3 m at 96 dpi, far beyond any
// sheet; a larger size can only come from a damaged header.
inline constexpr int Maximo_lado_metafile = 16384;

// Raises the loader's error: "Não foi possível ler a imagem \"<caminho>\": <problema>".
[[noreturn]] void Falhar_leitura(const std::string& caminho, const std::string& problema);

struct Fechar_arquivo {
  void operator()(std::FILE* arquivo) const { std::fclose(arquivo); }
};
using Arquivo = std::unique_ptr<std::FILE, Fechar_arquivo>;

// The file opened for binary reading, by the bytes of its name; raises Erro when it
// cannot be opened.
Arquivo Abrir_arquivo(const std::string& caminho);
std::vector<unsigned char> Ler_arquivo_inteiro(const std::string& caminho);

// Natural raster size of a metafile whose header gives its size in inches, at the
// screen's resolution; raises Erro for a size that is not positive or not plausible.
QSize Tamanho_metafile(const std::string& caminho, double largura_polegadas,
                       double altura_polegadas, double pontos_por_polegada);

// Renders the part `janela` of an SVG drawing (in its user units) onto a white raster
// of the given size. Returns a null image when Qt cannot parse the SVG.
QImage Rasterizar_svg(const std::string& caminho, const QByteArray& svg, const QRectF& janela,
                      QSize tamanho);

QImage Ler_jpeg(const std::string& caminho);
QImage Ler_bmp(const std::string& caminho);
QImage Ler_ico(const std::string& caminho);
QImage Ler_emf(const std::string& caminho, double pontos_por_polegada);
QImage Ler_wmf(const std::string& caminho, double pontos_por_polegada);
