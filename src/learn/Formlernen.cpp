#include "learn/Formlernen.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>
#include <QVBoxLayout>
#include <optional>

#include "app/AppState.h"
#include "db/Aufgabendatenbank.h"
#include "db/Fehler.h"
#include "db/Nutzungslog.h"
#include "media/MediaPfad.h"
#include "tasks/Antworteingabe.h"
#include "tasks/Aufgabenansicht.h"
#include "ui/Dialoge.h"
#include "ui/Zufall.h"

namespace {
const QString kTitel = QStringLiteral("Elvaris");

// A picture file; a format Qt cannot read (such as WMF) is looked up as PNG or SVG.
QPixmap bildLaden(const QString& pfad) {
    QPixmap p(pfad);
    if (p.isNull()) {
        for (const char* endung : {".png", ".svg"}) {
            const QString ersatz = MediaPfad::mitEndung(pfad, QString::fromLatin1(endung));
            if (p.load(ersatz)) {
                break;
            }
        }
    }
    return p;
}
}  // namespace

Formlernen::Formlernen(AppState& st, Dialoge& dialoge, Zufall& zufall, QWidget* eltern)
    : QMainWindow(eltern), m_st(st), m_dialoge(dialoge), m_zufall(zufall), m_sitzung(st, zufall) {
    setObjectName(QStringLiteral("Formlernen"));
    auto* mitte = new QWidget(this);
    auto* spalte = new QVBoxLayout(mitte);
    spalte->setContentsMargins(4, 4, 4, 4);
    spalte->setSpacing(4);

    // Multimedia bar.
    auto* mm = new QHBoxLayout();
    for (int i = 0; i < 12; ++i) {
        auto* k = new QPushButton(
            QString::fromLatin1(kMultimediaTitel[static_cast<std::size_t>(i)]), mitte);
        k->setObjectName(QStringLiteral("Commandmultimedia%1").arg(i));
        k->setEnabled(i == 9 || i == 11);
        k->setMinimumWidth(40);
        k->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        mm->addWidget(k);
        m_mm[static_cast<std::size_t>(i)] = k;
    }
    m_mm[7]->hide();  // "CAD" is hidden in the learning window
    m_mm[8]->hide();  // "Tip" appears after "Auswertung"
    connect(m_mm[0], &QPushButton::clicked, this, [this] { bildZeigen(1); });
    connect(m_mm[1], &QPushButton::clicked, this, [this] { bildZeigen(2); });
    connect(m_mm[2], &QPushButton::clicked, this, [this] { bildZeigen(3); });
    spalte->addLayout(mm);

    m_ansicht = new Aufgabenansicht();
    connect(m_ansicht, &Aufgabenansicht::bildGeklickt, this, [this] {
        m_ansicht->bildSetzen(f_bildgroesse(m_bildBreite, m_bildHoehe, m_naturgroesse), nullptr);
        m_naturgroesse = !m_naturgroesse;
    });
    // The task view keeps the classic layout; on a small window it scrolls.
    auto* rollen = new QScrollArea(mitte);
    rollen->setWidget(m_ansicht);
    rollen->setFrameShape(QFrame::NoFrame);
    spalte->addWidget(rollen, 1);

    // Result line and navigation bar.
    auto* ergebnis = new QHBoxLayout();
    m_gesamt = new QLabel(QStringLiteral("Gesamtpunktzahl: 0"), mitte);
    m_maximal = new QLabel(QStringLiteral("Maximalpunktzahl: 0"), mitte);
    m_note = new QLabel(QStringLiteral("Note: "), mitte);
    m_zeit = new QLabel(QStringLiteral("Zeit:"), mitte);
    for (QLabel* l : {m_gesamt, m_maximal, m_note, m_zeit}) {
        ergebnis->addWidget(l);
    }
    ergebnis->addStretch(1);
    spalte->addLayout(ergebnis);

    auto* nav = new QHBoxLayout();
    const char* titel[5] = {"<<", "<", "<>", ">", ">>"};
    for (int k = 0; k < 5; ++k) {
        auto* b = new QPushButton(QString::fromLatin1(titel[k]), mitte);
        b->setObjectName(QStringLiteral("CommandMove%1").arg(k));
        connect(b, &QPushButton::clicked, this, [this, k] { bewegen(static_cast<Bewegung>(k)); });
        nav->addWidget(b);
        m_nav[static_cast<std::size_t>(k)] = b;
    }
    m_auswertung = new QPushButton(QStringLiteral("Auswertung"), mitte);
    m_auswertung->setObjectName(QStringLiteral("Commandlosung"));
    m_select = new QPushButton(QStringLiteral("Select"), mitte);
    m_select->setObjectName(QStringLiteral("Command1"));
    m_geheZu = new QPushButton(QStringLiteral("Gehe zu"), mitte);
    m_geheZu->setObjectName(QStringLiteral("Command4"));
    connect(m_select, &QPushButton::clicked, this, &Formlernen::selectZeigen);
    connect(m_geheZu, &QPushButton::clicked, this, &Formlernen::geheZu);
    nav->addSpacing(12);
    nav->addWidget(m_auswertung);
    nav->addWidget(m_select);
    nav->addWidget(m_geheZu);
    nav->addStretch(1);
    spalte->addLayout(nav);
    setCentralWidget(mitte);

    // The points of the task (Ctrl+A).
    m_punkte = new QFrame(m_ansicht);
    m_punkte->setObjectName(QStringLiteral("Frame2"));
    m_punkte->setFrameShape(QFrame::Box);
    m_punkte->setStyleSheet(QStringLiteral("background: #ffffe0;"));
    auto* punkteSpalte = new QVBoxLayout(m_punkte);
    for (int i = 0; i < 6; ++i) {
        m_wertung[static_cast<std::size_t>(i)] = new QLabel(m_punkte);
        punkteSpalte->addWidget(m_wertung[static_cast<std::size_t>(i)]);
    }
    m_punkttyp = new QLabel(m_punkte);
    punkteSpalte->addWidget(m_punkttyp);
    m_punkte->setGeometry(4, 300, 170, 190);
    m_punkte->hide();

    menuesAnlegen();
    selektorAnlegen();
    antwortenEinrichten();
    resize(820, 700);
    qApp->installEventFilter(this);
}

