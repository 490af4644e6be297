#include "db/Verschluesselung.h"

#include <array>
#include <cmath>

namespace {

// Unicode code points of Windows-1252 0x80..0x9F; undefined codes keep their own value.
constexpr std::array<char16_t, 32> kHoch = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

template <typename Schluessel>
QString verwuerfeln(const QString& text, Schluessel schluessel) {
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int k = schluessel(static_cast<double>(i + 1));
        ergebnis.append(f_ansizeichen(static_cast<unsigned char>(f_ansicode(text[i]) ^ k)));
    }
    return ergebnis;
}

int datenSchluessel(double i) {
    return static_cast<int>(std::floor(std::sin(i) * 10.0)) + 25;
}

int logSchluessel(double i) {
    return static_cast<int>(std::floor(std::sin(i) * 2.0)) + 3;
}

}  // namespace

unsigned char f_ansicode(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        return static_cast<unsigned char>(u);
    }
    for (std::size_t k = 0; k < kHoch.size(); ++k) {
        if (kHoch[k] == u) {
            return static_cast<unsigned char>(0x80 + k);
        }
    }
    return '?';
}

QChar f_ansizeichen(unsigned char code) {
    if (code >= 0x80 && code <= 0x9F) {
        return QChar(kHoch[code - 0x80]);
    }
    return QChar(static_cast<char16_t>(code));
}

QByteArray f_nachAnsi(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        bytes.append(static_cast<char>(f_ansicode(c)));
    }
    return bytes;
}

QString f_ausAnsi(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes) {
        text.append(f_ansizeichen(static_cast<unsigned char>(b)));
    }
    return text;
}

QString f_verschluesseln(const QString& text) {
    return verwuerfeln(text, datenSchluessel);
}

QString f_entschluesseln(const QString& text) {
    return verwuerfeln(text, datenSchluessel);
}

QString f_logverschluesseln(const QString& text) {
    return verwuerfeln(text, logSchluessel);
}
