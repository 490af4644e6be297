// Complex numbers on texts, and the display formatting of numbers.

#include <cmath>

#include "formula/Formelcompclass.h"
#include "formula/Formelinterna.h"
#include "formula/Zahltext.h"

using namespace formelinterna;

namespace {

constexpr double kZweiPi = 6.2831853;
constexpr double kPi = 3.1415927;

double streng(const QString& text) {
    double wert = 0.0;
    if (!f_strengLesen(text, wert)) {
        throw Abbruch();
    }
    return wert;
}

const QString kKomplexeZahl = QStringLiteral("Fehler in komplexer Zahl");
const QString kAddition = QStringLiteral("Fehler bei der komplexen Addition aufgetreten");
const QString kSubtraktion = QStringLiteral("Fehler bei der komplexen Subtraktion aufgetreten");
const QString kMultiplikation =
    QStringLiteral("Fehler bei der komplexen Multiplikation aufgetreten");
const QString kDivision = QStringLiteral("Fehler bei der komplexen Division aufgetreten");

}  // namespace

Formelcompclass::Komplex Formelcompclass::komplexLesen(const QString& text, bool beideTeile) {
    const QStringList teile =
        QString(text).replace(QLatin1Char('j'), QLatin1Char(';')).split(QLatin1Char(';'));
    if (beideTeile && teile.size() < 2) {
        throw Abbruch();
    }
    return {streng(teile[0]), teile.size() > 1 ? streng(teile[1]) : 0.0};
}

QString Formelcompclass::komplexText(Komplex z) {
    if (!std::isfinite(z.re) || !std::isfinite(z.im)) {
        throw Abbruch();
    }
    return f_zahlSchreiben(z.re) + QLatin1Char('j') + f_zahlSchreiben(z.im);
}

QString Formelcompclass::komplexOperation(const QString& meldung,
                                          const std::function<QString()>& rechnung) {
    if (bo_generalfehler) {
        return {};
    }
    try {
        return rechnung();
    } catch (const Abbruch&) {
        fehler(meldung);
        return {};
    }
}

QString Formelcompclass::f_komplexzerleger(const QString& s_s) {
    return komplexOperation(kKomplexeZahl, [&] {
        QString s = s_s;
        if (s.endsWith(QLatin1Char('j'))) {
            s.replace(QLatin1Char('j'), QStringLiteral("j1"));
        }
        static const Regel kGruppe[] = {
            {u"EE", u"E"},  {u"-j", u"j-"},  {u"j+", u"j"},  {u"+j", u"j"}, {u"+-", u"-"},
            {u"-+", u"-"},  {u"++", u"+"},   {u"--", u"+"},  {u",,", u","}, {u"Ej", u"p"},
            {u"E+j", u"p"}, {u"E-j", u"p-"}, {u"-j", u"k-"}, {u"+j", u"k"}, {u"j", u"k"}};
        const qsizetype n = s.size();
        for (qsizetype i = 0; i < n; ++i) {
            const QString vorher = s;
            regelnAnwenden(s, kGruppe);
            if (s == vorher) {
                break;
            }
        }
        if (!s.contains(QLatin1Char('k')) && !s.contains(QLatin1Char('p'))) {
            s += QStringLiteral("k0");
        }
        QString re;
        QString im;
        if (s.contains(QLatin1Char('p'))) {
            const QStringList teile = s.split(QLatin1Char('p'));
            const double m = streng(teile[0]);
            double phi = streng(teile.value(1));
            // Into (0, 2pi] (0 stays 0) by whole turns; fmod rather than a loop of
            // subtractions, which never ends for a huge angle.
            if (phi > kZweiPi) {
                phi = std::fmod(phi, kZweiPi);
                if (phi == 0.0) {
                    phi = kZweiPi;
                }
            } else if (phi < 0.0) {
                phi = std::fmod(phi, kZweiPi) + kZweiPi;
            }
            // Quadrants, tested in this order; the last test that holds wins.
            QString reZeichen;
            QString imZeichen;
            double psi = 0.0;
            if (phi < kZweiPi) {
                reZeichen = QString();
                imZeichen = QStringLiteral("-");
                psi = kZweiPi - phi;
            }
            if (phi <= 4.1887902) {
                reZeichen = QStringLiteral("-");
                imZeichen = QStringLiteral("-");
                psi = phi - kPi;
            }
            if (phi <= kPi) {
                reZeichen = QStringLiteral("-");
                imZeichen = QString();
                psi = kPi - phi;
            }
            if (phi <= 1.5707963) {
                reZeichen = QString();
                imZeichen = QString();
                psi = phi;
            }
            re = reZeichen + f_zahlSchreiben(m * std::cos(psi));
            im = imZeichen + f_zahlSchreiben(m * std::sin(psi));
        } else {
            const QStringList teile = s.split(QLatin1Char('k'));
            re = teile[0];
            im = teile.value(1);
        }
        if (re.isEmpty()) {
            re = QStringLiteral("0+");
        }
        if (im.isEmpty()) {
            im = QStringLiteral("+0");
        }
        if (streng(re) == 0.0) {
            re = QStringLiteral("0");
        }
        if (streng(im) == 0.0) {
            im = QStringLiteral("+0");
        }
        return re + QLatin1Char(';') + im;
    });
}

