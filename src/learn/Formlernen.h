#pragma once
// The learning window: works through a selection of tasks with immediate evaluation.
// Lernsitzung owns the connection, the recordset and the run's decisions; this window shows
// the current task through the shared Aufgabenansicht and forwards the learner's commands.

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <array>
#include <memory>

#include "learn/Lernsitzung.h"
#include "tasks/Anzeigeplan.h"

struct AppState;
class Dialoge;
class Zufall;
class Aufgabenansicht;
class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;
class QFrame;

class Formlernen : public QMainWindow {
    Q_OBJECT

public:
    Formlernen(AppState& st, Dialoge& dialoge, Zufall& zufall, QWidget* eltern = nullptr);
    ~Formlernen() override;

    // Loading: starts a learning run on the open database. False when it could not start.
    bool laden();
    // Activation as the active child window: log, lists and topic tree anew.
    void aktivieren();

    // Navigation buttons "<<", "<", "<>", ">", ">>".
    void bewegen(Bewegung k);
    void geheZu();
    void geheZuBezeichnung(const QString& bezeichnung);
    // "Select": shows the selector panel; "OK" and "Abbruch" of the panel.
    void selectZeigen();
    void auswahlOk();
    void auswahlAbbruch();
    void zoom(int prozent);
    void oeffnen();
    void bildZeigen(int nummer);  // 1, 2, 3; 0 for the pause picture
    // "Auswertung" of the current task.
    void auswerten();
    // Ticks or unticks multiple-choice answer i.
    void ankreuzen(int i);
    // Opens the formula calculator, for answer row `zeile` when `einsetzbar`.
    void rechnerZeigen(bool einsetzbar, int zeile);
    // A tool window hands back (f_toolergebnis).
    void toolergebnis(bool uebernehmen, const QString& formel, const QString& wert,
                      const QString& einheit);
    QLabel* loesung() const { return m_loesung; }
    QLabel* gesamtLabel() const { return m_gesamt; }
    QLabel* noteLabel() const { return m_note; }
    QWidget* rechner() const { return m_rechner; }

    Lernsitzung& sitzung() { return m_sitzung; }
    Aufgabenansicht* ansicht() const { return m_ansicht; }
    QPushButton* navigationsknopf(int k) const { return m_nav[static_cast<std::size_t>(k)]; }
    QPushButton* multimediaknopf(int k) const { return m_mm[static_cast<std::size_t>(k)]; }
    QPushButton* auswertungsknopf() const { return m_auswertung; }
    QFrame* selektor() const { return m_selektor; }
    QTreeWidget* baum() const { return m_baum; }
    QListWidget* stichworte() const { return m_stichworte; }
    QCheckBox* haken(int i) const { return m_haken[static_cast<std::size_t>(i)]; }
    QSpinBox* stufe(int i) const { return m_stufe[static_cast<std::size_t>(i)]; }
    QFrame* punkte() const { return m_punkte; }
    QAction* menue(const QString& objektname) const;
    const Anzeigeplan& plan() const { return m_plan; }

    // The selector's controls: tree node click, "Auswahl löschen", the modes.
    void knotenGeklickt(QTreeWidgetItem* item);
    void auswahlLoeschen();
    void modusBaum();
    void modusStichwort();
    void hakenGeklickt(int i);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void menuesAnlegen();
    void selektorAnlegen();
    void listenZeigen();
    void knopfleisteSetzen();
    // Display of the current task: plan, picture 1, multimedia bar.
    void anzeigen(bool tooltips);
    void merkerSpeichern();
    QString merkerText() const;
    void multimediaSetzen();
    void zeitZeigen();
    void log(const QString& ereignis);
    void antwortenEinrichten();
    int freieAuswertung(const Aufgabenzeile& z);
    void bewertung(const Aufgabenzeile& z, int punkte);

    AppState& m_st;
    Dialoge& m_dialoge;
    Zufall& m_zufall;
    Lernsitzung m_sitzung;
    Anzeigeplan m_plan;
    int m_zoom = 100;
    bool m_naturgroesse = false;
    int m_bildBreite = 0;
    int m_bildHoehe = 0;
    QPixmap m_pause;

    Aufgabenansicht* m_ansicht = nullptr;
    std::array<QPushButton*, 5> m_nav{};
    std::array<QPushButton*, 12> m_mm{};
    QPushButton* m_auswertung = nullptr;
    QPushButton* m_select = nullptr;
    QPushButton* m_geheZu = nullptr;
    QLabel* m_gesamt = nullptr;
    QLabel* m_maximal = nullptr;
    QLabel* m_note = nullptr;
    QLabel* m_zeit = nullptr;
    QFrame* m_punkte = nullptr;
    std::array<QLabel*, 6> m_wertung{};
    QLabel* m_punkttyp = nullptr;

    QFrame* m_selektor = nullptr;
    QTreeWidget* m_baum = nullptr;
    QListWidget* m_stichworte = nullptr;
    QListWidget* m_touren = nullptr;
    QFrame* m_filter = nullptr;
    std::array<QCheckBox*, 8> m_haken{};
    std::array<QSpinBox*, 2> m_stufe{};
    std::array<QLabel*, 2> m_stufenLabel{};
    QPushButton* m_statistikLoeschen = nullptr;
    class Antworteingabe* m_eingabe = nullptr;
    QLabel* m_loesung = nullptr;
    QPointer<QWidget> m_rechner;
};
