#include <gtest/gtest.h>

#include <cmath>

#include "app/AppState.h"
#include "formula/Formelcompclass.h"
#include "learn/Lernregeln.h"
#include "tasks/Bewertung.h"
#include "tasks/Werteingabe.h"

namespace {

Bewertungszeilen mc(std::array<int, 5> wertung, std::array<int, 5> marke) {
    Bewertungszeilen r;
    r.i_zeilenwertung = wertung;
    r.i_zeilenmarke = marke;
    return r;
}

const QStringList kEinheiten = {"V=1;mV=1000;kV=0,001", "A=1;mA=1000", "K=*0;°C=*273,15", ""};

// One calculation row: expected unit, bounds, given value and unit.
int rechnen(const QString& soll, const QString& og, const QString& ug, const QString& wert,
            const QString& einheit) {
    Bewertungszeilen r;
    r.i_zeilenwertung = {3, 0, 0, 0, 0};
    r.s_zeilensoll[0] = soll;
    r.s_zeilenog = {og, "0", "0", "0", "0"};
    r.s_zeilenug = {ug, "0", "0", "0", "0"};
    r.s_zeilenwert = {wert, "0", "0", "0", "0"};
    r.s_zeilenantwort[0] = einheit;
    return f_mathepunkte(r, kEinheiten, 0, 5);
}

}  // namespace

TEST(Bewertung, MultipleChoice) {
    EXPECT_EQ(f_mcpunkte(mc({2, 0, 0, 1, 0}, {1, 0, 0, 1, 0}), 0, 5), 3);
    EXPECT_EQ(f_mcpunkte(mc({2, 0, 0, 1, 0}, {1, 1, 0, 1, 0}), 0, 5), 3);
    EXPECT_EQ(f_mcpunkte(mc({2, 0, 0, 1, 0}, {1, 0, 0, 1, 0}), 1, 5), 5);
    EXPECT_EQ(f_mcpunkte(mc({2, 0, 0, 1, 0}, {1, 1, 0, 1, 0}), 1, 5), 0);
    EXPECT_EQ(f_mcpunkte(mc({2, -1, 0, 0, 0}, {1, 1, 0, 0, 0}), 0, 5), 1);
    EXPECT_EQ(f_mcpunkte(mc({2, -1, 0, 0, 0}, {1, 1, 0, 0, 0}), 2, 5), 0);
}

TEST(Bewertung, Kurzantwort) {
    struct Fall {
        const char* gegeben;
        const char* soll;
        bool richtig;
    };
    const Fall faelle[] = {
        {"widerstand", "Widerstand;R", true},
        {"WIDER STAND", "Widerstand;R", true},
        {"r", "Widerstand;R", true},
        {"Wiederstand", "Widerstand;R", true},
        {"Widerstant", "Widerstand;R", false},
        {"Ohm", "##Ohm", true},
        {"O hm", "##Ohm", true},
        {"ohm", "##Ohm", false},
        {" .;:", " .;:", false},
        {"", "Volt", false},
        {"Volt", "Volt;V", true},
        {"Spannungsteiler", "Spanungsteiler", true},
        {"Kondensator", "Kondensatoren", false},
        {"Wolt", "Volt", false},
    };
    for (const Fall& f : faelle) {
        Bewertungszeilen r;
        r.i_zeilenwertung = {2, 0, 0, 0, 0};
        r.s_zeilensoll[0] = QString::fromUtf8(f.soll);
        r.s_zeilenantwort[0] = QString::fromUtf8(f.gegeben);
        EXPECT_EQ(f_kurzantwortpunkte(r, 0, 4), f.richtig ? 2 : 0) << f.gegeben << " / " << f.soll;
        EXPECT_EQ(f_kurzantwortpunkte(r, 1, 4), f.richtig ? 4 : 0) << f.gegeben;
    }
    EXPECT_EQ(f_phonetik("Wiederstand"), f_phonetik("Widerstand"));
    EXPECT_EQ(f_phonetik("Straße"), QStringLiteral("STRASE"));
    Bewertungszeilen leer;
    EXPECT_EQ(f_kurzantwortpunkte(leer, 1, 4), 0);  // no row with an expected text
}

