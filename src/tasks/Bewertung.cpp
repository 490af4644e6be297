#include "tasks/Bewertung.h"

#include <cmath>

#include "app/AppState.h"
#include "formula/Formelcompclass.h"
#include "formula/Zahltext.h"
#include "learn/Lernregeln.h"

namespace {

const QChar kUmbruch(13);

QString nachGleich(const QString& s) {
    const qsizetype p = s.indexOf(QLatin1Char('='));
    return p < 0 ? s : s.mid(p + 1);
}

// A bound: an empty field counts as 0 (never the bound of an earlier task).
QString grenze(const QString& feld) {
    return feld.isEmpty() ? QStringLiteral("0") : feld;
}

// The recorded answers of short-answer, formula and calculation tasks, as both the learning
// window and the exam windows list them under the verdict.
QString antwortliste(int grundtyp, const QString& merker) {
    QString l;
    if (merker.isEmpty()) {
        return l;
    }
    const QStringList p = merker.split(QLatin1Char(';'));
    if (grundtyp == 1 || grundtyp == 5) {
        for (qsizetype k = 0; k + 1 < p.size(); ++k) {
            l += p[k] + kUmbruch;
        }
    } else if (grundtyp == 2) {
        for (int i = 0; i < 5; ++i) {
            if (p.value(3 * i) != QLatin1String("0")) {
                l += kUmbruch + p.value(3 * i) + QLatin1Char(' ') + p.value(3 * i + 1) +
                     p.value(3 * i + 2);
            }
        }
    }
    return l;
}

// Points mode 0: the sum of the right rows; 1: all or nothing; any other mode: nothing.
int nachModus(int mode, int summe, bool alleRichtig, int full) {
    if (mode == 0) {
        return summe;
    }
    if (mode == 1) {
        return alleRichtig ? full : 0;
    }
    return 0;
}

}  // namespace

Bewertungszeilen f_zeilenLernen(const Aufgabenzeile& z, const Antwortboxen& b) {
    Bewertungszeilen r;
    for (std::size_t i = 0; i < 5; ++i) {
        r.i_zeilenwertung[i] = z.wertungen[i];
        r.i_zeilenmarke[i] = z.marks[i];
        r.s_zeilenantwort[i] = b.texte[i];
        r.s_zeilensoll[i] = z.antwort[i];
        r.s_zeilenwert[i] = b.werte[i];
        r.s_zeilenog[i] = grenze(z.og[i]);
        r.s_zeilenug[i] = grenze(z.ug[i]);
    }
    return r;
}

Bewertungszeilen f_zeilenPruefung(const Aufgabenzeile& z, const QString& merker) {
    Bewertungszeilen r;
    const QStringList p = merker.split(QLatin1Char(';'));
    for (std::size_t i = 0; i < 5; ++i) {
        const int n = static_cast<int>(i);
        r.i_zeilenwertung[i] = z.wertungen[i];
        r.i_zeilenmarke[i] = z.marks[i];
        r.s_zeilensoll[i] = z.antwort[i];
        r.s_zeilenwert[i] = QStringLiteral("0");
        r.s_zeilenog[i] = grenze(z.og[i]);
        r.s_zeilenug[i] = grenze(z.ug[i]);
        if (z.grundtyp == 1 || z.grundtyp == 5) {
            r.s_zeilenantwort[i] = p.value(n);
        } else if (z.grundtyp == 2) {
            if (!p.value(3 * n).isEmpty()) {
                r.s_zeilenwert[i] = p.value(3 * n);
            }
            r.s_zeilenantwort[i] = p.value(3 * n + 2);
        }
    }
    return r;
}

int f_mcpunkte(const Bewertungszeilen& r, int mode, int full) {
    int summe = 0;
    int angekreuzt = 0;
    int richtig = 0;
    for (int i = 0; i < 5; ++i) {
        summe += r.i_zeilenmarke[i] * r.i_zeilenwertung[i];
        angekreuzt += (1 << i) * r.i_zeilenmarke[i];
        richtig += (1 << i) * (r.i_zeilenwertung[i] > 0 ? 1 : 0);
    }
    return nachModus(mode, summe, angekreuzt == richtig, full);
}

