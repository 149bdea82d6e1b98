#pragma once
// Every entry from Qt into the program (menu action, mouse or wheel event, dialog button)
// runs through Protegido: an error ends the command with the error box and the program
// carries on. Nothing escapes into Qt's event loop.

#include <functional>

#include "nucleo/base/Interacao.h"

void Protegido(Interacao& ui, const std::function<void()>& comando) noexcept;
