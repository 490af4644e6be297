#pragma once
// Answer entry in a task view: the key filters and checks of the value and unit boxes, the
// ticking of multiple-choice answers and the right mouse button that hands a row to the
// formula calculator. One implementation for the three task windows, told its window.

#include <QObject>
#include <functional>

#include "tasks/Anzeigeplan.h"

struct AppState;
class Dialoge;
class Aufgabenansicht;

class Antworteingabe : public QObject {
    Q_OBJECT

public:
    Antworteingabe(Aufgabenansicht& ansicht, Fenster fenster, AppState& st, Dialoge& dialoge,
                   QObject* eltern = nullptr);

    // The task type shown now (decides where the right mouse button opens the calculator).
    void setGrundtyp(int typ) { m_grundtyp = typ; }
    // Called with the answer index when a multiple-choice box is clicked.
    std::function<void(int)> mcGeklickt;
    // Called with the row when the calculator is to be opened for it.
    std::function<void(int)> rechnerOeffnen;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    int zeileVon(QObject* o, bool& wert) const;

    Aufgabenansicht& m_ansicht;
    Fenster m_fenster;
    AppState& m_st;
    Dialoge& m_dialoge;
    int m_grundtyp = 4;
    bool m_pruefeEinheit = true;
};
