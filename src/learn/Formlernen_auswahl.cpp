// The selector panel of the learning window ("Auswahl"): topic tree, keyword and tour lists,
// type boxes and the two up-downs; "OK" opens the selection.

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

#include "app/AppState.h"
#include "db/Fehler.h"
#include "learn/Formlernen.h"
#include "tasks/Aufgabenansicht.h"
#include "ui/Dialoge.h"

namespace {
const QString kTitel = QStringLiteral("Elvaris");
constexpr int kSchluessel = Qt::UserRole;

// Node pictures: 1 a box, 2 a ticked box.
QIcon knotenbild(int bild) {
    if (bild == 0) {
        return {};
    }
    QPixmap p(14, 14);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setPen(QColor(0x1a, 0x3c, 0x6e));
    m.drawRect(1, 1, 11, 11);
    if (bild == 2) {
        m.setPen(QPen(QColor(0x1a, 0x7c, 0x2e), 2));
        m.drawLine(3, 7, 6, 10);
        m.drawLine(6, 10, 11, 3);
    }
    return QIcon(p);
}
}  // namespace

void Formlernen::selektorAnlegen() {
    m_selektor = new QFrame(this);
    m_selektor->setObjectName(QStringLiteral("Frameselector"));
    m_selektor->setFrameShape(QFrame::Panel);
    m_selektor->setFrameShadow(QFrame::Raised);
    m_selektor->setAutoFillBackground(true);
    auto* g = new QGridLayout(m_selektor);
    auto* titel = new QLabel(QStringLiteral("<b>Auswahl</b>"), m_selektor);
    g->addWidget(titel, 0, 0, 1, 4);

    const auto knopf = [this](const QString& name, const QString& text) {
        auto* b = new QPushButton(text, m_selektor);
        b->setObjectName(name);
        return b;
    };
    QPushButton* baum = knopf(QStringLiteral("Command7"), QStringLiteral("Themenbaum"));
    QPushButton* liste = knopf(QStringLiteral("Command8"), QStringLiteral("Stichwortliste"));
    QPushButton* touren = knopf(QStringLiteral("Command9"), QStringLiteral("Touren"));
    touren->setEnabled(false);  // nothing enables the tour mode
    QPushButton* statistik = knopf(QStringLiteral("Command6"), QStringLiteral("Statistik"));
    statistik->setEnabled(false);  // the statistics grid arrives with its own change
    QPushButton* loeschen = knopf(QStringLiteral("Command10"), QStringLiteral("Auswahl löschen"));
    m_statistikLoeschen = knopf(QStringLiteral("Command5"), QStringLiteral("Statistik löschen"));
    m_statistikLoeschen->setEnabled(false);
    QPushButton* abbruch = knopf(QStringLiteral("Command3"), QStringLiteral("Abbruch"));
    QPushButton* ok = knopf(QStringLiteral("Command2"), QStringLiteral("OK"));
    connect(baum, &QPushButton::clicked, this, &Formlernen::modusBaum);
    connect(liste, &QPushButton::clicked, this, &Formlernen::modusStichwort);
    connect(loeschen, &QPushButton::clicked, this, &Formlernen::auswahlLoeschen);
    connect(abbruch, &QPushButton::clicked, this, &Formlernen::auswahlAbbruch);
    connect(ok, &QPushButton::clicked, this, &Formlernen::auswahlOk);
    int zeile = 1;
    for (QPushButton* b : {baum, liste, touren, statistik, loeschen, m_statistikLoeschen}) {
        g->addWidget(b, zeile++, 0);
    }
    g->addWidget(abbruch, zeile, 0);
    g->addWidget(ok, zeile + 1, 0);

    m_baum = new QTreeWidget(m_selektor);
    m_baum->setObjectName(QStringLiteral("TreeView1"));
    m_baum->setHeaderHidden(true);
    connect(m_baum, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* i) { knotenGeklickt(i); });
    m_stichworte = new QListWidget(m_selektor);
    m_stichworte->setObjectName(QStringLiteral("Liststichworte"));
    m_stichworte->hide();
    connect(m_stichworte, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* i) { m_sitzung.modus().s_stichwort = i->text(); });
    m_touren = new QListWidget(m_selektor);
    m_touren->setObjectName(QStringLiteral("listtouren"));
    m_touren->hide();
    connect(m_touren, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* i) { m_sitzung.modus().s_stichwort = i->text(); });
    g->addWidget(m_baum, 1, 1, 8, 1);
    g->addWidget(m_stichworte, 1, 1, 8, 1);
    g->addWidget(m_touren, 1, 1, 8, 1);

    m_filter = new QFrame(m_selektor);
    auto* f = new QGridLayout(m_filter);
    const char* texte[8] = {"Alle",
                            "Multiple Choice",
                            "Mathe",
                            "Kurzantwort",
                            "Freie Antwort",
                            "Info's",
                            "Nicht beantwortete",
                            "Falsch beantwortete"};
    for (int i = 0; i < 8; ++i) {
        auto* c = new QCheckBox(QString::fromUtf8(texte[i]), m_filter);
        c->setObjectName(QStringLiteral("Check1_%1").arg(i));
        c->setChecked(i < 6);
        connect(c, &QCheckBox::clicked, this, [this, i] { hakenGeklickt(i); });
        f->addWidget(c, i, 0, 1, 3);
        m_haken[static_cast<std::size_t>(i)] = c;
    }
    const char* stufen[2] = {"Schwierigkeit", "Stufe"};
    for (int k = 0; k < 2; ++k) {
        auto* l = new QLabel(QString::fromLatin1(stufen[k]), m_filter);
        auto* s = new QSpinBox(m_filter);
        s->setObjectName(QStringLiteral("UpDown1_%1").arg(k));
        s->setRange(0, 5);
        auto* wert = new QLabel(QStringLiteral("A"), m_filter);
        wert->setObjectName(QStringLiteral("Labelstufe%1").arg(k));
        connect(s, &QSpinBox::valueChanged, this,
                [wert](int v) { wert->setText(f_stufentext(v)); });
        f->addWidget(l, 8 + k, 0);
        f->addWidget(s, 8 + k, 1);
        f->addWidget(wert, 8 + k, 2);
        m_stufe[static_cast<std::size_t>(k)] = s;
        m_stufenLabel[static_cast<std::size_t>(k)] = wert;
    }
    g->addWidget(m_filter, 1, 2, 9, 2);
    m_selektor->setGeometry(0, 0, 700, 420);
    m_selektor->hide();
}

