#pragma once
// Checks of the vertical value typed for a digitized point, and the message that refuses
// it. Plain text in, plain data out: nothing here touches a widget.

#include <string>

// True when some byte is neither a digit nor "."; bytes above 127 are always foreign.
// A sign, a blank, an exponent letter and a "," are foreign too, so a typed value is
// never negative: depths get their sign from the dialog's radio button.
bool Tem_caractere_invalido(const std::string& texto);

// Code of the check made when the value is stored, on the text without the blanks and
// control characters around it: 1 for a foreign character, plus 2 for a ",".
int Codigo_erro_valor(const std::string& texto);

struct Mensagem_caixa {
  std::string texto;
  std::string titulo;
};

// The box that refuses a value, naming the quantity the dialog's radio button chose.
// The value is shown whole, however long it is.
Mensagem_caixa Mensagem_valor_invalido(const std::string& valor, bool profundidade);
