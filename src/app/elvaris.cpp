#include "app/elvaris.h"

#include <QAction>
#include <QAudioDevice>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMediaDevices>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStatusBar>

#include "db/Aufgabendatenbank.h"
#include "db/Fehler.h"
#include "db/Nutzungslog.h"
#include "learn/Formlernen.h"
#include "ui/Dialoge.h"
#include "ui/Twips.h"

namespace {

const QString kTitel = QStringLiteral("Elvaris");

// The menu entries whose windows are not part of the program yet stay disabled in every
// state, so that nothing offers a command that does nothing.
constexpr bool kLernfensterDa = true;
constexpr bool kPatchDa = false;
constexpr bool kEinstellungenDa = false;
constexpr bool kHilfeDa = false;

// The fixed background: a light circuit sketch on white.
QPixmap hintergrund() {
    QPixmap bild(640, 420);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QPen stift(QColor(0xD8, 0xE2, 0xEE), 4);
    p.setPen(stift);
    // Source, resistor and capacitor in one loop.
    p.drawLine(120, 120, 520, 120);
    p.drawLine(120, 300, 520, 300);
    p.drawLine(120, 120, 120, 180);
    p.drawLine(120, 240, 120, 300);
    p.drawEllipse(QPoint(120, 210), 30, 30);
    p.drawLine(520, 120, 520, 180);
    p.drawLine(520, 230, 520, 300);
    p.drawLine(490, 180, 550, 180);
    p.drawLine(490, 230, 550, 230);
    p.fillRect(QRect(280, 100, 80, 40), Qt::white);
    p.drawRect(QRect(280, 100, 80, 40));
    p.setPen(QColor(0xB8, 0xC8, 0xDC));
    QFont f = p.font();
    f.setPointSize(40);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, 170, 640, 70), Qt::AlignCenter, kTitel);
    f.setPointSize(12);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRect(0, 330, 640, 40), Qt::AlignCenter,
               QStringLiteral("Lernen und Prüfen in der Elektrotechnik"));
    return bild;
}

// The MDI area with the background picture centred behind the child windows.
class Hintergrundflaeche : public QMdiArea {
public:
    explicit Hintergrundflaeche(QWidget* eltern) : QMdiArea(eltern), m_bild(hintergrund()) {
        setBackground(QBrush(Qt::white));
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        QMdiArea::paintEvent(e);
        QPainter p(viewport());
        p.drawPixmap(viewport()->rect().center() - m_bild.rect().center(), m_bild);
    }

private:
    QPixmap m_bild;
};

}  // namespace

elvaris::Umgebung elvaris::echteUmgebung() {
    return {f_laufwerke, [] { return !QMediaDevices::audioOutputs().isEmpty(); }};
}

elvaris::elvaris(AppState& st, Dialoge& dialoge, Zufall& zufall, Umgebung umgebung, QWidget* eltern)
    : QMainWindow(eltern),
      m_st(st),
      m_dialoge(dialoge),
      m_zufall(zufall),
      m_umgebung(std::move(umgebung)) {
    setWindowTitle(kTitel);
    m_mdi = new Hintergrundflaeche(this);
    setCentralWidget(m_mdi);
    // The learning window is activated when it becomes the active child, not each time the
    // program regains the focus (a message box, another program): the area reports those as a
    // null activation followed by the same child again.
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
        if (w == nullptr || m_lernfensterLaedt || w->isHidden()) {
            return;  // loading the hidden learning window is no activation
        }
        if (w == m_lernSub && m_letzteAktive != m_lernSub && m_lernfenster != nullptr) {
            m_letzteAktive = w;
            m_lernfenster->aktivieren();
            return;
        }
        m_letzteAktive = w;
    });
    m_status = new QLabel(this);
    statusBar()->addWidget(m_status, 1);
    menuesAnlegen();
    menuesSetzen();
    statusZeigen();
}

elvaris::~elvaris() = default;

