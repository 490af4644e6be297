#include <gtest/gtest.h>

#include <set>

#include "db/Verschluesselung.h"
#include "tasks/Anzeigeplan.h"
#include "ui/Zufall.h"

namespace {

Aufgabenzeile zeile(int typ) {
    Aufgabenzeile z;
    z.grundtyp = typ;
    return z;
}

}  // namespace

TEST(Anzeigeplan, MultipleChoicePacktUndMischt) {
    Aufgabenzeile z = zeile(0);
    z.antwort = {"a", "", "c", "d", ""};
    z.wertungen = {1, 0, -1, 2, 0};
    Anzeigeflags flags;
    flags.bo_matheaufgabe = true;
    Zufall zufall(3);
    std::set<std::vector<int>> ordnungen;
    for (int n = 0; n < 50; ++n) {
        const Anzeigeplan p = f_anzeigeplan(z, Fenster::Lernen, flags, zufall);
        EXPECT_FALSE(flags.bo_matheaufgabe);
        EXPECT_EQ(p.frageHoehe, 152);
        EXPECT_EQ(p.bereich, Anzeigeplan::Bereich::MC);
        std::vector<int> oben;
        for (int i : {0, 2, 3}) {
            EXPECT_TRUE(p.mc[i].sichtbar);
            EXPECT_FALSE(p.mc[i].markiert);
            oben.push_back(p.mc[i].oben);
        }
        EXPECT_FALSE(p.mc[1].sichtbar);
        EXPECT_FALSE(p.mc[4].sichtbar);
        std::vector<int> sortiert = oben;
        std::sort(sortiert.begin(), sortiert.end());
        EXPECT_EQ(sortiert, (std::vector<int>{100, 1180, 2260}));
        ordnungen.insert(oben);
    }
    EXPECT_GT(ordnungen.size(), 1u);  // shuffled

    // Evaluated in the learning window: stored order, the correct answers highlighted.
    z.mark = true;
    const Anzeigeplan p = f_anzeigeplan(z, Fenster::Lernen, flags, zufall);
    EXPECT_EQ(p.mc[0].oben, 100);
    EXPECT_EQ(p.mc[2].oben, 1180);
    EXPECT_EQ(p.mc[3].oben, 2260);
    EXPECT_TRUE(p.mc[0].markiert);
    EXPECT_FALSE(p.mc[2].markiert);
    EXPECT_TRUE(p.mc[3].markiert);
    // Fixed order when bo_mcfest is set.
    z.mark = false;
    flags.bo_mcfest = true;
    EXPECT_EQ(f_anzeigeplan(z, Fenster::Lernen, flags, zufall).mc[3].oben, 2260);
}

TEST(Anzeigeplan, KurzantwortUndFormel) {
    Anzeigeflags flags;
    Zufall zufall(1);
    Aufgabenzeile k = zeile(1);
    k.antwort = {"##Volt;V", "Ohm", "", "", ""};
    Anzeigeplan p = f_anzeigeplan(k, Fenster::Lernen, flags, zufall);
    EXPECT_EQ(p.frageHoehe, 350);
    EXPECT_EQ(p.ueberschrift,
              QStringLiteral(
                  "                                                                 Kurzantwort"));
    EXPECT_TRUE(p.zeilen[0].textSichtbar);
    EXPECT_TRUE(p.zeilen[1].textSichtbar);
    EXPECT_FALSE(p.zeilen[2].textSichtbar);
    EXPECT_EQ(p.zeilen[0].maxLaenge, 20);
    EXPECT_EQ(p.zeilen[0].text, QString());
    EXPECT_FALSE(p.zeilen[0].wertSichtbar);
    k.mark = true;
    p = f_anzeigeplan(k, Fenster::Lernen, flags, zufall);
    EXPECT_EQ(p.zeilen[0].text, QStringLiteral("Volt"));
    EXPECT_EQ(p.zeilen[1].text, QStringLiteral("Ohm "));

    Aufgabenzeile f = zeile(5);
    f.antwort = {"P=U*I//U;1;2;3:I;4;5;6//1:1", "", "", "", ""};
    p = f_anzeigeplan(f, Fenster::Lernen, flags, zufall);
    EXPECT_EQ(
        p.ueberschrift,
        QStringLiteral("                                                                Formel"));
    EXPECT_EQ(p.zeilen[0].maxLaenge, 70);
    EXPECT_EQ(p.zeilen[0].tooltip, QStringLiteral("f(U,I,)"));
    f.mark = true;
    EXPECT_EQ(f_anzeigeplan(f, Fenster::Lernen, flags, zufall).zeilen[0].text,
              QStringLiteral("P=U*I"));
    // Exam window, not evaluated: the pieces of the (scrambled) answer marker.
    f.mark = false;
    f.antwortmerker = f_verschluesseln("P=I*U;;;;;");
    EXPECT_EQ(f_anzeigeplan(f, Fenster::Pruefung, flags, zufall).zeilen[0].text,
              QStringLiteral("P=I*U"));
    EXPECT_EQ(f_formeltipp("U=R*I"), QString());
}

TEST(Anzeigeplan, RechenaufgabeFreieAntwortUndInfo) {
    Anzeigeflags flags;
    Zufall zufall(1);
    Aufgabenzeile m = zeile(2);
    m.antwort = {"mA", "V", "", "", ""};
    m.ergebnis = {0, 4.5, 0, 0, 0};
    Anzeigeplan p = f_anzeigeplan(m, Fenster::Lernen, flags, zufall);
    EXPECT_TRUE(flags.bo_matheaufgabe);
    EXPECT_TRUE(p.zeilen[0].textSichtbar);  // row 0 always
    EXPECT_TRUE(p.zeilen[1].wertSichtbar);
    EXPECT_FALSE(p.zeilen[2].wertSichtbar);
    EXPECT_EQ(p.zeilen[0].wert, QStringLiteral("0"));
    EXPECT_EQ(p.zeilen[0].links, 3120);
    EXPECT_EQ(p.zeilen[0].maxLaenge, 30);
    m.mark = true;
    p = f_anzeigeplan(m, Fenster::Lernen, flags, zufall);
    EXPECT_EQ(p.zeilen[1].wert, QStringLiteral("4,5"));
    EXPECT_EQ(p.zeilen[1].text, QStringLiteral("V "));

    // The information page leaves bo_matheaufgabe as it was.
    p = f_anzeigeplan(zeile(4), Fenster::Lernen, flags, zufall);
    EXPECT_TRUE(flags.bo_matheaufgabe);
    EXPECT_EQ(p.frageHoehe, 500);
    EXPECT_EQ(p.bereich, Anzeigeplan::Bereich::Keiner);
    EXPECT_EQ(f_anzeigeplan(zeile(9), Fenster::Lernen, flags, zufall).frageHoehe, 500);

    Aufgabenzeile fr = zeile(3);
    fr.antwort[0] = "Musterantwort";
    p = f_anzeigeplan(fr, Fenster::Lernen, flags, zufall);
    EXPECT_FALSE(flags.bo_matheaufgabe);
    EXPECT_TRUE(p.freiSichtbar);
    EXPECT_EQ(p.frageHoehe, 152);
    EXPECT_TRUE(p.auswertungFreigeben);
    EXPECT_EQ(p.freiText, QString());
    flags.b_datenbanktyp = 2;
    fr.mark = true;
    p = f_anzeigeplan(fr, Fenster::Lernen, flags, zufall);
    EXPECT_FALSE(p.freiSichtbar);
    EXPECT_EQ(p.frageHoehe, 390);
    EXPECT_EQ(p.freiText, QStringLiteral("Musterantwort"));
}
