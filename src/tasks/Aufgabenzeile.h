#pragma once
// The fields of one task row that the task windows show and score, read once per display.

#include <QString>
#include <array>

class Recordset;

struct Aufgabenzeile {
    int grundtyp = 4;
    int punkttyp = 0;
    int wertung = 0;
    QString aufgabe;
    QString freieantwort;
    std::array<QString, 5> antwort;
    std::array<int, 5> wertungen{};
    std::array<double, 5> ergebnis{};
    std::array<QString, 5> og, ug;
    bool mark = false;
    std::array<int, 5> marks{};
    QString antwortmerker;
    int zeit = 0;
    std::array<QString, 3> bild;  // Bild1, Bild2, Pausenbild
    std::array<int, 3> bildBreite{};
    std::array<int, 3> bildHoehe{};
    QString wave, avi, hypertext, hypertextpfad, animation, animationspfad, loesung, parameter,
        notiz, schluessel;

    // Reads the current row; throws Fehler when there is none.
    static Aufgabenzeile lesen(const Recordset& rs);
};
