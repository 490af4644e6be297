#pragma once
// A learning run on the open database: the learning window's own connection, its task
// recordset, the selection, navigation and "Gehe zu". The window shows what this decides.

#include <QString>
#include <memory>

#include "learn/Auswahl.h"
#include "learn/Lernregeln.h"
#include "tasks/Aufgabenzeile.h"

struct AppState;
class Zufall;
class Database;
class Recordset;

class Lernsitzung {
public:
    Lernsitzung(AppState& st, Zufall& zufall);
    ~Lernsitzung();

    // Starts a run on AppState::s_datenbank with the current s_auswahlsql: resets the per-run
    // state of every row and moves to the first task. Throws Fehler.
    void f_start();

    enum class Auswahl { Gefunden, Leer };
    // Opens a selection statement as the task recordset. Leer: no task with a question; the
    // whole table becomes the recordset and s_auswahlsql "01". Throws Fehler when the
    // statement cannot be opened (the previous recordset stays).
    Auswahl auswahlOeffnen(const QString& sql);

    // Moves by a navigation button; false when the move failed and the first task is current.
    bool bewegen(Bewegung k);
    // The first task whose designation sorts at or after `text`; false when there is none.
    // When found, `merker` is stored as the answer marker of the task left.
    // Throws Fehler on a failure of the search.
    bool geheZu(const QString& text, const QString& merker);

    bool hatAufgabe() const;
    Aufgabenzeile aktuell() const;
    int zeile() const;
    int anzahl() const;
    const Knoepfe& knoepfe() const { return m_knoepfe; }

    // Writes the answer marker of the current task (plain text in the learning window).
    void antwortmerkerSpeichern(const QString& merker);
    // Ticks (1) or unticks (0) multiple-choice answer i (0..4) of the current task.
    void markeSetzen(int i, int wert);
    // The current task counts as evaluated in this run.
    void alsAusgewertet();
    // After an evaluation: nutzung one up, unrichtig one up when the points fell short.
    void zaehlerWeiter(bool unrichtig);

    Auswahlmodus& modus() { return m_modus; }
    Auswahlfilter& filter() { return m_filter; }
    Database* datenbank() const { return m_db.get(); }
    Recordset* aufgaben() const { return m_rs.get(); }

    int i_maximalpunkte = 0;
    int i_gesamtpunkte = 0;

private:
    AppState& m_st;
    Zufall& m_zufall;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<Recordset> m_rs;
    Knoepfe m_knoepfe{};
    Auswahlmodus m_modus;
    Auswahlfilter m_filter;
};