QString Formelcompclass::f_einsZueins(const QString& s_s) {
    return QString(s_s).replace(QLatin1Char(';'), QLatin1Char('j'));
}

QString Formelcompclass::f_MalMinus(const QString& s_s) {
    return komplexOperation(kMultiplikation, [&] {
        const Komplex z = komplexLesen(s_s, true);
        return komplexText({-z.re, -z.im});
    });
}

QString Formelcompclass::f_Komplexadd(const QString& s_s1, const QString& s_s2) {
    return komplexOperation(kAddition, [&] {
        const Komplex a = komplexLesen(s_s1);
        const Komplex b = komplexLesen(s_s2);
        return komplexText({a.re + b.re, a.im + b.im});
    });
}

QString Formelcompclass::f_Komplexsub(const QString& s_s1, const QString& s_s2) {
    return komplexOperation(kSubtraktion, [&] {
        const Komplex a = komplexLesen(s_s1);
        const Komplex b = komplexLesen(s_s2);
        return komplexText({a.re - b.re, a.im - b.im});
    });
}

QString Formelcompclass::f_Komplexmul(const QString& s_s1, const QString& s_s2) {
    return komplexOperation(kMultiplikation, [&] {
        const Komplex a = komplexLesen(s_s1);
        const Komplex b = komplexLesen(s_s2);
        return komplexText({a.re * b.re - a.im * b.im, a.im * b.re + a.re * b.im});
    });
}

QString Formelcompclass::f_Komplexdiv(const QString& s_s1, const QString& s_s2) {
    return komplexOperation(kDivision, [&] {
        const Komplex a = komplexLesen(s_s1);
        const Komplex b = komplexLesen(s_s2);
        const double nenner = b.re * b.re + b.im * b.im;
        if (nenner == 0.0) {
            throw Abbruch();
        }
        return komplexText(
            {(a.re * b.re + a.im * b.im) / nenner, (b.re * a.im - b.im * a.re) / nenner});
    });
}

QString Formelcompclass::f_Komplexinv(const QString& s_s2) {
    return f_Komplexdiv(QStringLiteral("1"), s_s2);
}

bool Formelcompclass::f_Komplexpivot(const QString& s_s1, const QString& s_s2) {
    if (bo_generalfehler) {
        return false;
    }
    try {
        const Komplex a = komplexLesen(s_s1);
        const Komplex b = komplexLesen(s_s2);
        return a.re * a.re + a.im * a.im > b.re * b.re + b.im * b.im;
    } catch (const Abbruch&) {
        // The calling window reports it; the flag tells it that the comparison failed.
        fehler(kKomplexeZahl);
        return false;
    }
}