void Formlernen::listenZeigen() {
    m_baum->clear();
    const Themenbaum& t = m_st.themenbaum;
    auto einfuegen = [&](auto&& selbst, int index, QTreeWidgetItem* eltern) -> void {
        const Themenknoten& k = t.an(index);
        auto* item = eltern != nullptr ? new QTreeWidgetItem(eltern) : new QTreeWidgetItem(m_baum);
        item->setText(0, k.text);
        item->setData(0, kSchluessel, k.schluessel);
        item->setIcon(0, knotenbild(k.bild));
        for (int kind : k.kinder) {
            selbst(selbst, kind, item);
        }
    };
    for (int i : t.oberste()) {
        einfuegen(einfuegen, i, nullptr);
    }
    m_stichworte->clear();
    m_stichworte->addItems(m_st.stichwortliste);
    m_touren->clear();
    m_touren->addItems(m_st.tourliste);
}

void Formlernen::selectZeigen() {
    m_selektor->move(0, 0);
    m_selektor->show();
    m_selektor->raise();
}

void Formlernen::knotenGeklickt(QTreeWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    Themenknoten* k = m_st.themenbaum.knoten(item->data(0, kSchluessel).toString());
    if (k == nullptr) {
        return;
    }
    k->bild = k->bild == 2 ? 1 : 2;
    item->setIcon(0, knotenbild(k->bild));
}

void Formlernen::auswahlLoeschen() {
    Themenbaum& t = m_st.themenbaum;
    for (int i = 0; i < t.anzahl(); ++i) {
        const_cast<Themenknoten&>(t.an(i)).bild = 1;
    }
    if (Themenknoten* wurzel = t.knoten(QStringLiteral("root"))) {
        wurzel->bild = 2;
    }
    listenZeigen();
}

void Formlernen::modusBaum() {
    m_sitzung.modus().bo_modusbaum = true;
    m_baum->show();
    m_stichworte->hide();
    m_touren->hide();
    m_statistikLoeschen->setEnabled(false);
    m_filter->show();
}

void Formlernen::modusStichwort() {
    m_sitzung.modus().bo_modusstichwort = true;
    m_stichworte->show();
    m_baum->hide();
    m_touren->hide();
    m_statistikLoeschen->setEnabled(false);
    m_filter->show();
    m_haken[0]->setChecked(true);
    m_haken[6]->setChecked(false);
    m_haken[7]->setChecked(false);
    m_stufe[0]->setValue(0);
    m_stufe[1]->setValue(0);
}

void Formlernen::hakenGeklickt(int i) {
    if (i == 0) {
        for (int k = 1; k <= 5; ++k) {
            m_haken[static_cast<std::size_t>(k)]->setChecked(true);
        }
    } else if (i == 6) {
        m_haken[7]->setChecked(false);
    } else if (i == 7) {
        m_haken[6]->setChecked(false);
    } else {
        m_haken[0]->setChecked(false);
    }
}

void Formlernen::auswahlAbbruch() {
    m_selektor->hide();
    m_sitzung.modus().s_stichwort = QStringLiteral("ALLE");
}

void Formlernen::auswahlOk() {
    Auswahlfilter& f = m_sitzung.filter();
    for (int i = 0; i < 8; ++i) {
        f.haken[static_cast<std::size_t>(i)] = m_haken[static_cast<std::size_t>(i)]->isChecked();
    }
    f.stufe = m_stufe[0]->value();
    f.schwierigkeit = m_stufe[1]->value();
    try {
        const QString sql = f_auswahlsql(m_st.themenbaum, f, m_sitzung.modus());
        if (m_sitzung.auswahlOeffnen(sql) == Lernsitzung::Auswahl::Leer) {
            m_dialoge.meldung(QStringLiteral("Keine Aufgaben mit diesen Auswahlkriterien"), kTitel);
            return;
        }
    } catch (const Fehler&) {
        m_dialoge.meldung(
            QStringLiteral("Die Auswahl ist zu komplex, verringern Sie die Anzahl der Elemente!"),
            kTitel);
        m_sitzung.modus().s_stichwort = QStringLiteral("ALLE");
        return;
    }
    setWindowTitle(QString::number(m_sitzung.anzahl()));
    knopfleisteSetzen();
    m_selektor->hide();
    anzeigen(false);
}
