// Exit and help.

#include <cstdlib>

#include "janela/principal/Cartavel.h"

void TForm1::Sair1Click() {
  if (ui.Caixa_mensagem(" Terminar programa ? ", "Terminar programa ", Botoes::OK_Cancelar) ==
      Resposta::OK)
    std::_Exit(0);  // at once: nothing is saved and no window is closed first
}

void TForm1::Ajuda1Click() {
  ui.Caixa_mensagem(" Ainda não posso ajudar !! Não estou pronto.\n UHH UUUUuuuuuuu", " Help ",
                    Botoes::OK_Cancelar);
}