Formlernen::~Formlernen() = default;

void Formlernen::menuesAnlegen() {
    const auto eintrag = [this](QMenu* m, const QString& name, const QString& text) {
        QAction* a = m->addAction(text);
        a->setObjectName(name);
        return a;
    };
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    connect(eintrag(datei, QStringLiteral("menuoeffnen"), QStringLiteral("Ö&ffnen")),
            &QAction::triggered, this, &Formlernen::oeffnen);
    // "&Beenden" closes the child window together with its frame in the main window.
    connect(eintrag(datei, QStringLiteral("menubeenden"), QStringLiteral("&Beenden")),
            &QAction::triggered, this, [this] {
                close();
                if (auto* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget())) {
                    rahmen->hide();
                }
            });
    // Entries whose windows are not part of the program yet are present and disabled.
    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&?"));
    eintrag(hilfe, QStringLiteral("menuformelsammlung"), QStringLiteral("&Formelsammlung"))
        ->setEnabled(false);
    eintrag(hilfe, QStringLiteral("menuprogrammhilfe"), QStringLiteral("&Programmhilfe"))
        ->setEnabled(false);
    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    const std::pair<const char*, const char*> werkzeuge[] = {
        {"menuformelserver", "&Formelserver"},
        {"menusterndreieck", "&Stern-Dreieck-Umwandlung"},
        {"menufarbcode", "&Farbcode"},
        {"menuereihen", "&E-Reihen"},
        {"menuzweitore", "&Zweitore"},
        {"menunetzwerke", "&Lineare Netzwerke"},
        {"menuaquischal", "Ä&quivalente Schaltungen"}};
    for (const auto& [name, text] : werkzeuge) {
        eintrag(tools, QString::fromLatin1(name), QString::fromUtf8(text))->setEnabled(false);
    }
    QMenu* ansicht = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    connect(eintrag(ansicht, QStringLiteral("menu100"), QStringLiteral("&100 %")),
            &QAction::triggered, this, [this] { zoom(100); });
    connect(eintrag(ansicht, QStringLiteral("menu150"), QStringLiteral("1&50 %")),
            &QAction::triggered, this, [this] { zoom(150); });
    connect(eintrag(ansicht, QStringLiteral("menu200"), QStringLiteral("&200 %")),
            &QAction::triggered, this, [this] { zoom(200); });
    QMenu* drucken = menuBar()->addMenu(QStringLiteral("&Drucken"));
    const std::pair<const char*, const char*> druck[] = {
        {"menudruckeinstellungen", "&Druckeinstellungen.."},
        {"menuaktbilddrucken", "&aktuelles Bild drucken"},
        {"menudrucken100", "Aufgabe drucken &100%"},
        {"menudrucken150", "Aufgabe drucken 1&50%"},
        {"menudrucken200", "Aufgabe drucken &200%"},
        {"menuaufgabeundBilddrucken", "Aufgabe und &Bild zusammenstellen"}};
    for (const auto& [name, text] : druck) {
        eintrag(drucken, QString::fromLatin1(name), QString::fromUtf8(text))->setEnabled(false);
    }
}

