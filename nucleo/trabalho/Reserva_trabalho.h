#pragma once
// A job and its reserve file: the file's content for "Salvar", and the reading of a
// file into a job for "Abrir dados" and "Concatenar dados".

#include <cstdio>
#include <string>

#include "nucleo/arquivos/Leitura_reserva.h"
#include "nucleo/trabalho/Trabalho.h"

// The picture's name, the control points, the orientation (zeros when there is none)
// and the points. Raises the error of a value that cannot be written.
std::string Conteudo_reserva(const Trabalho& trabalho, const std::string& nome_imagem);

// "Abrir dados": each item goes into the job as soon as it is read, so a file that turns
// out bad halfway leaves in place everything read before the bad line. The points join
// those the job already holds; a vertex names its point by the position the point takes
// in the list, which stays right when the list already held points or the file's
// numbers have gaps. The window derives from it to load the picture and paint the
// markers as the items arrive.
class Leitura_trabalho : public Receptor_reserva {
 public:
  explicit Leitura_trabalho(Trabalho& trabalho) : trabalho_(trabalho) {}

  void Nome_imagem(const std::string& nome) override;
  void Ponto_controle(const Ponto_orientacao& ponto) override;
  void Coeficientes_lidos(const Coeficientes& ate_agora) override;
  void Fim_coeficientes() override;
  void Ponto(const Ponto_digitalizado& ponto) override;
  void Fim_pontos(int quantidade) override;

 protected:
  Trabalho& trabalho_;
};

// "Concatenar dados": appends the points of one reserve file. The base file's points
// keep their numbers and the next number follows the file's count; a further file's
// points are numbered on from the job's next number.
void Acrescentar_pontos(std::FILE* arquivo, bool base, Trabalho& trabalho);
