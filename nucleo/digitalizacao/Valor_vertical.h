#pragma once
// Checks of the vertical value typed for a digitized point, and the message that refuses
// it. Plain text in, plain data out: nothing here touches a widget.

#include <optional>
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

// The mark the value dialog leaves in its field when OK found it empty.
inline constexpr const char* Marca_sem_valor = "VAZIO";

// What the value dialog gives back when closed with OK.
struct Valor_digitado {
  std::string texto;          // the field as it stood, untrimmed
  bool profundidade = false;  // the radio button checked when the dialog closed
  int erro = 0;               // 0, or the code Codigo_erro_valor gave at OK
};

// What becomes of a value given back: the height of the new point, or no point at all,
// either silently (the empty mark) or with the box that refuses the value.
struct Destino_valor {
  std::optional<double> h;
  std::optional<Mensagem_caixa> recusa;
};

// The sign follows the radio button, not the mode. A text that passed the check but is
// no number raises the conversion error.
Destino_valor Interpretar_valor(const Valor_digitado& valor);
