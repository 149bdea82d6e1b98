#pragma once
// What a control calls on a mouse event: the button (Qt::NoButton for a move), the keys
// held, and the position in the control's own pixels.

#include <Qt>
#include <functional>

using Tratador_mouse = std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int, int)>;
