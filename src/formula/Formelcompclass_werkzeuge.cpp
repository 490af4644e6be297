// The arithmetic of the engineering tools: two-port conversions, star-delta, E-series and
// the equivalent circuits.

#include <array>
#include <cmath>

#include "formula/Formelcompclass.h"
#include "formula/Formelinterna.h"
#include "formula/Zahltext.h"

using namespace formelinterna;

namespace {
const QString kEins = QStringLiteral("1j0");
}  // namespace

QStringList Formelcompclass::matrix(const QString& s) {
    const QStringList p = s.split(QLatin1Char('/'));
    if (p.size() < 4) {
        throw Abbruch();
    }
    return p;
}

QString Formelcompclass::f_determinante(const QString& s_s) {
    if (bo_generalfehler) {
        return {};
    }
    QStringList p;
    try {
        p = matrix(s_s);
    } catch (const Abbruch&) {
        fehler(QStringLiteral("Fehler bei der komplexen Multiplikation aufgetreten"));
        return {};
    }
    return f_Komplexsub(f_Komplexmul(p[0], p[3]), f_Komplexmul(p[1], p[2]));
}

namespace {

// One entry of a conversion table: numerator (an element index 0..3, kDelta or kEins1),
// divisor (an element index or kDelta), and whether the quotient is negated.
constexpr int kDelta = 4;
constexpr int kEins1 = 5;
struct Eintrag {
    int zaehler;
    int nenner;
    bool minus;
};
using Umrechnung = std::array<Eintrag, 4>;

}  // namespace

// Every quotient is one complex division, every minus one negation of that quotient.
#define ELVARIS_UMRECHNUNG(name, ...)                                                       \
    QString Formelcompclass::name(const QString& s_s) {                                     \
        static const Umrechnung kTabelle = {{__VA_ARGS__}};                                 \
        if (bo_generalfehler) {                                                             \
            return {};                                                                      \
        }                                                                                   \
        QStringList p;                                                                      \
        try {                                                                               \
            p = matrix(s_s);                                                                \
        } catch (const Abbruch&) {                                                          \
            fehler(QStringLiteral("Fehler bei der komplexen Division aufgetreten"));        \
            return {};                                                                      \
        }                                                                                   \
        const QString delta = f_determinante(s_s);                                          \
        QStringList ergebnis;                                                               \
        for (const Eintrag& e : kTabelle) {                                                 \
            const QString zaehler =                                                         \
                e.zaehler == kDelta ? delta : (e.zaehler == kEins1 ? kEins : p[e.zaehler]); \
            const QString nenner = e.nenner == kDelta ? delta : p[e.nenner];                \
            const QString q = f_Komplexdiv(zaehler, nenner);                                \
            ergebnis << (e.minus ? f_MalMinus(q) : q);                                      \
        }                                                                                   \
        return bo_generalfehler ? QString() : ergebnis.join(QLatin1Char('/'));              \
    }

// Element indexes: 0 = 11, 1 = 12, 2 = 21, 3 = 22.
ELVARIS_UMRECHNUNG(f_ZausY, {3, kDelta, false}, {1, kDelta, true}, {2, kDelta, true},
                   {0, kDelta, false})
ELVARIS_UMRECHNUNG(f_ZausA, {0, 2, false}, {kDelta, 2, true}, {kEins1, 2, false}, {3, 2, true})
ELVARIS_UMRECHNUNG(f_ZausH, {kDelta, 3, false}, {1, 3, false}, {2, 3, true}, {kEins1, 3, false})
ELVARIS_UMRECHNUNG(f_YausZ, {3, kDelta, false}, {1, kDelta, true}, {2, kDelta, true},
                   {0, kDelta, false})
