#pragma once
// The program speaks the Jet dialect (table names such as 01 and stru-01, [bracketed] names,
// true/false, SELECT ... INTO <file>.<table>). This translator turns exactly the statement
// forms the program uses into SQLite and rejects everything else with a Fehler, so that a
// malformed or foreign statement reaches the caller's failure path and never the database.

#include <QString>

namespace JetSql {

struct Anweisung {
    enum class Art { Abfrage, Aenderung, SelectInto, DropTable };
    Art art = Art::Abfrage;
    QString sql;  // SQLite text
    // Abfrage on one table as "SELECT * FROM t ...": the statement that lists its row ids
    // in the statement's order (a dynaset's key set). Empty for other queries.
    QString schluesselSql;
    QString tabelle;      // the table read (single-table queries, UPDATE, DROP, SELECT INTO source)
    QString zielDatei;    // SelectInto: the target database file
    QString zielTabelle;  // SelectInto: the target table
};

// Translates one statement; throws Fehler for anything outside the known forms.
Anweisung uebersetzen(const QString& jet);

// A table name or a statement, as a recordset is opened from either.
bool istTabellenname(const QString& quelle);

// A find criterion such as "[Aufgabe] <>'' " or "[freieantwort] >= 'A1'".
struct Kriterium {
    QString feld;
    QString op;  // = <> < > <= >=
    QString wert;
};
Kriterium kriterium(const QString& text);

// Quotes user text as a Jet/SQLite text literal, doubling every apostrophe.
QString textLiteral(const QString& text);
// Quotes a table or field name for SQLite.
QString name(const QString& bezeichner);

}  // namespace JetSql
