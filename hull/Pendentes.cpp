// Placeholders until this folder's commands are built: the menu items exist and do nothing.

#include "app/Cartavel.h"

void TForm1::Polig_convex1Click() {}
void TForm1::Represpolconv1Click() {}
bool TForm1::Tem_pol_convexo() const { return false; }
