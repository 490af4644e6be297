#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/elvaris.h"
#include "common/FakeDialoge.h"
#include "common/Fixture.h"
#include "db/Nutzungslog.h"
#include "db/Verschluesselung.h"
#include "ui/Zufall.h"

namespace {

class ElvarisTest : public ::testing::Test {
protected:
    void SetUp() override {
        demo = arbeit.filePath("demo.ssw");
        ASSERT_TRUE(QFile::copy(ELVARIS_DEMO_DB, demo));
        QFile::setPermissions(demo, QFile::ReadOwner | QFile::WriteOwner);
    }
    std::unique_ptr<elvaris> starten(QList<Laufwerk> laufwerke = {}, bool sound = false) {
        auto w = std::make_unique<elvaris>(
            st, dialoge, zufall,
            elvaris::Umgebung{[laufwerke] { return laufwerke; }, [sound] { return sound; }});
        w->starten(arbeit.path());
        return w;
    }
    QStringList logzeilen() const { return logereignisse(arbeit.path()); }
    bool aktiv(elvaris& w, elvaris::Menue m) { return w.aktion(m)->isEnabled(); }

    QTemporaryDir arbeit;
    QString demo;
    AppState st;
    FakeDialoge dialoge;
    Zufall zufall{3};
};

}  // namespace

TEST_F(ElvarisTest, StartOhneCdUndSoundkarte) {
    auto w = starten();
    EXPECT_EQ(dialoge.meldungen(),
              QStringList({"Keine CD im Laufwerk", "Leider keine Soundkarte vorhanden"}));
    EXPECT_EQ(dialoge.gezeigt.front().titel, QStringLiteral("Elvaris"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Elvaris"));
    EXPECT_EQ(w->size(), QSize(820, 620));
    EXPECT_EQ(st.grunddaten.s_pfadbilder, arbeit.path() + "/Bilder/");
    EXPECT_TRUE(st.grunddaten.s_cdbilder.isEmpty());
    EXPECT_EQ(st.s_auswahlsql, QStringLiteral("SELECT * FROM 01 ORDER BY webtask"));
    EXPECT_EQ(st.i_rechnerliste, 20);
    ASSERT_NE(st.o_formel, nullptr);
    EXPECT_FALSE(st.o_formel->bo_generalfehler);
    EXPECT_DOUBLE_EQ(st.o_formel->f_Esuchen(1666, 96), 1650);  // E-series filled at start-up
    // The power's own message reaches the user through the program's dialogs.
    dialoge.gezeigt.clear();
    st.o_formel->f_formelAuswertungEinfach("y=(-8)^0.5//x;1;1;1");
    EXPECT_EQ(dialoge.meldungen(), QStringList({"Fehler bei Potenz aufgetreten -8^0.5"}));
    EXPECT_EQ(dialoge.gezeigt.back().titel, QStringLiteral("Elvaris"));
    EXPECT_EQ(w->farbtabelle()[12].s_farbname, QStringLiteral("Kein Ring"));
    EXPECT_TRUE(aktiv(*w, elvaris::Menue::Oeffnen));
    EXPECT_TRUE(aktiv(*w, elvaris::Menue::Beenden));
    for (auto m : {elvaris::Menue::Aktualisieren, elvaris::Menue::Lernen, elvaris::Menue::Pruefung,
                   elvaris::Menue::Einstellungen, elvaris::Menue::Hilfe}) {
        EXPECT_FALSE(aktiv(*w, m));
    }
    EXPECT_FALSE(w->aktion(elvaris::Menue::Pruefung)->isVisible());
}

TEST_F(ElvarisTest, DatenCdSetztOrdnerUndTitel) {
    QTemporaryDir cd;
    QFile marke(cd.filePath("ssw.txt"));
    ASSERT_TRUE(marke.open(QIODevice::WriteOnly));
    auto w = starten({Laufwerk{cd.path(), "DATEN", "iso9660", true}}, true);
    EXPECT_TRUE(dialoge.gezeigt.empty());
    EXPECT_EQ(st.grunddaten.s_cdbilder, cd.path() + "/Bilder/");
    EXPECT_NE(w->windowTitle(), QStringLiteral("Elvaris"));
}

TEST_F(ElvarisTest, OeffnenLiestListenUndLegtSicherungAn) {
    auto w = starten();
    dialoge.gezeigt.clear();
    dialoge.antwortenDatei.push_back(std::nullopt);  // cancelled first
    w->oeffnenBefehl();
    EXPECT_TRUE(st.s_datenbank.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(arbeit.filePath("sicherung.sss")));
    ASSERT_EQ(dialoge.gezeigt.size(), 1u);
    EXPECT_EQ(dialoge.gezeigt[0].titel, QStringLiteral("Datenbank öffnen"));
    EXPECT_EQ(dialoge.gezeigt[0].text, QStringLiteral("*.ssw|Daten (*.ssw)|*.ssw"));

    // The backup is the file as it was before the lists renewed its sort keys.
    const QByteArray demoVorher = inhalt(demo);
    dialoge.antwortenDatei.push_back(demo);
    w->oeffnenBefehl();
    EXPECT_EQ(st.s_datenbank, demo);
    EXPECT_EQ(dialoge.meldungen(), QStringList());
    EXPECT_EQ(st.stichwortliste.first(), QStringLiteral("ALLE"));
    EXPECT_EQ(st.grunddaten.s_fach, QStringLiteral("Elektrotechnik (Demo)"));
    EXPECT_NE(st.themenbaum.knoten("0H"), nullptr);
    EXPECT_EQ(inhalt(arbeit.filePath("sicherung.sss")), demoVorher);
    EXPECT_EQ(logzeilen(), QStringList({"Login: " + demo}));

    // A second opening replaces the backup with the current file.
    const QString andere = bauen(arbeit, kleineQuelle(), "klein.ssw");
    const QByteArray andereVorher = inhalt(andere);
    ASSERT_TRUE(w->datenbankOeffnen(andere));
    EXPECT_EQ(inhalt(arbeit.filePath("sicherung.sss")), andereVorher);
    EXPECT_EQ(st.grunddaten.s_fach, QStringLiteral("Elektrotechnik"));
}

TEST_F(ElvarisTest, SchlechteDateiAendertNichts) {
    auto w = starten();
    ASSERT_TRUE(w->datenbankOeffnen(demo));
    dialoge.gezeigt.clear();
    const QString text = arbeit.filePath("notiz.ssw");
    schreiben(text, "Das ist nur ein Text.\r\n");
    EXPECT_FALSE(w->datenbankOeffnen(text));
    EXPECT_EQ(dialoge.meldungen(), QStringList({" Fehler beim Aufstellen der Stichwortlisten"}));
    EXPECT_EQ(inhalt(text), QByteArray("Das ist nur ein Text.\r\n"));
    EXPECT_EQ(st.s_datenbank, demo);  // the open database stays the current one

    dialoge.gezeigt.clear();
    EXPECT_FALSE(w->datenbankOeffnen(arbeit.filePath("fehlt.ssw")));
    EXPECT_EQ(dialoge.meldungen().size(), 1);
    EXPECT_FALSE(QFileInfo::exists(arbeit.filePath("fehlt.ssw")));
}

TEST_F(ElvarisTest, BeendenSchreibtLogoutDasSchliessfeldNicht) {
    {
        auto w = starten();
        w->show();
        w->close();
    }
    EXPECT_TRUE(logzeilen().isEmpty());
    auto w = starten();
    w->show();
    w->beendenBefehl();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(st.o_formel, nullptr);  // released with the main window
    EXPECT_EQ(logzeilen(), QStringList({"Logout total"}));
}