ELVARIS_UMRECHNUNG(f_YausA, {3, 1, false}, {kDelta, 1, true}, {kEins1, 1, false}, {0, 1, true})
ELVARIS_UMRECHNUNG(f_YausH, {kEins1, 0, false}, {1, 0, true}, {2, 0, false}, {kDelta, 0, false})
ELVARIS_UMRECHNUNG(f_AausZ, {0, 2, false}, {kDelta, 2, true}, {kEins1, 2, false}, {3, 2, true})
ELVARIS_UMRECHNUNG(f_AausY, {3, 2, true}, {kEins1, 2, false}, {kDelta, 2, true}, {0, 2, false})
ELVARIS_UMRECHNUNG(f_AausH, {kDelta, 2, true}, {0, 2, false}, {3, 2, true}, {kEins1, 2, false})
ELVARIS_UMRECHNUNG(f_HausZ, {kDelta, 3, false}, {1, 3, false}, {2, 3, true}, {kEins1, 3, false})
ELVARIS_UMRECHNUNG(f_HausY, {kEins1, 0, false}, {1, 0, true}, {2, 0, false}, {kDelta, 0, false})
ELVARIS_UMRECHNUNG(f_HausA, {1, 3, false}, {kDelta, 3, false}, {kEins1, 3, false}, {2, 3, true})

#undef ELVARIS_UMRECHNUNG

QString Formelcompclass::f_sternDreieck(const QString& s_s) {
    if (bo_generalfehler) {
        return {};
    }
    const QStringList z = s_s.split(QLatin1Char('/'));
    if (z.size() < 3) {
        fehler(QStringLiteral("Fehler in komplexer Zahl"));
        return {};
    }
    // Z_ab = (Z_a + Z_b) + Z_a * Z_b / Z_c, computed in the order Z12, Z13, Z23.
    const auto seite = [&](int a, int b, int c) {
        return f_Komplexadd(f_Komplexadd(z[a], z[b]), f_Komplexdiv(f_Komplexmul(z[a], z[b]), z[c]));
    };
    const QString z12 = seite(0, 1, 2);
    const QString z13 = seite(0, 2, 1);
    const QString z23 = seite(1, 2, 0);
    return bo_generalfehler ? QString() : z12 + QLatin1Char('/') + z23 + QLatin1Char('/') + z13;
}

QString Formelcompclass::f_DreieckStern(const QString& s_s) {
    if (bo_generalfehler) {
        return {};
    }
    const QStringList z = s_s.split(QLatin1Char('/'));
    if (z.size() < 3) {
        fehler(QStringLiteral("Fehler in komplexer Zahl"));
        return {};
    }
    const QString summe = f_Komplexadd(f_Komplexadd(z[0], z[1]), z[2]);
    const QString z1 = f_Komplexdiv(f_Komplexmul(z[0], z[2]), summe);
    const QString z2 = f_Komplexdiv(f_Komplexmul(z[0], z[1]), summe);
    const QString z3 = f_Komplexdiv(f_Komplexmul(z[2], z[1]), summe);
    return bo_generalfehler ? QString() : z1 + QLatin1Char('/') + z2 + QLatin1Char('/') + z3;
}

void Formelcompclass::f_E6Fullen() {
    m_e6 = {1.0, 1.5, 2.2, 3.3, 4.7, 6.8, 10.0};
}

void Formelcompclass::f_E12Fullen() {
    m_e12 = {1.0, 1.2, 1.5, 1.8, 2.2, 2.7, 3.3, 3.9, 4.7, 5.6, 6.8, 8.2, 10.0};
}

void Formelcompclass::f_E24Fullen() {
    m_e24 = {1.0, 1.1, 1.2, 1.3, 1.5, 1.6, 1.8, 2.0, 2.2, 2.4, 2.7, 3.0, 3.3,
             3.6, 3.9, 4.3, 4.7, 5.1, 5.6, 6.2, 6.8, 7.5, 8.2, 9.1, 10.0};
}

void Formelcompclass::f_E48Fullen() {
    m_e48 = {1.00, 1.05, 1.10, 1.15, 1.21, 1.27, 1.33, 1.40, 1.47, 1.54, 1.62, 1.69, 1.78,
             1.87, 1.96, 2.05, 2.15, 2.26, 2.37, 2.49, 2.61, 2.74, 2.87, 3.01, 3.16, 3.32,
             3.48, 3.65, 3.83, 4.02, 4.22, 4.42, 4.64, 4.87, 5.11, 5.36, 5.62, 5.90, 6.19,
             6.49, 6.81, 7.15, 7.50, 7.87, 8.25, 8.66, 9.09, 9.53, 10.0};
}

