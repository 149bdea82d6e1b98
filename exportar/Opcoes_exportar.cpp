#include "exportar/Opcoes_exportar.h"

#include "nucleo/arquivos/Formato_reserva.h"
#include "nucleo/base/Formatacao.h"

namespace {

using Acao = Pedido_exportar::Acao;

Pedido_exportar Recusar(const std::string& motivo) {
  return {Acao::Recusar,
          {},
          fmt::sprintf("mapirel-exportar: %s (veja mapirel-exportar --help)", motivo)};
}

// What the options say once all were read: refused when they cannot be done together.
Pedido_exportar Conferir(const Opcoes_exportar& opcoes) {
  if (opcoes.entrada.empty()) return Recusar("falta o arquivo de entrada");
  if (!opcoes.saida && !opcoes.mundo && !opcoes.geotiff)
    return Recusar("diga o que gravar: -o SAIDA, --world e/ou --geotiff SAIDA.tif");
  if (opcoes.camada.empty()) return Recusar("--camada precisa de um nome");
  if (opcoes.acrescentar && !opcoes.saida) return Recusar("--acrescentar precisa de -o SAIDA");
  if ((opcoes.mundo || opcoes.geotiff) && !E_arquivo_reserva(opcoes.entrada))
    return Recusar(std::string(opcoes.mundo ? "--world" : "--geotiff") +
                   " precisa da orientação, que só o arquivo _RESERVA.ENh guarda");
  return {Acao::Exportar, opcoes, {}};
}

}  // namespace

Pedido_exportar Ler_opcoes_exportar(const std::vector<std::string>& argumentos) {
  Opcoes_exportar opcoes;
  bool so_arquivos = false;  // after "--" a name may begin with a dash
  for (auto it = argumentos.begin(); it != argumentos.end(); ++it) {
    const std::string& argumento = *it;
    // The value of an option that takes one: the next argument.
    auto valor = [&]() -> const std::string* {
      return std::next(it) == argumentos.end() ? nullptr : &*++it;
    };
    if (so_arquivos || argumento == "-" || argumento.empty() || argumento[0] != '-') {
      if (!opcoes.entrada.empty())
        return Recusar("só um arquivo de entrada, e foram dados " + opcoes.entrada + " e " +
                       argumento);
      opcoes.entrada = argumento;
    } else if (argumento == "--") {
      so_arquivos = true;
    } else if (argumento == "--help") {
      return {Acao::Ajuda, {}, {}};
    } else if (argumento == "--version") {
      return {Acao::Versao, {}, {}};
    } else if (argumento == "--world") {
      opcoes.mundo = true;
    } else if (argumento == "--sobrescrever") {
      opcoes.sobrescrever = true;
    } else if (argumento == "--z") {
      opcoes.h_como_z = true;
    } else if (argumento == "--acrescentar") {
      opcoes.acrescentar = true;
    } else if (argumento == "--qgis") {
      opcoes.qgis = true;
    } else if (argumento == "-o" || argumento == "--srs" || argumento == "--camada" ||
               argumento == "--geotiff") {
      const std::string* dado = valor();
      if (dado == nullptr) return Recusar(argumento + " precisa de um valor");
      if (argumento == "--camada")
        opcoes.camada = *dado;
      else if (argumento == "--geotiff")
        opcoes.geotiff = *dado;
      else
        (argumento == "-o" ? opcoes.saida : opcoes.srs) = *dado;
    } else {
      return Recusar("opção desconhecida: " + argumento);
    }
  }
  return Conferir(opcoes);
}

std::string Texto_ajuda_exportar() {
  return "Uso: mapirel-exportar ENTRADA [-o SAIDA] [--camada NOME] [--z] [--world]\n"
         "                        [--geotiff SAIDA.tif] [--srs SRS] [--acrescentar] [--qgis]\n"
         "                        [--sobrescrever]\n"
         "Leva os pontos e a orientação de um trabalho do Mapirel para um SIG.\n"
         "\n"
         "ENTRADA          um arquivo .ENh ou o arquivo _RESERVA.ENh do trabalho\n"
         "  -o SAIDA       grava os pontos (campos ponto, E, N, h) no formato que a extensão\n"
         "                 de SAIDA indica: .gpkg, .geojson, .csv, .shp ou outro que o GDAL grave\n"
         "                 (.gpkg guarda também o polígono limite e os pontos de controle)\n"
         "  --camada NOME  o nome da camada dos pontos nos formatos que nomeiam camadas\n"
         "                 (.gpkg...); sem ela, pontos. O polígono e os pontos de controle\n"
         "                 ficam em NOME_poligono_limite e NOME_pontos_controle (sem ela,\n"
         "                 poligono_limite e pontos_controle)\n"
         "  --z            grava h também como a coordenada Z de cada ponto\n"
         "  --world        grava ao lado da imagem escaneada que o _RESERVA.ENh nomeia o seu\n"
         "                 arquivo de mundo (.jgw, .bpw...), e com --srs também o .aux.xml\n"
         "  --geotiff SAIDA.tif\n"
         "                 grava em SAIDA.tif a imagem escaneada voltada para o norte\n"
         "                 (reamostragem cúbica, cantos de fora transparentes), com a posição\n"
         "                 e, com --srs, o sistema de referência dentro do arquivo\n"
         "  --srs SRS      o sistema de referência das coordenadas, em qualquer forma que o\n"
         "                 GDAL aceite (EPSG:31983, WKT, PROJ); sem ele não há nenhum\n"
         "  --acrescentar  acrescenta as camadas ao GeoPackage SAIDA que já existe (ou o cria);\n"
         "                 uma camada de mesmo nome é recusada, ou substituída com\n"
         "                 --sobrescrever. Se algo falhar, o arquivo fica como estava\n"
         "  --qgis         grava também, para o QGIS, o estilo dos pontos ao lado de SAIDA,\n"
         "                 com o seu nome e a extensão .qml (profundidades e altitudes em duas\n"
         "                 cores, h como rótulo), e com --world os pontos de controle do\n"
         "                 georreferenciador ao lado da imagem (IMAGEM.points)\n"
         "  --sobrescrever substitui arquivos que já existam (sem ela, eles são recusados)\n"
         "  --help         mostra esta ajuda e termina\n"
         "  --version      mostra a versão e termina\n"
         "\n"
         "Em caso de erro nada é gravado e a saída é 2, com uma linha explicando o motivo.\n";
}