void elvaris::menuesAnlegen() {
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    m_oeffnen = datei->addAction(QStringLiteral("&Öffnen"), this, &elvaris::oeffnenBefehl);
    m_aktualisieren = datei->addAction(QStringLiteral("Datenbank aktualisieren"));
    m_beenden = datei->addAction(QStringLiteral("&Beenden"), this, &elvaris::beendenBefehl);
    m_pruefung = menuBar()->addAction(QStringLiteral("&Prüfung"));
    m_pruefung->setVisible(false);  // the exam compiler is reached only once this is shown
    m_lernen = menuBar()->addAction(QStringLiteral("&Lernen"), this, &elvaris::lernenBefehl);
    m_einstellungen = menuBar()->addAction(QStringLiteral("&Einstellungen"));
    m_hilfe = menuBar()->addAction(QStringLiteral("&Hilfe"));
}

void elvaris::menuesSetzen() {
    const bool offen = m_datenbankOffen;
    m_oeffnen->setEnabled(true);
    m_beenden->setEnabled(true);
    m_aktualisieren->setEnabled(offen && kPatchDa);
    m_lernen->setEnabled(offen && kLernfensterDa);
    m_pruefung->setEnabled(offen && kLernfensterDa);
    m_einstellungen->setEnabled(offen && kEinstellungenDa);
    m_hilfe->setEnabled(offen && kHilfeDa);
}

void elvaris::statusZeigen() {
    if (!m_datenbankOffen) {
        m_status->setText(QStringLiteral("Keine Datenbank geöffnet – Datei, Öffnen …"));
        return;
    }
    QString text = QStringLiteral("Datenbank: %1").arg(QFileInfo(m_st.s_datenbank).fileName());
    if (!m_st.grunddaten.s_fach.isEmpty()) {
        text += QStringLiteral("   Fach: %1").arg(m_st.grunddaten.s_fach);
    }
    text += QStringLiteral("   Stichworte: %1")
                .arg(std::max<qsizetype>(0, m_st.stichwortliste.size() - 1));
    m_status->setText(text);
}

QAction* elvaris::aktion(Menue m) const {
    switch (m) {
        case Menue::Oeffnen:
            return m_oeffnen;
        case Menue::Aktualisieren:
            return m_aktualisieren;
        case Menue::Beenden:
            return m_beenden;
        case Menue::Pruefung:
            return m_pruefung;
        case Menue::Lernen:
            return m_lernen;
        case Menue::Einstellungen:
            return m_einstellungen;
        case Menue::Hilfe:
            return m_hilfe;
    }
    return nullptr;
}

void elvaris::starten(const QString& startpfad) {
    m_st.bo_mcfest = false;
    m_st.o_formel = std::make_unique<Formelcompclass>();
    m_st.o_formel->setMeldung([this](const QString& text) { m_dialoge.meldung(text, kTitel); });
    m_st.o_formel->f_E6Fullen();
    m_st.o_formel->f_E12Fullen();
    m_st.o_formel->f_E24Fullen();
    m_st.o_formel->f_E48Fullen();
    m_st.o_formel->f_E96Fullen();
    m_st.i_rechnerliste = 20;
    m_st.s_startpfad = startpfad;
    m_farbtabelle = f_farbtabelle();

    resize(twipsZuPixel(12300), twipsZuPixel(9300));
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        move(s->availableGeometry().center() - rect().center());
    }

    const Laufwerkssuche suche = f_laufwerkssuche(m_umgebung.laufwerke());
    if (suche.kandidatGesehen) {
        setWindowTitle(f_abspanntext());
    }
    f_cdordnerSetzen(m_st.grunddaten, suche.wurzel);
    if (!suche.gefunden) {
        m_dialoge.meldung(QStringLiteral("Keine CD im Laufwerk"), kTitel);
    }
    if (!m_umgebung.soundkarte()) {
        m_dialoge.meldung(QStringLiteral("Leider keine Soundkarte vorhanden"), kTitel);
    }
    f_lokaleOrdnerSetzen(m_st.grunddaten, startpfad);
    m_st.s_auswahlsql = AppState::kStandardauswahl;
}

