#include "nucleo/trabalho/Reserva_trabalho.h"

#include "nucleo/arquivos/Formato_reserva.h"
#include "nucleo/arquivos/Gravacao_segura.h"

std::string Conteudo_reserva(const Trabalho& trabalho, const std::string& nome_imagem) {
  // Save is available only once an orientation exists; zeros would at least keep the
  // file readable should that ever not hold.
  const Coeficientes coeficientes = trabalho.Coef_orientacao.value_or(Coeficientes{});
  return Conteudo_escrito([&](std::FILE* f) {
    Escrever_reserva(f, nome_imagem, *trabalho.OLista_coord, coeficientes, trabalho.Lista_pontos);
  });
}

void Leitura_trabalho::Nome_imagem(const std::string& nome) {
  trabalho_.Nome_arquivo = nome;
}

void Leitura_trabalho::Ponto_controle(const Ponto_orientacao& ponto) {
  trabalho_.OLista_coord->Acrescentar(ponto);
}

void Leitura_trabalho::Coeficientes_lidos(const Coeficientes& ate_agora) {
  trabalho_.Coef_orientacao = ate_agora;
}

void Leitura_trabalho::Fim_coeficientes() {
  trabalho_.Orientada = true;
}

void Leitura_trabalho::Ponto(const Ponto_digitalizado& ponto) {
  if (ponto.Marca_pconv != -1)
    trabalho_.Lista_pconv.Acrescentar(
        Vertice_pconv{ponto.Marca_pconv, trabalho_.Lista_pontos.Quantidade()});
  trabalho_.Lista_pontos.Acrescentar(ponto);
}

void Leitura_trabalho::Fim_pontos(int quantidade) {
  trabalho_.Proximo_ponto = quantidade + 1;
}

namespace {

class Concatenacao : public Receptor_reserva {
 public:
  Concatenacao(Trabalho& trabalho, bool base) : trabalho_(trabalho), base_(base) {}

  void Ponto(const Ponto_digitalizado& ponto) override {
    Ponto_digitalizado acrescentado = ponto;
    if (!base_) acrescentado.Numero = trabalho_.Proximo_ponto++;
    trabalho_.Lista_pontos.Acrescentar(acrescentado);
  }
  void Fim_pontos(int quantidade) override {
    if (base_) trabalho_.Proximo_ponto = quantidade + 1;
  }

 private:
  Trabalho& trabalho_;
  bool base_;
};

}  // namespace

void Acrescentar_pontos(std::FILE* arquivo, bool base, Trabalho& trabalho) {
  Concatenacao receptor(trabalho, base);
  Ler_reserva(arquivo, Leitura_reserva::Somente_pontos, receptor);
}
