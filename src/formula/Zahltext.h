#pragma once
// The engine's number reader and number writer, used wherever the formula engine turns
// text into numbers and back.

#include <QString>
#include <QStringView>

// Reads an optional sign, digits with at most one decimal point and an optional exponent
// ("E"/"e", optional sign, digits). Blanks, tabs and line feeds inside are skipped; reading
// stops at the first other character. Text that does not begin with a number reads as 0.
// A comma is no decimal separator here, and the sign marker "@" is no sign.
double f_zahlLesen(QStringView text);

// At most 15 significant digits, the German decimal comma, and an exponent part "E+nn" or
// "E-nn" below 1E-4 and from 1E15 on. Not finite values are written as "1,#INF" / "1,#NAN".
QString f_zahlSchreiben(double x);

// The written number in engine notation: "," -> "." and "-" -> "@".
QString f_engineZahl(double x);

// Upper case as the Windows code page knows it: characters without a single upper-case
// character there (such as "ß" and "µ") stay as they are.
QString f_grossbuchstaben(const QString& text);
