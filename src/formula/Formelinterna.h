#pragma once
// Helpers shared by the formula engine's source files.

#include <QString>
#include <bitset>
#include <string>
#include <vector>

namespace formelinterna {

// A failure inside a method; the method that catches it sets the flag and its message.
struct Abbruch {};

// A text literal as a QString without copying it.
inline QString roh(const char16_t* text) {
    return QString::fromRawData(reinterpret_cast<const QChar*>(text),
                                static_cast<qsizetype>(std::char_traits<char16_t>::length(text)));
}

// The first position of `muster` in `text` from `ab` on, or -1. Formulas are short: a plain
// search beats the general one, whose set-up dominates at these lengths.
inline qsizetype suchen(QStringView text, QStringView muster, qsizetype ab = 0) {
    const qsizetype m = muster.size();
    if (m == 0) {
        return -1;
    }
    const QChar erstes = muster[0];
    for (qsizetype i = ab; i + m <= text.size(); ++i) {
        if (text[i] == erstes && text.mid(i, m) == muster) {
            return i;
        }
    }
    return -1;
}

// Every occurrence, left to right, non-overlapping, case-sensitive. Most rules find nothing
// in a short formula, so the search comes first and costs no allocation.
inline void ersetzen(QString& s, const char16_t* von, const char16_t* nach) {
    const QString v = roh(von);
    if (suchen(s, v) >= 0) {
        s.replace(v, roh(nach));
    }
}

// A set of rules "from" -> "to", applied in order, each to every occurrence. A rule whose
// first character is not in the text is skipped without searching; the set of characters is
// renewed after every replacement.
struct Regel {
    const char16_t* von;
    const char16_t* nach;
};

template <std::size_t N>
void regelnAnwenden(QString& s, const Regel (&regeln)[N]) {
    std::bitset<256> da;
    bool weitere = false;  // characters above 255 are in the text
    const auto erfassen = [&] {
        da.reset();
        weitere = false;
        for (QChar c : s) {
            if (c.unicode() < 256) {
                da.set(c.unicode());
            } else {
                weitere = true;
            }
        }
    };
    erfassen();
    for (const Regel& r : regeln) {
        const char16_t erstes = r.von[0];
        if (erstes < 256 ? !da.test(erstes) : !weitere) {
            continue;
        }
        const QString v = roh(r.von);
        if (suchen(s, v) >= 0) {
            s.replace(v, roh(r.nach));
            erfassen();
        }
    }
}

// Windows-1252 code of a character; characters outside the code page count as 255.
int ansicode(QChar c);

// Operator characters of engine notation and the brackets.
inline bool istOperator(QChar c) {
    switch (c.unicode()) {
        case '+':
        case '-':
        case '*':
        case '/':
        case '^':
        case '|':
        case '%':
        case '&':
        case '=':
        case '(':
        case ')':
            return true;
        default:
            return false;
    }
}

// Positions of the occurrences of `stueck` in `text` that stand as whole operands: at the
// start or after an operator (or, for function tokens, a sign marker), and at the end or
// before an operator. Leftmost first, non-overlapping.
std::vector<qsizetype> ganzeVorkommen(const QString& text, const QString& stueck,
                                      bool nachVorzeichen);
// Replaces the given occurrences (positions from ganzeVorkommen) by `ersatz`.
void ersetzeAn(QString& text, const std::vector<qsizetype>& positionen, qsizetype laenge,
               const QString& ersatz);

}  // namespace formelinterna
