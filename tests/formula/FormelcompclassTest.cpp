#include <gtest/gtest.h>

#include <cmath>

#include "formula/Formelcompclass.h"
#include "formula/Zahltext.h"

namespace {

// The value of a formula through the simple entry point, with a dummy variable.
QString einfach(const QString& formel) {
    Formelcompclass f;
    return f.f_formelAuswertungEinfach(QStringLiteral("y=") + formel + QStringLiteral("//x;1;1;1"));
}

double wert(const QString& formel) {
    const QString r = einfach(formel);
    EXPECT_TRUE(r.startsWith(QLatin1Char(';')))
        << formel.toStdString() << " -> " << r.toStdString();
    return f_zahlLesen(QStringView(r).mid(1));
}

}  // namespace

TEST(Zahltext, LesenWieDasProgramm) {
    struct Fall {
        const char* text;
        double wert;
    };
    const Fall faelle[] = {{"2.5", 2.5},   {" - 1 2.5e-1", -1.25},
                           {"1E5x", 1e5},  {"3°", 3},
                           {"1,5", 1},     {"@3", 0},
                           {"abc", 0},     {"", 0},
                           {"1E", 1},      {"1.5E@3", 1.5},
                           {".5", 0.5},    {"+7", 7},
                           {"1.2.3", 1.2}, {"2e+3", 2000}};
    for (const Fall& f : faelle) {
        EXPECT_DOUBLE_EQ(f_zahlLesen(QString::fromUtf8(f.text)), f.wert) << f.text;
    }
}

TEST(Zahltext, SchreibenMitKommaUndExponent) {
    struct Fall {
        double wert;
        const char* text;
    };
    const Fall faelle[] = {{0, "0"},
                           {13.4999998056624, "13,4999998056624"},
                           {0.500000194337561, "0,500000194337561"},
                           {-25, "-25"},
                           {1e-5, "1E-05"},
                           {0.0001, "0,0001"},
                           {1.5e-7, "1,5E-07"},
                           {1e15, "1E+15"},
                           {123456789012345, "123456789012345"},
                           {1.0 / 3.0, "0,333333333333333"},
                           {2.0 / 3.0, "0,666666666666667"},
                           {9.9999999999999999, "10"},
                           {-1.5e100, "-1,5E+100"}};
    for (const Fall& f : faelle) {
        EXPECT_EQ(f_zahlSchreiben(f.wert), QString::fromUtf8(f.text)) << f.wert;
        // What the writer writes, the reader reads back.
        EXPECT_NEAR(f_zahlLesen(f_zahlSchreiben(f.wert).replace(',', '.')), f.wert,
                    std::abs(f.wert) * 1e-14);
    }
    EXPECT_EQ(f_engineZahl(-1e-5), QStringLiteral("@1E@05"));
}

TEST(Formelcompclass, Normalisierung) {
    struct Fall {
        const char* ein;
        const char* aus;
    };
    const Fall faelle[] = {
        {"2*-3", "2*@3"},
        {"2--3", "2+3"},
        {"2+-3", "2-3"},
        {"3²", "3^2"},
        {"sinh(x)", "§23(x)"},
        {"arctan(x)", "§17(x)"},
        {"ARCCOS(x)", "§15(x)"},
        {"1,5e-3", "1,5E@3"},
        {"2**3", "23"},
        {"a//b", "ab"},
        {"(a)(b)", "(ab)"},
        {"Ue", "UE"},
        {"Rln", "R§19"},
        {"5 and 3", "5 & 3"},
        {"a||b", "a|b"},
        {"{a+b}", "(a+b)"},
        {"sin-1", "§11@1"},
        {"1e+5", "1E5"},
        {"max(a;b)", "§§02(a;b)"},
        {"not-1", "§24-1"},
    };
    for (const Fall& f : faelle) {
        Formelcompclass e;
        EXPECT_EQ(e.f_reinigung(QString::fromUtf8(f.ein)), QString::fromUtf8(f.aus)) << f.ein;
        EXPECT_FALSE(e.bo_generalfehler);
    }
    Formelcompclass e;
    EXPECT_EQ(e.f_reinigung("(a+b"), QString());
    EXPECT_TRUE(e.bo_generalfehler);
    EXPECT_EQ(e.s_generalfehler, QStringLiteral("Fehler, fehlerhafte Klammerzahl, zuviele ( !"));
    Formelcompclass e2;
    EXPECT_EQ(e2.f_reinigung("a+b)"), QString());
    EXPECT_EQ(e2.s_generalfehler, QStringLiteral("Fehler, fehlerhafte Klammerzahl, zuviele ) !"));

    Formelcompclass k;
    EXPECT_EQ(k.f_konstanteneinsetzen(k.f_reinigung("eps0*2")), QStringLiteral("8.86E-12*2"));
    EXPECT_EQ(k.f_konstanteneinsetzen(k.f_reinigung("EPS0")), QStringLiteral("EPS0"));
}

