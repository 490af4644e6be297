#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "common/Fixture.h"
#include "db/Database.h"
#include "db/Fehler.h"
#include "db/Recordset.h"
#include "db/Schema.h"

namespace {

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override { pfad = bauen(dir, kleineQuelle()); }
    QTemporaryDir dir;
    QString pfad;
};

QStringList bezeichnungen(Recordset& rs) {
    QStringList l;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        l << rs.text("freieantwort");
    }
    return l;
}

}  // namespace

TEST_F(DatabaseTest, DynasetFolgtDerAnweisungUndSiehtFremdeAenderungen) {
    auto db = Database::oeffnen(pfad);
    auto dyn = db->oeffneRecordset("SELECT * FROM 01 ORDER BY webtask", Database::Art::Dynaset);
    auto snap = db->oeffneRecordset("SELECT * FROM 01 ORDER BY webtask", Database::Art::Snapshot);
    EXPECT_EQ(bezeichnungen(*dyn), QStringList({"A4", "A3", "A2", "A1"}));
    EXPECT_EQ(dyn->recordCount(), 4);

    auto anderes = Database::oeffnen(pfad);
    auto rs = anderes->oeffneRecordset("01", Database::Art::Dynaset);
    rs->moveLast();
    rs->edit();
    rs->setFeld("FREIEANTWORT", "neu");  // field names without case
    rs->update();

    dyn->moveFirst();
    snap->moveFirst();
    EXPECT_EQ(dyn->text("freieantwort"), QStringLiteral("neu"));
    EXPECT_EQ(snap->text("freieantwort"), QStringLiteral("A4"));
    EXPECT_THROW(snap->edit(), Fehler);
    EXPECT_THROW(dyn->feld("gibtsnicht"), Fehler);
}

TEST_F(DatabaseTest, BewegenAnDenRaendern) {
    auto db = Database::oeffnen(pfad);
    auto rs = db->oeffneRecordset("SELECT * FROM 01 WHERE Gebiet1 = 1", Database::Art::Dynaset);
    EXPECT_EQ(rs->recordCount(), 2);
    rs->movePrevious();
    EXPECT_TRUE(rs->bof());
    EXPECT_THROW(rs->feld("Aufgabe"), Fehler);
    rs->moveLast();
    rs->moveNext();
    EXPECT_TRUE(rs->eof());
    rs->moveNext();
    EXPECT_TRUE(rs->eof());
    rs->moveTo(1);
    EXPECT_EQ(rs->absolutePosition(), 1);

    auto leer = db->oeffneRecordset("SELECT * FROM 01 WHERE Gebiet1 = 7", Database::Art::Dynaset);
    EXPECT_TRUE(leer->bof());
    EXPECT_TRUE(leer->eof());
    EXPECT_EQ(leer->recordCount(), 0);
    EXPECT_FALSE(leer->findFirst("[Aufgabe] <>'' "));
}

TEST_F(DatabaseTest, FindFirstInSchluesselreihenfolge) {
    auto db = Database::oeffnen(pfad);
    for (auto art : {Database::Art::Dynaset, Database::Art::Snapshot}) {
        auto rs = db->oeffneRecordset("SELECT * FROM 01 ORDER BY freieantwort", art);
        ASSERT_TRUE(rs->findFirst("[freieantwort] >= 'a3'"));  // without case
        EXPECT_EQ(rs->text("freieantwort"), QStringLiteral("A3"));
        rs->moveFirst();
        ASSERT_TRUE(rs->findFirst("[Stichwort2] = 'strom'"));
        EXPECT_EQ(rs->text("freieantwort"), QStringLiteral("A1"));
        EXPECT_FALSE(rs->findFirst("[Stichwort1] = 'niemand'"));
        EXPECT_EQ(rs->text("freieantwort"), QStringLiteral("A1"));  // position kept
    }
}

TEST_F(DatabaseTest, HinzufuegenUndLoeschen) {
    auto db = Database::oeffnen(pfad);
    auto rs = db->oeffneRecordset("SELECT * FROM 01 ORDER BY webtask", Database::Art::Dynaset);
    rs->addNew();
    rs->setFeld("freieantwort", "A5");
    rs->setFeld("Grundtyp", 2);
    rs->update();
    EXPECT_EQ(rs->recordCount(), 5);
    EXPECT_EQ(rs->text("freieantwort"), QStringLiteral("A4"));  // current row stays

    // Delete from the first row on, as the exam compiler trims its copy.
    rs->moveFirst();
    rs->deleteRow();
    EXPECT_THROW(rs->feld("freieantwort"), Fehler);
    rs->moveNext();
    EXPECT_EQ(rs->text("freieantwort"), QStringLiteral("A3"));
    rs->deleteRow();
    rs->moveNext();
    EXPECT_EQ(rs->recordCount(), 3);
    auto neu = db->oeffneRecordset("SELECT * FROM 01 ORDER BY webtask", Database::Art::Snapshot);
    EXPECT_EQ(bezeichnungen(*neu), QStringList({"A5", "A2", "A1"}));  // A5 has webtask 0
    neu->moveFirst();
    EXPECT_EQ(neu->feld("mark").toInt(), 0);  // defaults of a new row
    EXPECT_EQ(neu->feld("webtask").toInt(), 0);
}

