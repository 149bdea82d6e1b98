#include "exportar/Tabelas_trabalho.h"

#include "nucleo/orientacao/Ajustamento.h"
#include "nucleo/poligono/Pol_convexo.h"

Tabela_gdal Tabela_pontos(const Lista<Ponto_digitalizado>& pontos, const std::string& nome,
                          bool h_como_z) {
  Tabela_gdal tabela{nome,
                     {{"ponto", OFTInteger}, {"E", OFTReal}, {"N", OFTReal}, {Campo_h, OFTReal}},
                     h_como_z,
                     false,
                     {}};
  for (const Ponto_digitalizado& p : pontos)
    tabela.feicoes.push_back({p.Numero, {double(p.Numero), p.E, p.N, p.h}, p.E, p.N, p.h, {}});
  return tabela;
}

Tabela_gdal Tabela_controle(const std::vector<Ponto_orientacao>& controle,
                            const Coeficientes& coeficientes, const std::string& nome) {
  Tabela_gdal tabela{nome,
                     {{"ponto", OFTInteger},
                      {"E", OFTReal},
                      {"N", OFTReal},
                      {"x", OFTReal},
                      {"y", OFTReal},
                      {"DeltaE", OFTReal},
                      {"DeltaN", OFTReal}},
                     false,
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
         0,
         {}});
  }
  return tabela;
}

std::optional<Tabela_gdal> Tabela_poligono(const Lista<Ponto_digitalizado>& pontos,
                                           const std::string& nome) {
  // The vertices in the order the program puts them back in when it opens the job.
  Lista<Vertice_pconv> vertices;
  for (int i = 0; i < pontos.Quantidade(); ++i)
    if (pontos.Item(i).Marca_pconv != -1)
      vertices.Acrescentar(Vertice_pconv{pontos.Item(i).Marca_pconv, i});
  if (vertices.Quantidade() < 3) return std::nullopt;
  Ordena_pconv(vertices);
  Feicao_tabela poligono{1, {double(vertices.Quantidade())}, 0, 0, 0, {}};
  for (const Vertice_pconv& v : vertices)
    poligono.anel.push_back({pontos.Item(v.Indice).E, pontos.Item(v.Indice).N});
  return Tabela_gdal{nome, {{"vertices", OFTInteger}}, false, true, {poligono}};
}
