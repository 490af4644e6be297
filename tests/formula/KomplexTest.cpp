#include <gtest/gtest.h>

#include <cmath>

#include "formula/Formelcompclass.h"
#include "formula/Zahltext.h"

namespace {

double zahl(const QString& t) {
    double w = 0.0;
    EXPECT_TRUE(f_strengLesen(t, w)) << t.toStdString();
    return w;
}

// Real and imaginary part of an engine complex text or a pair.
std::pair<double, double> teile(const QString& z) {
    const QStringList p = QString(z).replace('j', ';').split(';');
    return {zahl(p[0]), p.size() > 1 ? zahl(p[1]) : 0.0};
}

}  // namespace

TEST(Komplex, Zerleger) {
    struct Fall {
        const char* ein;
        const char* aus;
    };
    const Fall faelle[] = {{"3+j4", "3;4"},
                           {"3-j4", "3;-4"},
                           {"-3-j4", "-3;-4"},
                           {"j4", "0;4"},
                           {"3+j", "3;1"},
                           {"5", "5;+0"},
                           {"3+j0", "3;+0"},
                           {"5Ej0", "5;+0"},
                           {"2Ej3,1415927", "-2;+0"},
                           {"-2,5-j0,5", "-2,5;-0,5"},
                           {"2Ej3.1415927", "-2;+0"}};
    for (const Fall& f : faelle) {
        Formelcompclass e;
        EXPECT_EQ(e.f_komplexzerleger(QString::fromUtf8(f.ein)), QString::fromUtf8(f.aus)) << f.ein;
        EXPECT_FALSE(e.bo_generalfehler) << f.ein;
    }
    Formelcompclass e;
    const auto [re, im] = teile(e.f_komplexzerleger("1E-j1,5707963"));
    EXPECT_NEAR(re, 2.7e-8, 1e-9);
    EXPECT_EQ(im, -1);
    // Polar with a positive angle in every quadrant gives m cos phi and m sin phi.
    for (double phi : {0.3, 1.7, 3.5, 4.5, 5.9, -0.4, 8.0}) {
        const QString t = QStringLiteral("2Ej") + f_zahlSchreiben(phi);
        const auto [r, i] = teile(e.f_komplexzerleger(t));
        EXPECT_NEAR(r, 2 * std::cos(phi), 1e-6) << phi;
        EXPECT_NEAR(i, 2 * std::sin(phi), 1e-6) << phi;
    }
    // A huge angle is reduced at once instead of turn by turn.
    const auto [rg, ig] = teile(e.f_komplexzerleger("5Ej2135" + QString(70, '3')));
    EXPECT_NEAR(rg * rg + ig * ig, 25, 1e-6);
    for (const char* falsch : {"3+4j", "abc", "-2Ej4", "1,2,3"}) {
        Formelcompclass f;
        EXPECT_EQ(f.f_komplexzerleger(falsch), QString()) << falsch;
        EXPECT_EQ(f.s_generalfehler, QStringLiteral("Fehler in komplexer Zahl")) << falsch;
    }
}

TEST(Komplex, Rechenarten) {
    Formelcompclass e;
    EXPECT_EQ(e.f_Komplexmul("3j4", "3j-4"), QStringLiteral("25j0"));
    EXPECT_EQ(e.f_Komplexdiv("1", "0j1"), QStringLiteral("0j-1"));
    EXPECT_EQ(e.f_Komplexadd("3;4", "1,5j-1"), QStringLiteral("4,5j3"));
    EXPECT_EQ(e.f_Komplexsub("3j4", "5"), QStringLiteral("-2j4"));
    EXPECT_EQ(e.f_Komplexinv("0j2"), QStringLiteral("0j-0,5"));
    EXPECT_EQ(e.f_MalMinus("3j-4"), QStringLiteral("-3j4"));
    EXPECT_EQ(e.f_einsZueins("3;4/1;0"), QStringLiteral("3j4/1j0"));
    EXPECT_FALSE(e.f_Komplexpivot("3j4", "5"));
    EXPECT_TRUE(e.f_Komplexpivot("3j4", "4"));
    EXPECT_FALSE(e.bo_generalfehler);

    EXPECT_EQ(e.f_Komplexdiv("1", "0"), QString());
    EXPECT_EQ(e.s_generalfehler, QStringLiteral("Fehler bei der komplexen Division aufgetreten"));
    EXPECT_EQ(e.f_Komplexadd("1", "2"), QString());  // guarded until cleared
    e.f_setzen(false);
    EXPECT_EQ(e.f_MalMinus("5"), QString());  // needs both parts
    EXPECT_EQ(e.s_generalfehler,
              QStringLiteral("Fehler bei der komplexen Multiplikation aufgetreten"));
}

TEST(Komplex, Anzeigeformen) {
    struct Fall {
        const char* ein;
        int stellen;
        bool kartesisch;
        const char* aus;
    };
    const Fall faelle[] = {
        {"3-j4", 2, true, "3-j4"},
        {"3-j4", 2, false, "5e-j53,13"},
        {"3+j4", 2, false, "5ej53,13"},
        {"3", 2, true, "3+j0,00E+00"},
        {"0", 2, false, "0"},
        {"5", 2, false, "5ej"},
        {"1,23456+j0,5", 3, true, "1,235+j0,5"},
    };
    for (const Fall& f : faelle) {
        Formelcompclass e;
        QString x = QString::fromUtf8(f.ein);
        EXPECT_EQ(e.f_komplexformat(x, f.stellen, f.kartesisch), QString::fromUtf8(f.aus)) << f.ein;
        EXPECT_EQ(x, QString::fromUtf8(f.aus));  // the caller's text is overwritten
    }
}

TEST(Zahlenformat, Runden) {
    struct Fall {
        const char* ein;
        int stellen;
        const char* aus;
    };
    const Fall faelle[] = {{"3,14159", 2, "3,14"},    {"12345,6", 2, "1,23E+04"},
                           {"0,00005", 3, "5,00E-5"}, {"0", 2, "0,00E+00"},
                           {"50000", 7, ""},          {"5", 7, "5"},
                           {"2,5", 0, "2"},           {"3,5", 0, "4"},
                           {"2,5", 3, "2,5"},         {"-123456", 0, "-1E+05"},
                           {"99999", 1, "1,0E+05"},   {"keine Zahl", 2, ""}};
    for (const Fall& f : faelle) {
        Formelcompclass e;
        EXPECT_EQ(e.f_realrunden(QString::fromUtf8(f.ein), f.stellen), QString::fromUtf8(f.aus))
            << f.ein;
    }
}

TEST(Zahlenformat, Vorsaetze) {
    struct Fall {
        const char* ein;
        int stellen;
        const char* aus;
    };
    const Fall faelle[] = {
        {"1500", 2, "1,5 k"},    {"0,0005", 1, "500 µ"},     {"0,0022", 2, "0"},
        {"999", 0, "999"},       {"1000", 0, "1 k"},         {"4,7E-12", 1, "4,7 p"},
        {"2,2E-9", 1, "2,2 n"},  {"12345,678", 2, "12,3 k"}, {"0,00047", 1, "470 µ"},
        {"1E+12", 1, "1,0E+12"}, {"0", 2, "0,00E+00"},       {"1500", 7, "1500"}};
    for (const Fall& f : faelle) {
        Formelcompclass e;
        EXPECT_EQ(e.f_zahlenformat(QString::fromUtf8(f.ein), f.stellen), QString::fromUtf8(f.aus))
            << f.ein;
    }
}
