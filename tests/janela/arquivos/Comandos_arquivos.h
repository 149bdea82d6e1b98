#pragma once
// A whole program on the scripted seam, with a folder for its files and a job ready to
// save: the worked orientation example (the 100 m square) and points clicked on it.

#include <QAction>
#include <QTemporaryDir>
#include <string>
#include <utility>
#include <vector>

#include "tests/apoio/Programa_teste.h"
#include "tests/nucleo/arquivos/Apoio_arquivos.h"

using Caixa = std::pair<std::string, std::string>;  // text, caption

// The worked orientation example: E = 0.25 x + 75, N = -0.25 y + 325.
inline constexpr Coeficientes Coef_exemplo{0.25, 0, 75, 0, -0.25, 325};

// The example's four control points, clicked on the picture "mapa.bmp".
Lista<Ponto_orientacao> Controles_exemplo();

// A point as digitizing makes it: clicked at (x, y), E and N from the example.
Ponto_digitalizado Ponto_clicado(int numero, int x, int y, double h, int marca = -1);

class Comandos_arquivos : public Programa_teste {
 protected:
  void SetUp() override;

  std::string Caminho(const std::string& nome) const;
  // A white BMP picture of the given size in the folder; its path.
  std::string Figura(const std::string& nome, int largura = 600, int altura = 600) const;

  // The state of an accepted orientation of the worked example on the picture
  // "mapa.bmp": four control points, the coefficients, Save enabled.
  void Orientar_exemplo();
  // Points as digitizing makes them: clicked at pixel positions, E and N from the
  // example's coefficients, numbered on from Proximo_ponto.
  void Digitalizar_pontos(int quantos);

  // A reserve file in the folder with the example's orientation and these points.
  std::string Reserva(const std::string& nome, const Lista<Ponto_digitalizado>& pontos) const;
  // Points numbered from primeiro, with depths, as a file of another job holds them.
  static Lista<Ponto_digitalizado> Pontos_numerados(int primeiro, int quantos);

  // The boxes shown so far as (text, caption).
  std::vector<Caixa> Caixas() const;
  std::vector<std::string> Linhas_do_arquivo(const std::string& caminho) const;

  QTemporaryDir pasta;
};

using Caixas_esperadas = std::vector<Caixa>;

// Texts of boxes that several tests expect.
inline const Caixa Caixa_cancelou_gravacao{" Cancelou gravacao das\n coordenadas digitalizadas",
                                           " Cancelou !!!"};
inline const Caixa Caixa_sem_pontos{" NAO HA PONTOS A SALVAR ", "NULL"};
inline Caixa Caixa_confirmar(int pontos) {
  return {" Ha " + std::to_string(pontos) +
              " pontos a armazenar !!!\n\n Salvar    OK \n\n Cancelar   CANCEL",
          " Salvar pontos digitalizados"};
}
