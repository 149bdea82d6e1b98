#pragma once
// The saving steps that Save and Concatenate share: the refusal of an empty job, the
// confirmation, the save dialog, the box with the chosen path and the ENh file itself,
// prepared beside its target so that Save can put it in place together with the
// reserve file.

#include <memory>
#include <string>

#include "nucleo/arquivos/Gravacao_segura.h"
#include "nucleo/base/Interacao.h"
#include "nucleo/base/Lista.h"
#include "nucleo/base/Registros.h"

// The boxes that report a file that could not be created or could not be written (and
// is as it was), and the first line of the box of a file left damaged.
struct Avisos_gravacao {
  std::string abertura;
  std::string escrita;
  std::string danificado;
  std::string link_de_outro = abertura;  // "%s": the link
};
inline const std::string Erro_gravar_ENh = "Erro ao gravar arquivo (n E N h) ";
inline const Avisos_gravacao Avisos_ENh{
    "Erro ao abrir arquivo (n E N h) ",
    Erro_gravar_ENh +
        "\n\n Os dados NAO foram gravados. Um arquivo anterior\n"
        " com o mesmo nome continua como estava.",
    Erro_gravar_ENh};
// The reserve file is prepared after the ENh file and before either is put in place:
// when it fails, neither has changed.
inline const std::string Nenhum_dos_dois_gravado =
    "\n\n Os dados NAO foram gravados: nem o arquivo RESERVA nem o arquivo\n"
    " (n E N h). Arquivos anteriores com os mesmos nomes continuam como estavam.";
inline const Avisos_gravacao Avisos_reserva{
    "Erro ao abrir arquivo RESERVA !!!! " + Nenhum_dos_dois_gravado,
    "Erro ao gravar arquivo RESERVA !!!! " + Nenhum_dos_dois_gravado,
    "Erro ao gravar arquivo RESERVA !!!! ",
    "Erro ao abrir arquivo RESERVA !!!! \n\n O arquivo RESERVA e um link simbolico de outro\n"
    " usuario, que nao sera seguido:\n %s" +
        Nenhum_dos_dois_gravado};

struct Gravacao_ENh {
  enum class Fim {
    Sem_pontos,  // refused before any dialog
    Cancelada,   // declined or dialog cancelled: the cancel box was shown
    Falhou,      // the file could not be created or written: its error box was shown
    Preparada,   // the content waits beside the target, which has not changed yet
  };
  Fim fim = Fim::Sem_pontos;
  std::string caminho;                          // the ENh path, once chosen
  std::unique_ptr<Gravacao_preparada> arquivo;  // Preparada only
};

// The points' ENh content is made before the confirmation: a value that cannot be
// written ends the command with its error before any dialog.
Gravacao_ENh Preparar_ENh_com_dialogo(Interacao& ui, const Lista<Ponto_digitalizado>& pontos);

// Prepare and put in place, each showing its box when it fails; true when done.
bool Preparar_com_aviso(Interacao& ui, Gravacao_preparada& arquivo, std::string conteudo,
                        const Avisos_gravacao& avisos);
bool Efetivar_com_aviso(Interacao& ui, Gravacao_preparada& arquivo, const Avisos_gravacao& avisos);

// The box of a save refused because another window is saving the same job.
void Avisar_gravacao_em_curso(Interacao& ui, const std::string& caminho);