QAction* Formlernen::menue(const QString& objektname) const {
    return findChild<QAction*>(objektname);
}

void Formlernen::log(const QString& ereignis) {
    try {
        f_log(m_st.s_startpfad, m_zufall, ereignis);
    } catch (const Fehler&) {
        // A log that cannot be written must not stop the learner.
    }
}

bool Formlernen::laden() {
    try {
        m_sitzung.f_start();
    } catch (const Fehler& f) {
        m_dialoge.meldung(f.text(), kTitel);
        return false;
    }
    setWindowTitle(QString::number(m_sitzung.anzahl()) + m_st.grunddaten.s_cdbilder);
    m_sitzung.modus().s_stichwort = QStringLiteral("ALLE");
    m_pause = bildLaden(QDir::current().filePath(QStringLiteral("pause.wmf")));
    knopfleisteSetzen();
    anzeigen(false);
    setWindowTitle(m_st.grunddaten.s_pfadbilder);
    listenZeigen();
    return true;
}

void Formlernen::aktivieren() {
    m_sitzung.i_maximalpunkte = 0;
    m_sitzung.i_gesamtpunkte = 0;
    if (m_sitzung.hatAufgabe()) {
        bildZeigen(1);
        multimediaSetzen();
    }
    log(QStringLiteral("Login Lernen"));
    f_stichwortlisten(m_st, m_zufall, m_dialoge);
    f_themenbaum(m_st, m_dialoge);
    listenZeigen();
    m_st.b_aufrufer = 1;
}

void Formlernen::closeEvent(QCloseEvent* e) {
    merkerSpeichern();
    log(QStringLiteral("Logout Lernen") + m_gesamt->text() + QStringLiteral(" , ") +
        m_note->text());
    QMainWindow::closeEvent(e);
}

void Formlernen::knopfleisteSetzen() {
    const Knoepfe& k = m_sitzung.knoepfe();
    for (int i = 0; i < 5; ++i) {
        m_nav[static_cast<std::size_t>(i)]->setEnabled(k[static_cast<std::size_t>(i)]);
    }
}

void Formlernen::zeitZeigen() {
    if (m_sitzung.hatAufgabe()) {
        m_zeit->setText(QStringLiteral("Zeit: ") + QString::number(m_sitzung.aktuell().zeit) +
                        QStringLiteral(" s"));
    }
}