QString f_phonetik(const QString& text) {
    const QString s = f_grossbuchstaben(text);
    const qsizetype l = s.size();
    QString aus;
    static const std::pair<const char16_t*, const char16_t*> kZeichen[] = {
        {u" ", u""},  {u"V", u"F"}, {u"Ä", u"E"}, {u"Ü", u"U"}, {u"Ö", u"O"}, {u"Y", u"I"},
        {u"ß", u"S"}, {u"W", u"V"}, {u",", u""},  {u";", u""},  {u".", u""},  {u":", u""},
        {u"-", u""},  {u"_", u""},  {u" ", u""},  {u"=", u""},  {u"!", u""}};
    static const std::pair<const char16_t*, const char16_t*> kPaare[] = {
        {u"LL", nullptr}, {u"CK", u"K"}, {u"IE", u"I"}, {u"TZ", u"Z"}, {u"OU", u"AU"},
        {u"EH", u"E"},    {u"CC", u"K"}, {u"OH", u"O"}, {u"PF", u"F"}, {u"AH", u"A"}};
    for (qsizetype i = 0; i < l; ++i) {
        QString c = s.mid(i, 1);
        const QString p = s.mid(i, 2).toUpper();
        for (const auto& [von, nach] : kZeichen) {
            if (c == QString::fromUtf16(von)) {
                c = QString::fromUtf16(nach);
            }
        }
        for (const auto& [paar, nach] : kPaare) {
            if (p == QString::fromUtf16(paar)) {
                if (nach != nullptr) {
                    c = QString::fromUtf16(nach);
                }
                ++i;
                break;
            }
        }
        // A doubled letter counts once.
        if (i + 1 < l && s[i + 1] == s[i]) {
            ++i;
        }
        aus += c;
    }
    return aus;
}

bool f_textvergleich(const QString& gegeben, const QString& alternative) {
    const bool genau = alternative.startsWith(QLatin1String("##"));
    QString g = genau ? gegeben : f_grossbuchstaben(gegeben);
    QString a = genau ? alternative.mid(2) : f_grossbuchstaben(alternative);
    g.remove(QLatin1Char(' '));
    a.remove(QLatin1Char(' '));
    if (!genau) {
        g = f_phonetik(g);
        a = f_phonetik(a);
    }
    if (g.isEmpty()) {
        return false;
    }
    return g == a;
}

int f_kurzantwortpunkte(const Bewertungszeilen& r, int mode, int full) {
    int summe = 0;
    bool eine = false;
    bool alle = true;
    for (int i = 0; i < 5; ++i) {
        if (r.s_zeilensoll[i].isEmpty()) {
            continue;
        }
        eine = true;
        bool richtig = false;
        for (const QString& alt : r.s_zeilensoll[i].split(QLatin1Char(';'))) {
            if (f_textvergleich(r.s_zeilenantwort[i], alt)) {
                richtig = true;
                break;
            }
        }
        if (richtig) {
            summe += r.i_zeilenwertung[i];
        } else {
            alle = false;
        }
    }
    return nachModus(mode, summe, eine && alle, full);
}