void elvaris::oeffnenBefehl() {
    const auto pfad =
        m_dialoge.dateiOeffnen(QStringLiteral("Datenbank öffnen"), QStringLiteral("*.ssw"),
                               QStringLiteral("Daten (*.ssw)|*.ssw"), m_st.s_startpfad);
    if (!pfad) {
        return;
    }
    datenbankOeffnen(*pfad);
}

bool elvaris::datenbankOeffnen(const QString& pfad) {
    // A database that fails to open must not stay the program's current one.
    const QString vorher = m_st.s_datenbank;
    m_st.s_datenbank = pfad;
    const auto abbrechen = [&] {
        m_st.s_datenbank = vorher;
        return false;
    };
    try {
        f_log(m_st.s_startpfad, m_zufall,
              QStringLiteral("Login: ") + QDir::toNativeSeparators(pfad));
        // The backup replaces the earlier one only when it is complete.
        const QString sicherung = QDir(m_st.s_startpfad).filePath(QStringLiteral("sicherung.sss"));
        const QString neu = sicherung + QStringLiteral(".neu");
        QFile::remove(neu);
        if (!QFile::copy(pfad, neu)) {
            throw Fehler(QStringLiteral("Die Sicherungskopie %1 kann nicht angelegt werden.")
                             .arg(QDir::toNativeSeparators(sicherung)));
        }
        QFile::remove(sicherung);
        if (!QFile::rename(neu, sicherung)) {
            QFile::remove(neu);
            throw Fehler(QStringLiteral("Die Sicherungskopie %1 kann nicht angelegt werden.")
                             .arg(QDir::toNativeSeparators(sicherung)));
        }
    } catch (const Fehler& f) {
        m_dialoge.meldung(f.text(), kTitel);
        return abbrechen();
    }
    if (!f_stichwortlisten(m_st, m_zufall, m_dialoge) || !f_themenbaum(m_st, m_dialoge) ||
        !f_grunddatenlesen(m_st, m_dialoge)) {
        return abbrechen();
    }
    // The learning window is loaded hidden with the first database; it keeps its own
    // connection and selection when another database is opened later.
    if (m_lernfenster == nullptr) {
        m_lernfensterLaedt = true;
        m_lernfenster = new Formlernen(m_st, m_dialoge, m_zufall);
        m_lernSub = m_mdi->addSubWindow(m_lernfenster);
        m_lernSub->setAttribute(Qt::WA_DeleteOnClose, false);
        m_lernSub->hide();
        m_lernfenster->laden();
        m_lernfensterLaedt = false;
    }
    m_datenbankOffen = true;
    menuesSetzen();
    statusZeigen();
    return true;
}

void elvaris::lernenBefehl() {
    if (m_lernSub == nullptr) {
        return;
    }
    if (m_lernSub->isHidden() || m_lernfenster->isHidden()) {
        m_letzteAktive = nullptr;  // shown again: that is a new activation
    }
    m_lernfenster->show();
    m_lernSub->showMaximized();
    m_mdi->setActiveSubWindow(m_lernSub);
    // The area may report the activation while the child is still being shown; then it
    // happens here.
    if (m_letzteAktive != m_lernSub && m_lernfenster != nullptr) {
        m_letzteAktive = m_lernSub;
        m_lernfenster->aktivieren();
    }
}

void elvaris::closeEvent(QCloseEvent* e) {
    if (m_lernfenster != nullptr && !m_lernfenster->isHidden()) {
        m_lernfenster->close();  // it closes with the main window and logs its result
    }
    QMainWindow::closeEvent(e);
    if (e->isAccepted()) {
        m_st.o_formel.reset();
    }
}

void elvaris::beendenBefehl() {
    try {
        f_log(m_st.s_startpfad, m_zufall, QStringLiteral("Logout total"));
    } catch (const Fehler&) {
        // The program ends all the same; the log is not worth keeping the user here.
    }
    close();
}
