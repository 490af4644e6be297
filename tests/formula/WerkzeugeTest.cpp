#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "formula/Formelcompclass.h"
#include "formula/Zahltext.h"

namespace {

std::vector<std::pair<double, double>> elemente(const QString& liste) {
    std::vector<std::pair<double, double>> e;
    for (const QString& z : liste.split('/')) {
        const QStringList p = QString(z).replace('j', ';').split(';');
        double re = 0.0;
        double im = 0.0;
        EXPECT_TRUE(f_strengLesen(p[0], re)) << z.toStdString();
        if (p.size() > 1) {
            EXPECT_TRUE(f_strengLesen(p[1], im)) << z.toStdString();
        }
        e.emplace_back(re, im);
    }
    return e;
}

void erwarteNahe(const QString& a, const QString& b, double tol = 1e-9) {
    const auto x = elemente(a);
    const auto y = elemente(b);
    ASSERT_EQ(x.size(), y.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        EXPECT_NEAR(x[i].first, y[i].first, tol) << a.toStdString() << " / " << b.toStdString();
        EXPECT_NEAR(x[i].second, y[i].second, tol) << a.toStdString() << " / " << b.toStdString();
    }
}

Formelcompclass mitTabellen() {
    Formelcompclass e;
    e.f_E6Fullen();
    e.f_E12Fullen();
    e.f_E24Fullen();
    e.f_E48Fullen();
    e.f_E96Fullen();
    return e;
}

}  // namespace

TEST(Zweitor, ZnachYMitDreiStellen) {
    Formelcompclass e;
    const QString y = e.f_YausZ("2;+0/1;+0/1;+0/2;+0");
    ASSERT_FALSE(e.bo_generalfehler) << e.s_generalfehler.toStdString();
    QStringList gerundet;
    for (const auto& [re, im] : elemente(y)) {
        gerundet << e.f_realrunden(f_zahlSchreiben(re), 3);
        EXPECT_EQ(im, 0.0);
    }
    EXPECT_EQ(gerundet, QStringList({"0,667", "-0,333", "-0,333", "0,667"}));
}

TEST(Zweitor, RundreisenGebenDieEingabe) {
    const QString z = QStringLiteral("2j1/1j-0,5/3j0/4j2");
    Formelcompclass e;
    erwarteNahe(e.f_ZausA(e.f_AausZ(z)), z);
    erwarteNahe(e.f_HausY(e.f_YausH(z)), z);
    erwarteNahe(e.f_HausA(e.f_AausH(z)), z);
    erwarteNahe(e.f_ZausY(e.f_YausZ(z)), z);
    erwarteNahe(e.f_ZausH(e.f_HausZ(z)), z);
    erwarteNahe(e.f_YausA(e.f_AausY(z)), z);
    // Through all four sets and back.
    erwarteNahe(e.f_ZausH(e.f_HausA(e.f_AausY(e.f_YausZ(z)))), z);
    EXPECT_FALSE(e.bo_generalfehler);
    erwarteNahe(e.f_determinante("2j0/1j0/1j0/2j0"), QStringLiteral("3j0"));
}

TEST(Zweitor, NullteilerMeldenDivision) {
    Formelcompclass e;
    EXPECT_EQ(e.f_AausZ("1;0/2;0/0;0/3;0"), QString());  // Z21 = 0
    EXPECT_EQ(e.s_generalfehler, QStringLiteral("Fehler bei der komplexen Division aufgetreten"));
    Formelcompclass f;
    EXPECT_EQ(f.f_ZausY("1;0/2;0/2;0/4;0"), QString());  // singular
    EXPECT_EQ(f.s_generalfehler, QStringLiteral("Fehler bei der komplexen Division aufgetreten"));
}

TEST(SternDreieck, BeideRichtungen) {
    Formelcompclass e;
    erwarteNahe(e.f_sternDreieck("100;+0/100;+0/100;+0"), QStringLiteral("300j0/300j0/300j0"));
    const QString d = e.f_sternDreieck("10;+0/20;+0/30;+0");
    const auto w = elemente(d);
    EXPECT_EQ(e.f_realrunden(f_zahlSchreiben(w[0].first), 3), QStringLiteral("36,667"));
    EXPECT_EQ(e.f_realrunden(f_zahlSchreiben(w[1].first), 3), QStringLiteral("110"));
    EXPECT_EQ(e.f_realrunden(f_zahlSchreiben(w[2].first), 3), QStringLiteral("55"));
    erwarteNahe(e.f_DreieckStern(d), QStringLiteral("10j0/20j0/30j0"));
    const auto s = elemente(e.f_DreieckStern("100;+0/100;+0/100;+0"));
    EXPECT_EQ(e.f_realrunden(f_zahlSchreiben(s[0].first), 3), QStringLiteral("33,333"));
    // Complex impedances go through unchanged in form.
    erwarteNahe(e.f_DreieckStern(e.f_sternDreieck("10;5/20;-3/30;0")),
                QStringLiteral("10j5/20j-3/30j0"));
    EXPECT_FALSE(e.bo_generalfehler);

    EXPECT_EQ(e.f_sternDreieck("0;+0/20;+0/30;+0"), QString());
    EXPECT_EQ(e.s_generalfehler, QStringLiteral("Fehler bei der komplexen Division aufgetreten"));
    Formelcompclass f;
    EXPECT_EQ(f.f_DreieckStern("1;0/-1;0/0;0"), QString());
    EXPECT_EQ(f.s_generalfehler, QStringLiteral("Fehler bei der komplexen Division aufgetreten"));
}

