// The operators and functions of the formula language. Each takes the text of one operation
// in engine notation and returns the result as a number text; a failure sets the flag and
// its message and returns an empty text.

#include <cmath>
#include <limits>

#include "formula/Formelcompclass.h"
#include "formula/Formelinterna.h"
#include "formula/Zahltext.h"

using namespace formelinterna;

namespace {

// Degrees to radians with the program's rounded factor, not pi/180.
constexpr double kGradfaktor = 0.0174533;
constexpr double kPi = 3.141592654;
constexpr double kPiHalbe = 1.570796327;

double endlich(double x) {
    if (!std::isfinite(x)) {
        throw Abbruch();
    }
    return x;
}

double geteilt(double a, double b) {
    if (b == 0.0) {
        throw Abbruch();
    }
    return endlich(a / b);
}

double wurzel(double x) {
    if (x < 0.0) {
        throw Abbruch();
    }
    return std::sqrt(x);
}

double logarithmus(double x) {
    if (x <= 0.0) {
        throw Abbruch();
    }
    return std::log(x);
}

// Conversion to a byte: halves to the even neighbour, nothing outside 0..255.
int alsByte(double x) {
    const double r = std::nearbyint(x);
    if (!(r >= 0.0 && r <= 255.0)) {
        throw Abbruch();
    }
    return static_cast<int>(r);
}

QString minus(QString s) {
    return s.replace(QLatin1Char('@'), QLatin1Char('-'));
}

QString engine(QString s) {
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    return s.replace(QLatin1Char('-'), QLatin1Char('@'));
}

// Two operands split at the operator; fewer than two parts is a failure.
std::pair<QString, QString> zweiTeile(const QString& s, QChar op) {
    const QStringList teile = s.split(op);
    if (teile.size() < 2) {
        throw Abbruch();
    }
    return {teile[0], teile[1]};
}

double fakultaet(double wert) {
    const double n = std::floor(wert);
    double f = 1.0;
    for (double i = 2.0; i <= n; i += 1.0) {
        f *= i;
        if (!std::isfinite(f)) {
            throw Abbruch();
        }
    }
    return f;
}

}  // namespace

QString Formelcompclass::einArgument(const QString& token, const QString& code, bool grad,
                                     const std::function<double(double)>& rechnung,
                                     const QString& meldung, bool geschuetzt) {
    if (geschuetzt && bo_generalfehler) {
        return {};
    }
    const QString argument = minus(QString(token).remove(code));
    try {
        const double faktor = grad && argument.endsWith(QChar(0x00B0)) ? kGradfaktor : 1.0;
        const double x = f_zahlLesen(argument) * faktor;
        return f_engineZahl(endlich(rechnung(x)));
    } catch (const Abbruch&) {
        fehler(meldung + argument + QLatin1Char(')'));
        return {};
    }
}

QString Formelcompclass::f_sin(const QString& s) {
    return einArgument(
        s, QStringLiteral("§11"), true, [](double x) { return std::sin(x); },
        QStringLiteral("Fehler bei sin aufgetreten sin("));
}

QString Formelcompclass::f_cos(const QString& s) {
    return einArgument(
        s, QStringLiteral("§14"), true, [](double x) { return std::cos(x); },
        QStringLiteral("Fehler bei cos aufgetreten cos("));
}

QString Formelcompclass::f_tan(const QString& s) {
    return einArgument(
        s, QStringLiteral("§16"), true, [](double x) { return std::tan(x); },
        QStringLiteral("Fehler bei tan aufgetreten tan("));
}

QString Formelcompclass::f_arcsin(const QString& s) {
    return einArgument(
        s, QStringLiteral("§13"), false,
        [](double x) { return std::atan(geteilt(x, wurzel(1.0 - x * x))); },
        QStringLiteral("Fehler bei arcsin aufgetreten arcsin("));
}

QString Formelcompclass::f_arccos(const QString& s) {
    return einArgument(
        s, QStringLiteral("§15"), false,
        [](double x) { return std::atan(geteilt(wurzel(1.0 - x * x), x)); },
        QStringLiteral("Fehler bei arccos aufgetreten arccos("));
}

QString Formelcompclass::f_atn(const QString& s) {
    return einArgument(
        s, QStringLiteral("§17"), false, [](double x) { return std::atan(x); },
        QStringLiteral("Fehler bei arctan aufgetreten arctan("));
}