TEST(Bewertung, Rechenaufgabe) {
    EXPECT_EQ(rechnen("V", "10,01", "9,99", "10", "V"), 3);
    EXPECT_EQ(rechnen("V", "10,01", "9,99", "10", "A"), 0);  // other group
    EXPECT_EQ(rechnen("V", "10", "9,99", "10,01", "V"), 3);  // one thousandth of tolerance
    EXPECT_EQ(rechnen("V", "10", "9,99", "10,011", "V"), 0);
    EXPECT_EQ(rechnen("V", "10,01", "9,99", "10000", "mV"), 3);
    EXPECT_EQ(rechnen("mV", "10010", "9990", "10", "V"), 3);
    EXPECT_EQ(rechnen("K", "358,2", "358,1", "85", "°C"), 3);  // offset group
    EXPECT_EQ(rechnen("V", "", "", "0", "V"), 3);              // empty bounds read as 0
    EXPECT_EQ(rechnen("V", "zehn", "9", "10", "V"), 0);        // a bound that is no number
    // Complex values: cartesian bounds and a polar answer with the program's degree factor.
    EXPECT_EQ(rechnen("V", "3,01+i4,01", "2,99+i3,99", "3+i4", "V"), 3);
    const double re = 10 * std::cos(30.0 / 360 * 6.28);
    const double im = 10 * std::sin(30.0 / 360 * 6.28);
    const QString og = QString::number(re, 'f', 6).replace('.', ',') + "+i" +
                       QString::number(im, 'f', 6).replace('.', ',');
    EXPECT_EQ(rechnen("V", og, og, "10Ei30°", "V"), 3);
    EXPECT_EQ(rechnen("V", "3+i4", "2+i3", "-i2", "V"), 0);
    double r = 0, i = 0;
    EXPECT_TRUE(f_wertLesen("10Ei0,5", r, i));
    EXPECT_NEAR(r, 10 * std::cos(0.5), 1e-12);
    EXPECT_FALSE(f_wertLesen("3+i4°", r, i));
}

TEST(Bewertung, Formelantwort) {
    Formelcompclass o;
    Bewertungszeilen r;
    r.i_zeilenwertung = {2, 3, 0, 0, 0};
    r.s_zeilensoll[0] = "P=U*I//U;230;12;5:I;2;0.5;10//1:1";
    r.s_zeilensoll[1] = "R=R1*R2/(R1+R2)//R1;100;220;1000:R2;100;330;1500//0:0";
    r.s_zeilenantwort[0] = "P=I*U";
    r.s_zeilenantwort[1] = "R=R1|R2";
    EXPECT_EQ(f_formelpunkte(r, o, 0, 9), 5);
    EXPECT_EQ(f_formelpunkte(r, o, 1, 9), 9);
    r.s_zeilenantwort[0] = "P=U*I*1.02";  // 2 % above: outside 1 %
    EXPECT_EQ(f_formelpunkte(r, o, 0, 9), 3);
    r.s_zeilenantwort[0] = "";  // empty answer: wrong
    EXPECT_EQ(f_formelpunkte(r, o, 1, 9), 0);
    // A failing formula is wrong and does not spoil the next row.
    r.s_zeilenantwort[0] = "P=U*(I";
    EXPECT_EQ(f_formelpunkte(r, o, 0, 9), 3);
    EXPECT_FALSE(o.bo_generalfehler);
    // Without tolerances the values must agree exactly.
    r.s_zeilensoll[0] = "P=U*I//U;230;12;5:I;2;0.5;10";
    r.s_zeilenantwort[0] = "P=U*I";
    EXPECT_EQ(f_formelpunkte(r, o, 0, 9), 5);
}

TEST(Bewertung, MaximumUndNote) {
    Aufgabenzeile z;
    z.grundtyp = 0;
    z.wertungen = {2, -1, 3, 0, 0};
    EXPECT_EQ(f_aufgabenmaximum(z, Fenster::Lernen), 5);
    z.punkttyp = 1;
    z.wertung = 7;
    EXPECT_EQ(f_aufgabenmaximum(z, Fenster::Pruefung), 7);
    z.punkttyp = 0;
    z.grundtyp = 3;
    EXPECT_EQ(f_aufgabenmaximum(z, Fenster::Lernen), 7);
    EXPECT_EQ(f_aufgabenmaximum(z, Fenster::Pruefung), 5);

    Grunddaten g;
    g.b_letztenote = 6;
    struct Fall {
        int gesamt, maximal, note;
    };
    const Fall faelle[] = {{95, 100, 1}, {85, 100, 2},  {59, 100, 5}, {54, 100, 6}, {0, 0, 6},
                           {-5, 10, 0},  {600, 100, 0}, {1, 2, 6},    {11, 20, 5}};
    for (const Fall& f : faelle) {
        EXPECT_EQ(f_note(f.gesamt, f.maximal, g), f.note) << f.gesamt << "/" << f.maximal;
    }
    EXPECT_EQ(f_zaehlerWeiter(198), 199);
    EXPECT_EQ(f_zaehlerWeiter(199), 0);
}