TEST(Formelcompclass, VariablenAusDerZuweisungsliste) {
    Formelcompclass e;
    e.f_varaufb("R1=5\r\nU=-2;;x = pi;");
    EXPECT_EQ(e.f_einsetzen("r1*u"), QStringLiteral("5*@2"));
    EXPECT_EQ(e.f_einsetzen("-x"), QStringLiteral("0-3.1415927"));
    EXPECT_EQ(e.f_einsetzen("r1*q"), QStringLiteral("Fehler, unbekannte Variable: q"));
    EXPECT_EQ(e.f_einsetzen("§11(r1)"), QStringLiteral("Fehler, unbekannte Variable: §"));
    EXPECT_FALSE(e.bo_generalfehler);
    EXPECT_NEAR(f_zahlLesen(e.f_loeser("r1*u+x", "r1=5;u=-2;x=1")), -9, 1e-12);
}

TEST(Formelcompclass, WerteVonFormeln) {
    struct Fall {
        const char* formel;
        double wert;
    };
    const Fall faelle[] = {
        {"2+3*4", 14},
        {"(2+3)*4", 20},
        {"2^3^2", 64},
        {"8/2/2", 2},
        {"5-3-1", 1},
        {"2*-3", -6},
        {"2--3", 5},
        {"-(2+3)", -5},
        {"2*3+2*3", 12},
        {"2*3+12*3", 42},  // "2*3" is not replaced inside "12*3"
        {"2*(3+4)-sin(30°)", 13.4999998056624},
        {"sin(30°)", 0.500000194337561},
        {"cos(60°)", 0.499999611},
        {"tan(45°)", 1.000000673},
        {"sin(cos(0))", std::sin(1.0)},
        {"max(1;min(5;3))", 3},
        {"max(-3;-1)", -1},
        {"min(2;2)", 2},
        {"arccos(-0.5)", -1.0471975511966},
        {"fak(5)", 120},
        {"fak(3.7)", 6},
        {"not(5)", 250},
        {"5 and 3", 1},
        {"5 or 3", 7},
        {"5 xor 3", 6},
        {"100||100", 50},
        {"2^-1", 0.5},
        {"(-2)^3", -8},
        {"10^-5", 1e-5},
        {"arg(-1;-1)", 225},
        {"arg(0;-2)", -90},
        {"arg(0;0)", 0},
        {"betrag(3;4)", 5},
        {"betrag(1;2;2)", 3},
        {"log(8;2)", 3},
        {"nuk(5;2)", 10},
        {"abs(-4)", 4},
        {"sqr(16)+ln(1)+lg(100)+ld(8)", 4 + 0 + 2 + 3},
        {"exp(0)+inv(4)", 1.25},
        {"sinh(0)+cosh(0)+tanh(0)", 1},
        {"1,5e-3*2", 0.003},
        {"pi", 3.1415927},
        {"2³+3²", 17},
        {"(1+2)*(1+2)", 9},
    };
    for (const Fall& f : faelle) {
        EXPECT_NEAR(wert(QString::fromUtf8(f.formel)), f.wert,
                    1e-6 * std::max(1.0, std::abs(f.wert)))
            << f.formel;
    }
}

TEST(Formelcompclass, FehlerDerOperationen) {
    struct Fall {
        const char* formel;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"arccos(0)", "Fehler bei arccos aufgetreten arccos(0)"},
        {"arcsin(1)", "Fehler bei arcsin aufgetreten arcsin(1)"},
        {"fak(171)", "Fehler bei Fakultät aufgetreten fak(171)"},
        {"not(256)", "Fehler bei NOT aufgetreten  "},
        {"4|-4", "Fehler bei Parallelschaltung aufgetreten 4|-4"},
        {"1/0", "Fehler bei Division aufgetreten 1/0"},
        {"max(5)", "Fehler in max-Funktion"},
        {"nuk(2;5)", "Fehler in nuk-Funktion"},
        {"sqr(-1)", "Fehler bei Wurzel aufgetreten sqr(-1)"},
        {"ln(0)", "Fehler bei ln aufgetreten ln(0)"},
        {"exp(1000)", "Fehler bei exp aufgetreten exp(1000)"},
        {"300and1", "Fehler bei AND aufgetreten 300AND1"},
        {"0^-1", "Fehler bei Potenz aufgetreten 0^-1"},
    };
    for (const Fall& f : faelle) {
        Formelcompclass e;
        e.f_formelAuswertungEinfach(QStringLiteral("y=") + QString::fromUtf8(f.formel) +
                                    QStringLiteral("//x;1;1;1"));
        EXPECT_TRUE(e.bo_generalfehler) << f.formel;
        EXPECT_EQ(e.s_generalfehler, QString::fromUtf8(f.meldung)) << f.formel;
    }
}

