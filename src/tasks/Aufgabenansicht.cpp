#include "tasks/Aufgabenansicht.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTextEdit>

#include "editor/RtfLeser.h"
#include "ui/Twips.h"

namespace {
constexpr int kOben = 4;  // top of the question box
constexpr int kZeilenAbstand = 26;

QColor bgr(unsigned int wert) {
    return QColor(wert & 0xFF, (wert >> 8) & 0xFF, (wert >> 16) & 0xFF);
}
}  // namespace

Aufgabenansicht::Aufgabenansicht(QWidget* eltern) : QFrame(eltern) {
    setMinimumSize(800, 560);
    m_bildRahmen = new QFrame(this);
    m_bildRahmen->setFrameShape(QFrame::Box);
    m_bildRahmen->setStyleSheet(QStringLiteral("background: white;"));
    m_bild = new QLabel(m_bildRahmen);
    m_bild->setScaledContents(true);
    m_bild->installEventFilter(this);
    m_bildRahmen->installEventFilter(this);

    m_frage = new QTextEdit(this);
    m_frage->setReadOnly(true);
    m_frage->setObjectName(QStringLiteral("TextboxFrage"));

    m_mcBereich = new QFrame(this);
    m_mcBereich->setObjectName(QStringLiteral("FrameMC"));
    for (int i = 0; i < 5; ++i) {
        auto* box = new QTextEdit(m_mcBereich);
        box->setReadOnly(true);
        box->setObjectName(QStringLiteral("TextMCAntwort%1").arg(i));
        box->setFixedHeight(twipsZuPixel(1035));
        box->viewport()->setCursor(Qt::PointingHandCursor);
        m_mc[static_cast<std::size_t>(i)] = box;
    }
    m_zeilenBereich = new QFrame(this);
    m_zeilenBereich->setObjectName(QStringLiteral("FrameMathe"));
    m_ueberschrift = new QLabel(m_zeilenBereich);
    m_ueberschrift->setObjectName(QStringLiteral("LabelMatheFrame"));
    for (int i = 0; i < 5; ++i) {
        auto* wert = new QLineEdit(m_zeilenBereich);
        wert->setAlignment(Qt::AlignRight);
        wert->setMaxLength(25);
        wert->setText(QStringLiteral("0"));
        wert->setObjectName(QStringLiteral("Textboxmathewert%1").arg(i));
        auto* text = new QLineEdit(m_zeilenBereich);
        text->setMaxLength(15);
        text->setObjectName(QStringLiteral("TextMatheEinheit%1").arg(i));
        m_wert[static_cast<std::size_t>(i)] = wert;
        m_text[static_cast<std::size_t>(i)] = text;
    }
    m_frei = new QTextEdit(this);
    m_frei->setObjectName(QStringLiteral("TextFreieAntwort"));
    m_frei->setPlainText(kFreieAntwortVorgabe);
    m_frei->hide();
    bereichePlatzieren();
}

bool Aufgabenansicht::eventFilter(QObject* o, QEvent* e) {
    if ((o == m_bild || o == m_bildRahmen) && e->type() == QEvent::MouseButtonRelease) {
        emit bildGeklickt();
        return true;
    }
    return QFrame::eventFilter(o, e);
}

void Aufgabenansicht::frageSetzen(const QString& text, int zoomProzent) {
    RtfLeser::lesen(text, *m_frage->document(), zoomProzent);
}

void Aufgabenansicht::zoomLage(int zoomProzent) {
    if (zoomProzent <= 100) {
        m_frageLinks = 400;
        m_frageBreite = 390;
    } else {
        m_frageLinks = 170;
        m_frageBreite = 633;
    }
    m_frage->raise();
    bereichePlatzieren();
}

void Aufgabenansicht::bereichePlatzieren() {
    m_frage->setGeometry(m_frageLinks, kOben, m_frageBreite, m_frageHoehe);
    const int unten = kOben + m_frageHoehe + 6;
    const int hoehe = std::max(60, height() - unten - 4);
    m_mcBereich->setGeometry(m_frageLinks, unten, m_frageBreite, hoehe);
    m_zeilenBereich->setGeometry(m_frageLinks, unten, m_frageBreite, hoehe);
    m_frei->setGeometry(m_frageLinks, unten, m_frageBreite, hoehe);
    m_ueberschrift->setGeometry(0, 0, m_frageBreite, 20);
}

void Aufgabenansicht::anwenden(const Anzeigeplan& plan, bool tooltipsZeigen) {
    m_frageHoehe = plan.frageHoehe;
    bereichePlatzieren();
    m_mcBereich->setVisible(plan.bereich == Anzeigeplan::Bereich::MC);
    m_zeilenBereich->setVisible(plan.bereich == Anzeigeplan::Bereich::Zeilen);
    m_frei->setVisible(plan.freiSichtbar);
    if (plan.typ == 3) {
        m_frei->setPlainText(plan.freiText);
    }
    for (int i = 0; i < 5; ++i) {
        const auto& m = plan.mc[static_cast<std::size_t>(i)];
        QTextEdit* box = m_mc[static_cast<std::size_t>(i)];
        box->setVisible(m.sichtbar);
        box->move(0, twipsZuPixel(m.oben));
        box->setFixedWidth(m_frageBreite - 4);
        QPalette pal = box->palette();
        pal.setColor(QPalette::Base, m.markiert ? bgr(kMcMarkiert) : QColor(Qt::white));
        box->setPalette(pal);
    }
    if (plan.bereich == Anzeigeplan::Bereich::Zeilen) {
        m_ueberschrift->setText(plan.ueberschrift);
        for (int i = 0; i < 5; ++i) {
            const auto& z = plan.zeilen[static_cast<std::size_t>(i)];
            QLineEdit* text = m_text[static_cast<std::size_t>(i)];
            QLineEdit* wert = m_wert[static_cast<std::size_t>(i)];
            const int oben = 22 + i * kZeilenAbstand;
            text->setGeometry(twipsZuPixel(z.links), oben, twipsZuPixel(z.breite), 22);
            text->setMaxLength(z.maxLaenge);
            text->setText(z.text);
            text->setVisible(z.textSichtbar);
            text->setToolTip(tooltipsZeigen ? z.tooltip : QString());
            wert->setGeometry(0, oben, twipsZuPixel(3000), 22);
            wert->setText(z.wert);
            wert->setVisible(z.wertSichtbar);
        }
    }
}

void Aufgabenansicht::mcMarkieren(int i, bool markiert) {
    QTextEdit* box = m_mc[static_cast<std::size_t>(i)];
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, markiert ? bgr(kMcMarkiert) : QColor(Qt::white));
    box->setPalette(pal);
}

bool Aufgabenansicht::mcMarkiert(int i) const {
    return m_mc[static_cast<std::size_t>(i)]->palette().color(QPalette::Base) != QColor(Qt::white);
}

void Aufgabenansicht::tooltipsLeeren() {
    for (QLineEdit* t : m_text) {
        t->setToolTip(QString());
    }
}

void Aufgabenansicht::bildSetzen(const Bildgeometrie& g, const QPixmap* bild) {
    m_bildRahmen->setGeometry(4, kOben, g.rahmenBreite, g.rahmenHoehe);
    m_bildRahmen->raise();
    m_frage->lower();
    m_bild->hide();
    m_bild->setGeometry(g.bildLinks, g.bildOben, g.bildBreite, g.bildHoehe);
    if (bild != nullptr) {
        m_bild->setPixmap(*bild);
    }
    m_bild->show();
    m_bildRahmen->show();
}

void Aufgabenansicht::bildLeeren() {
    m_bild->setPixmap(QPixmap());
}
