#pragma once
// The program keeps its texts in UTF-8 (the interface's accents among them); Qt's strings
// are UTF-16, so every text handed to a widget passes through here.

#include <QString>
#include <string_view>

inline QString Q(std::string_view texto) {
  return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}
