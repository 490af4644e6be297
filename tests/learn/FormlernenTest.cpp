#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include "app/elvaris.h"
#include "common/FakeDialoge.h"
#include "common/Fixture.h"
#include "db/Nutzungslog.h"
#include "db/Verschluesselung.h"
#include "learn/Formlernen.h"
#include "tasks/Aufgabenansicht.h"
#include "ui/Zufall.h"

namespace {

class FormlernenTest : public ::testing::Test {
protected:
    void SetUp() override {
        demo = arbeit.filePath("demo.ssw");
        ASSERT_TRUE(QFile::copy(ELVARIS_DEMO_DB, demo));
        QFile::setPermissions(demo, QFile::ReadOwner | QFile::WriteOwner);
        QDir(arbeit.path()).mkdir("Bilder");
        for (const QString& b : QDir(ELVARIS_DEMO_BILDER).entryList(QDir::Files)) {
            QFile::copy(QDir(ELVARIS_DEMO_BILDER).filePath(b), arbeit.filePath("Bilder/" + b));
        }
        haupt = std::make_unique<elvaris>(
            st, dialoge, zufall,
            elvaris::Umgebung{[] { return QList<Laufwerk>{}; }, [] { return true; }});
        haupt->starten(arbeit.path());
        dialoge.gezeigt.clear();
        ASSERT_TRUE(haupt->datenbankOeffnen(demo));
        haupt->show();
        haupt->lernenBefehl();
        lernen = haupt->lernfenster();
        ASSERT_NE(lernen, nullptr);
    }
    QString aktuell() { return lernen->sitzung().aktuell().freieantwort; }
    std::array<bool, 5> knoepfe() {
        std::array<bool, 5> k{};
        for (int i = 0; i < 5; ++i) {
            k[static_cast<std::size_t>(i)] = lernen->navigationsknopf(i)->isEnabled();
        }
        return k;
    }
    void klick(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    QTreeWidgetItem* knoten(const QString& text) {
        const auto treffer = lernen->baum()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return treffer.isEmpty() ? nullptr : treffer.first();
    }
    QStringList logzeilen() const {
        QFile f(f_logdatei(arbeit.path()));
        QStringList l;
        if (f.open(QIODevice::ReadOnly)) {
            for (const QByteArray& z : f.readAll().split('\n')) {
                if (!z.isEmpty()) {
                    const QString klar = f_logverschluesseln(f_ausAnsi(z.chopped(1)));
                    l << klar.mid(klar.indexOf(QStringLiteral("//")) + 2 + 20);
                }
            }
        }
        return l;
    }

    QTemporaryDir arbeit;
    QString demo;
    AppState st;
    FakeDialoge dialoge;
    Zufall zufall{11};
    std::unique_ptr<elvaris> haupt;
    Formlernen* lernen = nullptr;
};

}  // namespace

TEST_F(FormlernenTest, StartUndNavigation) {
    EXPECT_TRUE(lernen->isVisible());
    EXPECT_EQ(st.i_aufgabenzahl, 36);
    EXPECT_EQ(aktuell(), QStringLiteral("BE-01"));
    EXPECT_EQ(knoepfe(), (std::array<bool, 5>{false, false, true, true, true}));
    EXPECT_TRUE(logzeilen().contains("Login Lernen"));

    klick(lernen->navigationsknopf(3));  // ">"
    EXPECT_EQ(aktuell(), QStringLiteral("BE-02"));
    EXPECT_EQ(knoepfe(), (std::array<bool, 5>{true, true, true, true, true}));
    EXPECT_EQ(lernen->windowTitle(), QStringLiteral("Aufgabe: 2"));
    klick(lernen->navigationsknopf(1));  // "<" to the first
    EXPECT_EQ(aktuell(), QStringLiteral("BE-01"));
    EXPECT_EQ(knoepfe(), (std::array<bool, 5>{false, false, true, true, true}));
    klick(lernen->navigationsknopf(4));  // ">>"
    EXPECT_EQ(lernen->sitzung().zeile(), 35);
    EXPECT_EQ(knoepfe(), (std::array<bool, 5>{true, true, true, false, false}));
    for (int i = 0; i < 30; ++i) {
        klick(lernen->navigationsknopf(2));  // "<>"
        ASSERT_TRUE(lernen->sitzung().hatAufgabe());
    }
    // The answer left behind is recorded in the task row.
    klick(lernen->navigationsknopf(0));
    EXPECT_EQ(lernen->sitzung().aktuell().antwortmerker, QStringLiteral("0;0;0;0;0;"));
}

TEST_F(FormlernenTest, AuswahlImSelektor) {
    klick(lernen->navigationsknopf(3));
    lernen->selectZeigen();
    EXPECT_TRUE(lernen->selektor()->isVisible());
    // After the activation no topic is chosen: nothing is found, the whole table is used.
    dialoge.gezeigt.clear();
    lernen->auswahlOk();
    EXPECT_EQ(dialoge.meldungen(), QStringList({"Keine Aufgaben mit diesen Auswahlkriterien"}));
    EXPECT_TRUE(lernen->selektor()->isVisible());
    EXPECT_EQ(st.s_auswahlsql, QStringLiteral("01"));

    // Only "Gleichstromtechnik".
    QTreeWidgetItem* gs = knoten(QStringLiteral("Gleichstromtechnik"));
    ASSERT_NE(gs, nullptr);
    lernen->knotenGeklickt(gs);
    lernen->auswahlOk();
    EXPECT_FALSE(lernen->selektor()->isVisible());
    EXPECT_EQ(st.i_aufgabenzahl, 20);
    EXPECT_TRUE(aktuell().startsWith("GS-"));
    EXPECT_TRUE(st.s_auswahlsql.contains(" OR Gebiet1 = 0 AND  "));

    // Only multiple choice of it.
    lernen->selectZeigen();
    lernen->haken(0)->click();  // untick "Alle"
    for (int i : {2, 3, 4, 5}) {
        lernen->haken(i)->click();
    }
    lernen->auswahlOk();
    EXPECT_EQ(st.i_aufgabenzahl, 4);
    EXPECT_EQ(lernen->sitzung().aktuell().grundtyp, 0);

    // A keyword with one task: all navigation disabled.
    lernen->selectZeigen();
    lernen->modusStichwort();
    EXPECT_TRUE(lernen->haken(0)->isChecked());
    const auto treffer = lernen->stichworte()->findItems("Farbcode", Qt::MatchExactly);
    ASSERT_EQ(treffer.size(), 1);
    emit lernen->stichworte()->itemClicked(treffer.first());
    lernen->auswahlOk();
    EXPECT_EQ(st.i_aufgabenzahl, 1);
    EXPECT_EQ(aktuell(), QStringLiteral("BE-01"));
    EXPECT_EQ(knoepfe(), (std::array<bool, 5>{false, false, false, false, false}));
}

TEST_F(FormlernenTest, GeheZuZoomPunkteUndBild) {
    dialoge.antwortenEingabe = {QStringLiteral("GS-02"), QStringLiteral("ZZZ")};
    lernen->geheZu();
    EXPECT_EQ(aktuell(), QStringLiteral("GS-02"));
    // GS-02 has a picture of 320 x 200.
    EXPECT_EQ(lernen->ansicht()->bildRahmen()->size(), QSize(320, 200));
    EXPECT_FALSE(lernen->ansicht()->bildLabel()->pixmap().isNull());
    EXPECT_TRUE(lernen->multimediaknopf(0)->isEnabled());
    EXPECT_FALSE(lernen->multimediaknopf(1)->isEnabled());
    emit lernen->ansicht()->bildGeklickt();
    EXPECT_EQ(lernen->ansicht()->bildRahmen()->size(), QSize(800, 500));
    emit lernen->ansicht()->bildGeklickt();
    EXPECT_EQ(lernen->ansicht()->bildRahmen()->size(), QSize(320, 200));

    dialoge.gezeigt.clear();
    lernen->geheZu();
    EXPECT_EQ(dialoge.meldungen(), QStringList({"Aufgabe nicht gefunden"}));
    EXPECT_EQ(aktuell(), QStringLiteral("GS-02"));

    EXPECT_FALSE(lernen->punkte()->isVisible());
    QTest::keyClick(lernen->ansicht()->frage(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(lernen->punkte()->isVisible());

    lernen->menue("menu200")->trigger();
    EXPECT_EQ(lernen->ansicht()->frage()->geometry().left(), 170);
    EXPECT_EQ(lernen->ansicht()->frage()->width(), 633);
    lernen->menue("menu100")->trigger();
    EXPECT_EQ(lernen->ansicht()->frage()->geometry().left(), 400);
    EXPECT_FALSE(lernen->menue("menuformelserver")->isEnabled());
}

TEST_F(FormlernenTest, TypenWerdenAngezeigt) {
    dialoge.antwortenEingabe = {QStringLiteral("GS-12"), QStringLiteral("GS-30"),
                                QStringLiteral("GS-00")};
    lernen->geheZu();
    EXPECT_TRUE(lernen->ansicht()->zeilenBereich()->isVisible());
    EXPECT_TRUE(lernen->ansicht()->wertBox(0)->isVisible());
    EXPECT_TRUE(lernen->ansicht()->wertBox(1)->isVisible());
    EXPECT_FALSE(lernen->ansicht()->wertBox(2)->isVisible());
    EXPECT_TRUE(st.flags.bo_matheaufgabe);
    lernen->geheZu();
    EXPECT_EQ(lernen->ansicht()->textBox(0)->maxLength(), 70);
    EXPECT_FALSE(lernen->ansicht()->wertBox(0)->isVisible());
    lernen->geheZu();
    EXPECT_FALSE(lernen->ansicht()->zeilenBereich()->isVisible());
    EXPECT_FALSE(lernen->ansicht()->mcBereich()->isVisible());
    EXPECT_EQ(lernen->ansicht()->frage()->height(), 500);
    EXPECT_TRUE(lernen->ansicht()->frage()->toPlainText().startsWith("Das Ohmsche Gesetz"));
}

TEST_F(FormlernenTest, SchliessenSchreibtErgebnis) {
    lernen->close();
    EXPECT_EQ(logzeilen().last(), QStringLiteral("Logout LernenGesamtpunktzahl: 0 , Note: "));
}
