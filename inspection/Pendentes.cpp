// Placeholders until this folder's commands are built: the menu items exist and do nothing.

#include "app/Cartavel.h"

void TForm1::Inspecionar1Click() {}