TEST(Formelcompclass, PotenzMitNegativerBasisMeldetOhneFlag) {
    Formelcompclass e;
    QStringList gemeldet;
    e.setMeldung([&](const QString& t) { gemeldet << t; });
    EXPECT_EQ(e.f_formelAuswertungEinfach("y=(-8)^(1/3)//x;1;1;1"), QStringLiteral(";"));
    EXPECT_FALSE(e.bo_generalfehler);
    EXPECT_EQ(gemeldet, QStringList({"Fehler bei Potenz aufgetreten -8^0.333333333333333"}));
    // Without a notifier nothing is recorded and nothing breaks.
    Formelcompclass ohne;
    EXPECT_EQ(ohne.f_formelAuswertungEinfach("y=0^0//x;1;1;1"), QStringLiteral(";"));
    EXPECT_FALSE(ohne.bo_generalfehler);
}

TEST(Formelcompclass, EinstiegspunkteUndFehlerprotokoll) {
    Formelcompclass e;
    EXPECT_FALSE(e.bo_generalfehler);
    EXPECT_EQ(e.f_formelAuswertungEinfach("x=2*3//x;1;1;1"), QStringLiteral(";6"));
    EXPECT_EQ(e.f_formelAuswertung("U=R*I//R;2;3;4:I;5;6;7"), QStringLiteral(";10;18;28"));
    EXPECT_EQ(e.f_formelAuswertung("R*I//R;2;3;4:I;5;6;7"), QStringLiteral(";10;18;28"));
    EXPECT_EQ(e.f_formelAuswertung("U=R*I//R;2,5;3;4:I;2;6;7//1:1"), QStringLiteral(";5;18;28"));
    EXPECT_EQ(e.f_formelAuswertung("y=-5^2//x;1;1;1"), QStringLiteral(";-25;-25;-25"));
    EXPECT_EQ(e.f_formelAuswertungEinfach("y=-5^2//x;1;1;1"), QStringLiteral(";25"));
    EXPECT_EQ(e.f_formelAuswertung("P=U^2/R//U;12;24;230:R;100;470;1000"),
              QStringLiteral(";1.44;1.22553191489362;52.9"));
    EXPECT_FALSE(e.bo_generalfehler);

    EXPECT_EQ(e.f_formelAuswertung("y=2*3//"), QString());
    EXPECT_TRUE(e.bo_generalfehler);
    EXPECT_EQ(e.s_generalfehler, QStringLiteral("Fehler in Formel"));
    // The flag holds until it is cleared; the message stays after clearing.
    EXPECT_EQ(e.f_formelAuswertung("U=R*I//R;2;3;4:I;5;6;7"), QString());
    e.f_setzen(false);
    EXPECT_EQ(e.s_generalfehler, QStringLiteral("Fehler in Formel"));
    EXPECT_EQ(e.f_formelAuswertung("U=R*I//R;2;3;4:I;5;6;7"), QStringLiteral(";10;18;28"));

    for (const char* falsch : {"y=2*3", "y=x//x;1;2", "y=x//x;1;2;3:"}) {
        Formelcompclass f;
        EXPECT_EQ(f.f_formelAuswertung(falsch), QString()) << falsch;
        EXPECT_EQ(f.s_generalfehler, QStringLiteral("Fehler in Formel")) << falsch;
    }
}

TEST(Formelcompclass, LaengsteVariableZuerst) {
    Formelcompclass e;
    EXPECT_EQ(e.f_formelAuswertung("y=R12//R1;1;2;3:R12;4;5;6"), QStringLiteral(";4;5;6"));
    EXPECT_EQ(e.f_formelAuswertung("y=R12//R12;4;5;6:R1;1;2;3"), QStringLiteral(";4;5;6"));
    EXPECT_EQ(e.f_formelAuswertung("y=R1*R12//R1;1;2;3:R12;4;5;6"), QStringLiteral(";4;10;18"));
    EXPECT_EQ(e.f_formelAuswertungEinfach("y=R1+R12//R1;1;2;3:R12;4;5;6"), QStringLiteral(";5"));
    // A name right after a function code is still replaced.
    EXPECT_EQ(e.f_formelAuswertungEinfach("y=sqrx//x;16;1;1"), QStringLiteral(";4"));
    // The comparison takes its names in lower case.
    EXPECT_EQ(e.f_formelvergleich("r1*r12//r1;1;2;3:r12;4;5;6", "r12*r1+0*r1"),
              QStringLiteral("Richtig"));
}

