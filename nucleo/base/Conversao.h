#pragma once
// Every conversion between numbers and text of the program. The full stop is the
// decimal separator whatever the user's regional settings.

#include <cstdint>
#include <string>

// Optional sign, digits, "." and an optional exponent; blanks before and after are
// skipped. Raises "'%s' is not a valid floating point value" otherwise.
double Texto_para_real(const std::string& texto);

// Optional sign and decimal digits within the int32 range; blanks before are skipped,
// blanks after are refused. Raises "'%s' is not a valid integer value" otherwise.
int32_t Texto_para_inteiro(const std::string& texto);

// General format with up to 15 significant digits ("12.5", "3", "1E20"), as put back
// into an edit box.
std::string Real_para_texto(double valor);

// An image position truncated toward zero, held within what the view can address: a
// hand-edited file may carry any double, and no conversion may overflow an int.
int Truncar_pixel(double valor);

// Removes leading and trailing characters with codes up to 32 (blanks and controls).
std::string Aparar(const std::string& texto);
