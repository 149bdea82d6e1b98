// Placeholders until this folder's commands are built: the menu items exist and do nothing.

#include "app/Cartavel.h"

void TForm1::Pontos1Click() {}
void TForm1::Altitudes1Click() {}
void TForm1::Profundidades1Click() {}
void TForm1::Desfazer1Click() {}
void TForm1::Digitalizar_ponto(int, int) {}
