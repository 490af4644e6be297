#pragma once
// A task database as readable JSON, for authors and for the demo and test fixtures.
// Texts in the JSON are plain; scrambling happens on the way into the database and is undone
// on the way out, so build -> dump -> build gives the same database.

#include <QJsonObject>
#include <QString>

// Builds a new task database file from a JSON source. The file is written beside the target
// and renamed over it only when complete. Throws Fehler with the place of a fault.
void f_datenbankBauen(const QJsonObject& quelle, const QString& ziel);
// Writes an empty exam template (table 01 and the access table), replacing the target whole.
void f_pruefungsvorlageBauen(const QString& ziel);
// Reads a task database back into the JSON form. Throws Fehler.
QJsonObject f_datenbankAuslesen(const QString& pfad);

// Reads and parses a JSON file; throws Fehler with line and column of a syntax error.
QJsonObject f_jsonLesen(const QString& datei);
