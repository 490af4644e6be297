#include "db/Database.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "db/Fehler.h"
#include "db/JetSql.h"
#include "db/Recordset.h"

namespace {

QString nativ(const QString& pfad) {
    return QDir::toNativeSeparators(pfad);
}

// Runs a statement without result rows; throws with the database's message on failure.
void einfach(const Database& db, const QString& sql) {
    char* meldung = nullptr;
    const QByteArray u = sql.toUtf8();
    if (sqlite3_exec(db.handle(), u.constData(), nullptr, nullptr, &meldung) != SQLITE_OK) {
        sqlite3_free(meldung);
        db.fehler(sql);
    }
}

}  // namespace

Database::Database(QString pfad, Modus modus, sqlite3* db)
    : m_pfad(std::move(pfad)), m_modus(modus), m_db(db) {}

Database::~Database() {
    for (sqlite3_stmt* st : std::as_const(m_vorbereitet)) {
        sqlite3_finalize(st);
    }
    if (m_db != nullptr) {
        if (m_transaktionen > 0) {
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        }
        sqlite3_close_v2(m_db);
    }
}

bool Database::istDatenbankdatei(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray kopf = f.read(16);
    return kopf == QByteArray("SQLite format 3\0", 16);
}

std::unique_ptr<Database> Database::oeffnen(const QString& pfad, Zugriff zugriff, Modus modus) {
    const QFileInfo info(pfad);
    if (pfad.isEmpty() || !info.exists()) {
        throw Fehler(QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(nativ(pfad)));
    }
    if (!info.isFile() || !istDatenbankdatei(pfad)) {
        throw Fehler(QStringLiteral("Die Datei %1 ist keine Elvaris-Datenbank.").arg(nativ(pfad)));
    }
    sqlite3* db = nullptr;
    const int flags = (modus == Modus::NurLesen ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) |
                      SQLITE_OPEN_NOMUTEX;
    const QByteArray u = pfad.toUtf8();
    if (sqlite3_open_v2(u.constData(), &db, flags, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        throw Fehler(
            QStringLiteral("Die Datenbank %1 kann nicht geöffnet werden.").arg(nativ(pfad)));
    }
    sqlite3_busy_timeout(db, 3000);
    sqlite3_extended_result_codes(db, 1);
    std::unique_ptr<Database> d(new Database(pfad, modus, db));
    Q_UNUSED(zugriff);
    // Reading the schema proves the file is a healthy database before anyone relies on it.
    einfach(*d, QStringLiteral("SELECT count(*) FROM sqlite_master"));
    return d;
}

std::unique_ptr<Database> Database::anlegen(const QString& pfad) {
    if (QFileInfo::exists(pfad)) {
        throw Fehler(QStringLiteral("Die Datei %1 gibt es schon.").arg(nativ(pfad)));
    }
    sqlite3* db = nullptr;
    const QByteArray u = pfad.toUtf8();
    if (sqlite3_open_v2(u.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        sqlite3_close_v2(db);
        throw Fehler(QStringLiteral("Die Datei %1 kann nicht angelegt werden.").arg(nativ(pfad)));
    }
    sqlite3_busy_timeout(db, 3000);
    // Larger pages make the whole-table updates of every opening cheaper.
    sqlite3_exec(db, "PRAGMA page_size = 16384", nullptr, nullptr, nullptr);
    return std::unique_ptr<Database>(new Database(pfad, Modus::Schreiben, db));
}

void Database::fehler(const QString& was) const {
    const int code = sqlite3_errcode(m_db) & 0xFF;
    const QString text = QString::fromUtf8(sqlite3_errmsg(m_db));
    QString meldung;
    if (text.startsWith(QLatin1String("no such table: "))) {
        meldung = QStringLiteral("Die Tabelle %1 fehlt in der Datenbank %2.")
                      .arg(text.mid(15), nativ(m_pfad));
    } else if (text.startsWith(QLatin1String("no such column: "))) {
        meldung = QStringLiteral("Das Feld %1 fehlt in der Datenbank %2.")
                      .arg(text.mid(16), nativ(m_pfad));
    } else if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT) {
        meldung = QStringLiteral("Die Datei %1 ist keine Elvaris-Datenbank oder beschädigt.")
                      .arg(nativ(m_pfad));
    } else if (code == SQLITE_READONLY) {
        meldung = QStringLiteral("Die Datenbank %1 ist schreibgeschützt.").arg(nativ(m_pfad));
    } else if (code == SQLITE_BUSY || code == SQLITE_LOCKED) {
        meldung =
            QStringLiteral("Die Datenbank %1 wird gerade anderweitig benutzt.").arg(nativ(m_pfad));
    } else if (code == SQLITE_FULL || code == SQLITE_IOERR) {
        meldung =
            QStringLiteral("Die Datenbank %1 kann nicht geschrieben werden.").arg(nativ(m_pfad));
    } else {
        meldung = QStringLiteral("Datenbankfehler in %1: %2").arg(nativ(m_pfad), text);
    }
    Q_UNUSED(was);
    throw Fehler(meldung);
}

sqlite3_stmt* Database::vorbereitet(const QString& sql) {
    const auto it = m_vorbereitet.constFind(sql);
    if (it != m_vorbereitet.constEnd()) {
        return sqlite3_stmt_busy(it.value()) ? nullptr : it.value();
    }
    sqlite3_stmt* st = nullptr;
    const QByteArray u = sql.toUtf8();
    if (sqlite3_prepare_v3(m_db, u.constData(), static_cast<int>(u.size()),
                           SQLITE_PREPARE_PERSISTENT, &st, nullptr) != SQLITE_OK) {
        fehler(sql);
    }
    m_vorbereitet.insert(sql, st);
    return st;
}

void Database::ausfuehrenNativ(const QString& sql) {
    einfach(*this, sql);
}

int Database::ausfuehren(const QString& jet) {
    const JetSql::Anweisung a = JetSql::uebersetzen(jet);
    switch (a.art) {
        case JetSql::Anweisung::Art::Abfrage:
            throw Fehler(
                QStringLiteral("Eine Abfrage liefert Datensätze und wird nicht ausgeführt: %1")
                    .arg(jet.simplified()));
        case JetSql::Anweisung::Art::SelectInto: {
            const int vorher = sqlite3_total_changes(m_db);
            selectInto(a.sql, a.tabelle, a.zielDatei, a.zielTabelle);
            return sqlite3_total_changes(m_db) - vorher;
        }
        case JetSql::Anweisung::Art::DropTable:
            if (!hatTabelle(a.tabelle)) {
                throw Fehler(QStringLiteral("Die Tabelle %1 fehlt in der Datenbank %2.")
                                 .arg(a.tabelle, nativ(m_pfad)));
            }
            einfach(*this, a.sql);
            return 0;
        case JetSql::Anweisung::Art::Aenderung: {
            // Many rows change at once: one transaction, so a failure leaves all of them.
            Transaktion t(*this);
            einfach(*this, a.sql);
            const int n = sqlite3_changes(m_db);
            t.bestaetigen();
            return n;
        }
    }
    return 0;
}

void Database::selectInto(const QString& quellSql, const QString& quellTabelle,
                          const QString& zielDatei, const QString& zielTabelle) {
    if (!QFileInfo::exists(zielDatei) || !istDatenbankdatei(zielDatei)) {
        throw Fehler(QStringLiteral("Die Zieldatenbank %1 fehlt oder ist keine Elvaris-Datenbank.")
                         .arg(nativ(zielDatei)));
    }
    // The copy gets the source table's own definition, so types and collation stay.
    sqlite3_stmt* st = nullptr;
    QString definition;
    if (sqlite3_prepare_v2(m_db,
                           "SELECT sql FROM main.sqlite_master WHERE type='table' AND name=? "
                           "COLLATE NOCASE",
                           -1, &st, nullptr) != SQLITE_OK) {
        fehler(quellSql);
    }
    const QByteArray qt = quellTabelle.toUtf8();
    sqlite3_bind_text(st, 1, qt.constData(), static_cast<int>(qt.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(st) == SQLITE_ROW) {
        definition = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    }
    sqlite3_finalize(st);
    const qsizetype klammer = definition.indexOf(QLatin1Char('('));
    if (klammer < 0) {
        throw Fehler(QStringLiteral("Die Tabelle %1 fehlt in der Datenbank %2.")
                         .arg(quellTabelle, nativ(m_pfad)));
    }

    einfach(*this,
            QStringLiteral("ATTACH DATABASE %1 AS ziel").arg(JetSql::textLiteral(zielDatei)));
    try {
        Transaktion t(*this);
        einfach(*this, QStringLiteral("CREATE TABLE ziel.%1 %2")
                           .arg(JetSql::name(zielTabelle), definition.mid(klammer)));
        einfach(*this,
                QStringLiteral("INSERT INTO ziel.%1 %2").arg(JetSql::name(zielTabelle), quellSql));
        t.bestaetigen();
    } catch (...) {
        sqlite3_exec(m_db, "DETACH DATABASE ziel", nullptr, nullptr, nullptr);
        throw;
    }
    einfach(*this, QStringLiteral("DETACH DATABASE ziel"));
}

bool Database::hatTabelle(const QString& tabelle) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(m_db,
                           "SELECT 1 FROM sqlite_master WHERE type='table' AND name=? COLLATE "
                           "NOCASE",
                           -1, &st, nullptr) != SQLITE_OK) {
        fehler(QStringLiteral("sqlite_master"));
    }
    const QByteArray u = tabelle.toUtf8();
    sqlite3_bind_text(st, 1, u.constData(), static_cast<int>(u.size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(st);
    sqlite3_finalize(st);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        fehler(QStringLiteral("sqlite_master"));
    }
    return rc == SQLITE_ROW;
}

std::unique_ptr<Recordset> Database::oeffneRecordset(const QString& quelle, Art art) {
    QString sql;
    QString schluessel;
    QString tabelle;
    if (JetSql::istTabellenname(quelle)) {
        tabelle = quelle.trimmed();
        if (!hatTabelle(tabelle)) {
            throw Fehler(QStringLiteral("Die Tabelle %1 fehlt in der Datenbank %2.")
                             .arg(tabelle, nativ(m_pfad)));
        }
        sql = QStringLiteral("SELECT * FROM %1").arg(JetSql::name(tabelle));
        schluessel =
            QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid").arg(JetSql::name(tabelle));
    } else {
        const JetSql::Anweisung a = JetSql::uebersetzen(quelle);
        if (a.art != JetSql::Anweisung::Art::Abfrage) {
            throw Fehler(QStringLiteral("Diese Anweisung liefert keine Datensätze: %1")
                             .arg(quelle.simplified()));
        }
        sql = a.sql;
        schluessel = a.schluesselSql;
        tabelle = a.tabelle;
    }
    std::unique_ptr<Recordset> rs(new Recordset(
        *this, art == Art::Dynaset ? Recordset::Art::Dynaset : Recordset::Art::Snapshot, tabelle));
    if (art == Art::Dynaset) {
        if (schluessel.isEmpty()) {
            throw Fehler(QStringLiteral("Diese Abfrage kann nicht bearbeitet werden: %1")
                             .arg(quelle.simplified()));
        }
        rs->ladeSchluessel(schluessel);
    } else {
        rs->ladeSnapshot(sql);
    }
    return rs;
}

void Database::beginnen() {
    if (m_transaktionen++ == 0) {
        einfach(*this, QStringLiteral("BEGIN IMMEDIATE"));
    }
}

void Database::bestaetigen() {
    if (m_transaktionen > 0 && --m_transaktionen == 0) {
        einfach(*this, QStringLiteral("COMMIT"));
    }
}

void Database::verwerfen() {
    if (m_transaktionen > 0 && --m_transaktionen == 0) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}
