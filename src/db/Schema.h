#pragma once
// Tables and fields of task databases and of the exam template. The odd field names of the
// auxiliary tables are part of the file format and stay exactly as they are.

#include <QString>
#include <vector>

class Database;

namespace Schema {

enum class Feldtyp { Text, Ganzzahl, Zahl, JaNein };

struct Feld {
    QString name;
    Feldtyp typ;
};

// Every field of the task table 01, in table order.
const std::vector<Feld>& aufgabenfelder();

inline const QString kAufgaben = QStringLiteral("01");
inline const QString kThemen = QStringLiteral("stru1-02");
inline const QString kEinheiten = QStringLiteral("stru1-1");
inline const QString kGrunddaten = QStringLiteral("stru-01");
inline const QString kZugang = QStringLiteral("Stru-4-1");

// stru1-02: indexes i, j, k and the three (scrambled) names.
inline const QString kThemaI = QStringLiteral("&12-8%");
inline const QString kThemaJ = QStringLiteral("))67-");
inline const QString kThemaK = QStringLiteral("-j56");
inline const QString kHauptname = QStringLiteral("$t%");
inline const QString kTeilname = QStringLiteral("77{");
inline const QString kUntername = QStringLiteral("&%-88");
// stru1-1: one unit group per row.
inline const QString kEinheitenfeld = QStringLiteral("199%µ9");
// stru-01: one value per row.
inline const QString kGrunddatenfeld = QStringLiteral("%%&12");
// Stru-4-1: access record by row position, result history in the first row.
inline const QString kZugangsfeld = QStringLiteral("gh%-(((fg");
inline const QString kHistorienfeld = QStringLiteral("27rh");

// Rows the basic-data and access tables must have at least.
constexpr int kGrunddatenZeilen = 33;
constexpr int kZugangZeilen = 20;

QString tabelleAnlegenSql(const QString& tabelle);

// A new task database: table 01 and the four auxiliary tables, the fixed rows added.
void aufgabendatenbankAnlegen(Database& db);
// The exam template: table 01 and "stru-4-1" with its rows.
void pruefungsvorlageAnlegen(Database& db);

}  // namespace Schema