TEST(Bewertung, Texte) {
    Grunddaten g;
    g.b_letztenote = 6;
    Aufgabenzeile z;
    z.grundtyp = 0;
    z.marks = {1, 0, 0, 1, 0};
    Anzeigeplan plan;
    plan.mc[0].sichtbar = plan.mc[1].sichtbar = plan.mc[3].sichtbar = true;
    const QChar cr(13);
    Lernergebnis e = f_lernergebnis(z, plan, 3, 3, 3, 3, g);
    EXPECT_EQ(e.m1, "Sie haben diese Aufgabe vollständig gelöst" + QString(cr) +
                        "und erhalten 3 Punkte.");
    EXPECT_EQ(e.m2, "Damit haben Sie bisher 3 von 3 Punkten" + QString(cr) +
                        "Das entspricht der Note: 1");
    EXPECT_EQ(e.liste, "Antwort 1 -richtig" + QString(cr) + cr + "Antwort 2 -falsch" + cr + cr +
                           "Antwort 4 -richtig" + cr + cr);
    e = f_lernergebnis(z, plan, 1, 1, 1, 1, g);
    EXPECT_TRUE(e.m1.endsWith("und erhalten 1 Punkt."));
    e = f_lernergebnis(z, plan, 1, 3, 1, 3, g);
    EXPECT_EQ(e.m1, "Sie haben diese Aufgabe nur teilweise gelöst" + QString(cr) +
                        "und erhalten 1 von 3 Punkten");
    e = f_lernergebnis(z, plan, 0, 3, 0, 3, g);
    EXPECT_EQ(e.m1, "Sie haben diese Aufgabe nicht gelöst" + QString(cr) + "und erhalten 0 Punkte");
    z.grundtyp = 2;
    z.antwortmerker = "230;;V;0;;;0;;;0;;;0;;;";
    EXPECT_EQ(f_lernergebnis(z, plan, 0, 3, 0, 3, g).liste, QString(cr) + "230 V");
    EXPECT_TRUE(f_pruefungsergebnis(z, plan, z.antwortmerker, 2, 3)
                    .startsWith("Sie haben diese Aufgabe nur teilweise gelöst" + QString(cr) +
                                "und bekamen 2 von 3 Punkten"));
    EXPECT_EQ(f_freieFrage(1),
              "Ist Ihre Antwort richtig? " + QString(cr) + "Dann bekommen Sie 1 Punkt");
    EXPECT_EQ(f_freieFrage(4),
              "Ist Ihre Antwort richtig? " + QString(cr) + "Dann bekommen Sie 4 Punkte");
}

TEST(Werteingabe, Tastenfilter) {
    struct Fall {
        const char* tasten;
        const char* ergebnis;
    };
    const Fall faelle[] = {
        {"3++", "3+"}, {"3+-", "3+-"}, {"1.5.", "1,5"}, {"1.5+i2.5", "1,5+i2,5"}, {"2jJ", "2i"},
        {"2e", "2E"},  {"+x+", "++"},  {"12a3", "123"}, {"1,,2", "1,2"}};
    for (const Fall& f : faelle) {
        Werteingabe w;
        QString text;
        for (const char* k = f.tasten; *k != 0; ++k) {
            const QChar c = w.taste(QLatin1Char(*k));
            if (!c.isNull()) {
                text += c;
            }
        }
        EXPECT_EQ(text, QString::fromUtf8(f.ergebnis)) << f.tasten;
    }
    struct Ende {
        const char* ein;
        const char* aus;
        bool fehler;
    };
    const Ende enden[] = {{"3+i", "3+i1", false}, {"5E", "5E0", false},
                          {",25", "0,25", false}, {"°45", "1", false},
                          {"", "0", true},        {"3+i4", "3+i4", false},
                          {"-i2", "-i2", false},  {"10Ei30°", "10Ei30°", false},
                          {"3+4", "0", true},     {"1,5E-3", "1,5E-3", false},
                          {"3i°", "0", true}};
    for (const Ende& e : enden) {
        Werteingabe w;
        w.bo_komma = true;
        bool fehler = false;
        EXPECT_EQ(w.fokusVerloren(QString::fromUtf8(e.ein), fehler), QString::fromUtf8(e.aus))
            << e.ein;
        EXPECT_EQ(fehler, e.fehler) << e.ein;
        EXPECT_FALSE(w.bo_komma);
        EXPECT_TRUE(w.b_letztetaste.isNull());
    }
    for (const char* gut : {"m", "/", "s", "²", "µ", "°", "A", "z"}) {
        EXPECT_TRUE(f_einheitentaste(QString::fromUtf8(gut)[0])) << gut;
    }
    for (const char* schlecht : {"1", " ", "{", "*"}) {
        EXPECT_FALSE(f_einheitentaste(QString::fromUtf8(schlecht)[0])) << schlecht;
    }
    EXPECT_TRUE(f_einheitenprufung("", kEinheiten));
    EXPECT_TRUE(f_einheitenprufung("mV", kEinheiten));
    EXPECT_TRUE(f_einheitenprufung("°C", kEinheiten));
    EXPECT_FALSE(f_einheitenprufung("mv", kEinheiten));
}
