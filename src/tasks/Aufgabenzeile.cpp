#include "tasks/Aufgabenzeile.h"

#include "db/Recordset.h"

namespace {
int zahl(const Recordset& rs, const QString& feld) {
    return static_cast<int>(rs.feld(feld).toLongLong());
}
}  // namespace

Aufgabenzeile Aufgabenzeile::lesen(const Recordset& rs) {
    Aufgabenzeile z;
    z.grundtyp = zahl(rs, QStringLiteral("Grundtyp"));
    z.punkttyp = zahl(rs, QStringLiteral("Punkttyp"));
    z.wertung = zahl(rs, QStringLiteral("Wertung"));
    z.aufgabe = rs.text(QStringLiteral("Aufgabe"));
    z.freieantwort = rs.text(QStringLiteral("freieantwort"));
    for (int i = 0; i < 5; ++i) {
        const QString n = QString::number(i + 1);
        z.antwort[i] = rs.text(QStringLiteral("Antwort") + n);
        z.wertungen[i] = zahl(rs, QStringLiteral("Wertung") + n);
        z.ergebnis[i] = rs.feld(QStringLiteral("Ergebnis") + n).toDouble();
        z.og[i] = rs.text(QStringLiteral("OG") + n);
        z.ug[i] = rs.text(QStringLiteral("UG") + n);
        z.marks[i] = zahl(rs, QStringLiteral("mark") + n);
    }
    z.mark = rs.feld(QStringLiteral("mark")).toLongLong() != 0;
    z.antwortmerker = rs.text(QStringLiteral("Antwortmerker"));
    z.zeit = zahl(rs, QStringLiteral("Zeit"));
    const char* namen[3] = {"Bild1", "Bild2", "Pausenbild"};
    for (int k = 0; k < 3; ++k) {
        const QString n = QString::fromLatin1(namen[k]);
        z.bild[k] = rs.text(n);
        z.bildBreite[k] = zahl(rs, n + QLatin1Char('w'));
        z.bildHoehe[k] = zahl(rs, n + QLatin1Char('h'));
    }
    z.wave = rs.text(QStringLiteral("Wave"));
    z.avi = rs.text(QStringLiteral("Avi"));
    z.hypertext = rs.text(QStringLiteral("Hypertext"));
    z.hypertextpfad = rs.text(QStringLiteral("Hypertextpfad"));
    z.animation = rs.text(QStringLiteral("Animation"));
    z.animationspfad = rs.text(QStringLiteral("Animationspfad"));
    z.loesung = rs.text(QStringLiteral("Loesung"));
    z.parameter = rs.text(QStringLiteral("Parameter"));
    z.notiz = rs.text(QStringLiteral("Notiz"));
    z.schluessel = rs.text(QStringLiteral("Schluessel"));
    return z;
}