bool f_wertLesen(const QString& text, double& re, double& im) {
    QString t = text;
    if (t.startsWith(QLatin1Char('i'))) {
        t.prepend(QStringLiteral("0+"));
    } else if (t.startsWith(QLatin1String("-i"))) {
        t.prepend(QLatin1Char('0'));
    }
    re = 0.0;
    im = 0.0;
    if (!t.contains(QLatin1Char('i'))) {
        return f_strengLesen(t, re);
    }
    if (t.contains(QLatin1Char('E'))) {
        const QStringList p = t.split(QLatin1Char('E'));
        double r = 0.0;
        double winkel = 0.0;
        QString w = p.value(1);
        const bool grad = w.contains(QChar(0x00B0));
        w.remove(QChar(0x00B0)).remove(QLatin1Char('i'));
        if (!f_strengLesen(p[0], r) || !f_strengLesen(w, winkel)) {
            return false;
        }
        if (grad) {
            winkel = winkel / 360.0 * 6.28;  // the program's own factor, not 2 pi
        }
        re = r * std::cos(winkel);
        im = r * std::sin(winkel);
        return true;
    }
    if (t.contains(QChar(0x00B0))) {
        return false;
    }
    const QStringList p = t.split(QLatin1Char('i'));
    const QString erstes = p[0];
    if (erstes.isEmpty()) {
        return false;
    }
    const QString reText = erstes.left(erstes.size() - 1);
    const QString vorzeichen = erstes.right(1);
    return f_strengLesen(reText, re) && f_strengLesen(vorzeichen + p.value(1), im);
}

int f_mathepunkte(const Bewertungszeilen& r, const QStringList& s_einheiten, int mode, int full) {
    int summe = 0;
    bool alle = true;
    for (int i = 0; i < 5; ++i) {
        double b = 0.0;
        double t = 0.0;
        QString sollGruppe;
        QString gegebenGruppe;
        bool versatz = false;
        for (const QString& gruppe : s_einheiten) {
            if (gruppe.isEmpty()) {
                continue;
            }
            const QStringList eintraege = gruppe.split(QLatin1Char(';'));
            const QString gruppenname = eintraege.first().section(QLatin1Char('='), 0, 0);
            for (const QString& e : eintraege) {
                const QString name = e.section(QLatin1Char('='), 0, 0);
                QString faktor = e.section(QLatin1Char('='), 1);
                const bool stern = faktor.startsWith(QLatin1Char('*'));
                if (stern) {
                    faktor = faktor.mid(1);
                }
                double wert = 0.0;
                f_strengLesen(faktor, wert);
                if (!r.s_zeilensoll[i].isEmpty() && name == r.s_zeilensoll[i]) {
                    versatz = stern;
                    b = wert;
                    sollGruppe = gruppenname;
                }
                if (!r.s_zeilenantwort[i].isEmpty() && name == r.s_zeilenantwort[i]) {
                    t = wert;
                    gegebenGruppe = gruppenname;
                }
            }
        }
        double aRe = 0, aIm = 0, cRe = 0, cIm = 0, uRe = 0, uIm = 0;
        // A bound that is not a number makes the row wrong.
        bool richtig = f_wertLesen(grenze(r.s_zeilenog[i]), aRe, aIm) &&
                       f_wertLesen(grenze(r.s_zeilenug[i]), cRe, cIm) &&
                       f_wertLesen(r.s_zeilenwert[i], uRe, uIm);
        if (richtig) {
            if (versatz) {
                uRe = t + uRe;
                aRe = aRe + b;
                cRe = cRe + b;
            } else {
                if (b == 0.0) {
                    b = 1.0;
                }
                if (t == 0.0) {
                    t = 1.0;
                }
                aRe = (aRe + std::abs(aRe) / 1000.0) / b;
                aIm = (aIm + std::abs(aIm) / 1000.0) / b;
                cRe = (cRe - std::abs(cRe) / 1000.0) / b;
                cIm = (cIm - std::abs(cIm) / 1000.0) / b;
                uRe = uRe / t;
                uIm = uIm / t;
            }
            richtig =
                gegebenGruppe == sollGruppe && cRe <= uRe && uRe <= aRe && cIm <= uIm && uIm <= aIm;
        }
        if (richtig) {
            summe += r.i_zeilenwertung[i];
        } else {
            alle = false;
        }
    }
    return nachModus(mode, summe, alle, full);
}