QString Formelcompclass::f_komplexformat(QString& s_x, int b_stellen, bool bo_form) {
    const QString z = f_komplexzerleger(s_x);
    s_x = z;
    if (z.isEmpty()) {
        return {};
    }
    QString text;
    const QStringList teile = z.split(QLatin1Char(';'));
    if (bo_form) {
        text = f_realrunden(teile[0], b_stellen);
        if (teile.size() > 1) {
            text += QLatin1Char('j') + f_realrunden(teile[1], b_stellen);
        }
        ersetzen(text, u"j-", u"-j");
        ersetzen(text, u"j+", u"+j");
        // "j" -> "+j" for the j that has no sign yet; the ones just written keep theirs.
        QString mitZeichen;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('j') &&
                (i == 0 || (text[i - 1] != QLatin1Char('+') && text[i - 1] != QLatin1Char('-')))) {
                mitZeichen += QStringLiteral("+j");
            } else {
                mitZeichen += text[i];
            }
        }
        text = mitZeichen;
        ersetzen(text, u"-+", u"-");
    } else {
        // The magnitude and angle come back with a point; the display uses the comma
        // throughout.
        const QString m = f_Betrag(z).replace(QLatin1Char('.'), QLatin1Char(','));
        if (m.isEmpty()) {
            return {};
        }
        if (m == QLatin1String("0")) {
            text = QStringLiteral("0");
        } else {
            const QString a = f_arg(z).replace(QLatin1Char('.'), QLatin1Char(','));
            const QString winkel = a == QLatin1String("0") ? QString() : f_realrunden(a, b_stellen);
            text = f_realrunden(m, b_stellen) + QStringLiteral("ej") + winkel;
            ersetzen(text, u"j-", u"-j");
            ersetzen(text, u"j+", u"j");
        }
    }
    s_x = text;
    return text;
}

QString Formelcompclass::f_realrunden(const QString& s_x, int b_stellen) {
    double x = 0.0;
    if (!f_strengLesen(s_x, x)) {
        return {};
    }
    if (std::abs(x) >= 0.0001 && std::abs(x) <= 10000.0) {
        return f_zahlSchreiben(f_runden(x, b_stellen));
    }
    static const int kNachkomma[] = {0, 1, 2, 2, 3, 4, 5};
    if (b_stellen < 0 || b_stellen > 6) {
        return {};
    }
    return f_exponentform(x, kNachkomma[b_stellen], b_stellen == 3 ? 1 : 2);
}

QString Formelcompclass::f_zahlenformat(const QString& s_x, int b_stellen) {
    double x = 0.0;
    if (!f_strengLesen(s_x, x)) {
        return {};
    }
    if (std::abs(x) > 0.001 && std::abs(x) < 1000.0) {
        return f_zahlSchreiben(f_runden(x, b_stellen));
    }
    static const int kNachkomma[] = {0, 1, 2, 2, 3, 4, 5};
    const QString text =
        b_stellen >= 0 && b_stellen <= 6 ? f_exponentform(x, kNachkomma[b_stellen], 2) : s_x;
    struct Vorsatz {
        const char16_t* exponent;
        const char16_t* zeichen;
        double faktor;
    };
    static const Vorsatz kVorsaetze[] = {
        {u"E-12", u"p", 1},   {u"E-11", u"p", 10},  {u"E-10", u"p", 100}, {u"E-09", u"n", 1},
        {u"E-08", u"n", 10},  {u"E-07", u"n", 100}, {u"E-06", u"µ", 1},   {u"E-05", u"µ", 10},
        {u"E-04", u"µ", 100}, {u"E-03", u"m", 1},   {u"E-02", u"m", 10},  {u"E-01", u"m", 100},
        {u"E+03", u"k", 1},   {u"E+04", u"k", 10},  {u"E+05", u"k", 100}, {u"E+06", u"M", 1},
        {u"E+07", u"M", 10},  {u"E+08", u"M", 100}, {u"E+09", u"G", 1},   {u"E+10", u"G", 10},
        {u"E+11", u"G", 100}};
    for (const Vorsatz& v : kVorsaetze) {
        const QString exponent = roh(v.exponent);
        if (text.contains(exponent)) {
            double m = 0.0;
            if (!f_strengLesen(QString(text).remove(exponent), m)) {
                return {};
            }
            return f_zahlSchreiben(f_runden(m, b_stellen) * v.faktor) + QLatin1Char(' ') +
                   roh(v.zeichen);
        }
    }
    // No prefix for this exponent: the value stays in the exponent pattern.
    return text;
}
