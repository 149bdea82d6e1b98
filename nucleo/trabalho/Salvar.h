#pragma once
// "Salvar": the ENh file chosen by the user and, beside it, the reserve file that lets
// the job be reopened. Saving does not end the digitizing.

#include "nucleo/base/Interacao.h"
#include "nucleo/trabalho/Trabalho.h"

// Ends the click mode when there are no points to save and once both files are saved,
// and then returns true: the window shows the arrow cursor.
bool Salvar_trabalho(Interacao& ui, Trabalho& trabalho);