TEST_F(DatabaseTest, RuecksetzanweisungenAendernAlleZeilen) {
    auto db = Database::oeffnen(pfad);
    EXPECT_EQ(db->ausfuehren("UPDATE 01 SET mark = true,  mark1 = 1"), 4);
    EXPECT_EQ(
        db->ausfuehren(
            "UPDATE 01 SET mark = false,  mark1 = 0 , mark2 = 0, mark3 = 0, mark4=0,mark5 =0"),
        4);
    EXPECT_EQ(db->ausfuehren("UPDATE 01 SET Antwortmerker='1'"), 4);
    auto rs = db->oeffneRecordset("SELECT * FROM 01 WHERE mark = false AND Antwortmerker = '1'",
                                  Database::Art::Snapshot);
    EXPECT_EQ(rs->recordCount(), 4);
    EXPECT_THROW(db->ausfuehren("SELECT * FROM 01"), Fehler);
}

TEST_F(DatabaseTest, SelectIntoFuelltDieArbeitskopie) {
    const QString vorlage = dir.filePath("exec.dll");
    {
        auto v = Database::anlegen(vorlage);
        Schema::pruefungsvorlageAnlegen(*v);
    }
    const QString kopie = dir.filePath("prufung.mdb");
    ASSERT_TRUE(QFile::copy(vorlage, kopie));
    {
        auto k = Database::oeffnen(kopie);
        k->ausfuehren(" DROP TABLE 01");
        EXPECT_FALSE(k->hatTabelle("01"));
        EXPECT_THROW(k->ausfuehren(" DROP TABLE 01"), Fehler);
    }
    auto db = Database::oeffnen(pfad);
    db->ausfuehren("SELECT * INTO " + QDir::toNativeSeparators(dir.path()) +
                   "\\prufung.01 FROM 01 where (Gebiet1 = 1 )");
    auto k = Database::oeffnen(kopie);
    auto rs = k->oeffneRecordset("SELECT * FROM 01 ORDER BY webtask", Database::Art::Snapshot);
    EXPECT_EQ(bezeichnungen(*rs), QStringList({"A4", "A2"}));
    EXPECT_TRUE(k->hatTabelle("stru-4-1"));
    // The copy keeps text comparison without case.
    auto ci =
        k->oeffneRecordset("SELECT * FROM 01 WHERE freieantwort = 'a2'", Database::Art::Snapshot);
    EXPECT_EQ(ci->recordCount(), 1);
    // A second copy into an existing table fails and leaves the rows.
    EXPECT_THROW(db->ausfuehren("SELECT * INTO " + dir.path() + "/prufung.01 FROM 01"), Fehler);
    EXPECT_EQ(k->oeffneRecordset("01", Database::Art::Snapshot)->recordCount(), 2);
}

TEST_F(DatabaseTest, SchlechteDateienBleibenUnberuehrt) {
    const QString fehlt = dir.filePath("fehlt.ssw");
    EXPECT_THROW(Database::oeffnen(fehlt), Fehler);
    EXPECT_FALSE(QFileInfo::exists(fehlt));

    const QByteArray jet =
        QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(2000, 'x');
    const std::pair<const char*, QByteArray> faelle[] = {
        {"text.ssw", "Das ist keine Datenbank\r\n"},
        {"leer.ssw", QByteArray()},
        {"jet.ssw", jet},
    };
    for (const auto& [name, daten] : faelle) {
        const QString p = dir.filePath(name);
        schreiben(p, daten);
        try {
            Database::oeffnen(p);
            ADD_FAILURE() << name;
        } catch (const Fehler& f) {
            EXPECT_TRUE(f.text().contains("keine Elvaris-Datenbank")) << f.text().toStdString();
        }
        EXPECT_EQ(inhalt(p), daten) << name;
    }

    const QString ohne01 = dir.filePath("ohne01.ssw");
    {
        auto d = Database::anlegen(ohne01);
        d->ausfuehrenNativ("CREATE TABLE x (a)");
    }
    const QByteArray vorher = inhalt(ohne01);
    auto d = Database::oeffnen(ohne01);
    try {
        d->oeffneRecordset("SELECT * FROM 01", Database::Art::Dynaset);
        ADD_FAILURE();
    } catch (const Fehler& f) {
        EXPECT_TRUE(f.text().startsWith("Die Tabelle 01 fehlt")) << f.text().toStdString();
    }
    EXPECT_THROW(d->ausfuehren("UPDATE 01 SET Antwortmerker='1'"), Fehler);
    d.reset();
    EXPECT_EQ(inhalt(ohne01), vorher);
}

TEST_F(DatabaseTest, NurLesenVerweigertSchreiben) {
    auto db = Database::oeffnen(pfad, Database::Zugriff::Gemeinsam, Database::Modus::NurLesen);
    try {
        db->ausfuehren("UPDATE 01 SET Antwortmerker='1'");
        ADD_FAILURE();
    } catch (const Fehler& f) {
        EXPECT_TRUE(f.text().contains("schreibgeschützt")) << f.text().toStdString();
    }
}
