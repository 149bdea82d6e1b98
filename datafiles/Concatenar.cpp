// "Concatenar dados": the points of several reserve files of one chart merged into one
// ENh file. The base file's points keep their numbers; the further files' points are
// numbered on from there. Nothing is drawn and no reserve file is written.

#include <QAction>

#include "app/Cartavel.h"
#include "datafiles/Gravar_ENh.h"
#include "datafiles/Leitura_reserva.h"

namespace {

class Receptor_concatenacao : public Receptor_reserva {
 public:
  Receptor_concatenacao(TForm1& janela, bool base) : janela_(janela), base_(base) {}

  void Ponto(const Ponto_digitalizado& ponto) override {
    Ponto_digitalizado acrescentado = ponto;
    if (!base_) acrescentado.Numero = janela_.Proximo_ponto++;
    janela_.Lista_pontos.Acrescentar(acrescentado);
  }
  void Fim_pontos(int quantidade) override {
    if (base_) janela_.Proximo_ponto = quantidade + 1;
  }

 private:
  TForm1& janela_;
  bool base_;
};

void Acrescentar_arquivo(TForm1& janela, const std::string& caminho, bool base) {
  const Arquivo arquivo = Abrir_leitura(caminho);
  if (!arquivo) {
    janela.ui.Caixa_mensagem("Erro ao abrir arquivo ", "E R R O  ! !", Botoes::OK_Cancelar);
    return;
  }
  Receptor_concatenacao receptor(janela, base);
  Ler_reserva(arquivo.get(), Leitura_reserva::Somente_pontos, receptor);
}

// Asks for further files until the user says there are no more.
void Acrescentar_mais_arquivos(TForm1& janela) {
  Interacao& ui = janela.ui;
  for (;;) {
    if (ui.Caixa_mensagem(
            " Adicionar mais arquivos ao arquivo BASE ??? \n\n  Sim -> OK\n\n  Nao -> Cancel\n\n ",
            "Concatenar mais arquivos ??? ", Botoes::OK_Cancelar) != Resposta::OK) {
      ui.Caixa_mensagem(" Termino da concatenacao. Salvar dados concatenados",
                        "SAlvar concatenacao", Botoes::OK_Cancelar);
      return;
    }
    const auto caminho =
        ui.Abrir_arquivo(" Arquivos Coordenadas (*_RESERVA.ENh)|*_RESERVA.ENh", "ENh");
    if (caminho) {
      Acrescentar_arquivo(janela, *caminho, false);
    } else if (ui.Caixa_mensagem(" Abertura de arquivos a concatenar ???\n\n  OK -> Terminar \n\n  "
                                 "Cancel -> Continuar",
                                 "Termina abertura de dados",
                                 Botoes::OK_Cancelar) == Resposta::OK) {
      return;
    }
  }
}

// False when the merged points could not be written: the command then ends at once.
bool Concatenar_e_gravar(TForm1& janela) {
  Interacao& ui = janela.ui;
  const auto base = ui.Abrir_arquivo(" Arquivos BASE (*_RESERVA.ENh)|*_RESERVA.ENh", "ENh");
  if (!base) {
    ui.Caixa_mensagem("\n\n  Cancelou abertura do arquivo BASE   \n\n    ", "Cancelou ",
                      Botoes::OK_Cancelar);
    return true;
  }
  Acrescentar_arquivo(janela, *base, true);
  Acrescentar_mais_arquivos(janela);
  Gravacao_ENh ENh = Preparar_ENh_com_dialogo(ui, janela.Lista_pontos);
  if (ENh.fim == Gravacao_ENh::Fim::Falhou) return false;
  if (ENh.fim != Gravacao_ENh::Fim::Preparada) return true;
  if (!Efetivar_com_aviso(ui, *ENh.arquivo, Avisos_ENh)) return false;
  ENh.arquivo->Sincronizar_pasta();
  return true;
}

}  // namespace

void TForm1::Homogeneizar1Click() {
  ui.Caixa_mensagem(
      " Concatenação de arquivos de pontos digitalizados \n\n Será solicitado o nome do arquivo "
      "BASE \n\n",
      "Concatenação de arquivos", Botoes::OK_Cancelar);
  Funcao_corrente("Concatenar arquivos");
  if (!Concatenar_e_gravar(*this)) return;
  Funcao_corrente("Nenhuma ");
  Abririmagem->setEnabled(false);
  Abrirdados1->setEnabled(false);
  Salvar1->setEnabled(false);
}
