#include "tasks/Werteingabe.h"

#include "tasks/Bewertung.h"

namespace {
constexpr char16_t kGrad = 0x00B0;
}

QChar Werteingabe::taste(QChar k) {
    const QChar letzte = b_letztetaste;
    const auto ist = [](QChar c, const char* zeichen) {
        for (const char* z = zeichen; *z != 0; ++z) {
            if (c == QLatin1Char(*z)) {
                return true;
            }
        }
        return false;
    };
    if ((k == QLatin1Char('+') && letzte == QLatin1Char('+')) ||
        (ist(k, ".,") && letzte == QLatin1Char(',')) ||
        (ist(k, "iIjJ") && letzte == QLatin1Char('i')) ||
        (ist(k, "eE") && letzte == QLatin1Char('E')) ||
        (k == QChar(kGrad) && letzte == QChar(kGrad)) || (ist(k, ".,") && bo_komma)) {
        return {};  // the last key keeps its value
    }
    QChar m;
    if (ist(k, "Ij")) {
        m = QLatin1Char('i');
    } else if (k == QLatin1Char('J')) {
        m = QLatin1Char('i');
    } else if (k == QLatin1Char('e')) {
        m = QLatin1Char('E');
    } else if (k == QLatin1Char('.')) {
        m = QLatin1Char(',');
    } else if (k.isDigit() && k.unicode() < 128) {
        m = k;
    } else if (ist(k, "+-,Ei") || k == QChar(kGrad)) {
        m = k;
    }
    if (m == QLatin1Char(',')) {
        bo_komma = true;
    }
    if (m == QLatin1Char('i')) {
        bo_komma = false;  // the imaginary part may have a comma of its own
    }
    b_letztetaste = m;
    return m;
}

QString Werteingabe::fokusVerloren(const QString& text, bool& fehler) {
    QString t = text;
    if (t.endsWith(QLatin1Char('i'))) {
        t += QLatin1Char('1');
    }
    if (t.endsWith(QLatin1Char('E'))) {
        t += QLatin1Char('0');
    }
    if (t.endsWith(QLatin1Char(','))) {
        t += QLatin1Char('0');
    }
    if (t.startsWith(QLatin1Char(','))) {
        t.prepend(QLatin1Char('0'));
    }
    if (t.startsWith(QLatin1Char('E'))) {
        t.prepend(QLatin1Char('1'));
    }
    if (t.startsWith(QChar(kGrad))) {
        t = QStringLiteral("1");
    }
    fehler = f_zahlenprufung(t);
    if (fehler) {
        t = QStringLiteral("0");
    }
    b_letztetaste = QChar();
    bo_komma = false;
    return t;
}

bool f_zahlenprufung(const QString& text) {
    double re = 0.0;
    double im = 0.0;
    return !f_wertLesen(text, re, im);
}

bool f_einheitenprufung(const QString& text, const QStringList& s_einheiten) {
    if (text.isEmpty()) {
        return true;
    }
    for (const QString& gruppe : s_einheiten) {
        for (const QString& eintrag : gruppe.split(QLatin1Char(';'))) {
            if (eintrag.section(QLatin1Char('='), 0, 0) == text) {
                return true;
            }
        }
    }
    return false;
}

bool f_einheitentaste(QChar k) {
    const char16_t u = k.unicode();
    return (u >= 65 && u <= 122) || u == '/' || u == 0x00B0 || u == 0x00B2 || u == 0x00B3 ||
           u == 0x00B5;
}
