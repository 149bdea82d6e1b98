// Placeholders until this folder's commands are built: the menu items exist and do nothing.

#include "app/Cartavel.h"

void TForm1::Salvar1Click() {}
void TForm1::Abrirdados1Click() {}
void TForm1::Homogeneizar1Click() {}
