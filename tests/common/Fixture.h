#pragma once
// Task databases for tests, built with the same builder as the demo database.

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "db/Aufgabenquelle.h"
#include "db/Nutzungslog.h"
#include "db/Verschluesselung.h"

// A small database: two main areas, unit groups, basic data and a handful of tasks.
inline QJsonObject kleineQuelle() {
    QJsonObject q;
    q.insert("datenbanktyp", 0);
    q.insert("letztenote", 6);
    q.insert("zugang", "AB-xyz-geheim1");
    q.insert("grunddaten", QJsonObject{{"fach", "Elektrotechnik"},
                                       {"notengrenze", QJsonArray{90, 80, 70, 60, 50, 40}},
                                       {"pfadbilder", "/medien/bilder/"}});
    q.insert("themen",
             QJsonArray{
                 QJsonObject{
                     {"name", "Gleichstrom"},
                     {"teilgebiete",
                      QJsonArray{QJsonObject{{"name", "Grundlagen"},
                                             {"themen", QJsonArray{"Strom", "Spannung"}}},
                                 QJsonObject{{"name", "Schaltungen"}, {"themen", QJsonArray{}}}}}},
                 QJsonObject{{"name", "Wechselstrom"}, {"teilgebiete", QJsonArray{}}}});
    q.insert("einheiten", QJsonArray{"V=1;mV=1000", "A=1;mA=1000", "K=*0;°C=*273,15"});
    QJsonArray aufgaben;
    const char* stichworte[][2] = {
        {"ohm", "Strom"}, {"Ärger", "Spannung"}, {"Ampere", ""}, {"strom", "Zeit"}};
    for (int i = 0; i < 4; ++i) {
        aufgaben.append(
            QJsonObject{{"freieantwort", QStringLiteral("A%1").arg(i + 1)},
                        {"Grundtyp", i % 6},
                        {"Aufgabe", i == 2 ? QString() : QStringLiteral("Frage %1").arg(i + 1)},
                        {"Stichwort1", stichworte[i][0]},
                        {"Stichwort2", stichworte[i][1]},
                        {"Stichwort4", i == 3 ? "Tour A" : ""},
                        {"Gebiet1", i % 2},
                        {"webtask", 10 - i},
                        {"Zeit", 60}});
    }
    q.insert("aufgaben", aufgaben);
    return q;
}

inline QString bauen(const QTemporaryDir& dir, const QJsonObject& quelle,
                     const QString& name = QStringLiteral("test.ssw")) {
    const QString pfad = dir.filePath(name);
    f_datenbankBauen(quelle, pfad);
    return pfad;
}

inline QByteArray inhalt(const QString& pfad) {
    QFile f(pfad);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

inline void schreiben(const QString& pfad, const QByteArray& daten) {
    QFile f(pfad);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(daten);
}

// The events of the usage log in the working folder, unscrambled, without prefix and time.
inline QStringList logereignisse(const QString& startpfad) {
    QFile f(f_logdatei(startpfad));
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