int f_formelpunkte(const Bewertungszeilen& r, Formelcompclass& o_formel, int mode, int full) {
    int summe = 0;
    bool falsch = false;
    for (int i = 0; i < 5; ++i) {
        if (r.s_zeilensoll[i].isEmpty()) {
            continue;
        }
        bool richtig = !r.s_zeilenantwort[i].isEmpty();
        if (richtig) {
            const QString e = nachGleich(r.s_zeilensoll[i]);
            const QStringList teile = e.split(QStringLiteral("//"));
            const QString g =
                nachGleich(r.s_zeilenantwort[i]) + QStringLiteral("//") + teile.value(1);
            // Missing tolerances count as 0; a failure of one row does not reach the next.
            const QStringList tol = teile.value(2).split(QLatin1Char(':'));
            const double unten = std::abs(f_zahlLesen(tol.value(0)));
            const double oben = std::abs(f_zahlLesen(tol.value(1)));
            o_formel.f_setzen(false);
            const QStringList soll = o_formel.f_formelAuswertung(e).split(QLatin1Char(';'));
            const bool sollOk = !o_formel.bo_generalfehler;
            o_formel.f_setzen(false);
            const QStringList ist = o_formel.f_formelAuswertung(g).split(QLatin1Char(';'));
            const bool istOk = !o_formel.bo_generalfehler;
            o_formel.f_setzen(false);
            richtig = sollOk && istOk && soll.size() >= 4 && ist.size() >= 4;
            for (int k = 1; richtig && k <= 3; ++k) {
                if (soll[k].isEmpty() || ist[k].isEmpty()) {
                    richtig = false;
                    break;
                }
                const double v = f_zahlLesen(soll[k]);
                const double w = f_zahlLesen(ist[k]);
                richtig =
                    v - std::abs(v) * unten / 100.0 <= w && w <= v + std::abs(v) * oben / 100.0;
            }
        }
        if (richtig) {
            summe += r.i_zeilenwertung[i];
        } else {
            falsch = true;
        }
    }
    return nachModus(mode, summe, !falsch, full);
}

int f_punkte(const Aufgabenzeile& z, const Bewertungszeilen& r, const QStringList& s_einheiten,
             Formelcompclass& o_formel) {
    switch (z.grundtyp) {
        case 0:
            return f_mcpunkte(r, z.punkttyp, z.wertung);
        case 1:
            return f_kurzantwortpunkte(r, z.punkttyp, z.wertung);
        case 2:
            return f_mathepunkte(r, s_einheiten, z.punkttyp, z.wertung);
        case 5:
            return f_formelpunkte(r, o_formel, z.punkttyp, z.wertung);
        default:
            return 0;
    }
}

int f_aufgabenmaximum(const Aufgabenzeile& z, Fenster fenster) {
    int m = 0;
    if (z.punkttyp == 1 || (fenster == Fenster::Lernen && z.grundtyp == 3)) {
        m = z.wertung;
    } else {
        for (int w : z.wertungen) {
            m += w > 0 ? w : 0;
        }
    }
    return std::clamp(m, 0, 255);  // held as a byte
}

int f_note(int gesamt, int maximal, const Grunddaten& g) {
    int prozent = 0;
    if (maximal > 0) {
        const double p = std::nearbyint(static_cast<double>(gesamt) / maximal * 100.0);
        if (p < 0.0 || p > 255.0) {
            return 0;
        }
        prozent = static_cast<int>(p);
    }
    for (int k = 1; k <= 5; ++k) {
        if (prozent >= g.i_notengrenze[static_cast<std::size_t>(k - 1)]) {
            return k;
        }
    }
    return g.b_letztenote;
}

int f_zaehlerWeiter(int wert) {
    return wert < 199 ? wert + 1 : 0;
}

