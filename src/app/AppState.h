#pragma once
// The program-wide values: working folder, open database, current selection, basic data,
// topic arrays, unit groups and the lists of the selector. One instance, owned by the main
// window and handed by reference to whoever needs it.

#include <QString>
#include <QStringList>
#include <array>
#include <memory>

#include "db/Themenbaum.h"
#include "formula/Formelcompclass.h"
#include "tasks/Anzeigeplan.h"
#include "tasks/Werteingabe.h"

// The basic data of a task database and the media folders (local and data disc).
struct Grunddaten {
    static constexpr std::array<int, 6> kNotenVorgabe = {95, 85, 75, 60, 55, 40};

    QString s_fach;
    // Slot k is the lowest percentage for grade k + 1.
    std::array<int, 6> i_notengrenze = kNotenVorgabe;
    std::array<int, 6> i_notengrenze2 = kNotenVorgabe;
    QString s_titel;
    QString s_kennung2;
    QString s_cdbilder, s_pfadbilder;
    QString s_cdton, s_pfadton;
    QString s_cdvideo, s_pfadvideo;
    QString s_cdanimation, s_pfadanimation;
    QString s_cdhtml, s_pfadhtml;
    QString s_pfaddateien;
    QString s_anrede, s_name, s_vorname, s_geburtsdatum;
    QString s_hilfedatei;
    QString s_formelsammlung;
    QString s_passwort = QStringLiteral("tolk");
    int b_datenbanktyp = 0;
    int b_letztenote = 0;
    int maxBildBreite = 0;
    int maxBildHoehe = 0;
};

struct AppState {
    static inline const QString kStandardauswahl =
        QStringLiteral("SELECT * FROM 01 ORDER BY webtask");

    QString s_startpfad;
    QString s_datenbank;
    QString s_auswahlsql = kStandardauswahl;
    int i_aufgabenzahl = 0;
    bool bo_mcfest = false;
    int i_rechnerliste = 20;

    Grunddaten grunddaten;

    // The one formula engine, created at start-up and released when the main window closes.
    std::unique_ptr<Formelcompclass> o_formel;

    // Topic names by slot; a name beginning with "*" marks an unused slot.
    std::array<QString, 10> s_hauptgebiet;
    std::array<std::array<QString, 10>, 10> s_teilgebiet;
    std::array<std::array<std::array<QString, 10>, 10>, 10> s_untergebiet;
    // Unit groups 0..n-1 followed by one empty slot n.
    QStringList s_einheiten;

    // Display flags shared by the task windows, and the tool hand-back codes.
    Anzeigeflags flags;
    int b_aufrufer = 0;
    int b_aktivezeile = 0;
    bool bo_einsetzbar = false;
    // The last key and the comma flag of the value box typed in last, in any window.
    Werteingabe werteingabe;

    Themenbaum themenbaum;
    QStringList stichwortliste;  // sorted, first entry "ALLE" (or " " before renewal)
    QStringList tourliste;
};
