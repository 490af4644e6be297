#pragma once
// Entry of answers: the key filter and the completion of value boxes, the unit key filter and
// the unit check. One state for the whole program (the last key and the comma flag belong to
// the value box the user typed in last, whichever window it is in).

#include <QString>
#include <QStringList>

class Werteingabe {
public:
    // A key typed into a value box: the character that goes in, or a null QChar when the key
    // is cancelled. Enter and Backspace are handled by the window and pass here unchanged.
    QChar taste(QChar k);
    // The box lost the focus: completes its text; `fehler` is set when the text is not in the
    // value notation (the box then shows "0").
    QString fokusVerloren(const QString& text, bool& fehler);

    QChar b_letztetaste;  // null when no key was accepted yet
    bool bo_komma = false;
};

// True when the text is not in the value notation.
bool f_zahlenprufung(const QString& text);
// True when the text is empty or names a unit of the unit groups.
bool f_einheitenprufung(const QString& text, const QStringList& s_einheiten);
// Whether a unit box takes the key while the unit check is on.
bool f_einheitentaste(QChar k);
