// Answering in the learning window: ticking, the formula calculator for a row, "Auswertung"
// with its evaluation panel, and the hand-back of a tool result.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "app/AppState.h"
#include "db/Fehler.h"
#include "formula/Formrechner.h"
#include "learn/Formlernen.h"
#include "tasks/Antworteingabe.h"
#include "tasks/Aufgabenansicht.h"
#include "tasks/Bewertung.h"
#include "ui/Dialoge.h"

namespace {
const QString kTitel = QStringLiteral("Elvaris");

QString mitUmbruechen(QString text) {
    return text.replace(QChar(13), QLatin1Char('\n'));
}
}  // namespace

void Formlernen::antwortenEinrichten() {
    m_eingabe = new Antworteingabe(*m_ansicht, Fenster::Lernen, m_st, m_dialoge, this);
    m_eingabe->mcGeklickt = [this](int i) { ankreuzen(i); };
    m_eingabe->rechnerOeffnen = [this](int zeile) { rechnerZeigen(true, zeile); };
    connect(m_auswertung, &QPushButton::clicked, this, &Formlernen::auswerten);
    if (QAction* a = menue(QStringLiteral("menuformelserver"))) {
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, [this] { rechnerZeigen(false, 0); });
    }
    m_loesung = new QLabel(m_ansicht);
    m_loesung->setObjectName(QStringLiteral("Labellosung"));
    m_loesung->setFrameShape(QFrame::Box);
    m_loesung->setWordWrap(true);
    m_loesung->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_loesung->setMargin(10);
    m_loesung->setStyleSheet(QStringLiteral("background: #fffbe6; font-size: 11pt;"));
    m_loesung->setGeometry(60, 60, 520, 330);
    m_loesung->hide();
    m_loesung->installEventFilter(this);
}

void Formlernen::ankreuzen(int i) {
    if (!m_sitzung.hatAufgabe()) {
        return;
    }
    try {
        // The colour of the box is the record of the tick in the window.
        const bool war = m_ansicht->mcMarkiert(i);
        m_sitzung.markeSetzen(i, war ? 0 : 1);
        m_ansicht->mcMarkieren(i, !war);
    } catch (const Fehler& f) {
        m_dialoge.meldung(f.text(), kTitel);
    }
}

void Formlernen::rechnerZeigen(bool einsetzbar, int zeile) {
    if (!m_st.o_formel) {
        return;
    }
    m_st.b_aufrufer = 0;
    m_st.b_aktivezeile = zeile;
    m_st.bo_einsetzbar = einsetzbar;
    setEnabled(false);
    auto* rechner = new Formrechner(
        *m_st.o_formel, m_dialoge, m_st.i_rechnerliste, einsetzbar,
        [this](bool uebernehmen, const QString& formel, const QString& wert,
               const QString& einheit) { toolergebnis(uebernehmen, formel, wert, einheit); },
        this);
    rechner->setAttribute(Qt::WA_DeleteOnClose);
    m_rechner = rechner;
    rechner->show();
}

void Formlernen::toolergebnis(bool uebernehmen, const QString& formel, const QString& wert,
                              const QString& einheit) {
    setEnabled(true);
    if (!uebernehmen || !m_sitzung.hatAufgabe()) {
        return;
    }
    const int zeile = std::clamp(m_st.b_aktivezeile, 0, 4);
    const int typ = m_sitzung.aktuell().grundtyp;
    if (typ == 2) {
        m_ansicht->textBox(zeile)->setText(einheit);
        m_ansicht->wertBox(zeile)->setText(wert);
    } else if (typ == 5) {
        m_ansicht->textBox(zeile)->setText(formel);
    }
}

void Formlernen::auswerten() {
    if (!m_sitzung.hatAufgabe()) {
        return;
    }
    m_mm[8]->show();
    Aufgabenzeile z = m_sitzung.aktuell();
    if (z.grundtyp == 4) {
        return;  // information pages are not evaluated
    }
    try {
        m_sitzung.alsAusgewertet();
        m_auswertung->setEnabled(false);
        merkerSpeichern();
        z = m_sitzung.aktuell();

        int punkte = 0;
        if (z.grundtyp == 3) {
            punkte = freieAuswertung(z);
        } else {
            Antwortboxen b;
            for (int i = 0; i < 5; ++i) {
                b.texte[static_cast<std::size_t>(i)] = m_ansicht->textBox(i)->text();
                b.werte[static_cast<std::size_t>(i)] = m_ansicht->wertBox(i)->text();
            }
            punkte = f_punkte(z, f_zeilenLernen(z, b), m_st.s_einheiten, *m_st.o_formel);
            // A negative multiple-choice sum counts as no points here.
            punkte = std::clamp(punkte, 0, 255);
            anzeigen(false);
        }
        for (int i = 0; i <= 10; ++i) {
            if (i != 7) {
                m_mm[static_cast<std::size_t>(i)]->show();
            }
        }
        bewertung(z, punkte);
    } catch (const Fehler& f) {
        m_dialoge.meldung(f.text(), kTitel);
    }
}

int Formlernen::freieAuswertung(const Aufgabenzeile& z) {
    if (m_st.grunddaten.b_datenbanktyp == 1) {
        return 0;
    }
    const QString eigene = m_ansicht->freieAntwort()->toPlainText();
    const QString text = f_freieAntwortText(eigene, z.antwort[0]);
    QString frage = f_freieFrage(z.wertung);
    if (m_ansicht->freieAntwort()->isVisible()) {
        m_ansicht->freieAntwort()->setPlainText(text);
        m_ansicht->freieAntwort()->setFocus();
    } else {
        // Without the answer box the question itself shows the model answer.
        frage = text.trimmed() + QChar(13) + QChar(13) + frage;
    }
    return m_dialoge.frage(mitUmbruechen(frage), kTitel) ? z.wertung : 0;
}

void Formlernen::bewertung(const Aufgabenzeile& z, int punkte) {
    if (z.grundtyp == 3 && m_st.grunddaten.b_datenbanktyp == 1) {
        return;
    }
    const int maximum = f_aufgabenmaximum(z, Fenster::Lernen);
    m_sitzung.i_maximalpunkte += maximum;
    m_sitzung.i_gesamtpunkte += punkte;
    m_sitzung.zaehlerWeiter(punkte < maximum || punkte == 0);
    const Aufgabenzeile gelesen = m_sitzung.aktuell();
    const Lernergebnis e =
        f_lernergebnis(gelesen, m_plan, punkte, maximum, m_sitzung.i_gesamtpunkte,
                       m_sitzung.i_maximalpunkte, m_st.grunddaten);
    m_maximal->setText(QStringLiteral("Maximalpunktzahl: ") +
                       QString::number(m_sitzung.i_maximalpunkte));
    m_gesamt->setText(QStringLiteral("Gesamtpunktzahl: ") +
                      QString::number(m_sitzung.i_gesamtpunkte));
    m_note->setText(QStringLiteral("Gesamtnote: ") +
                    QString::number(f_note(m_sitzung.i_gesamtpunkte, m_sitzung.i_maximalpunkte,
                                           m_st.grunddaten)));
    if (z.grundtyp != 3) {
        m_loesung->setText(mitUmbruechen(e.rahmen));
        m_loesung->show();
        m_loesung->raise();
    }
}
