#include "tasks/Antworteingabe.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTextEdit>
#include <QTimer>

#include "app/AppState.h"
#include "tasks/Aufgabenansicht.h"
#include "ui/Dialoge.h"

namespace {
const QString kTitel = QStringLiteral("Elvaris");
}

Antworteingabe::Antworteingabe(Aufgabenansicht& ansicht, Fenster fenster, AppState& st,
                               Dialoge& dialoge, QObject* eltern)
    : QObject(eltern), m_ansicht(ansicht), m_fenster(fenster), m_st(st), m_dialoge(dialoge) {
    for (int i = 0; i < 5; ++i) {
        ansicht.wertBox(i)->installEventFilter(this);
        ansicht.textBox(i)->installEventFilter(this);
        ansicht.mcBox(i)->viewport()->installEventFilter(this);
    }
}

int Antworteingabe::zeileVon(QObject* o, bool& wert) const {
    for (int i = 0; i < 5; ++i) {
        if (o == m_ansicht.wertBox(i)) {
            wert = true;
            return i;
        }
        if (o == m_ansicht.textBox(i)) {
            wert = false;
            return i;
        }
    }
    return -1;
}

bool Antworteingabe::eventFilter(QObject* o, QEvent* e) {
    for (int i = 0; i < 5; ++i) {
        if (o == m_ansicht.mcBox(i)->viewport() && e->type() == QEvent::MouseButtonRelease) {
            if (mcGeklickt) {
                mcGeklickt(i);
            }
            return true;
        }
    }
    bool wert = false;
    const int zeile = zeileVon(o, wert);
    if (zeile < 0) {
        return QObject::eventFilter(o, e);
    }
    auto* box = static_cast<QLineEdit*>(o);
    switch (e->type()) {
        case QEvent::KeyPress: {
            auto* k = static_cast<QKeyEvent*>(e);
            const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
            if (enter) {
                // Enter moves on as Tab does (the exam windows keep it in free text rows).
                if (wert || m_st.flags.bo_matheaufgabe || m_fenster == Fenster::Lernen) {
                    box->nextInFocusChain()->setFocus(Qt::TabFocusReason);
                    return true;
                }
                return false;
            }
            if (k->key() == Qt::Key_Backspace || k->text().isEmpty() ||
                (k->modifiers() & Qt::ControlModifier)) {
                return false;
            }
            const QChar c = k->text().at(0);
            if (wert) {
                const QChar m = m_st.werteingabe.taste(c);
                if (!m.isNull()) {
                    box->insert(QString(m));
                }
                return true;
            }
            if (m_st.flags.bo_matheaufgabe && !f_einheitentaste(c)) {
                return true;
            }
            return false;
        }
        case QEvent::FocusOut: {
            if (wert) {
                bool fehler = false;
                box->setText(m_st.werteingabe.fokusVerloren(box->text(), fehler));
                if (fehler) {
                    m_dialoge.meldung(QStringLiteral("Falsches Zahlenformat"), kTitel);
                    if (m_fenster != Fenster::Lernen) {
                        QTimer::singleShot(0, box, [box] { box->setFocus(); });
                    }
                }
            } else if (m_st.flags.bo_matheaufgabe && m_pruefeEinheit &&
                       !f_einheitenprufung(box->text(), m_st.s_einheiten)) {
                // The box keeps its text and the focus until it holds a known unit.
                m_pruefeEinheit = false;
                m_dialoge.meldung(QStringLiteral("Diese Einheit ist unbekannt"), kTitel);
                QTimer::singleShot(0, box, [this, box] {
                    box->setFocus();
                    m_pruefeEinheit = true;
                });
            }
            return false;
        }
        case QEvent::MouseButtonPress: {
            auto* m = static_cast<QMouseEvent*>(e);
            if (m->button() != Qt::LeftButton &&
                ((wert && m_grundtyp == 2) || (!wert && m_grundtyp == 5)) && rechnerOeffnen) {
                rechnerOeffnen(zeile);
                return true;
            }
            return false;
        }
        default:
            return QObject::eventFilter(o, e);
    }
}
