#include <gtest/gtest.h>

#include <QFileInfo>
#include <QJsonArray>

#include "common/Fixture.h"
#include "db/Database.h"
#include "db/Fehler.h"
#include "db/Recordset.h"
#include "db/Schema.h"
#include "db/Verschluesselung.h"

TEST(Aufgabenquelle, BauenAuslesenBauenGibtDieselbeDatenbank) {
    QTemporaryDir dir;
    const QJsonObject demo = f_jsonLesen(ELVARIS_DEMO_JSON);
    const QString erste = bauen(dir, demo, "a.ssw");
    const QJsonObject ausgelesen = f_datenbankAuslesen(erste);
    const QString zweite = bauen(dir, ausgelesen, "b.ssw");
    EXPECT_EQ(f_datenbankAuslesen(zweite), ausgelesen);

    auto a = Database::oeffnen(erste);
    auto b = Database::oeffnen(zweite);
    for (const QString& t : {Schema::kAufgaben, Schema::kThemen, Schema::kEinheiten,
                             Schema::kGrunddaten, Schema::kZugang}) {
        auto ra = a->oeffneRecordset(t, Database::Art::Snapshot);
        auto rb = b->oeffneRecordset(t, Database::Art::Snapshot);
        ASSERT_EQ(ra->recordCount(), rb->recordCount()) << t.toStdString();
        for (ra->moveFirst(), rb->moveFirst(); !ra->eof(); ra->moveNext(), rb->moveNext()) {
            for (const QString& f : ra->feldnamen()) {
                ASSERT_EQ(ra->feld(f), rb->feld(f)) << t.toStdString() << " " << f.toStdString();
            }
        }
    }
}

TEST(Aufgabenquelle, DemoEnthaeltAlleTypenUndEntschluesselbareThemen) {
    QTemporaryDir dir;
    const QString p = bauen(dir, f_jsonLesen(ELVARIS_DEMO_JSON));
    auto db = Database::oeffnen(p);
    auto rs =
        db->oeffneRecordset("SELECT DISTINCT Grundtyp AS gezeit FROM 01", Database::Art::Snapshot);
    EXPECT_EQ(rs->recordCount(), 6);
    EXPECT_GE(db->oeffneRecordset("01", Database::Art::Snapshot)->recordCount(), 30);

    // The topic names are stored scrambled and read back with the keys of the program.
    auto themen = db->oeffneRecordset("SELECT * FROM [stru1-02] WHERE [&12-8%] = 1 AND [))67-] = 1",
                                      Database::Art::Snapshot);
    ASSERT_TRUE(themen->findFirst("[-j56] = '1'"));
    EXPECT_NE(themen->text(Schema::kHauptname), QStringLiteral("Wechselstromtechnik"));
    EXPECT_EQ(f_entschluesseln(themen->text(Schema::kHauptname)),
              QStringLiteral("Wechselstromtechnik"));
    EXPECT_EQ(f_entschluesseln(themen->text(Schema::kTeilname)),
              QStringLiteral("Blindwiderstände"));
    EXPECT_EQ(f_entschluesseln(themen->text(Schema::kUntername)), QStringLiteral("Spule"));
}

TEST(Aufgabenquelle, FehlerNennenDieStelleUndLassenNichtsZurueck) {
    QTemporaryDir dir;
    struct Fall {
        const char* feld;
        QJsonValue wert;
        const char* erwartet;
    };
    const Fall faelle[] = {
        {"Grundtyp", 7, "Grundtyp muss 0 bis 5 sein"},
        {"Wertung1", "drei", "Wertung1 muss eine ganze Zahl sein"},
        {"Antwort1", 12, "Antwort1 muss ein Text sein"},
        {"Gibtsnicht", 1, "unbekanntes Feld Gibtsnicht"},
    };
    for (const Fall& f : faelle) {
        QJsonObject q = kleineQuelle();
        QJsonArray a = q["aufgaben"].toArray();
        QJsonObject erste = a[1].toObject();
        erste.insert(f.feld, f.wert);
        a[1] = erste;
        q["aufgaben"] = a;
        const QString ziel = dir.filePath("x.ssw");
        try {
            f_datenbankBauen(q, ziel);
            ADD_FAILURE() << f.feld;
        } catch (const Fehler& e) {
            EXPECT_TRUE(e.text().startsWith("aufgaben[1] (A2)")) << e.text().toStdString();
            EXPECT_TRUE(e.text().contains(f.erwartet)) << e.text().toStdString();
        }
        EXPECT_FALSE(QFileInfo::exists(ziel));
        EXPECT_FALSE(QFileInfo::exists(ziel + ".entsteht"));
    }
    // A failed rebuild leaves the earlier database as it was.
    const QString alt = bauen(dir, kleineQuelle(), "alt.ssw");
    const QByteArray vorher = inhalt(alt);
    QJsonObject q = kleineQuelle();
    q.insert("themen", QJsonArray{QJsonObject{{"nr", 12}, {"name", "x"}}});
    EXPECT_THROW(f_datenbankBauen(q, alt), Fehler);
    EXPECT_EQ(inhalt(alt), vorher);
}