QString Formelcompclass::f_sinh(const QString& s) {
    return einArgument(
        s, QStringLiteral("§23"), false,
        [](double x) { return (endlich(std::exp(x)) - endlich(std::exp(-x))) / 2.0; },
        QStringLiteral("Fehler bei sinh aufgetreten sinh("));
}

QString Formelcompclass::f_cosh(const QString& s) {
    return einArgument(
        s, QStringLiteral("§50"), false,
        [](double x) { return (endlich(std::exp(x)) + endlich(std::exp(-x))) / 2.0; },
        QStringLiteral("Fehler bei cosh aufgetreten cosh("));
}

QString Formelcompclass::f_tanh(const QString& s) {
    return einArgument(
        s, QStringLiteral("§51"), false,
        [](double x) {
            const double a = endlich(std::exp(x));
            const double b = endlich(std::exp(-x));
            return geteilt(a - b, b + a);
        },
        QStringLiteral("Fehler bei tanh aufgetreten tanh("));
}

QString Formelcompclass::f_exp(const QString& s) {
    return einArgument(
        s, QStringLiteral("§22"), false, [](double x) { return std::exp(x); },
        QStringLiteral("Fehler bei exp aufgetreten exp("));
}

QString Formelcompclass::f_ln(const QString& s) {
    return einArgument(
        s, QStringLiteral("§19"), false, [](double x) { return logarithmus(x); },
        QStringLiteral("Fehler bei ln aufgetreten ln("));
}

QString Formelcompclass::f_lg(const QString& s) {
    return einArgument(
        s, QStringLiteral("§20"), false, [](double x) { return logarithmus(x) / std::log(10.0); },
        QStringLiteral("Fehler bei lg aufgetreten lg("));
}

QString Formelcompclass::f_ld(const QString& s) {
    // Not guarded by the flag, unlike the other functions.
    return einArgument(
        s, QStringLiteral("§21"), false, [](double x) { return logarithmus(x) / std::log(2.0); },
        QStringLiteral("Fehler bei ld aufgetreten ld("), false);
}

QString Formelcompclass::f_sqr(const QString& s) {
    return einArgument(
        s, QStringLiteral("§18"), false, [](double x) { return wurzel(x); },
        QStringLiteral("Fehler bei Wurzel aufgetreten sqr("));
}

QString Formelcompclass::f_inv(const QString& s) {
    return einArgument(
        s, QStringLiteral("§26"), false, [](double x) { return geteilt(1.0, x); },
        QStringLiteral("Fehler bei inv aufgetreten inv("));
}

QString Formelcompclass::f_abs(const QString& s) {
    if (bo_generalfehler) {
        return {};
    }
    return QString(s).remove(QStringLiteral("§12")).remove(QLatin1Char('@'));
}

QString Formelcompclass::f_not(const QString& s) {
    const QString argument = minus(QString(s).remove(QStringLiteral("§24")));
    try {
        return f_zahlSchreiben(255 - alsByte(f_zahlLesen(argument)))
            .replace(QLatin1Char('-'), QLatin1Char('@'));
    } catch (const Abbruch&) {
        fehler(QStringLiteral("Fehler bei NOT aufgetreten  "));
        return {};
    }
}

QString Formelcompclass::f_fak(const QString& s) {
    const QString argument = QString(s).remove(QStringLiteral("§25")).remove(QLatin1Char('@'));
    try {
        return f_zahlSchreiben(fakultaet(f_zahlLesen(argument)))
            .replace(QLatin1Char(','), QLatin1Char('.'));
    } catch (const Abbruch&) {
        fehler(QStringLiteral("Fehler bei Fakultät aufgetreten fak(") + argument +
               QLatin1Char(')'));
        return {};
    }
}

QString Formelcompclass::f_add(const QString& s) {
    double summe = 0.0;
    try {
        const auto [a, b] = zweiTeile(minus(s), QLatin1Char('+'));
        summe = f_zahlLesen(a) + f_zahlLesen(b);
        return f_zahlSchreiben(endlich(summe)).replace(QLatin1Char('-'), QLatin1Char('@'));
    } catch (const Abbruch&) {
        fehler(QStringLiteral("Fehler bei der Addition ") + f_zahlSchreiben(summe));
        return {};
    }
}

QString Formelcompclass::f_sub(const QString& s) {
    double differenz = 0.0;
    try {
        // Split before the sign markers turn into "-", so a negative operand stays whole.
        const auto [a, b] = zweiTeile(s, QLatin1Char('-'));
        differenz = f_zahlLesen(minus(a)) - f_zahlLesen(minus(b));
        return f_zahlSchreiben(endlich(differenz)).replace(QLatin1Char('-'), QLatin1Char('@'));
    } catch (const Abbruch&) {
        fehler(QStringLiteral("Fehler bei der Subtraktion ") + f_zahlSchreiben(differenz));
        return {};
    }
}

