#include <gtest/gtest.h>

#include "learn/Lernregeln.h"
#include "ui/Zufall.h"

TEST(Lernregeln, KnoepfeAnDenRaendern) {
    Knoepfe k = {false, false, true, true, true};
    f_knoepfeNachBewegung(k, Bewegung::Vor, 1, 3);
    EXPECT_EQ(k, (Knoepfe{true, true, true, true, true}));
    f_knoepfeNachBewegung(k, Bewegung::Letzte, 2, 3);
    EXPECT_EQ(k, (Knoepfe{true, true, true, false, false}));
    f_knoepfeNachBewegung(k, Bewegung::Zurueck, 1, 3);
    EXPECT_EQ(k, (Knoepfe{true, true, true, true, true}));
    f_knoepfeNachBewegung(k, Bewegung::Zurueck, 0, 3);
    EXPECT_EQ(k, (Knoepfe{false, false, true, true, true}));
    EXPECT_EQ(f_knoepfeNachAuswahl(1), (Knoepfe{false, false, false, false, false}));
    EXPECT_EQ(f_knoepfeNachAuswahl(2), (Knoepfe{true, true, true, true, true}));
}

TEST(Lernregeln, ZufallszeileNieHinterDerLetzten) {
    Zufall z(5);
    std::array<int, 4> treffer{};
    for (int i = 0; i < 4000; ++i) {
        const int r = f_zielzeile(Bewegung::Zufaellig, 0, 4, z);
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 3);
        ++treffer[static_cast<std::size_t>(r)];
    }
    for (int t : treffer) {
        EXPECT_GT(t, 850);  // about uniform
    }
    EXPECT_EQ(f_zielzeile(Bewegung::Vor, 2, 4, z), 3);
    EXPECT_EQ(f_zielzeile(Bewegung::Letzte, 2, 4, z), 3);
}

TEST(Lernregeln, Bildgroesse) {
    auto g = f_bildgroesse(400, 300, false);
    EXPECT_EQ(std::make_pair(g.rahmenBreite, g.rahmenHoehe), std::make_pair(800, 600));
    g = f_bildgroesse(400, 300, true);
    EXPECT_EQ(std::make_pair(g.rahmenBreite, g.rahmenHoehe), std::make_pair(400, 300));
    g = f_bildgroesse(1600, 600, false);
    EXPECT_EQ(std::make_pair(g.rahmenBreite, g.rahmenHoehe), std::make_pair(800, 300));
    g = f_bildgroesse(380, 290, true);  // the pause picture
    EXPECT_EQ(g.bildBreite, 349);
    EXPECT_EQ(g.bildHoehe, 266);
    EXPECT_EQ(g.bildLinks, (380 - 349) / 2);
    EXPECT_EQ(g.bildOben, (290 - 266) / 2);
    g = f_bildgroesse(0, 300, false);  // cannot be fitted: stays
    EXPECT_EQ(g.rahmenBreite, 0);
    EXPECT_EQ(g.rahmenHoehe, 300);
}

TEST(Lernregeln, Multimediaplan) {
    Aufgabenzeile z;
    z.bild[0] = "a.png";
    z.wave = "ton.wav";
    z.hypertextpfad = "https://example.invalid";
    z.schluessel = "000100001";
    auto p = f_multimediaplan(z, true);
    EXPECT_TRUE(p.aktiv[0]);
    EXPECT_FALSE(p.aktiv[1]);
    EXPECT_TRUE(p.aktiv[3]);
    EXPECT_TRUE(p.aktiv[10]);
    EXPECT_FALSE(p.aktivSetzen[9]);  // "Notiz" is not touched
    EXPECT_FALSE(p.aktivSetzen[11]);
    EXPECT_TRUE(p.bildDruckenAktiv);
    EXPECT_FALSE(p.sichtbar[3]);  // "1" at position 4 hides "Ton"
    EXPECT_TRUE(p.sichtbar[0]);
    EXPECT_FALSE(p.sichtbar[10]);    // position 9 hides "URL"
    p = f_multimediaplan(z, false);  // answered: visibility stays
    EXPECT_FALSE(p.sichtbarSetzen[3]);
}

TEST(Lernregeln, Antwortmerker) {
    Aufgabenzeile z;
    Antwortboxen b;
    z.grundtyp = 0;
    z.marks = {1, 0, 0, 1, 0};
    EXPECT_EQ(f_antwortmerkerText(z, b), QStringLiteral("1;0;0;1;0;"));
    z.grundtyp = 2;
    b.werte = {"230", "0", "0", "0", "0"};
    b.texte = {"V", "", "", "", ""};
    EXPECT_EQ(f_antwortmerkerText(z, b), QStringLiteral("230;;V;0;;;0;;;0;;;0;;;"));
    z.grundtyp = 5;
    b.texte = {"P=U*I", "", "", "", ""};
    EXPECT_EQ(f_antwortmerkerText(z, b), QStringLiteral("P=U*I;;;;;"));
    z.grundtyp = 3;
    b.frei = "frei";
    EXPECT_EQ(f_antwortmerkerText(z, b), QStringLiteral("frei"));
    z.grundtyp = 4;
    EXPECT_EQ(f_antwortmerkerText(z, b), QString());
}
