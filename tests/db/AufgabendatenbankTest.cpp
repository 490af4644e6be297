#include <gtest/gtest.h>

#include <QJsonArray>

#include "app/AppState.h"
#include "common/FakeDialoge.h"
#include "common/Fixture.h"
#include "db/Aufgabendatenbank.h"
#include "db/Database.h"
#include "db/Recordset.h"
#include "db/Schema.h"
#include "db/Verschluesselung.h"
#include "ui/Zufall.h"

namespace {

class AufgabendatenbankTest : public ::testing::Test {
protected:
    void oeffnen(const QJsonObject& quelle) { st.s_datenbank = bauen(dir, quelle); }
    QStringList schluessel() const {
        QStringList l;
        for (const Themenknoten* k : st.themenbaum.inReihenfolge()) {
            l << k->schluessel + QLatin1Char('=') + k->text + QLatin1Char('/') +
                     QString::number(k->bild);
        }
        return l;
    }
    QList<double> id1() const {
        auto db = Database::oeffnen(st.s_datenbank);
        auto rs = db->oeffneRecordset("01", Database::Art::Snapshot);
        QList<double> l;
        for (rs->moveFirst(); !rs->eof(); rs->moveNext()) {
            l << rs->feld("ID1").toDouble();
        }
        return l;
    }

    QTemporaryDir dir;
    AppState st;
    FakeDialoge dialoge;
    Zufall zufall{42};
};

}  // namespace

TEST_F(AufgabendatenbankTest, ThemenbaumInBaumreihenfolge) {
    oeffnen(kleineQuelle());
    ASSERT_TRUE(f_themenbaum(st, dialoge));
    // Main areas come in descending slot order, each inserted right after the root.
    EXPECT_EQ(schluessel(), QStringList({"root=Alle Themen/0", "1H=Wechselstrom/0",
                                         "0H=Gleichstrom/0", "00T=Grundlagen/1", "000U=Strom/1",
                                         "001U=Spannung/1", "01T=Schaltungen/1"}));
    EXPECT_EQ(st.s_hauptgebiet[2], QStringLiteral("*"));
    EXPECT_EQ(st.s_einheiten, QStringList({"V=1;mV=1000", "A=1;mA=1000", "K=*0;°C=*273,15", ""}));
    EXPECT_TRUE(dialoge.gezeigt.empty());
}

TEST_F(AufgabendatenbankTest, LueckenUndFehlerImThemenbaum) {
    oeffnen(kleineQuelle());
    auto db = Database::oeffnen(st.s_datenbank);
    // Only one row left: every other slot is never set and shows as a node without text.
    db->ausfuehrenNativ("DELETE FROM \"stru1-02\" WHERE rowid > 1");
    ASSERT_TRUE(f_themenbaum(st, dialoge));
    EXPECT_EQ(st.themenbaum.anzahl(), 1 + 10 + 100 + 1000);
    EXPECT_EQ(st.themenbaum.knoten("9H")->text, QString());

    // A used sub area below an unused main area is an error; the nodes so far stay.
    db->ausfuehrenNativ("UPDATE \"stru1-02\" SET \"$t%\" = '" + f_verschluesseln("*") + "'");
    ASSERT_FALSE(f_themenbaum(st, dialoge));
    EXPECT_EQ(dialoge.meldungen(), QStringList({"Fehler beim Ermitteln der Themengebiete"}));
    EXPECT_EQ(dialoge.gezeigt.back().titel, QString());
    EXPECT_GE(st.themenbaum.anzahl(), 1);

    db->ausfuehrenNativ("UPDATE \"stru1-02\" SET \"&12-8%\" = 10");
    EXPECT_FALSE(f_themenbaum(st, dialoge));
}

TEST_F(AufgabendatenbankTest, StichwortlisteSortiertUndID1Erneuert) {
    oeffnen(kleineQuelle());
    ASSERT_TRUE(f_stichwortlisten(st, zufall, dialoge));
    // Without case: "ohm" and "strom" sort among the capitals; duplicates differing in case
    // appear once.
    QStringList klein;
    for (const QString& s : st.stichwortliste) {
        klein << s.toLower();
    }
    EXPECT_EQ(klein, QStringList({"alle", "ampere", "ärger", "ohm", "spannung", "strom", "zeit"}));
    const QList<double> ids = id1();
    ASSERT_EQ(ids.size(), 4);
    for (double id : ids) {
        EXPECT_GE(id, 5);
        EXPECT_LE(id, 104);
        EXPECT_EQ(id, static_cast<int>(id));
    }
}

TEST_F(AufgabendatenbankTest, TypEinsNimmtStichwort4Auf) {
    oeffnen(kleineQuelle());
    st.grunddaten.b_datenbanktyp = 1;
    ASSERT_TRUE(f_stichwortlisten(st, zufall, dialoge));
    EXPECT_TRUE(st.stichwortliste.contains("Tour A"));
    EXPECT_TRUE(st.tourliste.isEmpty());
}

TEST_F(AufgabendatenbankTest, TourenBeiTypDreiUndVier) {
    oeffnen(kleineQuelle());
    st.grunddaten.b_datenbanktyp = 3;
    ASSERT_TRUE(f_stichwortlisten(st, zufall, dialoge));
    EXPECT_EQ(st.tourliste, QStringList({"Tour A"}));
    EXPECT_FALSE(st.stichwortliste.contains("Tour A"));
    EXPECT_EQ(st.stichwortliste.first(), QStringLiteral("ALLE"));

    // Without any tour the procedure stops early: blank first entry, ID1 untouched.
    auto db = Database::oeffnen(st.s_datenbank);
    db->ausfuehrenNativ("UPDATE \"01\" SET Stichwort4 = '', ID1 = 0");
    st.grunddaten.b_datenbanktyp = 4;
    ASSERT_TRUE(f_stichwortlisten(st, zufall, dialoge));
    EXPECT_EQ(st.stichwortliste.first(), QStringLiteral(" "));
    EXPECT_TRUE(st.tourliste.isEmpty());
    EXPECT_EQ(id1(), QList<double>({0, 0, 0, 0}));
}