QString Formelcompclass::f_mult(const QString& s) {
    if (bo_generalfehler) {
        return {};
    }
    try {
        const auto [a, b] = zweiTeile(minus(s), QLatin1Char('*'));
        return f_zahlSchreiben(endlich(f_zahlLesen(a) * f_zahlLesen(b)))
            .replace(QLatin1Char('-'), QLatin1Char('@'));
    } catch (const Abbruch&) {
        fehler(QStringLiteral("Fehler bei Multiplikation aufgetreten ") + minus(s));
        return {};
    }
}

QString Formelcompclass::f_div(const QString& s) {
    if (bo_generalfehler) {
        return {};
    }
    const QStringList teile = minus(s).split(QLatin1Char('/'));
    const QString a = teile.value(0);
    const QString b = teile.value(1);
    try {
        if (teile.size() < 2) {
            throw Abbruch();
        }
        return f_zahlSchreiben(geteilt(f_zahlLesen(a), f_zahlLesen(b)))
            .replace(QLatin1Char('-'), QLatin1Char('@'));
    } catch (const Abbruch&) {
        fehler(QStringLiteral("Fehler bei Division aufgetreten ") + a + QLatin1Char('/') + b);
        return {};
    }
}

QString Formelcompclass::f_potenz(const QString& s) {
    if (bo_generalfehler) {
        return {};
    }
    const QStringList teile = minus(s).split(QLatin1Char('^'));
    const QString at = teile.value(0);
    const QString bt = teile.value(1);
    const QString meldung =
        QStringLiteral("Fehler bei Potenz aufgetreten ") + at + QLatin1Char('^') + bt;
    try {
        if (teile.size() < 2) {
            throw Abbruch();
        }
        const double a = f_zahlLesen(at);
        const double b = f_zahlLesen(bt);
        double wert = 0.0;
        if (b == 2.0) {
            wert = a * a;
        } else if (b == 3.0) {
            wert = a * a * a;
        } else if (b == 4.0) {
            wert = a * a * a * a;
        } else if (a >= 0.0 && !(a == 0.0 && b == 0.0)) {
            if (a == 0.0 && b < 0.0) {
                throw Abbruch();
            }
            wert = std::pow(a, b);
        } else {
            // A negative base with another exponent, or 0^0: reported, the flag stays.
            if (m_meldung) {
                m_meldung(meldung);
            }
            return {};
        }
        return f_zahlSchreiben(endlich(wert)).replace(QLatin1Char('-'), QLatin1Char('@'));
    } catch (const Abbruch&) {
        fehler(meldung);
        return {};
    }
}

QString Formelcompclass::f_parallel(const QString& s) {
    if (bo_generalfehler) {
        return {};
    }
    try {
        const auto [at, bt] = zweiTeile(minus(s), QLatin1Char('|'));
        const double a = f_zahlLesen(at);
        const double b = f_zahlLesen(bt);
        return engine(f_zahlSchreiben(geteilt(a * b, a + b)));
    } catch (const Abbruch&) {
        fehler(QStringLiteral("Fehler bei Parallelschaltung aufgetreten ") + minus(s));
        return {};
    }
}

QString Formelcompclass::bitweise(const QString& s, QChar op, const QString& name,
                                  const QString& verbinder,
                                  const std::function<int(int, int)>& rechnung) {
    const QStringList teile = minus(s).split(op);
    const QString a = teile.value(0);
    const QString b = teile.value(1);
    try {
        if (teile.size() < 2) {
            throw Abbruch();
        }
        return f_zahlSchreiben(rechnung(alsByte(f_zahlLesen(a)), alsByte(f_zahlLesen(b))))
            .replace(QLatin1Char('-'), QLatin1Char('@'));
    } catch (const Abbruch&) {
        fehler(QStringLiteral("Fehler bei %1 aufgetreten ").arg(name) + a + verbinder + b);
        return {};
    }
}

QString Formelcompclass::f_and(const QString& s) {
    return bitweise(s, QLatin1Char('&'), QStringLiteral("AND"), QStringLiteral("AND"),
                    [](int a, int b) { return a & b; });
}

QString Formelcompclass::f_or(const QString& s) {
    return bitweise(s, QLatin1Char('%'), QStringLiteral("ODER"), QStringLiteral("OR"),
                    [](int a, int b) { return a | b; });
}

