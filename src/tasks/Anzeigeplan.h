#pragma once
// What a task window shows for one task: which answer area, which rows with which texts,
// limits and places, the question box height. The three task windows apply the same plan;
// the decisions live here so that they can be tested without a window.

#include <QString>
#include <array>

#include "tasks/Aufgabenzeile.h"

class Zufall;

// Task window codes.
enum class Fenster { Lernen = 1, Pruefung = 2, Schwer = 3 };

// The process-wide flags the display reads and writes.
struct Anzeigeflags {
    bool bo_matheaufgabe = false;
    bool bo_pruefungausgewertet = false;
    bool bo_mcfest = false;
    int b_datenbanktyp = 0;
};

struct Anzeigeplan {
    enum class Bereich { MC, Zeilen, Keiner };

    int typ = 4;
    Bereich bereich = Bereich::Keiner;
    int frageHoehe = 500;  // pixels
    QString ueberschrift;  // heading of the answer rows

    struct McZeile {
        bool sichtbar = false;
        int oben = 0;  // twips
        bool markiert = false;
    };
    std::array<McZeile, 5> mc;

    struct Zeile {
        bool textSichtbar = false;
        QString text;
        int maxLaenge = 15;
        int links = 0;   // twips
        int breite = 0;  // twips
        bool wertSichtbar = false;
        QString wert;
        QString tooltip;
    };
    std::array<Zeile, 5> zeilen;

    bool freiSichtbar = false;
    QString freiText;
    bool auswertungFreigeben = false;  // the free-answer display enables "Auswertung"
};

inline const QString kFreieAntwortVorgabe = QStringLiteral("Tragen Sie hier Ihre Antwort ein:");
inline constexpr unsigned int kMcMarkiert = 0xC0E0FF;  // BGR: RGB 255, 224, 192

// The plan for the current task. Updates bo_matheaufgabe as the display does; draws the
// multiple-choice shuffle from `zufall`.
Anzeigeplan f_anzeigeplan(const Aufgabenzeile& z, Fenster fenster, Anzeigeflags& flags,
                          Zufall& zufall);

// Tooltip of a formula row: "f(" and every variable name with a "," after it, then ")".
QString f_formeltipp(const QString& s_antwort);

// The pieces of an answer marker; missing pieces read as empty.
QString f_merkerStueck(const QString& merker, int index);
