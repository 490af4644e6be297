#include "formula/Zahltext.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {
bool leer(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

// Windows-1252 holds these upper-case letters above 0x7F besides Latin-1.
bool imCodeBlatt(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x100 || u == 0x0160 || u == 0x0152 || u == 0x017D || u == 0x0178;
}
}  // namespace

double f_zahlLesen(QStringView text) {
    // The cleaned number goes into a buffer on the stack; a number longer than it is read
    // as far as it fits.
    char s[320] = {};
    std::size_t laenge = 0;
    const auto anhaengen = [&](char c) {
        if (laenge < sizeof s - 1) {
            s[laenge++] = c;
        }
    };
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && leer(text[i])) {
        ++i;
    }
    bool negativ = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negativ = text[i] == QLatin1Char('-');
        ++i;
    }
    bool ziffern = false;
    bool punkt = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (leer(c)) {
            continue;
        }
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            anhaengen(static_cast<char>(c.unicode()));
            ziffern = true;
        } else if (c == QLatin1Char('.') && !punkt) {
            anhaengen('.');
            punkt = true;
        } else {
            break;
        }
    }
    if (!ziffern) {
        return 0.0;
    }
    if (i < n && (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e'))) {
        qsizetype j = i + 1;
        char exponent[24] = {'e'};
        std::size_t el = 1;
        while (j < n && leer(text[j])) {
            ++j;
        }
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-'))) {
            exponent[el++] = static_cast<char>(text[j].unicode());
            ++j;
        }
        bool expZiffern = false;
        for (; j < n; ++j) {
            const QChar c = text[j];
            if (leer(c)) {
                continue;
            }
            if (c.unicode() < '0' || c.unicode() > '9') {
                break;
            }
            if (el < sizeof exponent - 1) {
                exponent[el++] = static_cast<char>(c.unicode());
            }
            expZiffern = true;
        }
        if (expZiffern) {
            for (std::size_t k = 0; k < el; ++k) {
                anhaengen(exponent[k]);
            }
        }
    }
    // from_chars, unlike strtod, does not depend on the C locale the GUI sets.
    double wert = 0.0;
    const auto ergebnis = std::from_chars(s, s + laenge, wert);
    if (ergebnis.ec == std::errc::result_out_of_range) {
        // Beyond the range: a negative exponent underflows to 0, anything else is infinite.
        const char* e = std::strchr(s, 'e');
        const bool klein = e != nullptr && e < s + laenge && e[1] == '-';
        wert = klein ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negativ ? -wert : wert;
}

QString f_zahlSchreiben(double x) {
    if (std::isnan(x)) {
        return QStringLiteral("1,#NAN");
    }
    if (std::isinf(x)) {
        return x < 0 ? QStringLiteral("-1,#INF") : QStringLiteral("1,#INF");
    }
    if (x == 0.0) {
        return QStringLiteral("0");
    }
    // 15 significant digits; the exponent form below 1E-4 and from 1E15 on, with a sign and
    // at least two digits: exactly the general format of that precision. to_chars, unlike
    // printf, does not depend on the C locale the GUI sets.
    char puffer[64];
    const auto r = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::general, 15);
    QString text = QString::fromLatin1(puffer, r.ptr - puffer);
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QString f_engineZahl(double x) {
    QString t = f_zahlSchreiben(x);
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    t.replace(QLatin1Char('-'), QLatin1Char('@'));
    return t;
}

QString f_grossbuchstaben(const QString& text) {
    QString ergebnis = text;
    for (QChar& c : ergebnis) {
        const QChar g = c.toUpper();
        if (g != c && imCodeBlatt(g)) {
            c = g;
        }
    }
    return ergebnis;
}

bool f_strengLesen(const QString& text, double& wert) {
    QString t = text.trimmed();
    if (t.size() > 1 && (t.endsWith(QLatin1Char('+')) || t.endsWith(QLatin1Char('-')))) {
        const QChar vorzeichen = t.back();
        t.chop(1);
        if (t.startsWith(QLatin1Char('+')) || t.startsWith(QLatin1Char('-'))) {
            return false;
        }
        t.prepend(vorzeichen);
    }
    if (t.isEmpty()) {
        return false;
    }
    bool ok = false;
    if (t.contains(QLatin1Char(','))) {
        QLocale deutsch(QLocale::German, QLocale::Germany);
        deutsch.setNumberOptions(QLocale::RejectGroupSeparator);
        wert = deutsch.toDouble(t, &ok);
    } else {
        wert = QLocale::c().toDouble(t, &ok);
    }
    return ok && std::isfinite(wert);
}

double f_runden(double x, int stellen) {
    const double faktor = std::pow(10.0, stellen);
    const double r = std::nearbyint(x * faktor) / faktor;
    return std::isfinite(r) ? r : x;
}

QString f_exponentform(double x, int nachkomma, int expStellen) {
    int exponent = 0;
    double mantisse = 0.0;
    if (x != 0.0) {
        exponent = static_cast<int>(std::floor(std::log10(std::abs(x))));
        mantisse = f_runden(x / std::pow(10.0, exponent), nachkomma);
        if (std::abs(mantisse) >= 10.0) {
            exponent += 1;
            mantisse = f_runden(x / std::pow(10.0, exponent), nachkomma);
        }
    }
    char puffer[64];
    const auto r = std::to_chars(puffer, puffer + sizeof puffer - 1, mantisse,
                                 std::chars_format::fixed, nachkomma);
    QString text = QString::fromLatin1(puffer, r.ptr - puffer);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    const QString ziffern = QString::number(std::abs(exponent));
    return text + QLatin1Char('E') + (exponent < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QString(std::max<qsizetype>(0, expStellen - ziffern.size()), QLatin1Char('0')) + ziffern;
}
