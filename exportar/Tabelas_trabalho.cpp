#include "exportar/Tabelas_trabalho.h"

#include "nucleo/orientacao/Ajustamento.h"

Tabela_gdal Tabela_pontos(const Lista<Ponto_digitalizado>& pontos, const std::string& nome,
                          bool h_como_z) {
  Tabela_gdal tabela{
      nome, {{"ponto", OFTInteger}, {"E", OFTReal}, {"N", OFTReal}, {"h", OFTReal}}, h_como_z, {}};
  for (const Ponto_digitalizado& p : pontos)
    tabela.feicoes.push_back({p.Numero, {double(p.Numero), p.E, p.N, p.h}, p.E, p.N, p.h});
  return tabela;
}

Tabela_gdal Tabela_controle(const std::vector<Ponto_orientacao>& controle,
                            const Coeficientes& coeficientes) {
  Tabela_gdal tabela{"pontos_controle",
                     {{"ponto", OFTInteger},
                      {"E", OFTReal},
                      {"N", OFTReal},
                      {"x", OFTReal},
                      {"y", OFTReal},
                      {"DeltaE", OFTReal},
                      {"DeltaN", OFTReal}},
                     false,
                     {}};
  const std::vector<Residuo> residuos = Calcular_residuos(controle, coeficientes);
  for (std::size_t i = 0; i < controle.size(); ++i) {
    const Ponto_orientacao& p = controle[i];
    tabela.feicoes.push_back(
        {p.Numero,
         {double(p.Numero), p.E, p.N, p.x, p.y, residuos[i].DeltaE, residuos[i].DeltaN},
         p.E,
         p.N,
         0});
  }
  return tabela;
}
