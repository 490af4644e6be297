#include "db/Schema.h"

#include "db/Database.h"
#include "db/JetSql.h"

namespace Schema {
namespace {

void feld(std::vector<Feld>& f, const QString& name, Feldtyp typ) {
    f.push_back({name, typ});
}

void reihe(std::vector<Feld>& f, const QString& stamm, Feldtyp typ) {
    for (int i = 1; i <= 5; ++i) {
        f.push_back({stamm + QString::number(i), typ});
    }
}

QString typText(Feldtyp typ) {
    switch (typ) {
        case Feldtyp::Text:
            return QStringLiteral("TEXT COLLATE NOCASE");
        case Feldtyp::Ganzzahl:
            return QStringLiteral("INTEGER DEFAULT 0");
        case Feldtyp::Zahl:
            return QStringLiteral("REAL DEFAULT 0");
        case Feldtyp::JaNein:
            return QStringLiteral("INTEGER NOT NULL DEFAULT 0");
    }
    return {};
}

std::vector<Feld> felderVon(const QString& tabelle) {
    if (tabelle == kAufgaben) {
        return aufgabenfelder();
    }
    if (tabelle == kThemen) {
        return {{kThemaI, Feldtyp::Ganzzahl}, {kThemaJ, Feldtyp::Ganzzahl},
                {kThemaK, Feldtyp::Ganzzahl}, {kHauptname, Feldtyp::Text},
                {kTeilname, Feldtyp::Text},   {kUntername, Feldtyp::Text}};
    }
    if (tabelle == kEinheiten) {
        return {{kEinheitenfeld, Feldtyp::Text}};
    }
    if (tabelle == kGrunddaten) {
        return {{kGrunddatenfeld, Feldtyp::Text}};
    }
    return {{kZugangsfeld, Feldtyp::Text}, {kHistorienfeld, Feldtyp::Text}};
}

void leereZeilen(Database& db, const QString& tabelle, int anzahl) {
    for (int i = 0; i < anzahl; ++i) {
        db.ausfuehrenNativ(
            QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(JetSql::name(tabelle)));
    }
}

}  // namespace

const std::vector<Feld>& aufgabenfelder() {
    static const std::vector<Feld> kFelder = [] {
        std::vector<Feld> f;
        feld(f, QStringLiteral("Aufgabe"), Feldtyp::Text);
        feld(f, QStringLiteral("freieantwort"), Feldtyp::Text);
        feld(f, QStringLiteral("Grundtyp"), Feldtyp::Ganzzahl);
        feld(f, QStringLiteral("Punkttyp"), Feldtyp::Ganzzahl);
        feld(f, QStringLiteral("Wertung"), Feldtyp::Ganzzahl);
        reihe(f, QStringLiteral("Wertung"), Feldtyp::Ganzzahl);
        reihe(f, QStringLiteral("Antwort"), Feldtyp::Text);
        reihe(f, QStringLiteral("Ergebnis"), Feldtyp::Zahl);
        reihe(f, QStringLiteral("OG"), Feldtyp::Text);
        reihe(f, QStringLiteral("UG"), Feldtyp::Text);
        feld(f, QStringLiteral("mark"), Feldtyp::JaNein);
        reihe(f, QStringLiteral("mark"), Feldtyp::Ganzzahl);
        feld(f, QStringLiteral("Antwortmerker"), Feldtyp::Text);
        feld(f, QStringLiteral("nutzung"), Feldtyp::Ganzzahl);
        feld(f, QStringLiteral("unrichtig"), Feldtyp::Ganzzahl);
        feld(f, QStringLiteral("Gebiet1"), Feldtyp::Ganzzahl);
        feld(f, QStringLiteral("Gebiet2"), Feldtyp::Ganzzahl);
        feld(f, QStringLiteral("Gebiet3"), Feldtyp::Ganzzahl);
        for (int i = 1; i <= 4; ++i) {
            feld(f, QStringLiteral("Stichwort%1").arg(i), Feldtyp::Text);
        }
        feld(f, QStringLiteral("Stufe"), Feldtyp::Ganzzahl);
        feld(f, QStringLiteral("Schwierigkeit"), Feldtyp::Ganzzahl);
        feld(f, QStringLiteral("Zeit"), Feldtyp::Zahl);
        feld(f, QStringLiteral("webtask"), Feldtyp::Zahl);
        feld(f, QStringLiteral("ID1"), Feldtyp::Zahl);
        for (const char* bild : {"Bild1", "Bild2", "Pausenbild"}) {
            const QString b = QString::fromLatin1(bild);
            feld(f, b, Feldtyp::Text);
            feld(f, b + QLatin1Char('w'), Feldtyp::Ganzzahl);
            feld(f, b + QLatin1Char('h'), Feldtyp::Ganzzahl);
        }
        for (const char* name : {"Wave", "Avi", "Hypertext", "Hypertextpfad", "Animation",
                                 "Animationspfad", "Loesung", "Parameter", "Notiz", "Schluessel"}) {
            feld(f, QString::fromLatin1(name), Feldtyp::Text);
        }
        return f;
    }();
    return kFelder;
}

QString tabelleAnlegenSql(const QString& tabelle) {
    QStringList spalten;
    for (const Feld& f : felderVon(tabelle)) {
        spalten << JetSql::name(f.name) + QLatin1Char(' ') + typText(f.typ);
    }
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(JetSql::name(tabelle), spalten.join(QStringLiteral(", ")));
}

void aufgabendatenbankAnlegen(Database& db) {
    Transaktion t(db);
    for (const QString& tabelle : {kAufgaben, kThemen, kEinheiten, kGrunddaten, kZugang}) {
        db.ausfuehrenNativ(tabelleAnlegenSql(tabelle));
    }
    // The keyword lists are built from DISTINCT queries at every opening; indexes spare the
    // sort of the whole table. Updates of other fields leave them untouched.
    for (int i = 1; i <= 4; ++i) {
        db.ausfuehrenNativ(
            QStringLiteral("CREATE INDEX \"stichwort%1\" ON \"01\" (Stichwort%1)").arg(i));
    }
    leereZeilen(db, kGrunddaten, kGrunddatenZeilen);
    leereZeilen(db, kZugang, kZugangZeilen);
    t.bestaetigen();
}

void pruefungsvorlageAnlegen(Database& db) {
    Transaktion t(db);
    db.ausfuehrenNativ(tabelleAnlegenSql(kAufgaben));
    db.ausfuehrenNativ(tabelleAnlegenSql(kZugang));
    leereZeilen(db, kZugang, kZugangZeilen);
    t.bestaetigen();
}

}  // namespace Schema
