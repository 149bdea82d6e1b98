#pragma once
// Reading a reserve file in its order. The reader hands each item to a receptor as
// soon as it is read, so that a file that turns out bad halfway leaves the caller with
// everything read before the bad line: the reading stops there with the conversion
// error of that line.

#include <cstdio>
#include <string>

#include "nucleo/base/Arquivo_regular.h"
#include "nucleo/base/Registros.h"
#include "nucleo/orientacao/Coeficientes.h"

enum class Leitura_reserva {
  Completa,        // Open data: control points and coefficients are parsed
  Somente_pontos,  // Concatenate: they are skipped unread
};

class Receptor_reserva {
 public:
  virtual ~Receptor_reserva() = default;

  virtual void Nome_imagem(const std::string& /*nome*/) {}
  // Completa only.
  virtual void Ponto_controle(const Ponto_orientacao& /*ponto*/) {}
  virtual void Fim_pontos_controle(int /*quantidade*/) {}
  // Completa only: called with all six zero before the first coefficient line, then
  // after each line with the coefficients read so far.
  virtual void Coeficientes_lidos(const Coeficientes& /*ate_agora*/) {}
  virtual void Fim_coeficientes() {}

  virtual void Ponto(const Ponto_digitalizado& /*ponto*/) {}
  virtual void Fim_pontos(int /*quantidade*/) {}
};

// `caminho` is the reserve file's path: a relative picture name not found from the
// current folder is then looked for beside the reserve file, so that a job moved with
// its picture opens from anywhere, and handed over as found there.
void Ler_reserva(std::FILE* arquivo, Leitura_reserva leitura, Receptor_reserva& receptor,
                 const std::string& caminho = {});


// Nothing (a null handle) when the file cannot be opened.
Arquivo Abrir_leitura(const std::string& caminho);