TEST(EReihe, NaechsterWert) {
    const Formelcompclass e = mitTabellen();
    struct Fall {
        double wert;
        int reihe;
        double erwartet;
    };
    const Fall faelle[] = {
        {1666, 6, 1500},  {1666, 12, 1800}, {1666, 24, 1600}, {1666, 48, 1690},  {1666, 96, 1650},
        {1850, 6, 1500},  {2200, 6, 2200},  {2200, 24, 2200}, {2200, 48, 2150},  {9800, 12, 10000},
        {1, 6, 1},        {1e10, 96, 1e10}, {0.05, 6, 0.047}, {0.005, 6, 0.005}, {470, 7, 470},
        {0, 6, 0},        {-5, 6, -5},      {5e12, 6, 5e12},  {0.33, 12, 0.33},  {0.34, 12, 0.33},
        {97.6, 96, 97.6},
    };
    for (const Fall& f : faelle) {
        EXPECT_NEAR(e.f_Esuchen(f.wert, f.reihe), f.erwartet, std::abs(f.erwartet) * 1e-12 + 1e-15)
            << f.wert << " E" << f.reihe;
    }
    // Each series holds its IEC 60063 count of values and ends with 10.
    for (int reihe : {6, 12, 24, 48, 96}) {
        int anzahl = 0;
        double vorher = 0.0;
        for (double v = 1.0; v < 10.0; v *= 1.0005) {
            const double n = e.f_Esuchen(v, reihe);
            if (n != vorher && n < 10.0) {
                ++anzahl;
                vorher = n;
            }
        }
        EXPECT_EQ(anzahl, reihe) << reihe;
    }
}

TEST(Ersatzschaltung, Schaltungen) {
    Formelcompclass e;
    // Circuit 12 at 1 kHz: R1 = 1 kOhm, C1 = 1 µF.
    const auto z = [&](int typ, bool kart, bool inv, int stellen) {
        return e.f_RLCNW(typ, 1000, 1000, 1e-6, 1e-6, 1e-3, 1e-3, 1000, kart, inv, stellen);
    };
    EXPECT_EQ(z(12, true, false, 2), QStringLiteral("1000-j159,15"));
    EXPECT_EQ(e.f_RCLPBest(z(12, true, false, 6), 1000, false, "R", 2),
              QStringLiteral("1 kOhm , 1 µF"));
    EXPECT_EQ(z(1, true, false, 3), QStringLiteral("1000+j0,00E+0"));
    EXPECT_EQ(z(1, true, true, 3), QStringLiteral("0,001+j0,00E+0"));
    EXPECT_EQ(z(1, true, true, 1), QStringLiteral("0+j0,0E+00"));  // 0,001 rounds to 0
    EXPECT_EQ(e.f_RCLPBest(z(1, true, true, 6), 1000, true, "R", 2),
              QStringLiteral("1 kOhm , 0,00E+00"));
    EXPECT_EQ(z(15, true, false, 2), QStringLiteral("1000+j6,28"));
    EXPECT_EQ(e.f_RCLPBest(z(15, true, false, 6), 1000, false, "R", 1),
              QStringLiteral("1 kOhm , 1 mH"));
    EXPECT_EQ(z(7, false, false, 1), QStringLiteral("2000ej"));
    EXPECT_FALSE(e.bo_generalfehler);

    // Cross-check a few circuits against complex arithmetic.
    const double w = 2 * 3.1415927 * 1000;
    const std::complex<double> r(1000, 0), c(0, -1 / (w * 1e-6)), l(0, w * 1e-3);
    const auto par = [](std::complex<double> a, std::complex<double> b) { return a * b / (a + b); };
    const std::pair<int, std::complex<double>> pruefung[] = {
        {13, par(r, c)},     {14, par(r, l)},
        {16, r + c + l},     {17, 1.0 / (1.0 / r + 1.0 / c + 1.0 / l)},
        {18, par(r + l, c)}, {19, par(r + c, l)},
        {20, par(l + c, r)}, {11, par(c, l)}};
    for (const auto& [typ, erwartet] : pruefung) {
        QString t = z(typ, true, false, 6);
        const QString paar = e.f_komplexzerleger(t.replace("+j", "+j"));
        const QStringList p = paar.split(';');
        double re = 0.0;
        double im = 0.0;
        ASSERT_TRUE(f_strengLesen(p[0], re) && f_strengLesen(p[1], im))
            << typ << " " << t.toStdString();
        EXPECT_NEAR(re, erwartet.real(), 1e-3 + std::abs(erwartet.real()) * 1e-5) << typ;
        EXPECT_NEAR(im, erwartet.imag(), 1e-3 + std::abs(erwartet.imag()) * 1e-5) << typ;
    }

    // A zero f, C1, C2, L1 or R1 leaves every circuit empty; a zero L2 does not.
    EXPECT_EQ(e.f_RLCNW(7, 1000, 1000, 1e-6, 0, 1e-3, 1e-3, 1000, true, false, 2), QString());
    EXPECT_EQ(e.f_RLCNW(7, 1000, 1000, 1e-6, 1e-6, 1e-3, 1e-3, 0, true, false, 2), QString());
    EXPECT_EQ(e.f_RLCNW(1, 0, 1000, 1e-6, 1e-6, 1e-3, 1e-3, 1000, true, false, 2), QString());
    EXPECT_FALSE(e.f_RLCNW(9, 1000, 1000, 1e-6, 1e-6, 1e-3, 0, 1000, true, false, 2).isEmpty());
    EXPECT_EQ(e.f_RCLPBest("", 1000, false, "R", 2), QString());
}
