#include "nucleo/orientacao/Orientacao.h"

#include "nucleo/base/Erro.h"
#include "nucleo/orientacao/Relatorio_orientacao.h"

Resultado_orientacao Orientar(const std::vector<Ponto_orientacao>& pontos, double ppi) {
  const Configuracao configuracao = Verificar_configuracao(pontos);
  if (configuracao != Configuracao::Valida) return {configuracao, std::nullopt};

  Orientacao_calculada o;
  o.coeficientes = Ajustar_orientacao(pontos);
  // No scan is that anisotropic: the chart coordinates or the clicks' order are wrong.
  if (const Configuracao pixel = Verificar_pixel(o.coeficientes); pixel != Configuracao::Valida)
    return {pixel, std::nullopt};
  o.escala = Calcular_escala(pontos, ppi);
  const std::vector<Residuo> residuos = Calcular_residuos(pontos, o.coeficientes);
  o.relatorio = Texto_estatistica(residuos, Calcular_estatisticas(residuos),
                                  Dividir(o.escala.perimetro_carta, o.escala.perimetro_imagem));
  return {configuracao, std::move(o)};
}

const char* Texto_recusa(Configuracao configuracao) {
  switch (configuracao) {
    case Configuracao::Poucos_pontos:
      return " Não há pontos suficientes para calcular a orientação.\n\n"
             " São necessários no mínimo 4 pontos de orientação.";
    case Configuracao::Degenerada_carta:
      return " Não é possível calcular a orientação:\n\n"
             " os pontos de orientação estão repetidos ou alinhados\n nas coordenadas de carta.";
    case Configuracao::Degenerada_imagem:
      return " Não é possível calcular a orientação:\n\n"
             " os pontos de orientação estão repetidos ou alinhados\n nas coordenadas de tela.\n\n"
             " Clique novamente os pontos de orientação na imagem.";
    case Configuracao::Pixel_alongado:
      return " Não é possível calcular a orientação:\n\n"
             " o pixel ajustado seria mais de 10 vezes mais longo\n numa direção que na outra.\n\n"
             " Confira as coordenadas de carta e a ordem dos cliques\n na imagem.";
    case Configuracao::Valida:
      break;
  }
  return "";
}
