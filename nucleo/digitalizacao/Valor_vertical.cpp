#include "nucleo/digitalizacao/Valor_vertical.h"

#include "nucleo/base/Conversao.h"
#include "nucleo/base/Formatacao.h"

bool Tem_caractere_invalido(const std::string& texto) {
  for (const char c : texto)
    if (!(c >= '0' && c <= '9') && c != '.') return true;
  return false;
}

int Codigo_erro_valor(const std::string& texto) {
  const std::string aparado = Aparar(texto);
  int codigo = Tem_caractere_invalido(aparado) ? 1 : 0;
  if (aparado.find(',') != std::string::npos) codigo += 2;
  return codigo;
}

Mensagem_caixa Mensagem_valor_invalido(const std::string& valor, bool profundidade) {
  const char* grandeza = profundidade ? "PROFUNDIDADE" : "ALTITUDE";
  return {fmt::sprintf("Valor digitado   `%s`  para a %s é inválido. \n\n Repita a operações de "
                       "\n\n DIGITALIZAÇÃO e DIGITAÇÃO.\n\n",
                       valor, grandeza),
          fmt::sprintf(" Erro ao digitar o valor da %s", grandeza)};
}

Destino_valor Interpretar_valor(const Valor_digitado& valor) {
  if (valor.texto == Marca_sem_valor) return {};
  if (valor.erro != 0) return {{}, Mensagem_valor_invalido(valor.texto, valor.profundidade)};
  const double h = Texto_para_real(valor.texto);
  // 0.0 - h rather than -h: a depth of zero is kept as 0, not as -0.
  return {valor.profundidade ? 0.0 - h : h, {}};
}
