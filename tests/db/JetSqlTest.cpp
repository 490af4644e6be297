#include <gtest/gtest.h>

#include "db/Fehler.h"
#include "db/JetSql.h"

using JetSql::Anweisung;

TEST(JetSql, UebersetztDieFormenDesProgramms) {
    struct Fall {
        QString jet;
        QString sqlite;
        Anweisung::Art art;
    };
    const Fall faelle[] = {
        {"SELECT * FROM 01 ORDER BY webtask", "SELECT * FROM \"01\" ORDER BY webtask",
         Anweisung::Art::Abfrage},
        {"SELECT * FROM 01  where Gebiet1 >=0  AND   (Grundtyp  >=0 OR Grundtyp  =2 OR Grundtyp = "
         "5 ) AND Stufe >=0",
         "SELECT * FROM \"01\"  WHERE Gebiet1 >=0  AND   (Grundtyp  >=0 OR Grundtyp  =2 OR "
         "Grundtyp = 5 ) AND Stufe >=0",
         Anweisung::Art::Abfrage},
        {"SELECT DISTINCT Stichwort1 as gezeit from 01 Where Stichwort1 <>'' UNION SELECT DISTINCT "
         "Stichwort2  from 01 Where Stichwort2 <> ''",
         "SELECT DISTINCT Stichwort1 AS gezeit FROM \"01\" WHERE Stichwort1 <>'' UNION SELECT "
         "DISTINCT Stichwort2  FROM \"01\" WHERE Stichwort2 <> ''",
         Anweisung::Art::Abfrage},
        {"SELECT SUM(Zeit) AS gezeit from 01 where (Gebiet1 >=0 ) AND  (Grundtyp  =0)",
         "SELECT SUM(Zeit) AS gezeit FROM \"01\" WHERE (Gebiet1 >=0 ) AND  (Grundtyp  =0)",
         Anweisung::Art::Abfrage},
        {"UPDATE 01 SET mark = false,  mark1 = 0 , mark2 = 0, mark3 = 0, mark4=0,mark5 =0",
         "UPDATE \"01\" SET mark = 0,  mark1 = 0 , mark2 = 0, mark3 = 0, mark4=0,mark5 =0",
         Anweisung::Art::Aenderung},
        {"UPDATE 01 SET Antwortmerker='1'", "UPDATE \"01\" SET Antwortmerker='1'",
         Anweisung::Art::Aenderung},
        {" DROP TABLE 01", "DROP TABLE \"01\"", Anweisung::Art::DropTable},
        {"SELECT * FROM [stru-01]", "SELECT * FROM \"stru-01\"", Anweisung::Art::Abfrage},
        {"SELECT * FROM 01 Where (Stichwort1 = 'O''Brien') AND  (Grundtyp  >=0)",
         "SELECT * FROM \"01\" WHERE (Stichwort1 = 'O''Brien') AND  (Grundtyp  >=0)",
         Anweisung::Art::Abfrage},
    };
    for (const Fall& f : faelle) {
        const Anweisung a = JetSql::uebersetzen(f.jet);
        EXPECT_EQ(a.sql, f.sqlite) << f.jet.toStdString();
        EXPECT_EQ(a.art, f.art) << f.jet.toStdString();
    }
}

TEST(JetSql, SchluesselmengeNurFuerEinzeltabellen) {
    EXPECT_EQ(JetSql::uebersetzen("SELECT * FROM 01 ORDER BY webtask").schluesselSql,
              QStringLiteral("SELECT rowid FROM \"01\" ORDER BY webtask"));
    EXPECT_TRUE(JetSql::uebersetzen(
                    "SELECT DISTINCT Stichwort1 as gezeit from 01 UNION SELECT Stichwort2 from 01")
                    .schluesselSql.isEmpty());
    EXPECT_TRUE(JetSql::uebersetzen("SELECT SUM(Zeit) AS gezeit from 01").schluesselSql.isEmpty());
}

TEST(JetSql, SelectIntoZieltInDieArbeitskopie) {
    const Anweisung a = JetSql::uebersetzen(
        "SELECT * INTO /home/ich/Meine Daten\\prufung.01 FROM 01 where (Gebiet1 >=0 ) AND  "
        "(Grundtyp  =0)");
    EXPECT_EQ(a.art, Anweisung::Art::SelectInto);
    EXPECT_EQ(a.zielDatei, QStringLiteral("/home/ich/Meine Daten/prufung.mdb"));
    EXPECT_EQ(a.zielTabelle, QStringLiteral("01"));
    EXPECT_EQ(a.sql,
              QStringLiteral("SELECT * FROM \"01\" WHERE (Gebiet1 >=0 ) AND  (Grundtyp  =0)"));
}

TEST(JetSql, LehntAllesAndereAb) {
    const char* faelle[] = {
        "INSERT INTO 01 (Grundtyp) VALUES (1)",
        "DELETE FROM 01",
        "SELECT * FROM 01; DROP TABLE 01",
        "SELECT * FROM 01 Where Stichwort1 = 'O'Brien'",  // unquoted apostrophe
        "SELECT * FROM 01 WHERE Stichwort1 = 'offen",
        "ATTACH DATABASE 'x' AS y",
        "PRAGMA writable_schema = 1",
        "SELECT * FROM 01 -- Kommentar",
        "SELECT * FROM 01 LIMIT 1",
        "SELECT * FROM 01 JOIN stru-01",
        "CREATE TABLE x (a)",
        "SELECT * FROM \"01\"",
        "",
    };
    for (const char* f : faelle) {
        EXPECT_THROW(JetSql::uebersetzen(QString::fromUtf8(f)), Fehler) << f;
    }
}

TEST(JetSql, KriterienUndLiterale) {
    const auto k = JetSql::kriterium("[Aufgabe] <>'' ");
    EXPECT_EQ(k.feld, QStringLiteral("Aufgabe"));
    EXPECT_EQ(k.op, QStringLiteral("<>"));
    EXPECT_EQ(k.wert, QString());
    const auto g = JetSql::kriterium("[freieantwort] >= 'O''Neil'");
    EXPECT_EQ(g.op, QStringLiteral(">="));
    EXPECT_EQ(g.wert, QStringLiteral("O'Neil"));
    EXPECT_THROW(JetSql::kriterium("Aufgabe <> ''; DROP"), Fehler);
    EXPECT_EQ(JetSql::textLiteral("Ohm's"), QStringLiteral("'Ohm''s'"));
}
