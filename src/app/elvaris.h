#pragma once
// The main window `elvaris` and how the program hangs together.
//
// The main window owns the program-wide AppState and hands it, with the Dialoge service and
// the one Zufall source, to every window it opens. Windows decide nothing that the core can
// decide: they read their controls, call the core (elvaris_core: database procedures,
// scoring, statements, formula engine) and apply what comes back. Each task window keeps its
// own Database connection; the procedures that read the auxiliary tables open short-lived
// connections of their own on AppState::s_datenbank.
//
// Start-up: engine, colour table, working folder, drive scan for the data disc, sound check,
// local media folders. Opening a database: usage log, backup copy "sicherung.sss", keyword
// lists, topic tree, basic data, then the remaining menus are enabled.

#include <QMainWindow>
#include <functional>

#include "app/AppState.h"
#include "app/Datentraeger.h"
#include "tools/Farbtabelle.h"

class Dialoge;
class Zufall;
class QAction;
class QMdiArea;
class QLabel;
class Formlernen;
class QMdiSubWindow;

class elvaris : public QMainWindow {
    Q_OBJECT

public:
    // What the start-up asks of the machine; tests hand in their own.
    struct Umgebung {
        std::function<QList<Laufwerk>()> laufwerke;
        std::function<bool()> soundkarte;
    };
    static Umgebung echteUmgebung();

    elvaris(AppState& st, Dialoge& dialoge, Zufall& zufall, Umgebung umgebung,
            QWidget* eltern = nullptr);
    ~elvaris() override;

    // Start-up steps: flags, tables, working folder, drive scan, sound check, media folders.
    void starten(const QString& startpfad);
    // "&Öffnen": asks for a file, then opens it.
    void oeffnenBefehl();
    // Opening a database as one operation; false when a step failed (its message was shown).
    bool datenbankOeffnen(const QString& pfad);
    // "&Beenden": log "Logout total", then close.
    void beendenBefehl();

    enum class Menue { Oeffnen, Aktualisieren, Beenden, Pruefung, Lernen, Einstellungen, Hilfe };
    QAction* aktion(Menue m) const;
    const Farbtabelle& farbtabelle() const { return m_farbtabelle; }
    QMdiArea* mdi() const { return m_mdi; }
    // "&Lernen": shows the learning window loaded at the opening of the database.
    void lernenBefehl();
    Formlernen* lernfenster() const { return m_lernfenster; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void menuesAnlegen();
    void menuesSetzen();
    void statusZeigen();

    AppState& m_st;
    Dialoge& m_dialoge;
    Zufall& m_zufall;
    Umgebung m_umgebung;
    Farbtabelle m_farbtabelle{};
    bool m_datenbankOffen = false;

    QMdiArea* m_mdi = nullptr;
    Formlernen* m_lernfenster = nullptr;
    QMdiSubWindow* m_lernSub = nullptr;
    QMdiSubWindow* m_letzteAktive = nullptr;
    bool m_lernfensterLaedt = false;
    QLabel* m_status = nullptr;
    QAction* m_oeffnen = nullptr;
    QAction* m_aktualisieren = nullptr;
    QAction* m_beenden = nullptr;
    QAction* m_pruefung = nullptr;
    QAction* m_lernen = nullptr;
    QAction* m_einstellungen = nullptr;
    QAction* m_hilfe = nullptr;
};
