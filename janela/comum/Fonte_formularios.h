#pragma once
// The font of every window of the program. The forms were laid out for the 8-point
// "MS Sans Serif", 11 pixels high on a 96 ppi screen; where it is missing, fonts of
// Helvetica's widths keep the texts inside their controls (the desktop's default font
// is wider and cuts them).

#include <QFont>

inline QFont Fonte_formularios() {
  QFont fonte;
  fonte.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                     QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                     QStringLiteral("Nimbus Sans")});
  fonte.setPixelSize(11);
  return fonte;
}