void Formelcompclass::f_E96Fullen() {
    m_e96 = {1.00, 1.02, 1.05, 1.07, 1.10, 1.13, 1.15, 1.18, 1.21, 1.24, 1.27, 1.30, 1.33, 1.37,
             1.40, 1.43, 1.47, 1.50, 1.54, 1.58, 1.62, 1.65, 1.69, 1.74, 1.78, 1.82, 1.87, 1.91,
             1.96, 2.00, 2.05, 2.10, 2.15, 2.21, 2.26, 2.32, 2.37, 2.43, 2.49, 2.55, 2.61, 2.67,
             2.74, 2.80, 2.87, 2.94, 3.01, 3.09, 3.16, 3.24, 3.32, 3.40, 3.48, 3.57, 3.65, 3.74,
             3.83, 3.92, 4.02, 4.12, 4.22, 4.32, 4.42, 4.53, 4.64, 4.75, 4.87, 4.99, 5.11, 5.23,
             5.36, 5.49, 5.62, 5.76, 5.90, 6.04, 6.19, 6.34, 6.49, 6.65, 6.81, 6.98, 7.15, 7.32,
             7.50, 7.68, 7.87, 8.06, 8.25, 8.45, 8.66, 8.87, 9.09, 9.31, 9.53, 9.76, 10.0};
}

double Formelcompclass::f_Esuchen(double do_nenn, int b_reihe) const {
    const std::vector<double>* t = nullptr;
    switch (b_reihe) {
        case 6:
            t = &m_e6;
            break;
        case 12:
            t = &m_e12;
            break;
        case 24:
            t = &m_e24;
            break;
        case 48:
            t = &m_e48;
            break;
        case 96:
            t = &m_e96;
            break;
        default:
            return do_nenn;
    }
    // Outside the decades the table covers there is no nearest value to look up.
    if (t->empty() || !(do_nenn > 0.0) || do_nenn >= 1e12) {
        return do_nenn;
    }
    static const double kDekaden[] = {1e11, 1e10, 1e9, 1e8, 1e7, 1e6, 1e5,
                                      1e4,  1e3,  1e2, 1e1, 1.0, 0.1};
    double d = 0.01;
    for (double k : kDekaden) {
        if (do_nenn >= k) {
            d = k;
            break;
        }
    }
    const double m = do_nenn / d;
    double mantisse = m;
    for (std::size_t k = 0; k + 1 < t->size(); ++k) {
        const double unten = (*t)[k];
        const double oben = (*t)[k + 1];
        if (unten < m && m < oben) {
            mantisse = m - unten > oben - m ? oben : unten;  // a tie goes to the lower value
            break;
        }
    }
    return mantisse * d;
}

