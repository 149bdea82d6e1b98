#pragma once
// "Concatenar dados": the points of several reserve files of one chart merged into one
// ENh file. The base file's points keep their numbers; the further files' points are
// numbered on from there. Nothing is drawn and no reserve file is written.

#include "nucleo/base/Interacao.h"
#include "nucleo/trabalho/Trabalho.h"

// Asks for the base file, then for further files until the user says there are no
// more, appending their points to the job, and saves the merged points. False when they
// could not be written: the command then ends at once.
bool Concatenar_dados(Interacao& ui, Trabalho& trabalho);
