#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include <QListWidget>
#include <QPlainTextEdit>
#include "app/elvaris.h"
#include "common/FakeDialoge.h"
#include "common/Fixture.h"
#include "db/Database.h"
#include "db/Nutzungslog.h"
#include "db/Recordset.h"
#include "db/Verschluesselung.h"
#include "formula/Formrechner.h"
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
    QStringList logzeilen() const { return logereignisse(arbeit.path()); }

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
    EXPECT_TRUE(lernen->menue("menuformelserver")->isEnabled());
    EXPECT_FALSE(lernen->menue("menusterndreieck")->isEnabled());
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

TEST_F(FormlernenTest, AuswertungAllerTypen) {
    const QChar cr(13);
    // Multiple choice GS-01: "Ohm" is the only right answer (weights -1, 2, -1, -1).
    dialoge.antwortenEingabe = {QStringLiteral("GS-01"), QStringLiteral("GS-12"),
                                QStringLiteral("GS-31"), QStringLiteral("GS-20"),
                                QStringLiteral("GS-05")};
    lernen->geheZu();
    const Aufgabenzeile mc = lernen->sitzung().aktuell();
    int ohm = -1;
    for (int i = 0; i < 5; ++i) {
        if (mc.antwort[static_cast<std::size_t>(i)].startsWith("Ohm")) {
            ohm = i;
        }
    }
    ASSERT_GE(ohm, 0);
    lernen->ankreuzen(ohm);
    EXPECT_TRUE(lernen->ansicht()->mcMarkiert(ohm));
    EXPECT_EQ(lernen->sitzung().aktuell().marks[static_cast<std::size_t>(ohm)], 1);
    klick(lernen->auswertungsknopf());
    EXPECT_FALSE(lernen->auswertungsknopf()->isEnabled());
    EXPECT_TRUE(lernen->loesung()->isVisible());
    EXPECT_TRUE(lernen->loesung()->text().startsWith(
        "Sie haben diese Aufgabe vollständig gelöst\nund erhalten 2 Punkte."));
    EXPECT_EQ(lernen->gesamtLabel()->text(), QStringLiteral("Gesamtpunktzahl: 2"));
    EXPECT_EQ(lernen->noteLabel()->text(), QStringLiteral("Gesamtnote: 1"));
    EXPECT_TRUE(lernen->sitzung().aktuell().mark);
    EXPECT_EQ(lernen->sitzung().aktuell().antwortmerker.count(';'), 5);

    // Calculation GS-12: 650 Ohm right, the current in a wrong group.
    lernen->geheZu();
    lernen->ansicht()->wertBox(0)->setText("650");
    lernen->ansicht()->textBox(0)->setText("Ohm");
    lernen->ansicht()->wertBox(1)->setText("36,9");
    lernen->ansicht()->textBox(1)->setText("V");
    lernen->auswerten();
    EXPECT_TRUE(lernen->loesung()->text().startsWith(
        "Sie haben diese Aufgabe nur teilweise gelöst\nund erhalten 2 von 5 Punkten"))
        << lernen->loesung()->text().toStdString();
    EXPECT_TRUE(lernen->loesung()->text().contains("650 Ohm"));
    EXPECT_EQ(lernen->sitzung().aktuell().antwortmerker,
              QStringLiteral("650;;Ohm;36,9;;V;0;;;0;;;0;;;"));
    // After the evaluation the display shows the expected result.
    EXPECT_EQ(lernen->ansicht()->textBox(1)->text(), QStringLiteral("mA "));

    // Formula GS-31.
    lernen->geheZu();
    lernen->ansicht()->textBox(0)->setText("R=R1||R2");
    lernen->auswerten();
    EXPECT_TRUE(lernen->loesung()->text().startsWith("Sie haben diese Aufgabe vollständig gelöst"));
    EXPECT_EQ(lernen->gesamtLabel()->text(), QStringLiteral("Gesamtpunktzahl: 7"));

    // Free answer GS-20, self-assessed right.
    lernen->geheZu();
    lernen->ansicht()->freieAntwort()->setPlainText("Strom gleich, Spannungen addieren sich");
    dialoge.antwortenFrage = {true};
    dialoge.gezeigt.clear();
    lernen->auswerten();
    ASSERT_FALSE(dialoge.gezeigt.empty());
    EXPECT_EQ(dialoge.gezeigt.back().text,
              QStringLiteral("Ist Ihre Antwort richtig? \nDann bekommen Sie 4 Punkte"));
    EXPECT_TRUE(
        lernen->ansicht()->freieAntwort()->toPlainText().contains("Die richtige Antwort lautet:"));
    EXPECT_EQ(lernen->gesamtLabel()->text(), QStringLiteral("Gesamtpunktzahl: 11"));

    // Short answer GS-05 wrong: 0 points, counters written.
    lernen->geheZu();
    lernen->ansicht()->textBox(0)->setText("Ampere");
    lernen->auswerten();
    EXPECT_TRUE(lernen->loesung()->text().startsWith(
        "Sie haben diese Aufgabe nicht gelöst\nund erhalten 0 Punkte"));
    auto db = Database::oeffnen(demo);
    auto rs = db->oeffneRecordset("SELECT * FROM 01 WHERE freieantwort = 'GS-05'",
                                  Database::Art::Snapshot);
    EXPECT_EQ(rs->feld("nutzung").toInt(), 1);
    EXPECT_EQ(rs->feld("unrichtig").toInt(), 1);
    Q_UNUSED(cr);
}