QString Formelcompclass::f_RLCNW(int i_Typ, double do_r1, double do_r2, double do_c1, double do_c2,
                                 double do_l1, double do_l2, double do_f, bool bo_KartPol,
                                 bool bo_inv, int b_stellen) {
    constexpr double kPi = 3.1415927;
    const auto geteilt = [](double a, double b) {
        if (b == 0.0) {
            throw Abbruch();
        }
        return a / b;
    };
    try {
        const double r1 = do_r1;
        const double r2 = do_r2;
        const double xc1 = geteilt(geteilt(geteilt(geteilt(-1.0, do_f), do_c1), 2.0), kPi);
        const double xc2 = geteilt(geteilt(geteilt(geteilt(-1.0, do_f), do_c2), 2.0), kPi);
        const double xl1 = do_f * do_l1 * 2.0 * kPi;
        const double xl2 = do_f * do_l2 * 2.0 * kPi;
        // Computed for every circuit: they require f, C1, L1 and R1 to be non-zero.
        const double n = r1 * r1 + (xc1 + xl1) * (xc1 + xl1);
        const double mm =
            std::pow(geteilt(1.0, xc1) + geteilt(1.0, xl1), 2.0) + geteilt(1.0, r1 * r1);
        double re = 0.0;
        double im = 0.0;
        switch (i_Typ) {
            case 1:
                re = r1;
                break;
            case 2:
                im = xl1;
                break;
            case 3:
                im = xc1;
                break;
            case 4:
                im = geteilt(xc2 * xc1, xc2 + xc1);
                break;
            case 5:
                im = xc2 + xc1;
                break;
            case 6:
                re = geteilt(r1 * r2, r1 + r2);
                break;
            case 7:
                re = r1 + r2;
                break;
            case 8:
                im = geteilt(xl2 * xl1, xl2 + xl1);
                break;
            case 9:
                im = xl2 + xl1;
                break;
            case 10:
                im = xc1 + xl1;
                break;
            case 11:
                im = geteilt(xc1 * xl1, xc1 + xl1);
                break;
            case 12:
                re = r1;
                im = xc1;
                break;
            case 13:
            case 14: {
                const double x = i_Typ == 13 ? xc1 : xl1;
                re = geteilt(x * x * r1, r1 * r1 + x * x);
                im = geteilt(r1 * r1 * x, r1 * r1 + x * x);
                break;
            }
            case 15:
                re = r1;
                im = xl1;
                break;
            case 16:
                re = r1;
                im = xc1 + xl1;
                break;
            case 17: {
                const double g = geteilt(1.0, r1);
                const double m = std::pow(geteilt(1.0, xc1) + geteilt(1.0, xl1), 2.0) + g * g;
                re = geteilt(g, m);
                im = geteilt(geteilt(1.0, xc1) + geteilt(1.0, xl1), m);
                break;
            }
            case 18:
            case 19: {
                const double w = i_Typ == 18 ? xc1 : xl1;
                re = geteilt(r1 * w * w, n);
                im = geteilt(xc1 * xl1 * (xc1 + xl1) + w * r1 * r1, n);
                break;
            }
            case 20: {
                const double t = xc1 + xl1;
                re = geteilt(r1 * t * t, r1 * r1 + t * t);
                im = geteilt(r1 * r1 * t, r1 * r1 + t * t);
                break;
            }
            default:
                throw Abbruch();
        }
        if (!std::isfinite(re) || !std::isfinite(im) || !std::isfinite(mm)) {
            throw Abbruch();
        }
        QString text = f_zahlSchreiben(re) + QStringLiteral("+j") + f_zahlSchreiben(im);
        if (bo_inv) {
            text = f_Komplexinv(text);
            if (text.isEmpty()) {
                return {};
            }
        }
        return f_komplexformat(text, b_stellen, bo_KartPol);
    } catch (const Abbruch&) {
        return {};
    }
}

QString Formelcompclass::f_RCLPBest(const QString& s_x, double do_f, bool bo_ZY,
                                    const QString& s_Bauteil, int b_stellen) {
    Q_UNUSED(s_Bauteil);
    constexpr double kZweiPi = 6.2831854;
    QString s = s_x;
    ersetzen(s, u"+j", u"j+");
    ersetzen(s, u"-j", u"j-");
    const QStringList teile = s.split(QLatin1Char('j'));
    double a = 0.0;
    double b = 0.0;
    if (teile.size() < 2 || !f_strengLesen(teile[0], a) || !f_strengLesen(teile[1], b) ||
        do_f == 0.0) {
        return {};
    }
    double r = a;
    if (bo_ZY) {
        r = 1.0 / (a == 0.0 ? 1e-11 : a);
    }
    double zweiter = 0.0;
    QString einheit;
    if (b > 0.0) {
        zweiter = b / (kZweiPi * do_f);
        einheit = bo_ZY ? QStringLiteral("F") : QStringLiteral("H");
    } else if (b < 0.0) {
        zweiter = -1.0 / (b * kZweiPi * do_f);
        einheit = bo_ZY ? QStringLiteral("H") : QStringLiteral("F");
    }
    if (!std::isfinite(r) || !std::isfinite(zweiter)) {
        return {};
    }
    return f_zahlenformat(f_zahlSchreiben(r), b_stellen) + QStringLiteral("Ohm") +
           QStringLiteral(" , ") + f_zahlenformat(f_zahlSchreiben(zweiter), b_stellen) + einheit;
}
