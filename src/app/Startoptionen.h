#pragma once
// The command line: elvaris [DATENBANK.ssw] [--arbeitsordner DIR] [--screenshot DATEI.png]

#include <QString>
#include <QStringList>
#include <optional>

struct Startoptionen {
    QString datenbank;      // absolute, or empty
    QString arbeitsordner;  // absolute, or empty for the current folder
    QString screenshot;     // PNG to write, or empty
    QString aufgabe;        // learning window: go to this task designation
    int zoom = 100;         // learning window: zoom of the question box
};

// Parses the arguments (without the program name); relative paths are taken from `basis`.
// On a fault, `fehler` says what is wrong and nullopt comes back.
std::optional<Startoptionen> f_startoptionen(const QStringList& argumente, const QString& basis,
                                             QString& fehler);
QString f_startoptionenHilfe();