void Formlernen::anzeigen(bool tooltips) {
    if (!m_sitzung.hatAufgabe()) {
        return;
    }
    const Aufgabenzeile z = m_sitzung.aktuell();
    m_plan = f_anzeigeplan(z, Fenster::Lernen, m_st.flags, m_zufall);
    m_eingabe->setGrundtyp(z.grundtyp);
    m_ansicht->frageSetzen(z.aufgabe, m_zoom);
    m_ansicht->anwenden(m_plan, tooltips);
    for (int i = 0; i < 5; ++i) {
        m_ansicht->mcBox(i)->setPlainText(z.antwort[static_cast<std::size_t>(i)]);
        m_wertung[static_cast<std::size_t>(i)]->setText(
            QStringLiteral("Zeile %1: %2")
                .arg(i + 1)
                .arg(z.wertungen[static_cast<std::size_t>(i)]));
    }
    m_wertung[5]->setText(QStringLiteral("Aufgabe: %1").arg(z.wertung));
    m_punkttyp->setText(QStringLiteral("Punkttyp: %1").arg(z.punkttyp));
    if (m_plan.auswertungFreigeben) {
        m_auswertung->setEnabled(true);
    }
    bildZeigen(1);
    multimediaSetzen();
}

void Formlernen::multimediaSetzen() {
    const Aufgabenzeile z = m_sitzung.aktuell();
    const Multimediaplan p = f_multimediaplan(z, !z.mark);
    for (int i = 0; i < 11; ++i) {
        if (p.aktivSetzen[static_cast<std::size_t>(i)]) {
            m_mm[static_cast<std::size_t>(i)]->setEnabled(p.aktiv[static_cast<std::size_t>(i)]);
        }
        if (p.sichtbarSetzen[static_cast<std::size_t>(i)]) {
            m_mm[static_cast<std::size_t>(i)]->setVisible(p.sichtbar[static_cast<std::size_t>(i)]);
        }
    }
    // "&aktuelles Bild drucken" follows p.bildDruckenAktiv once printing exists; until then
    // the entry stays disabled.
}

void Formlernen::bildZeigen(int nummer) {
    if (!m_sitzung.hatAufgabe()) {
        return;
    }
    const Aufgabenzeile z = m_sitzung.aktuell();
    // Picture k falls through to k + 1 and finally to the pause picture.
    for (int k = std::max(1, nummer); nummer != 0 && k <= 3; ++k) {
        const std::size_t i = static_cast<std::size_t>(k - 1);
        m_bildBreite = z.bildBreite[i];
        m_bildHoehe = z.bildHoehe[i];
        if (z.bild[i].isEmpty()) {
            continue;
        }
        const QString pfad = MediaPfad::suchen(
            {m_st.grunddaten.s_pfadbilder, m_st.grunddaten.s_cdbilder}, z.bild[i]);
        if (pfad.isEmpty()) {
            // Found in neither folder: the frame takes the stored size, the image stays.
            m_ansicht->bildSetzen(f_bildgroesse(m_bildBreite, m_bildHoehe, true), nullptr);
            return;
        }
        const QPixmap bild = bildLaden(pfad);
        if (bild.isNull()) {
            m_dialoge.meldung(
                k == 1 ? QStringLiteral("Bitte Bildpfad korrekt einstellen, oder CD einlegen")
                       : QStringLiteral("Bildpfad oder Bildname nicht korrekt"),
                kTitel);
            return;
        }
        m_ansicht->bildSetzen(f_bildgroesse(m_bildBreite, m_bildHoehe, true), &bild);
        return;
    }
    m_bildBreite = 380;
    m_bildHoehe = 290;
    m_ansicht->bildSetzen(f_bildgroesse(m_bildBreite, m_bildHoehe, true), &m_pause);
}

QString Formlernen::merkerText() const {
    if (!m_sitzung.hatAufgabe()) {
        return {};
    }
    Antwortboxen b;
    for (int i = 0; i < 5; ++i) {
        b.texte[static_cast<std::size_t>(i)] = m_ansicht->textBox(i)->text();
        b.werte[static_cast<std::size_t>(i)] = m_ansicht->wertBox(i)->text();
    }
    b.frei = m_ansicht->freieAntwort()->toPlainText();
    return f_antwortmerkerText(m_sitzung.aktuell(), b);
}

