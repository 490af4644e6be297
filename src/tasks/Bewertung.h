#pragma once
// Scoring of one task: the evaluation rows, the four scoring procedures, the short-answer
// comparison with its phonetic key, the task maximum, the grade, and the texts the learning
// window and the exam windows show for an evaluated task. Line breaks in the texts are the
// single character 13, as the windows expect.

#include <QString>
#include <QStringList>
#include <array>

#include "tasks/Anzeigeplan.h"
#include "tasks/Aufgabenzeile.h"

class Formelcompclass;
struct Grunddaten;
struct Antwortboxen;

struct Bewertungszeilen {
    std::array<int, 5> i_zeilenwertung{};
    std::array<int, 5> i_zeilenmarke{};
    std::array<QString, 5> s_zeilenantwort;
    std::array<QString, 5> s_zeilensoll;
    std::array<QString, 5> s_zeilenwert;
    std::array<QString, 5> s_zeilenog;
    std::array<QString, 5> s_zeilenug;
};

// The rows as the learning window fills them from its boxes.
Bewertungszeilen f_zeilenLernen(const Aufgabenzeile& z, const Antwortboxen& b);
// The rows as the exam windows fill them from the row and its (unscrambled) answer marker.
Bewertungszeilen f_zeilenPruefung(const Aufgabenzeile& z, const QString& merker);

int f_mcpunkte(const Bewertungszeilen& r, int mode, int full);
int f_kurzantwortpunkte(const Bewertungszeilen& r, int mode, int full);
int f_mathepunkte(const Bewertungszeilen& r, const QStringList& s_einheiten, int mode, int full);
int f_formelpunkte(const Bewertungszeilen& r, Formelcompclass& o_formel, int mode, int full);

bool f_textvergleich(const QString& gegeben, const QString& alternative);
QString f_phonetik(const QString& text);

// A value in the value notation: real, cartesian «3+i4» or polar «10Ei30°». False when the
// text is not a number.
bool f_wertLesen(const QString& text, double& re, double& im);

// The points of a task by its type; free answers and information pages score 0 here.
int f_punkte(const Aufgabenzeile& z, const Bewertungszeilen& r, const QStringList& s_einheiten,
             Formelcompclass& o_formel);

// The maximum points of a task (f_PunkteJeFrage); the learning window counts the free answer.
int f_aufgabenmaximum(const Aufgabenzeile& z, Fenster fenster);

// The grade of the running totals.
int f_note(int gesamt, int maximal, const Grunddaten& g);

// The learning window's texts after "Auswertung".
struct Lernergebnis {
    QString m1;
    QString m2;
    QString liste;
    QString rahmen;  // the whole text of the evaluation panel
};
Lernergebnis f_lernergebnis(const Aufgabenzeile& z, const Anzeigeplan& plan, int punkte,
                            int maximum, int gesamt, int maximal, const Grunddaten& g);

// The exam windows' verdict of one task after the exam was evaluated.
QString f_pruefungsergebnis(const Aufgabenzeile& z, const Anzeigeplan& plan, const QString& merker,
                            int punkte, int maximum);

// Counters that run from 0 to 199 and then start again at 0.
int f_zaehlerWeiter(int wert);

// The self-assessment question of a free answer and the text of the answer box.
QString f_freieFrage(int punkte);
QString f_freieAntwortText(const QString& eigene, const QString& muster);