TEST(Formelcompclass, GanzeOperandenBeimErsetzen) {
    Formelcompclass e;
    // The sine token of 0.5 must not match inside that of 0.55.
    const QString r = e.f_formelAuswertungEinfach("y=sin(0.5)+sin(0.55)//x;1;1;1");
    EXPECT_NEAR(f_zahlLesen(QStringView(r).mid(1)), std::sin(0.5) + std::sin(0.55), 1e-12);
    EXPECT_EQ(e.f_formelAuswertungEinfach("y=2*3+12*3+2*3//x;1;1;1"), QStringLiteral(";48"));
    EXPECT_EQ(e.f_formelAuswertungEinfach("y=12-2-2//x;1;1;1"), QStringLiteral(";8"));
}

TEST(Formelcompclass, EndetBeiUnloesbaremText) {
    const char* faelle[] = {"y=)a(//x;1;1;1",         "y=)2+3(//x;1;1;1",   "y=§§01+2//x;1;1;1",
                            "y=2+§§07(1;2)//x;1;1;1", "y=max(1;2//x;1;1;1", "y=(((//x;1;1;1",
                            "y=2)*(3//x;1;1;1"};
    for (const char* f : faelle) {
        Formelcompclass e;
        e.f_formelAuswertung(f);
        EXPECT_TRUE(e.bo_generalfehler) << f;
        Formelcompclass e2;
        e2.f_formelAuswertungEinfach(f);
        EXPECT_TRUE(e2.bo_generalfehler) << f;
    }
    Formelcompclass e;
    e.f_formelAuswertung("y=)a(//x;1;1;1");
    EXPECT_EQ(e.s_generalfehler, QStringLiteral("Fehler in Formel"));
}

TEST(Formelcompclass, Variablensuche) {
    struct Fall {
        const char* formel;
        const char* namen;
    };
    const Fall faelle[] = {
        {"U=R1*R12+R12", "R12;R1;"},
        {"P='U 1'*I", "'U 1';I;"},
        {"y=2*x+sin(alpha)", "alpha;x;"},
        {"y=0*R", "R;"},
        {"y=", ""},
        {"y", ""},
        {"y=pi*d^2/4", "d;"},
    };
    for (const Fall& f : faelle) {
        Formelcompclass e;
        EXPECT_EQ(e.f_variablensuche(QString::fromUtf8(f.formel)), QString::fromUtf8(f.namen))
            << f.formel;
        EXPECT_FALSE(e.bo_generalfehler) << f.formel;
    }
    Formelcompclass e;
    EXPECT_EQ(e.f_variablensuche("P='U 1*I"), QString());
    EXPECT_EQ(e.s_generalfehler, QStringLiteral("Die Anzahl der ' ' stimmt nicht."));
    Formelcompclass e2;
    EXPECT_EQ(e2.f_variablensuche("y=2R+1"), QString());
    EXPECT_EQ(
        e2.s_generalfehler,
        QStringLiteral("Eine Variable ist nicht gültig, kontrollieren Sie die Schreibweise!"));
}

TEST(Formelcompclass, Formelvergleich) {
    Formelcompclass e;
    EXPECT_EQ(e.f_formelvergleich("2*x//x;1;2;3", "x+x"), QStringLiteral("Richtig"));
    EXPECT_EQ(e.f_formelvergleich("2*x//x;1;2;3", "x*x"), QStringLiteral("Falsch"));
    // 2x against x*x differs by at most 50 %: within a tolerance of 0.6.
    EXPECT_EQ(e.f_formelvergleich("2*x//x;1;2;3//0.6", "x*x"), QStringLiteral("Richtig"));
    EXPECT_EQ(e.f_formelvergleich("x//x;1;2;3//0.5", "x*1.4"), QStringLiteral("Richtig"));
    EXPECT_EQ(e.f_formelvergleich("x-x//x;1;2;3", "x"), QString());
    EXPECT_EQ(e.s_generalfehler, QStringLiteral("Fehler in Formel"));
}
