#include <gtest/gtest.h>

#include <QJsonArray>

#include "common/Fixture.h"
#include "formula/Formelcompclass.h"
#include "tasks/Datenbankpruefung.h"

TEST(Datenbankpruefung, DemoHatKeineBefunde) {
    QTemporaryDir dir;
    const QString p = bauen(dir, f_jsonLesen(ELVARIS_DEMO_JSON));
    Formelcompclass o;
    EXPECT_EQ(f_datenbankPruefen(p, ELVARIS_DEMO_BILDER, o), QStringList());
}

TEST(Datenbankpruefung, JederFehlerWirdGemeldet) {
    QJsonObject q;
    q.insert("einheiten", QJsonArray{"V=1;;mV=1000", "A=1;mA"});
    const auto rechnen = [](const char* name, const char* einheit, double ergebnis, const char* og,
                            const char* ug) {
        return QJsonObject{{"freieantwort", name},  {"Grundtyp", 2}, {"Antwort1", einheit},
                           {"Ergebnis1", ergebnis}, {"OG1", og},     {"UG1", ug},
                           {"Wertung1", 2}};
    };
    const auto formel = [](const char* name, const char* text) {
        return QJsonObject{
            {"freieantwort", name}, {"Grundtyp", 5}, {"Antwort1", text}, {"Wertung1", 1}};
    };
    q.insert(
        "aufgaben",
        QJsonArray{rechnen("R1", "V", 10, "zehn", "9"), rechnen("R2", "Volt", 10, "10,1", "9,9"),
                   rechnen("R3", "V", 12, "10,1", "9,9"), formel("F1", "P=U*I//U;1;2;3:I;1;2;3"),
                   formel("F2", "P=U*(I//U;1;2;3:I;1;2;3//1:1"),
                   QJsonObject{
                       {"freieantwort", "M1"}, {"Grundtyp", 0}, {"Antwort1", "a"}, {"Wertung1", 0}},
                   QJsonObject{{"freieantwort", "B1"}, {"Grundtyp", 4}, {"Bild1", "fehlt.png"}},
                   QJsonObject{{"freieantwort", "K1"},
                               {"Grundtyp", 1},
                               {"Antwort1", "##Ohm;R"},
                               {"Wertung1", 1}}});
    QTemporaryDir dir;
    const QString p = bauen(dir, q);
    Formelcompclass o;
    const QStringList b = f_datenbankPruefen(p, dir.path(), o);
    const QStringList erwartet = {
        "Einheitengruppe \"V=1;;mV=1000\": leerer Eintrag",
        "Einheitengruppe \"A=1;mA\": Eintrag \"mA\" ohne \"=\"",
        "R1: Zeile 1: Grenze \"zehn\" ist keine Zahl",
        "R2: Zeile 1: Einheit \"Volt\" fehlt in den Einheitengruppen",
        "R3: die eigene Lösung erhält 0 von 2 Punkten",
        "F1: Zeile 1: Formel ohne Toleranzen",
        "F2: Zeile 1: Formel wird nicht angenommen: Fehler, fehlerhafte Klammerzahl, zuviele ( !",
        "M1: Multiple Choice ohne richtige Antwort",
        "B1: Bilddatei fehlt.png fehlt",
    };
    EXPECT_EQ(b, erwartet);
}
