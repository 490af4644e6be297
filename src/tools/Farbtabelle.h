#pragma once
// The resistor colour table shared by the colour-code and E-series tools.

#include <QString>
#include <array>

struct Farbeintrag {
    QString s_farbe;     // "&H..." colour value, blue-green-red
    QString s_farbname;  // shown to the user
    double do_toleranz;  // percent
};

using Farbtabelle = std::array<Farbeintrag, 13>;

Farbtabelle f_farbtabelle();
// The colour value of an entry as a number (blue in the high byte).
unsigned int f_farbwert(const Farbeintrag& e);
