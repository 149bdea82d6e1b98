#pragma once
// The exporter's command line:
//   mapirel-exportar ENTRADA [-o SAIDA] [--camada NOME] [--z] [--world] [--geotiff SAIDA.tif]
//                    [--srs DEFINICAO] [--acrescentar] [--qgis] [--sobrescrever]

#include <optional>
#include <string>
#include <vector>

struct Opcoes_exportar {
  std::string entrada;               // an ENh file or a _RESERVA.ENh file
  std::optional<std::string> saida;  // the points' file; its extension picks the format
  std::string camada = "pontos";     // the points' layer, where the format names layers
  bool h_como_z = false;             // h also as each point's Z
  bool mundo = false;                // the scanned picture's world file
  std::optional<std::string> srs;    // any definition GDAL accepts (EPSG:31983, WKT, PROJ)
  bool sobrescrever = false;
  bool acrescentar = false;  // the layers go into the existing file (GeoPackage)
  bool qgis = false;         // QGIS's companions: the style, the georeferencer's points
  // The scanned picture turned north-up, written to this file.
  std::optional<std::string> geotiff;
};

struct Pedido_exportar {
  enum class Acao { Exportar, Ajuda, Versao, Recusar };
  Acao acao = Acao::Exportar;
  Opcoes_exportar opcoes;
  std::string mensagem;  // Recusar: one line, without its newline
};

// The arguments after the program's name.
Pedido_exportar Ler_opcoes_exportar(const std::vector<std::string>& argumentos);

std::string Texto_ajuda_exportar();