void Formlernen::merkerSpeichern() {
    if (!m_sitzung.hatAufgabe()) {
        return;
    }
    try {
        m_sitzung.antwortmerkerSpeichern(merkerText());
    } catch (const Fehler& f) {
        m_dialoge.meldung(f.text(), kTitel);
    }
}

void Formlernen::bewegen(Bewegung k) {
    merkerSpeichern();
    m_loesung->hide();
    m_mm[8]->hide();
    m_ansicht->bildLeeren();
    if (!m_sitzung.bewegen(k)) {
        return;  // the first task is current; the display stays
    }
    knopfleisteSetzen();
    setWindowTitle(QStringLiteral("Aufgabe: ") + QString::number(m_sitzung.zeile() + 1));
    const Aufgabenzeile z = m_sitzung.aktuell();
    m_ansicht->tooltipsLeeren();
    zeitZeigen();
    m_auswertung->setEnabled(!z.mark);
    anzeigen(true);
}

void Formlernen::geheZu() {
    const auto antwort = m_dialoge.eingabe(QStringLiteral("Bezeichnung der Aufgabe"),
                                           QStringLiteral("Gehe zu"), QString());
    if (!antwort || antwort->isEmpty()) {
        return;
    }
    geheZuBezeichnung(*antwort);
}

void Formlernen::geheZuBezeichnung(const QString& bezeichnung) {
    try {
        // The search starts from the first task; the task left keeps its answer.
        if (!m_sitzung.geheZu(bezeichnung, merkerText())) {
            m_dialoge.meldung(QStringLiteral("Aufgabe nicht gefunden"), kTitel);
            return;
        }
        const int ziel = m_sitzung.zeile();
        m_loesung->hide();
        m_ansicht->bildLeeren();
        knopfleisteSetzen();
        setWindowTitle(QStringLiteral("Aufgabe: ") + QString::number(ziel + 1));
        zeitZeigen();
        m_auswertung->setEnabled(!m_sitzung.aktuell().mark);
        anzeigen(false);
    } catch (const Fehler&) {
        m_dialoge.meldung(QStringLiteral("Frage nicht gefunden"), kTitel);
    }
}

void Formlernen::zoom(int prozent) {
    m_zoom = prozent;
    m_ansicht->zoomLage(prozent);
    anzeigen(true);
    if (prozent > 100) {
        m_ansicht->frage()->raise();
        m_ansicht->bildRahmen()->lower();
    }
}

void Formlernen::oeffnen() {
    const auto pfad =
        m_dialoge.dateiOeffnen(QStringLiteral("Datenbank öffnen"), QStringLiteral("*.ssw"),
                               QStringLiteral("Daten (*.ssw)|*.ssw"), m_st.s_startpfad);
    if (!pfad || pfad->isEmpty()) {
        return;
    }
    m_st.s_datenbank = *pfad;
    if (!laden()) {
        return;
    }
    f_stichwortlisten(m_st, m_zufall, m_dialoge);
    f_themenbaum(m_st, m_dialoge);
    f_grunddatenlesen(m_st, m_dialoge);
    listenZeigen();
}

bool Formlernen::eventFilter(QObject* o, QEvent* e) {
    if (o == m_loesung && e->type() == QEvent::MouseButtonRelease) {
        m_loesung->hide();  // a click on the evaluation panel hides it
        return true;
    }
    // The window sees Ctrl+A before its controls (a text box would select all instead).
    if (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) {
        auto* w = qobject_cast<QWidget*>(o);
        auto* k = static_cast<QKeyEvent*>(e);
        if (w != nullptr && (w == this || isAncestorOf(w)) && k->key() == Qt::Key_A &&
            (k->modifiers() & Qt::ControlModifier)) {
            if (e->type() == QEvent::KeyPress) {
                m_punkte->setVisible(!m_punkte->isVisible());
                m_punkte->raise();
            }
            e->accept();
            return true;
        }
    }
    return QMainWindow::eventFilter(o, e);
}
