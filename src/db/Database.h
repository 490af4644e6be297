#pragma once
// A task database, exam file or exam template: an SQLite file opened with the flags the caller
// asks for. Statements arrive in the Jet dialect and pass through JetSql before they run.
//
// Several Database objects may be open on one file within the process (the learning window
// keeps its own connection while the basic-data procedures open theirs); the exclusive flag is
// therefore recorded but only keeps other processes out while a write is under way.

#include <QHash>
#include <QString>
#include <QVariant>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;
class Recordset;

class Database {
public:
    enum class Zugriff { Gemeinsam, Exklusiv };
    enum class Modus { Schreiben, NurLesen };

    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing database file. A missing file is never created; a file that is not
    // a database is refused before anything touches it. Throws Fehler.
    static std::unique_ptr<Database> oeffnen(const QString& pfad,
                                             Zugriff zugriff = Zugriff::Gemeinsam,
                                             Modus modus = Modus::Schreiben);
    // Creates a new, empty database file (the file must not exist yet). Throws Fehler.
    static std::unique_ptr<Database> anlegen(const QString& pfad);

    // True when the file starts like an SQLite database.
    static bool istDatenbankdatei(const QString& pfad);

    const QString& pfad() const { return m_pfad; }
    bool nurLesen() const { return m_modus == Modus::NurLesen; }

    // Runs one Jet statement (UPDATE, DROP TABLE, SELECT ... INTO). Returns the rows changed.
    int ausfuehren(const QString& jet);
    // Runs native SQLite text; for schema creation and the tools, never for user input.
    void ausfuehrenNativ(const QString& sql);

    enum class Art { Dynaset, Snapshot };
    // A table name or a Jet SELECT statement.
    std::unique_ptr<Recordset> oeffneRecordset(const QString& quelle, Art art);

    bool hatTabelle(const QString& tabelle);

    // Groups many writes into one transaction; nests by counting.
    void beginnen();
    void bestaetigen();
    void verwerfen();

    sqlite3* handle() const { return m_db; }
    // A prepared statement for native SQL, kept for reuse; nullptr when the cached one is in use.
    sqlite3_stmt* vorbereitet(const QString& sql);
    // Throws Fehler with a German text for an SQLite result code.
    [[noreturn]] void fehler(const QString& was) const;

private:
    Database(QString pfad, Modus modus, sqlite3* db);
    void selectInto(const QString& quellSql, const QString& quellTabelle, const QString& zielDatei,
                    const QString& zielTabelle);

    QString m_pfad;
    Modus m_modus;
    sqlite3* m_db = nullptr;
    int m_transaktionen = 0;
    QHash<QString, sqlite3_stmt*> m_vorbereitet;
};

// Commits on bestaetigen(), rolls back when left without.
class Transaktion {
public:
    explicit Transaktion(Database& db) : m_db(db) { m_db.beginnen(); }
    ~Transaktion() {
        if (!m_fertig) {
            m_db.verwerfen();
        }
    }
    void bestaetigen() {
        m_db.bestaetigen();
        m_fertig = true;
    }
    Transaktion(const Transaktion&) = delete;
    Transaktion& operator=(const Transaktion&) = delete;

private:
    Database& m_db;
    bool m_fertig = false;
};
