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

// The strict number conversion of the complex and formatting methods: the German comma is
// the decimal separator (a point is taken as one too when the text has no comma), a sign may
// follow the number ("5+", "5-"), and anything else is not a number.
bool f_strengLesen(const QString& text, double& wert);

// Rounds to `stellen` decimals, halves to the even neighbour.
double f_runden(double x, int stellen);

// x in an exponent pattern: `nachkomma` decimals in the mantissa (rounded half to even),
// "E", the exponent's sign and at least `expStellen` digits; German comma.
QString f_exponentform(double x, int nachkomma, int expStellen);

// Upper case as the Windows code page knows it: characters without a single upper-case
// character there (such as "ß" and "µ") stay as they are.
QString f_grossbuchstaben(const QString& text);
