#pragma once
// The decisions of the formula calculator: the left side and its unit, the engine input from
// the variable rows, the three display forms and the substitution. The window only shows.

#include <QString>
#include <QStringList>

class Formelcompclass;

namespace Rechnerlogik {

struct LinkeSeite {
    QString anzeige;  // first piece of the left side ("U" for «U/V=R*I», "y=" for «y=x»)
    QString einheit;  // the part after "/" without "=", or empty
};
LinkeSeite linkeSeite(const QString& formel);

// The result label's left part after a calculation: the left side with "=" when it has no
// "/", else the text before "/" and " =".
QString ergebnisLinks(const QString& formel);

// A value box text for the engine: prefix letters to powers of ten, "-" to "@".
QString wertFuerEngine(const QString& text);
// The key filter of the value boxes: the character typed, or a null QChar.
QChar wertTaste(QChar k);

struct Variable {
    QString name;
    QString wert;
};
// «formel//name;wert;;:…//0:0» as the calculation builds it ("x;1;1;1" without variables).
QString eingabe(const QString& formel, const QList<Variable>& variablen);
// «formel//name;wert;0;0:…//0:0» as the analysis builds it.
QString analyseEingabe(const QString& formel, const QList<Variable>& variablen);

struct Anzeige {
    QString wert;     // s_ergebniswert
    QString praefix;  // s_praefix
    QString text;     // Labellosung(0)
};
// Form 0 "1299,2", 1 "1,299E3", 2 "1,299k" of the value v.
Anzeige darstellung(double v, int form, int nachkomma, const QString& einheit);

// Substitution «alt=neu»: the answer cleaned of blanks and ";:<>#\?!§%".
QString substitutionBereinigen(const QString& antwort);

}  // namespace Rechnerlogik
