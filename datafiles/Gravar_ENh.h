#pragma once
// The saving steps that Save and Concatenate share: the refusal of an empty job, the
// confirmation, the save dialog, the box with the chosen path and the ENh file itself.

#include <cstdio>
#include <functional>
#include <string>

#include "app/Interacao.h"
#include "app/Lista.h"
#include "app/Registros.h"

struct Gravacao_ENh {
  enum class Fim {
    Sem_pontos,  // refused before any dialog
    Cancelada,   // declined or dialog cancelled: the cancel box was shown
    Falhou,      // the file could not be created or written: its error box was shown
    Gravada,
  };
  Fim fim = Fim::Sem_pontos;
  std::string caminho;  // the ENh path, once chosen
};

Gravacao_ENh Gravar_ENh_com_dialogo(Interacao& ui, const Lista<Ponto_digitalizado>& pontos);

// The boxes that report a file that could not be created or could not be written.
struct Avisos_gravacao {
  const char* abertura;
  const char* escrita;
};
inline constexpr Avisos_gravacao Avisos_ENh{
    "Erro ao abrir arquivo (n E N h) ",
    "Erro ao gravar arquivo (n E N h) \n\n Os dados NAO foram gravados. Um arquivo anterior\n"
    " com o mesmo nome continua como estava."};
inline constexpr Avisos_gravacao Avisos_reserva{
    "Erro ao abrir arquivo RESERVA !!!! ",
    "Erro ao gravar arquivo RESERVA !!!! \n\n O arquivo RESERVA NAO foi gravado. Um arquivo\n"
    " anterior com o mesmo nome continua como estava."};

// Writes the file through Gravar_arquivo; a failure shows its box. True when written.
bool Gravar_com_aviso(Interacao& ui, const std::string& caminho,
                      const std::function<void(std::FILE*)>& escrever,
                      const Avisos_gravacao& avisos);