Lernergebnis f_lernergebnis(const Aufgabenzeile& z, const Anzeigeplan& plan, int punkte,
                            int maximum, int gesamt, int maximal, const Grunddaten& g) {
    Lernergebnis e;
    if (punkte > 0 && punkte >= maximum) {
        e.m1 = QStringLiteral("Sie haben diese Aufgabe vollständig gelöst") + kUmbruch +
               QStringLiteral("und erhalten ") + QString::number(maximum) +
               QStringLiteral(" Punkt") + (maximum >= 2 ? QStringLiteral("e") : QString()) +
               QLatin1Char('.');
    } else if (punkte > 0) {
        e.m1 = QStringLiteral("Sie haben diese Aufgabe nur teilweise gelöst") + kUmbruch +
               QStringLiteral("und erhalten ") + QString::number(punkte) + QStringLiteral(" von ") +
               QString::number(maximum) + QStringLiteral(" Punkten");
    } else {
        e.m1 = QStringLiteral("Sie haben diese Aufgabe nicht gelöst") + kUmbruch +
               QStringLiteral("und erhalten 0 Punkte");
    }
    e.m2 = QStringLiteral("Damit haben Sie bisher ") + QString::number(gesamt) +
           QStringLiteral(" von ") + QString::number(maximal) + QStringLiteral(" Punkten") +
           kUmbruch + QStringLiteral("Das entspricht der Note: ") +
           QString::number(f_note(gesamt, maximal, g));
    if (z.grundtyp == 0) {
        for (int i = 0; i < 5; ++i) {
            if (plan.mc[static_cast<std::size_t>(i)].sichtbar) {
                e.liste += QStringLiteral("Antwort ") + QString::number(i + 1) +
                           (z.marks[static_cast<std::size_t>(i)] > 0 ? QStringLiteral(" -richtig")
                                                                     : QStringLiteral(" -falsch")) +
                           kUmbruch + kUmbruch;
            }
        }
    } else {
        e.liste = antwortliste(z.grundtyp, z.antwortmerker);
    }
    e.rahmen = e.m1 + kUmbruch + e.m2 + kUmbruch +
               QStringLiteral("Und das war Ihre Meinung zu dem Thema:") + kUmbruch + kUmbruch +
               e.liste;
    return e;
}

QString f_pruefungsergebnis(const Aufgabenzeile& z, const Anzeigeplan& plan, const QString& merker,
                            int punkte, int maximum) {
    QString v;
    if (punkte > 0 && punkte < maximum) {
        v = QStringLiteral("Sie haben diese Aufgabe nur teilweise gelöst") + kUmbruch +
            QStringLiteral("und bekamen ") + QString::number(punkte) + QStringLiteral(" von ") +
            QString::number(maximum) + QStringLiteral(" Punkten");
    } else if (punkte > 0) {
        v = QStringLiteral("Sie haben diese Aufgabe richtig gelöst") + kUmbruch +
            QStringLiteral("und erhielten ") + QString::number(maximum) + QStringLiteral(" Punkt") +
            (maximum >= 2 ? QStringLiteral("e") : QString()) + QLatin1Char('.');
    } else {
        v = QStringLiteral("Sie haben diese Frage falsch beantwortet") + kUmbruch +
            QStringLiteral("und bekamen 0 von ") + QString::number(maximum) +
            QStringLiteral(" Punkten");
    }
    QString l;
    if (z.grundtyp == 0) {
        const QStringList p = merker.split(QLatin1Char(';'));
        for (int i = 0; i < 5; ++i) {
            if (plan.mc[static_cast<std::size_t>(i)].sichtbar) {
                l += QStringLiteral("Antwort ") + QString::number(i + 1) +
                     (p.value(i) == QLatin1String("1") ? QStringLiteral(" Richtig")
                                                       : QStringLiteral(" Falsch")) +
                     kUmbruch;
            }
        }
    } else {
        l = antwortliste(z.grundtyp, merker);
    }
    return v + kUmbruch + kUmbruch + QStringLiteral("Und das war Ihre Meinung zu dem Thema:") +
           kUmbruch + kUmbruch + l;
}

QString f_freieFrage(int punkte) {
    return QStringLiteral("Ist Ihre Antwort richtig? ") + kUmbruch +
           QStringLiteral("Dann bekommen Sie ") + QString::number(punkte) +
           (punkte == 1 ? QStringLiteral(" Punkt") : QStringLiteral(" Punkte"));
}

QString f_freieAntwortText(const QString& eigene, const QString& muster) {
    return QStringLiteral("\n") + eigene + QStringLiteral("\n\nDie richtige Antwort lautet:\n") +
           muster;
}
