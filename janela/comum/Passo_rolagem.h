#pragma once

// One wheel message scrolls by 5 % of the window's outer height, truncated.
inline int Passo_rolagem(int altura_janela) {
  return static_cast<int>(0.05 * altura_janela);
}
