#include "tasks/Anzeigeplan.h"

#include <QStringList>
#include <cmath>

#include "db/Verschluesselung.h"
#include "formula/Zahltext.h"
#include "ui/Zufall.h"

namespace {

const QString kKurz =
    QStringLiteral("                                                                 Kurzantwort");
const QString kMathe =
    QStringLiteral("       Ergebnis                                            Faktor *  Einheit");
const QString kFormel =
    QStringLiteral("                                                                Formel");

// The first accepted answer of a short-answer row: followed by a blank, cut at the first
// ";", a leading "##" removed.
QString ersteAntwort(const QString& antwort) {
    QString t = antwort + QLatin1Char(' ');
    t = t.left(t.indexOf(QLatin1Char(';')) < 0 ? t.size() : t.indexOf(QLatin1Char(';')));
    if (t.startsWith(QLatin1String("##"))) {
        t = t.mid(2);
    }
    return t;
}

QString vorDoppelstrich(const QString& antwort) {
    const QString t = antwort + QLatin1Char(' ');
    const qsizetype p = t.indexOf(QStringLiteral("//"));
    return p < 0 ? t : t.left(p);
}

// The expected value as the value box shows it, with the German comma.
QString ergebnisText(double x) {
    return f_zahlSchreiben(x);
}

}  // namespace

QString f_merkerStueck(const QString& merker, int index) {
    const QStringList teile = merker.split(QLatin1Char(';'));
    return teile.value(index);
}

QString f_formeltipp(const QString& s_antwort) {
    const qsizetype p = s_antwort.indexOf(QStringLiteral("//"));
    if (s_antwort.isEmpty() || p < 0) {
        return {};
    }
    QString defs = s_antwort.mid(p + 2);
    const qsizetype q = defs.indexOf(QStringLiteral("//"));
    if (q >= 0) {
        defs = defs.left(q);
    }
    QString tipp = QStringLiteral("f(");
    for (const QString& d : defs.split(QLatin1Char(':'))) {
        tipp += d.section(QLatin1Char(';'), 0, 0) + QLatin1Char(',');
    }
    return tipp + QLatin1Char(')');
}

Anzeigeplan f_anzeigeplan(const Aufgabenzeile& z, Fenster fenster, Anzeigeflags& flags,
                          Zufall& zufall) {
    Anzeigeplan p;
    p.typ = z.grundtyp;
    const bool lernenAusgewertet = fenster == Fenster::Lernen && z.mark;
    const bool pruefung = fenster != Fenster::Lernen;
    const QString merker = pruefung ? f_entschluesseln(z.antwortmerker) : z.antwortmerker;

    switch (z.grundtyp) {
        case 0: {
            flags.bo_matheaufgabe = false;
            p.bereich = Anzeigeplan::Bereich::MC;
            p.frageHoehe = 152;
            std::array<bool, 5> da{};
            for (int i = 0; i < 5; ++i) {
                p.mc[i].markiert = (lernenAusgewertet && z.wertungen[i] > 0) ||
                                   (pruefung && z.marks[i] > 0) ||
                                   (pruefung && flags.bo_pruefungausgewertet && z.wertungen[i] > 0);
                da[i] = !z.antwort[i].isEmpty();
            }
            std::array<int, 5> reihenfolge = {1, 2, 3, 4, 5};
            if (!flags.bo_mcfest && !z.mark) {
                for (int i = 0; i < 5; ++i) {
                    for (;;) {
                        const int kandidat = static_cast<int>(5 * zufall.naechste()) + 1;
                        bool schonDa = false;
                        for (int k = 0; k < i; ++k) {
                            schonDa = schonDa || reihenfolge[k] == kandidat;
                        }
                        if (!schonDa) {
                            reihenfolge[i] = kandidat;
                            break;
                        }
                    }
                }
            }
            int zaehler = 0;
            for (int i = 0; i < 5; ++i) {
                const int box = reihenfolge[i] - 1;
                p.mc[box].sichtbar = da[box];
                p.mc[box].oben = zaehler * 1080 + 100;
                if (da[box]) {
                    ++zaehler;
                }
            }
            break;
        }
        case 1:
        case 5: {
            flags.bo_matheaufgabe = false;
            p.bereich = Anzeigeplan::Bereich::Zeilen;
            p.ueberschrift = z.grundtyp == 1 ? kKurz : kFormel;
            p.frageHoehe = 350;
            for (int i = 0; i < 5; ++i) {
                Anzeigeplan::Zeile& r = p.zeilen[i];
                r.textSichtbar = !z.antwort[i].isEmpty();
                r.maxLaenge = z.grundtyp == 1 ? 20 : 70;
                r.links = 60;
                r.breite = 5750;
                if (z.grundtyp == 1) {
                    if (lernenAusgewertet || (pruefung && flags.bo_pruefungausgewertet)) {
                        r.text = ersteAntwort(z.antwort[i]);
                    } else if (pruefung) {
                        r.text = f_merkerStueck(merker, i);
                    }
                } else {
                    if (lernenAusgewertet ||
                        (pruefung && flags.bo_pruefungausgewertet && !z.antwort[i].isEmpty())) {
                        r.text = vorDoppelstrich(z.antwort[i]);
                    } else if (pruefung && !flags.bo_pruefungausgewertet &&
                               merker.split(QLatin1Char(';')).size() > i + 1) {
                        r.text = f_merkerStueck(merker, i);
                    }
                    if (!z.antwort[i].isEmpty()) {
                        r.tooltip = f_formeltipp(z.antwort[i]);
                    }
                }
            }
            break;
        }
        case 2: {
            flags.bo_matheaufgabe = true;
            p.bereich = Anzeigeplan::Bereich::Zeilen;
            p.ueberschrift = kMathe;
            p.frageHoehe = 350;
            for (int i = 0; i < 5; ++i) {
                Anzeigeplan::Zeile& r = p.zeilen[i];
                const bool benutzt = i == 0 || z.ergebnis[i] != 0.0;
                r.textSichtbar = benutzt;
                r.wertSichtbar = benutzt;
                r.wert = QStringLiteral("0");
                r.maxLaenge = 30;
                r.links = 3120;
                r.breite = 2700;
                if (pruefung) {
                    const QString w = f_merkerStueck(merker, 3 * i);
                    r.wert = w.isEmpty() ? QStringLiteral("0") : w;
                    r.text = f_merkerStueck(merker, 3 * i + 2);
                }
                if (lernenAusgewertet || (pruefung && flags.bo_pruefungausgewertet)) {
                    r.wert = ergebnisText(z.ergebnis[i]);
                    r.text = z.antwort[i] + QLatin1Char(' ');
                }
            }
            break;
        }
        case 3: {
            flags.bo_matheaufgabe = false;
            p.bereich = Anzeigeplan::Bereich::Keiner;
            p.freiSichtbar = flags.b_datenbanktyp == 0;
            p.frageHoehe = p.freiSichtbar ? 152 : 390;
            p.auswertungFreigeben = true;
            if (z.mark) {
                p.freiText = z.antwort[0];
            }
            break;
        }
        default:
            p.typ = 4;
            p.bereich = Anzeigeplan::Bereich::Keiner;
            p.frageHoehe = 500;
            break;
    }
    return p;
}
