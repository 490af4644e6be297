#include <gtest/gtest.h>

#include "db/Themenbaum.h"
#include "learn/Auswahl.h"

namespace {

Themenbaum baum() {
    Themenbaum t;
    t.wurzelHinzufuegen("root", "Alle Themen");
    t.nachWurzelEinfuegen("3H", "Wechselstrom", 0);
    t.nachWurzelEinfuegen("0H", "Gleichstrom", 0);
    t.kindHinzufuegen("0H", "01T", "Schaltungen", 1);
    t.kindHinzufuegen("01T", "012U", "Spannungsteiler", 1);
    t.kindHinzufuegen("3H", "31T", "Blindwiderstand", 1);
    return t;
}

const QString kTypen =
    " (Grundtyp  >=0 OR Grundtyp  =0 OR Grundtyp  =2 OR Grundtyp = 5 OR Grundtyp  =1 OR Grundtyp  "
    "=3 OR "
    "Grundtyp  =4 ) AND Stufe >=0 AND Schwierigkeit >=0";

}  // namespace

TEST(Auswahl, AnfangszustandMitWurzel) {
    Themenbaum t = baum();
    t.knoten("root")->bild = 2;
    EXPECT_EQ(f_auswahlsql(t, Auswahlfilter{}, Auswahlmodus{}),
              "SELECT * FROM 01  where Gebiet1 >=0  AND  " + kTypen + " ORDER BY webtask");
}

TEST(Auswahl, ThemenInBaumreihenfolge) {
    Themenbaum t = baum();
    t.knoten("012U")->bild = 2;
    t.knoten("3H")->bild = 2;
    t.knoten("01T")->bild = 2;
    // Tree order: root, 0H, 01T, 012U, 3H, 31T.
    EXPECT_EQ(f_auswahlsql(t, Auswahlfilter{}, Auswahlmodus{}),
              "SELECT * FROM 01  where Gebiet1 > 99  OR (Gebiet1 = 0 AND Gebiet2 = 1) OR (Gebiet1 "
              "= 0 AND "
              "Gebiet2 = 1 AND Gebiet3 = 2) OR Gebiet1 = 3 AND  " +
                  kTypen + " ORDER BY webtask");
    // Nothing chosen: the topic clause matches nothing.
    EXPECT_TRUE(f_auswahlsql(baum(), Auswahlfilter{}, Auswahlmodus{})
                    .startsWith("SELECT * FROM 01  where Gebiet1 > 99  AND  "));
}

TEST(Auswahl, TypenStufenUndZusaetze) {
    Themenbaum t = baum();
    t.knoten("root")->bild = 2;
    Auswahlfilter f;
    f.haken = {false, false, true, false, false, false, true, false};
    f.stufe = 3;
    f.schwierigkeit = 2;
    EXPECT_EQ(f_auswahlsql(t, f, Auswahlmodus{}),
              "SELECT * FROM 01  where Gebiet1 >=0  AND   (Grundtyp  =99 OR Grundtyp  =99 OR "
              "Grundtyp  =2 OR "
              "Grundtyp = 5 OR Grundtyp  =99 OR Grundtyp  =99 OR Grundtyp  =99 ) AND Stufe = 3 AND "
              "Schwierigkeit = 2 AND nutzung = 0 ORDER BY webtask");
    f.haken = {true, true, true, true, true, true, false, true};
    EXPECT_TRUE(f_auswahlsql(t, f, Auswahlmodus{}).endsWith(" AND unrichtig > 0 ORDER BY webtask"));
    EXPECT_EQ(f_stufentext(0), QStringLiteral("A"));
    EXPECT_EQ(f_stufentext(4), QStringLiteral("4"));
}

TEST(Auswahl, StichwortMitHochkomma) {
    Auswahlmodus m;
    m.bo_modusstichwort = true;
    m.s_stichwort = "ALLE";
    EXPECT_EQ(f_auswahlsql(baum(), Auswahlfilter{}, m),
              "SELECT * FROM 01  where " + kTypen + " ORDER BY webtask");
    m.s_stichwort = "Ohm's Gesetz";
    EXPECT_EQ(
        f_auswahlsql(baum(), Auswahlfilter{}, m),
        "SELECT * FROM 01  Where (Stichwort1 = 'Ohm''s Gesetz' OR Stichwort2 = 'Ohm''s Gesetz' OR "
        "Stichwort3 = 'Ohm''s Gesetz' OR Stichwort4 = 'Ohm''s Gesetz') AND " +
            kTypen + " ORDER BY webtask");
}
