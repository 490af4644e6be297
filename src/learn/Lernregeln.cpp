#include "learn/Lernregeln.h"

#include <cmath>

#include "ui/Zufall.h"

int f_zielzeile(Bewegung k, int zeile, int anzahl, Zufall& zufall) {
    switch (k) {
        case Bewegung::Erste:
            return 0;
        case Bewegung::Zurueck:
            return zeile - 1;
        case Bewegung::Zufaellig:
            // Uniform over the existing rows; never one beyond the last.
            return std::min(anzahl - 1, static_cast<int>(std::floor(zufall.naechste() * anzahl)));
        case Bewegung::Vor:
            return zeile + 1;
        case Bewegung::Letzte:
            return anzahl - 1;
    }
    return zeile;
}

void f_knoepfeNachBewegung(Knoepfe& aktiv, Bewegung k, int zeile, int anzahl) {
    switch (k) {
        case Bewegung::Erste:
        case Bewegung::Zurueck:
            aktiv[3] = aktiv[4] = true;
            break;
        case Bewegung::Vor:
        case Bewegung::Letzte:
            aktiv[0] = aktiv[1] = true;
            break;
        case Bewegung::Zufaellig:
            break;
    }
    if (zeile == 0) {
        aktiv[0] = aktiv[1] = false;
        aktiv[3] = aktiv[4] = true;
    }
    if (zeile == anzahl - 1) {
        aktiv[3] = aktiv[4] = false;
        aktiv[0] = aktiv[1] = true;
    }
}

Knoepfe f_knoepfeNachAuswahl(int anzahl) {
    const bool an = anzahl >= 2;
    return {an, an, an, an, an};
}

Bildgeometrie f_bildgroesse(int breite, int hoehe, bool natur, int maxBreite, int maxHoehe) {
    Bildgeometrie g;
    int w = breite;
    int h = hoehe;
    // A stored size of 0 cannot be fitted; it stays as it is.
    if (!natur && breite > 0 && hoehe > 0) {
        const double f = std::min(static_cast<double>(maxBreite) / breite,
                                  static_cast<double>(maxHoehe) / hoehe);
        w = static_cast<int>(std::nearbyint(breite * f));
        h = static_cast<int>(std::nearbyint(f * hoehe));
    }
    g.rahmenBreite = w;
    g.rahmenHoehe = h;
    g.bildBreite = static_cast<int>(0.92 * w);
    g.bildHoehe = static_cast<int>(0.92 * h);
    g.bildOben = (h - g.bildHoehe) / 2;
    g.bildLinks = (w - g.bildBreite) / 2;
    return g;
}

Multimediaplan f_multimediaplan(const Aufgabenzeile& z, bool nochZuBeantworten) {
    Multimediaplan p;
    const std::array<const QString*, 11> felder = {
        &z.bild[0],   &z.bild[1],        &z.bild[2], &z.wave, &z.avi,          &z.hypertext,
        &z.animation, &z.animationspfad, &z.loesung, nullptr, &z.hypertextpfad};
    for (int i = 0; i < 11; ++i) {
        if (felder[i] != nullptr) {
            p.aktiv[i] = !felder[i]->isEmpty();
            p.aktivSetzen[i] = true;
        }
    }
    p.bildDruckenAktiv = p.aktiv[0] || p.aktiv[1] || p.aktiv[2];
    if (nochZuBeantworten && !z.schluessel.isEmpty()) {
        // Positions 1..8 belong to buttons 0..7, position 9 to "URL".
        for (int pos = 1; pos <= 9; ++pos) {
            const int knopf = pos <= 8 ? pos - 1 : 10;
            p.sichtbar[knopf] = z.schluessel.mid(pos - 1, 1) != QLatin1String("1");
            p.sichtbarSetzen[knopf] = true;
        }
    }
    return p;
}

QString f_antwortmerkerText(const Aufgabenzeile& z, const Antwortboxen& b) {
    QString m;
    switch (z.grundtyp) {
        case 0:
            for (int i = 0; i < 5; ++i) {
                m += QString::number(z.marks[i]) + QLatin1Char(';');
            }
            return m;
        case 1:
        case 5:
            for (int i = 0; i < 5; ++i) {
                m += b.texte[i] + QLatin1Char(';');
            }
            return m;
        case 2:
            for (int i = 0; i < 5; ++i) {
                m += b.werte[i] + QStringLiteral(";;") + b.texte[i] + QLatin1Char(';');
            }
            return m;
        case 3:
            return b.frei;
        default:
            return {};
    }
}
