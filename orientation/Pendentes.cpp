// Placeholders until this folder's commands are built: the menu items exist and do nothing.

#include "app/Cartavel.h"

void TForm1::Coord_de_cartaClick() {}
void TForm1::Coord_de_imagemClick() {}
void TForm1::AjustarClick() {}
Escala_aprox TForm1::Calcular_escala(int) { return {}; }
void TForm1::Associar_ponto_controle(int, int) {}