TEST_F(FormlernenTest, RechnerRechnetUndGibtZurueck) {
    dialoge.antwortenEingabe = {QStringLiteral("GS-12")};
    lernen->geheZu();
    lernen->rechnerZeigen(true, 1);
    EXPECT_FALSE(lernen->isEnabled());
    auto* rechner = qobject_cast<Formrechner*>(lernen->rechner());
    ASSERT_NE(rechner, nullptr);
    rechner->formel()->setPlainText("I/A=U/R");
    rechner->f_formelanalyse();
    ASSERT_EQ(rechner->variablenzahl(), 2);
    // Variables longest first: here both have one letter, in the order found.
    for (int i = 0; i < 2; ++i) {
        rechner->wert(i)->setText(rechner->variable(i)->text().startsWith("U") ? "24" : "650");
    }
    rechner->f_formelberechnung();
    EXPECT_EQ(rechner->links()->text(), QStringLiteral("I ="));
    EXPECT_EQ(rechner->ergebnis()->text(), QStringLiteral("0,037 A"));
    rechner->darstellung()->setCurrentRow(2);
    rechner->f_formelberechnung();
    EXPECT_EQ(rechner->ergebnis()->text(), QStringLiteral("36,92 mA"));  // mantissa of "0.000E+00"
    EXPECT_TRUE(rechner->einsetzenKnopf()->isEnabled());
    rechner->einsetzen();
    EXPECT_TRUE(lernen->isEnabled());
    EXPECT_EQ(lernen->ansicht()->wertBox(1)->text(), QStringLiteral("36,92"));
    EXPECT_EQ(lernen->ansicht()->textBox(1)->text(), QStringLiteral("mA"));
}

TEST_F(FormlernenTest, EingabefelderFiltern) {
    dialoge.antwortenEingabe = {QStringLiteral("GS-12")};
    lernen->geheZu();
    QLineEdit* wert = lernen->ansicht()->wertBox(0);
    QLineEdit* einheit = lernen->ansicht()->textBox(0);
    QApplication::setActiveWindow(haupt.get());
    wert->setFocus();
    wert->clear();
    QTest::keyClicks(wert, "1.5.x+e");
    EXPECT_EQ(wert->text(), QStringLiteral("1,5+E"));
    einheit->setFocus();  // the value box loses the focus: checked
    EXPECT_EQ(wert->text(), QStringLiteral("0"));
    EXPECT_EQ(dialoge.meldungen().last(), QStringLiteral("Falsches Zahlenformat"));
    QTest::keyClicks(einheit, "m1A");
    EXPECT_EQ(einheit->text(), QStringLiteral("mA"));
    // Right mouse button on the value box of a calculation opens the calculator for the row.
    QTest::mouseClick(lernen->ansicht()->wertBox(1), Qt::RightButton);
    ASSERT_NE(lernen->rechner(), nullptr);
    EXPECT_EQ(st.b_aktivezeile, 1);
    EXPECT_TRUE(st.bo_einsetzbar);
    lernen->rechner()->close();
    EXPECT_TRUE(lernen->isEnabled());
}

TEST_F(FormlernenTest, WiederkehrenderFokusIstKeineAktivierung) {
    QTreeWidgetItem* gs = knoten(QStringLiteral("Gleichstromtechnik"));
    ASSERT_NE(gs, nullptr);
    lernen->knotenGeklickt(gs);
    // The program loses and regains the focus: the choice stays, no second login.
    QMdiArea* mdi = haupt->mdi();
    emit mdi->subWindowActivated(nullptr);
    emit mdi->subWindowActivated(mdi->subWindowList().first());
    EXPECT_EQ(logzeilen().count("Login Lernen"), 1);
    EXPECT_EQ(st.themenbaum.knoten("0H")->bild, 2);
    // Closed with "&Beenden" and shown again with "&Lernen": a new activation.
    lernen->menue("menubeenden")->trigger();
    EXPECT_FALSE(lernen->isVisible());
    EXPECT_FALSE(haupt->mdi()->subWindowList().first()->isVisible());
    haupt->lernenBefehl();
    EXPECT_EQ(logzeilen().count("Login Lernen"), 2);
}
