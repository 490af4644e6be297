#pragma once
// The recordset operations the program relies on. A dynaset is the key set of row ids in the
// statement's order; its current row is read fresh on every move, so it sees what other
// recordsets changed, and it can be edited. A snapshot holds copied rows and is read-only.
//
// Positions follow the classic model: bof()/eof() are true before the first and after the
// last row; an empty recordset has both.

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

class Database;
struct sqlite3_stmt;

class Recordset {
public:
    enum class Art { Dynaset, Snapshot };

    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    Art art() const { return m_art; }
    int recordCount() const { return static_cast<int>(m_anzahl()); }
    bool bof() const { return m_pos < 0 || m_anzahl() == 0; }
    bool eof() const { return m_pos >= static_cast<qsizetype>(m_anzahl()) || m_anzahl() == 0; }
    // 0-based position of the current row, -1 when there is none.
    int absolutePosition() const { return (bof() || eof()) ? -1 : static_cast<int>(m_pos); }

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    // Moves to a 0-based position; outside the rows it ends at bof or eof.
    void moveTo(int position);

    // Finds the first row that meets a criterion such as "[Aufgabe] <>'' " and makes it
    // current; returns false (noMatch) and keeps the position when there is none.
    bool findFirst(const QString& kriterium);

    QStringList feldnamen() const { return m_felder; }
    bool hatFeld(const QString& feld) const;
    // The value of a field of the current row, by case-insensitive name. Throws Fehler for an
    // unknown field or when there is no current row.
    QVariant feld(const QString& feld) const;
    QString text(const QString& name) const { return feld(name).toString(); }

    // Dynasets only: edit() / addNew(), then setFeld(), then update() writes the row.
    void edit();
    void addNew();
    void setFeld(const QString& feld, const QVariant& wert);
    void update();
    void cancelUpdate();
    // Deletes the current row. It leaves the key set at once; until the next move there is no
    // current row, and moveNext() then lands on the row after it.
    void deleteRow();

private:
    friend class Database;
    Recordset(Database& db, Art art, QString tabelle);
    void ladeSnapshot(const QString& sql);
    void ladeSchluessel(const QString& schluesselSql);
    void leseAktuelleZeile();
    int feldIndex(const QString& feld) const;
    std::size_t m_anzahl() const { return m_art == Art::Dynaset ? m_ids.size() : m_zeilen.size(); }

    Database& m_db;
    Art m_art;
    QString m_tabelle;
    QStringList m_felder;
    QStringList m_sqlNamen;  // the field names quoted for SQLite, same order
    QString m_sqlTabelle;
    QHash<QString, int> m_index;  // lower-case name -> column

    qsizetype m_pos = -1;
    std::vector<std::vector<QVariant>> m_zeilen;  // snapshot rows
    std::vector<qint64> m_ids;                    // dynaset key set
    std::vector<QVariant> m_aktuell;              // dynaset: current row as last read
    bool m_aktuellGelesen = false;
    // The current row was deleted: m_pos already names the row after it.
    bool m_geloescht = false;

    enum class Bearbeitung { Keine, Aendern, Neu };
    Bearbeitung m_bearbeitung = Bearbeitung::Keine;
    std::vector<QVariant> m_puffer;
    std::vector<bool> m_geaendert;
};
