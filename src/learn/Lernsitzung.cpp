#include "learn/Lernsitzung.h"

#include "app/AppState.h"
#include "db/Database.h"
#include "db/Fehler.h"
#include "db/JetSql.h"
#include "db/Recordset.h"
#include "tasks/Bewertung.h"

Lernsitzung::Lernsitzung(AppState& st, Zufall& zufall) : m_st(st), m_zufall(zufall) {}

Lernsitzung::~Lernsitzung() = default;

void Lernsitzung::f_start() {
    i_maximalpunkte = 0;
    i_gesamtpunkte = 0;
    m_st.flags.bo_pruefungausgewertet = false;
    m_st.i_aufgabenzahl = 0;
    m_modus.s_stichwort = QStringLiteral("ALLE");
    m_modus.bo_modusbaum = true;
    if (m_st.s_datenbank.isEmpty()) {
        throw Fehler(QStringLiteral("Es ist keine Datenbank geöffnet."));
    }
    m_rs.reset();
    m_db = Database::oeffnen(m_st.s_datenbank);
    m_rs = m_db->oeffneRecordset(m_st.s_auswahlsql, Database::Art::Dynaset);
    m_db->ausfuehren(QStringLiteral(
        "UPDATE 01 SET mark = false,  mark1 = 0 , mark2 = 0, mark3 = 0, mark4=0,mark5 =0"));
    m_db->ausfuehren(QStringLiteral("UPDATE 01 SET Antwortmerker='1'"));
    auto zaehlen = m_db->oeffneRecordset(m_st.s_auswahlsql, Database::Art::Dynaset);
    zaehlen->moveLast();
    m_st.i_aufgabenzahl = zaehlen->recordCount();
    m_rs->moveLast();
    m_rs->moveFirst();
    m_knoepfe = {false, false, true, true, true};
}

Lernsitzung::Auswahl Lernsitzung::auswahlOeffnen(const QString& sql) {
    if (!m_db) {
        throw Fehler(QStringLiteral("Es ist keine Datenbank geöffnet."));
    }
    auto neu = m_db->oeffneRecordset(sql, Database::Art::Dynaset);
    if (!neu->findFirst(QStringLiteral("[Aufgabe] <>'' "))) {
        m_rs = m_db->oeffneRecordset(QStringLiteral("01"), Database::Art::Dynaset);
        m_st.s_auswahlsql = QStringLiteral("01");
        return Auswahl::Leer;
    }
    m_rs = std::move(neu);
    m_st.s_auswahlsql = sql;
    m_rs->moveLast();
    m_rs->moveFirst();
    m_st.i_aufgabenzahl = m_rs->recordCount();
    m_knoepfe = f_knoepfeNachAuswahl(m_st.i_aufgabenzahl);
    return Auswahl::Gefunden;
}

bool Lernsitzung::bewegen(Bewegung k) {
    if (!m_rs) {
        return false;
    }
    const int ziel = f_zielzeile(k, zeile(), m_st.i_aufgabenzahl, m_zufall);
    if (ziel < 0 || ziel >= m_rs->recordCount()) {
        m_rs->moveFirst();
        return false;
    }
    m_rs->moveTo(ziel);
    f_knoepfeNachBewegung(m_knoepfe, k, ziel, m_st.i_aufgabenzahl);
    return true;
}

bool Lernsitzung::geheZu(const QString& text, const QString& merker) {
    if (!m_rs) {
        throw Fehler(QStringLiteral("Es ist keine Datenbank geöffnet."));
    }
    const int vorher = m_rs->absolutePosition();
    // The designation is quoted as a text literal, so an apostrophe in it is found too.
    if (!m_rs->findFirst(QStringLiteral("[freieantwort] >= ") + JetSql::textLiteral(text))) {
        return false;
    }
    const int z = m_rs->absolutePosition();
    if (vorher >= 0) {
        m_rs->moveTo(vorher);
        antwortmerkerSpeichern(merker);
        m_rs->moveTo(z);
    }
    if (z == 0) {
        m_knoepfe[0] = m_knoepfe[1] = false;
        m_knoepfe[3] = m_knoepfe[4] = true;
    }
    if (z == m_st.i_aufgabenzahl - 1) {
        m_knoepfe[3] = m_knoepfe[4] = false;
        m_knoepfe[0] = m_knoepfe[1] = true;
    }
    return true;
}

bool Lernsitzung::hatAufgabe() const {
    return m_rs && !m_rs->bof() && !m_rs->eof();
}

Aufgabenzeile Lernsitzung::aktuell() const {
    if (!hatAufgabe()) {
        throw Fehler(QStringLiteral("Kein aktueller Datensatz."));
    }
    return Aufgabenzeile::lesen(*m_rs);
}

int Lernsitzung::zeile() const {
    return m_rs ? m_rs->absolutePosition() : -1;
}

int Lernsitzung::anzahl() const {
    return m_st.i_aufgabenzahl;
}

void Lernsitzung::antwortmerkerSpeichern(const QString& merker) {
    if (m_st.flags.bo_pruefungausgewertet || !hatAufgabe()) {
        return;
    }
    m_rs->edit();
    m_rs->setFeld(QStringLiteral("Antwortmerker"), merker);
    m_rs->update();
}

void Lernsitzung::markeSetzen(int i, int wert) {
    if (!hatAufgabe() || i < 0 || i > 4) {
        return;
    }
    m_rs->edit();
    m_rs->setFeld(QStringLiteral("mark") + QString::number(i + 1), wert);
    m_rs->update();
}

void Lernsitzung::alsAusgewertet() {
    if (!hatAufgabe()) {
        return;
    }
    m_rs->edit();
    m_rs->setFeld(QStringLiteral("mark"), 1);
    m_rs->update();
}

void Lernsitzung::zaehlerWeiter(bool unrichtig) {
    if (!hatAufgabe()) {
        return;
    }
    m_rs->edit();
    if (unrichtig) {
        m_rs->setFeld(QStringLiteral("unrichtig"),
                      f_zaehlerWeiter(
                          static_cast<int>(m_rs->feld(QStringLiteral("unrichtig")).toLongLong())));
    }
    m_rs->setFeld(
        QStringLiteral("nutzung"),
        f_zaehlerWeiter(static_cast<int>(m_rs->feld(QStringLiteral("nutzung")).toLongLong())));
    m_rs->update();
}