QString Formelcompclass::f_xor(const QString& s) {
    return bitweise(s, QLatin1Char('='), QStringLiteral("XOR"), QStringLiteral("XOR"),
                    [](int a, int b) { return a ^ b; });
}

namespace {
// The arguments of a multi-argument function, at least two.
QStringList argumente(const QString& s) {
    const QStringList teile = s.split(QLatin1Char(';'));
    if (teile.size() < 2) {
        throw Abbruch();
    }
    return teile;
}
}  // namespace

QString Formelcompclass::mehrereArgumente(
    const QString& s, const QString& meldung, int auswerten,
    const std::function<QString(const QStringList&)>& rechnung) {
    if (bo_generalfehler) {
        return {};
    }
    try {
        const QStringList a = argumente(s);
        // The arguments may be whole expressions: each is evaluated before the function.
        QStringList werte;
        for (qsizetype i = 0; i < a.size() && i < auswerten; ++i) {
            werte << f_klammer(a[i]);
        }
        if (bo_generalfehler) {
            return {};
        }
        return rechnung(werte);
    } catch (const Abbruch&) {
        fehler(meldung);
        return {};
    }
}

QString Formelcompclass::f_log(const QString& s) {
    // The evaluated texts are read as they are: a sign marker makes a value read as 0.
    return mehrereArgumente(
        s, QStringLiteral("Fehler in log-Funktion"), 2, [](const QStringList& w) {
            return f_zahlSchreiben(
                geteilt(logarithmus(f_zahlLesen(w[0])), logarithmus(f_zahlLesen(w[1]))));
        });
}

QString Formelcompclass::f_max(const QString& s) {
    return mehrereArgumente(
        s, QStringLiteral("Fehler in max-Funktion"), 2, [](const QStringList& w) {
            return f_zahlLesen(minus(w[1])) > f_zahlLesen(minus(w[0])) ? w[1] : w[0];
        });
}

QString Formelcompclass::f_min(const QString& s) {
    return mehrereArgumente(
        s, QStringLiteral("Fehler in min-Funktion"), 2, [](const QStringList& w) {
            return f_zahlLesen(minus(w[1])) < f_zahlLesen(minus(w[0])) ? w[1] : w[0];
        });
}

QString Formelcompclass::f_nuk(const QString& s) {
    return mehrereArgumente(
        s, QStringLiteral("Fehler in nuk-Funktion"), 2, [](const QStringList& w) {
            const double n = f_zahlLesen(w[0]);
            const double k = f_zahlLesen(w[1]);
            if (n < k) {
                throw Abbruch();
            }
            // The factorials come from the argument texts and so drop a sign.
            const double fn = fakultaet(f_zahlLesen(QString(w[0]).remove(QLatin1Char('@'))));
            const double fk = fakultaet(f_zahlLesen(QString(w[1]).remove(QLatin1Char('@'))));
            return f_zahlSchreiben(geteilt(fn, fk * fakultaet(n - k)));
        });
}

QString Formelcompclass::f_arg(const QString& s) {
    return mehrereArgumente(s, QStringLiteral("Fehler in arg-Funktion"), 2,
                            [](const QStringList& w) {
                                const double x = f_zahlLesen(minus(w[0]));
                                const double y = f_zahlLesen(minus(w[1]));
                                double winkel = 0.0;
                                if (x > 0.0) {
                                    winkel = std::atan(y / x);
                                } else if (x < 0.0) {
                                    winkel = std::atan(y / x) + kPi;
                                } else {
                                    winkel = y > 0.0 ? kPiHalbe : (y < 0.0 ? -kPiHalbe : 0.0);
                                }
                                return f_zahlSchreiben(endlich(winkel * 180.0 / kPi))
                                    .replace(QLatin1Char(','), QLatin1Char('.'));
                            });
}

QString Formelcompclass::f_Betrag(const QString& s) {
    return mehrereArgumente(s, QStringLiteral("Fehler Betrags-Funktion"), 3,
                            [](const QStringList& w) {
                                const double x = f_zahlLesen(minus(w[0]));
                                const double y = f_zahlLesen(minus(w[1]));
                                const double z = w.size() > 2 ? f_zahlLesen(minus(w[2])) : 0.0;
                                return f_zahlSchreiben(endlich(std::sqrt(x * x + y * y + z * z)))
                                    .replace(QLatin1Char(','), QLatin1Char('.'));
                            });
}
