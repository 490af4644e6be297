#include "tasks/Datenbankpruefung.h"

#include "app/AppState.h"
#include "db/Database.h"
#include "db/Recordset.h"
#include "db/Schema.h"
#include "db/Verschluesselung.h"
#include "formula/Formelcompclass.h"
#include "formula/Zahltext.h"
#include "learn/Lernregeln.h"
#include "media/MediaPfad.h"
#include "tasks/Bewertung.h"
#include "tasks/Werteingabe.h"

namespace {

// The task's own solution in the answer boxes and ticks.
Aufgabenzeile mitLoesung(Aufgabenzeile z, Antwortboxen& b) {
    for (std::size_t i = 0; i < 5; ++i) {
        switch (z.grundtyp) {
            case 0:
                z.marks[i] = z.wertungen[i] > 0 ? 1 : 0;
                break;
            case 1:
                b.texte[i] = z.antwort[i].section(QLatin1Char(';'), 0, 0);
                if (b.texte[i].startsWith(QLatin1String("##"))) {
                    b.texte[i] = b.texte[i].mid(2);
                }
                break;
            case 2:
                b.werte[i] = f_zahlSchreiben(z.ergebnis[i]);
                b.texte[i] = z.antwort[i];
                break;
            case 5:
                b.texte[i] = z.antwort[i].section(QStringLiteral("//"), 0, 0);
                break;
            default:
                break;
        }
    }
    return z;
}

}  // namespace

QStringList f_datenbankPruefen(const QString& pfad, const QString& bilderordner,
                               Formelcompclass& o_formel) {
    QStringList befunde;
    auto db = Database::oeffnen(pfad, Database::Zugriff::Gemeinsam, Database::Modus::NurLesen);

    QStringList einheiten;
    auto gruppen = db->oeffneRecordset(Schema::kEinheiten, Database::Art::Snapshot);
    for (gruppen->moveFirst(); !gruppen->eof(); gruppen->moveNext()) {
        const QString g = f_entschluesseln(gruppen->text(Schema::kEinheitenfeld));
        einheiten << g;
        for (const QString& e : g.split(QLatin1Char(';'))) {
            if (e.isEmpty()) {
                befunde << QStringLiteral("Einheitengruppe \"%1\": leerer Eintrag").arg(g);
            } else if (!e.contains(QLatin1Char('='))) {
                befunde << QStringLiteral("Einheitengruppe \"%1\": Eintrag \"%2\" ohne \"=\"")
                               .arg(g, e);
            }
        }
    }

    auto rs = db->oeffneRecordset(QStringLiteral("SELECT * FROM 01 ORDER BY webtask"),
                                  Database::Art::Snapshot);
    for (rs->moveFirst(); !rs->eof(); rs->moveNext()) {
        const Aufgabenzeile z = Aufgabenzeile::lesen(*rs);
        const QString name =
            z.freieantwort.isEmpty() ? QStringLiteral("(ohne Bezeichnung)") : z.freieantwort;
        const auto befund = [&](const QString& text) {
            befunde << name + QStringLiteral(": ") + text;
        };

        for (int k = 0; k < 3; ++k) {
            const QString& bild = z.bild[static_cast<std::size_t>(k)];
            if (!bild.isEmpty() && MediaPfad::finden(bilderordner, bild).isEmpty()) {
                befund(QStringLiteral("Bilddatei %1 fehlt").arg(bild));
            }
        }
        bool datenfehler = false;
        if (z.grundtyp == 0) {
            bool richtig = false;
            for (std::size_t i = 0; i < 5; ++i) {
                richtig = richtig || (!z.antwort[i].isEmpty() && z.wertungen[i] > 0);
            }
            if (!richtig) {
                befund(QStringLiteral("Multiple Choice ohne richtige Antwort"));
                datenfehler = true;
            }
        }
        if (z.grundtyp == 2) {
            for (int i = 0; i < 5; ++i) {
                const std::size_t n = static_cast<std::size_t>(i);
                if (i > 0 && z.ergebnis[n] == 0.0) {
                    continue;
                }
                double re = 0, im = 0;
                for (const QString* g : {&z.og[n], &z.ug[n]}) {
                    if (!g->isEmpty() && !f_wertLesen(*g, re, im)) {
                        befund(QStringLiteral("Zeile %1: Grenze \"%2\" ist keine Zahl")
                                   .arg(i + 1)
                                   .arg(*g));
                        datenfehler = true;
                    }
                }
                if (!z.antwort[n].isEmpty() && !f_einheitenprufung(z.antwort[n], einheiten)) {
                    befund(QStringLiteral("Zeile %1: Einheit \"%2\" fehlt in den Einheitengruppen")
                               .arg(i + 1)
                               .arg(z.antwort[n]));
                    datenfehler = true;
                }
            }
        }
        if (z.grundtyp == 5) {
            for (int i = 0; i < 5; ++i) {
                const QString& a = z.antwort[static_cast<std::size_t>(i)];
                if (a.isEmpty()) {
                    continue;
                }
                const QStringList teile = a.split(QStringLiteral("//"));
                if (teile.size() < 3 || teile[2].split(QLatin1Char(':')).size() < 2) {
                    befund(QStringLiteral("Zeile %1: Formel ohne Toleranzen").arg(i + 1));
                }
                o_formel.f_setzen(false);
                o_formel.f_formelAuswertung(a);
                if (o_formel.bo_generalfehler) {
                    befund(QStringLiteral("Zeile %1: Formel wird nicht angenommen: %2")
                               .arg(i + 1)
                               .arg(o_formel.s_generalfehler));
                    datenfehler = true;
                }
                o_formel.f_setzen(false);
            }
        }
        if (datenfehler || z.grundtyp == 3 || z.grundtyp == 4 || z.grundtyp > 5) {
            continue;
        }
        Antwortboxen b;
        const Aufgabenzeile geloest = mitLoesung(z, b);
        const int punkte = f_punkte(geloest, f_zeilenLernen(geloest, b), einheiten, o_formel);
        const int voll = f_aufgabenmaximum(z, Fenster::Lernen);
        if (punkte < voll) {
            befund(
                QStringLiteral("die eigene Lösung erhält %1 von %2 Punkten").arg(punkte).arg(voll));
        }
    }
    return befunde;
}