TEST_F(AufgabendatenbankTest, GrunddatenLesen) {
    oeffnen(kleineQuelle());
    st.grunddaten.s_pfadton = QStringLiteral("/start/wave/");
    ASSERT_TRUE(f_grunddatenlesen(st, dialoge));
    const Grunddaten& g = st.grunddaten;
    EXPECT_EQ(g.s_fach, QStringLiteral("Elektrotechnik"));
    EXPECT_EQ(g.i_notengrenze, (std::array<int, 6>{90, 80, 70, 60, 50, 40}));
    EXPECT_EQ(g.i_notengrenze2, Grunddaten::kNotenVorgabe);  // empty rows give the defaults
    EXPECT_EQ(g.s_pfadbilder, QStringLiteral("/medien/bilder/"));
    EXPECT_EQ(g.s_pfadton, QStringLiteral("/start/wave/"));  // empty keeps the start-up value
    EXPECT_EQ(g.s_kennung2, QStringLiteral("AB"));
    EXPECT_EQ(g.s_passwort, QStringLiteral("eim1"));
    EXPECT_EQ(g.b_datenbanktyp, 0);
    EXPECT_EQ(g.b_letztenote, 6);
    EXPECT_EQ(g.s_hilfedatei, QStringLiteral("hilfe\\hilfe_1.htm"));
    EXPECT_EQ(g.s_formelsammlung, QStringLiteral("Formelsammlung\\Et_tu_1_.htm"));
    EXPECT_EQ(g.maxBildBreite, 800);
    EXPECT_EQ(g.maxBildHoehe, 600);
}

TEST_F(AufgabendatenbankTest, KurzerZugangUndFehlendeZeilen) {
    QJsonObject q = kleineQuelle();
    q.insert("zugang", "ABCDE");
    oeffnen(q);
    auto db = Database::oeffnen(st.s_datenbank);
    // A short basic-data table with a broken threshold: padded, the broken step skipped.
    db->ausfuehrenNativ("DELETE FROM \"stru-01\" WHERE rowid > 5");
    db->ausfuehrenNativ("UPDATE \"stru-01\" SET \"%%&12\" = '" + f_verschluesseln("abc") +
                        "' WHERE rowid = 3");
    st.grunddaten.i_notengrenze[1] = 77;
    ASSERT_TRUE(f_grunddatenlesen(st, dialoge));
    EXPECT_EQ(db->oeffneRecordset("stru-01", Database::Art::Snapshot)->recordCount(), 33);
    EXPECT_EQ(st.grunddaten.i_notengrenze[1], 77);
    EXPECT_EQ(st.grunddaten.i_notengrenze[2], 70);
    EXPECT_EQ(st.grunddaten.s_passwort, QStringLiteral("tolk"));
    EXPECT_EQ(st.grunddaten.s_kennung2, QStringLiteral("AB"));
}

TEST_F(AufgabendatenbankTest, GrunddatenSchreibenUndWiederLesen) {
    oeffnen(kleineQuelle());
    ASSERT_TRUE(f_grunddatenlesen(st, dialoge));
    st.grunddaten.s_name = QStringLiteral("Müller");
    st.grunddaten.i_notengrenze[0] = 93;
    st.grunddaten.s_cdbilder = QStringLiteral("/media/cd/Bilder/");
    f_grunddatenschreiben(st);

    AppState neu;
    neu.s_datenbank = st.s_datenbank;
    ASSERT_TRUE(f_grunddatenlesen(neu, dialoge));
    EXPECT_EQ(neu.grunddaten.s_name, QStringLiteral("Müller"));
    EXPECT_EQ(neu.grunddaten.i_notengrenze[0], 93);
    EXPECT_TRUE(neu.grunddaten.s_cdbilder.isEmpty());  // written only, never read back
    auto db = Database::oeffnen(st.s_datenbank);
    auto rs = db->oeffneRecordset("stru-01", Database::Art::Snapshot);
    rs->moveTo(16);
    EXPECT_EQ(f_entschluesseln(rs->text(Schema::kGrunddatenfeld)),
              QStringLiteral("/media/cd/Bilder/"));
    rs->moveTo(14);
    EXPECT_EQ(f_entschluesseln(rs->text(Schema::kGrunddatenfeld)), QStringLiteral("0"));
}

TEST_F(AufgabendatenbankTest, SchlechteDateiMeldetUndSchreibtNichts) {
    const QString p = dir.filePath("kaputt.ssw");
    schreiben(p, "kein SQLite\n");
    st.s_datenbank = p;
    EXPECT_FALSE(f_stichwortlisten(st, zufall, dialoge));
    EXPECT_FALSE(f_themenbaum(st, dialoge));
    EXPECT_FALSE(f_grunddatenlesen(st, dialoge));
    EXPECT_EQ(dialoge.meldungen(), QStringList({" Fehler beim Aufstellen der Stichwortlisten",
                                                "Fehler beim Ermitteln der Themengebiete",
                                                " Fehler bei der Ermittlung der Grunddaten"}));
    EXPECT_EQ(inhalt(p), QByteArray("kein SQLite\n"));
}
