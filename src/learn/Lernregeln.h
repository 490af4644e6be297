#pragma once
// Small decisions of the learning window: navigation buttons, the random row, picture sizes,
// the multimedia bar and the answer marker.

#include <QString>
#include <QStringList>
#include <array>

#include "tasks/Aufgabenzeile.h"

class Zufall;

// CommandMove(0..4): "<<", "<", "<>", ">", ">>".
enum class Bewegung { Erste = 0, Zurueck = 1, Zufaellig = 2, Vor = 3, Letzte = 4 };
using Knoepfe = std::array<bool, 5>;

// The row after a move (0-based). "<>" picks uniformly from 0 to anzahl - 1.
int f_zielzeile(Bewegung k, int zeile, int anzahl, Zufall& zufall);
// Button states after a move to `zeile`, starting from the previous states.
void f_knoepfeNachBewegung(Knoepfe& aktiv, Bewegung k, int zeile, int anzahl);
// Button states after a selection with `anzahl` tasks: all enabled from two tasks on.
Knoepfe f_knoepfeNachAuswahl(int anzahl);

// Picture frame and image in pixels: the stored size, or fitted into 800 x 600.
struct Bildgeometrie {
    int rahmenBreite = 0;
    int rahmenHoehe = 0;
    int bildBreite = 0;
    int bildHoehe = 0;
    int bildOben = 0;
    int bildLinks = 0;
};
Bildgeometrie f_bildgroesse(int breite, int hoehe, bool natur, int maxBreite = 800,
                            int maxHoehe = 600);

// The multimedia bar Commandmultimedia(0..11) for one task.
struct Multimediaplan {
    std::array<bool, 12> aktiv{};
    std::array<bool, 12> aktivSetzen{};  // false: leave as it was
    std::array<bool, 12> sichtbar{};
    std::array<bool, 12> sichtbarSetzen{};  // false: leave as it was
    bool bildDruckenAktiv = false;
};
Multimediaplan f_multimediaplan(const Aufgabenzeile& z, bool nochZuBeantworten);
inline const std::array<const char*, 12> kMultimediaTitel = {
    "Bild 1", "Bild 2", "Bild 3", "Ton",   "Video", "HTML",
    "Ani",    "CAD",    "Tip",    "Notiz", "URL",   "Formeln"};

// The answer marker of a task from the answer boxes (plain; exam windows scramble it).
struct Antwortboxen {
    std::array<QString, 5> texte;  // TextMatheEinheit(0..4)
    std::array<QString, 5> werte;  // Textboxmathewert(0..4)
    QString frei;                  // TextFreieAntwort
};
QString f_antwortmerkerText(const Aufgabenzeile& z, const Antwortboxen& b);
