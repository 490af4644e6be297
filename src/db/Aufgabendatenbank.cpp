#include "db/Aufgabendatenbank.h"

#include <QCollator>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <functional>

#include "app/AppState.h"
#include "db/Database.h"
#include "db/Fehler.h"
#include "db/Recordset.h"
#include "db/Schema.h"
#include "db/Verschluesselung.h"
#include "ui/Dialoge.h"
#include "ui/Zufall.h"

namespace {

// Text fields of stru-01 by 1-based row; rows 2..13 hold the thresholds, row 15 the type.
struct Textzeile {
    int zeile;
    QString Grunddaten::*wert;
    bool gelesen;  // written only when false: the data-disc folders come from the drive scan
};

const std::array<Textzeile, 18> kTextzeilen = {{
    {1, &Grunddaten::s_fach, true},
    {14, &Grunddaten::s_titel, true},
    {16, &Grunddaten::s_kennung2, true},
    {17, &Grunddaten::s_cdbilder, false},
    {18, &Grunddaten::s_pfadbilder, true},
    {19, &Grunddaten::s_cdton, false},
    {20, &Grunddaten::s_pfadton, true},
    {21, &Grunddaten::s_cdvideo, false},
    {22, &Grunddaten::s_pfadvideo, true},
    {23, &Grunddaten::s_cdanimation, false},
    {24, &Grunddaten::s_pfadanimation, true},
    {25, &Grunddaten::s_cdhtml, false},
    {26, &Grunddaten::s_pfadhtml, true},
    {27, &Grunddaten::s_pfaddateien, true},
    {28, &Grunddaten::s_anrede, true},
    {29, &Grunddaten::s_name, true},
    {30, &Grunddaten::s_vorname, true},
    {31, &Grunddaten::s_geburtsdatum, true},
}};

QString entschluesselt(const Recordset& rs, const QString& feld) {
    return f_entschluesseln(rs.text(feld));
}

int index09(const Recordset& rs, const QString& feld) {
    bool ok = false;
    const int i = rs.feld(feld).toString().toInt(&ok);
    if (!ok || i < 0 || i > 9) {
        throw Fehler(QStringLiteral("Ungültiger Themenindex %1").arg(rs.text(feld)));
    }
    return i;
}

// Moves a recordset to a 1-based row position; throws when the table is shorter.
void zuZeile(Recordset& rs, int zeile) {
    rs.moveTo(zeile - 1);
    if (rs.eof() || rs.bof()) {
        throw Fehler(QStringLiteral("Die Zeile %1 fehlt.").arg(zeile));
    }
}

int ganzeZahl(const QString& text) {
    bool ok = false;
    const double d = QLocale(QLocale::German).toDouble(text.trimmed(), &ok);
    if (!ok) {
        throw Fehler(QStringLiteral("Keine Zahl: %1").arg(text));
    }
    return static_cast<int>(std::nearbyint(d));
}

}  // namespace

bool f_themenbaum(AppState& st, Dialoge& dialoge) {
    try {
        auto db = Database::oeffnen(st.s_datenbank, Database::Zugriff::Gemeinsam,
                                    Database::Modus::NurLesen);
        auto themen = db->oeffneRecordset(Schema::kThemen, Database::Art::Snapshot);

        st.s_hauptgebiet.fill(QString());
        for (auto& t : st.s_teilgebiet) {
            t.fill(QString());
        }
        for (auto& ebene : st.s_untergebiet) {
            for (auto& u : ebene) {
                u.fill(QString());
            }
        }
        for (themen->moveFirst(); !themen->eof(); themen->moveNext()) {
            const int i = index09(*themen, Schema::kThemaI);
            const int j = index09(*themen, Schema::kThemaJ);
            const int k = index09(*themen, Schema::kThemaK);
            st.s_hauptgebiet[i] = entschluesselt(*themen, Schema::kHauptname);
            st.s_teilgebiet[i][j] = entschluesselt(*themen, Schema::kTeilname);
            st.s_untergebiet[i][j][k] = entschluesselt(*themen, Schema::kUntername);
        }

        Themenbaum& baum = st.themenbaum;
        baum.leeren();
        baum.wurzelHinzufuegen(QStringLiteral("root"), QStringLiteral("Alle Themen"));
        const auto frei = [](const QString& name) { return !name.startsWith(QLatin1Char('*')); };
        for (int i = 0; i <= 9; ++i) {
            const QString h = QString::number(i) + QLatin1Char('H');
            if (frei(st.s_hauptgebiet[i])) {
                baum.nachWurzelEinfuegen(h, st.s_hauptgebiet[i], 0);
            }
            // Sub areas are visited even below an unused main area: a used one there is an
            // error in the database, reported as such.
            for (int j = 0; j <= 9; ++j) {
                const QString t = QString::number(i) + QString::number(j) + QLatin1Char('T');
                if (!frei(st.s_teilgebiet[i][j])) {
                    continue;
                }
                baum.kindHinzufuegen(h, t, st.s_teilgebiet[i][j], 1);
                for (int k = 0; k <= 9; ++k) {
                    if (frei(st.s_untergebiet[i][j][k])) {
                        baum.kindHinzufuegen(t,
                                             QString::number(i) + QString::number(j) +
                                                 QString::number(k) + QLatin1Char('U'),
                                             st.s_untergebiet[i][j][k], 1);
                    }
                }
            }
        }

        auto einheiten = db->oeffneRecordset(Schema::kEinheiten, Database::Art::Snapshot);
        const int n = einheiten->recordCount();
        if (n > 255) {
            throw Fehler(QStringLiteral("Mehr als 255 Einheitengruppen"));
        }
        QStringList gruppen;
        for (einheiten->moveFirst(); !einheiten->eof(); einheiten->moveNext()) {
            gruppen << entschluesselt(*einheiten, Schema::kEinheitenfeld);
        }
        gruppen << QString();  // slot n stays empty
        st.s_einheiten = gruppen;
        return true;
    } catch (const Fehler&) {
        dialoge.meldung(QStringLiteral("Fehler beim Ermitteln der Themengebiete"), QString());
        return false;
    }
}

bool f_stichwortlisten(AppState& st, Zufall& zufall, Dialoge& dialoge) {
    try {
        auto db = Database::oeffnen(st.s_datenbank);
        const int typ = st.grunddaten.b_datenbanktyp;
        QString sql =
            QStringLiteral("SELECT DISTINCT Stichwort1 as gezeit from 01 Where Stichwort1 <>''") +
            QStringLiteral(" UNION SELECT DISTINCT Stichwort2  from 01 Where Stichwort2 <> ''") +
            QStringLiteral(" UNION SELECT DISTINCT Stichwort3  from 01 Where Stichwort3 <> ''");
        if (typ == 1 || typ == 2) {
            sql +=
                QStringLiteral(" UNION SELECT DISTINCT Stichwort4  from 01 Where Stichwort4 <> ''");
        }

        // The keyword list box sorts its entries without regard to case, as the user reads.
        st.stichwortliste.clear();
        auto rs = db->oeffneRecordset(sql, Database::Art::Snapshot);
        QStringList werte;
        for (rs->moveFirst(); !rs->eof(); rs->moveNext()) {
            werte << rs->text(QStringLiteral("gezeit"));
        }
        QCollator sortierung{QLocale(QLocale::German, QLocale::Germany)};
        sortierung.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(werte.begin(), werte.end(), sortierung);
        st.stichwortliste << QStringLiteral(" ") << werte;

        if (typ == 3 || typ == 4) {
            st.tourliste.clear();
            auto touren = db->oeffneRecordset(
                QStringLiteral(
                    "SELECT DISTINCT Stichwort4  as gezeit from 01 Where Stichwort4 <> ''"),
                Database::Art::Snapshot);
            if (!touren->findFirst(QStringLiteral("[gezeit] <>'' "))) {
                return true;
            }
            for (touren->moveFirst(); !touren->eof(); touren->moveNext()) {
                st.tourliste << touren->text(QStringLiteral("gezeit"));
            }
        }

        {
            Transaktion t(*db);
            auto aufgaben = db->oeffneRecordset(Schema::kAufgaben, Database::Art::Dynaset);
            for (aufgaben->moveFirst(); !aufgaben->eof(); aufgaben->moveNext()) {
                aufgaben->edit();
                aufgaben->setFeld(QStringLiteral("ID1"),
                                  static_cast<double>(
                                      static_cast<int>(std::floor(zufall.naechste() * 100.0)) + 5));
                aufgaben->update();
            }
            t.bestaetigen();
        }
        st.stichwortliste[0] = QStringLiteral("ALLE");
        return true;
    } catch (const Fehler&) {
        dialoge.meldung(QStringLiteral(" Fehler beim Aufstellen der Stichwortlisten"), QString());
        return false;
    }
}

bool f_grunddatenlesen(AppState& st, Dialoge& dialoge) {
    Grunddaten& g = st.grunddaten;
    g.maxBildBreite = 800;
    g.maxBildHoehe = 600;

    std::unique_ptr<Database> db;
    std::unique_ptr<Recordset> rs;
    try {
        db = Database::oeffnen(st.s_datenbank, Database::Zugriff::Exklusiv);
        rs = db->oeffneRecordset(Schema::kGrunddaten, Database::Art::Dynaset);
        while (rs->recordCount() <= Schema::kGrunddatenZeilen - 1) {
            rs->addNew();
            rs->update();
        }
        zuZeile(*rs, 1);
        if (!rs->text(Schema::kGrunddatenfeld).isEmpty()) {
            g.s_fach = entschluesselt(*rs, Schema::kGrunddatenfeld);
        }
    } catch (const Fehler&) {
        dialoge.meldung(QStringLiteral(" Fehler bei der Ermittlung der Grunddaten"), QString());
        return false;
    }

    // From here on a failing step is skipped and the next one tried.
    const auto schritt = [](const std::function<void()>& f) {
        try {
            f();
        } catch (const Fehler&) {
        }
    };
    const auto zeilentext = [&](int zeile) {
        zuZeile(*rs, zeile);
        return entschluesselt(*rs, Schema::kGrunddatenfeld);
    };
    for (int k = 0; k < 6; ++k) {
        schritt([&] {
            const QString t = zeilentext(2 + k);
            g.i_notengrenze[k] = t.isEmpty() ? Grunddaten::kNotenVorgabe[k] : ganzeZahl(t);
        });
    }
    for (int k = 0; k < 6; ++k) {
        schritt([&] {
            const QString t = zeilentext(8 + k);
            g.i_notengrenze2[k] = t.isEmpty() ? Grunddaten::kNotenVorgabe[k] : ganzeZahl(t);
        });
    }
    for (const Textzeile& z : kTextzeilen) {
        if (!z.gelesen || z.zeile == 1) {
            continue;
        }
        schritt([&] {
            const QString t = zeilentext(z.zeile);
            if (!t.isEmpty()) {
                g.*z.wert = t;
            }
        });
    }
    if (g.s_hilfedatei.isEmpty()) {
        g.s_hilfedatei = QStringLiteral("hilfe\\hilfe_1.htm");
    }
    if (g.s_formelsammlung.isEmpty()) {
        g.s_formelsammlung = QStringLiteral("Formelsammlung\\Et_tu_1_.htm");
    }
    rs.reset();

    std::unique_ptr<Recordset> zugang;
    schritt([&] { zugang = db->oeffneRecordset(Schema::kZugang, Database::Art::Snapshot); });
    if (zugang) {
        schritt([&] {
            zuZeile(*zugang, 17);
            const QString text = entschluesselt(*zugang, Schema::kZugangsfeld);
            g.s_kennung2 = text.left(2);
            g.s_passwort = text.size() > 5 ? text.right(4) : QStringLiteral("tolk");
        });
        schritt([&] {
            zuZeile(*zugang, 19);
            g.b_datenbanktyp = std::clamp(ganzeZahl(zugang->text(Schema::kZugangsfeld)), 0, 255);
        });
        schritt([&] {
            zuZeile(*zugang, 20);
            g.b_letztenote = std::clamp(ganzeZahl(zugang->text(Schema::kZugangsfeld)), 0, 255);
        });
    }
    return true;
}

QStringList f_grunddatenzeilen(const Grunddaten& g) {
    QStringList zeilen;
    for (int z = 1; z <= 31; ++z) {
        zeilen << QString();
    }
    for (const Textzeile& z : kTextzeilen) {
        zeilen[z.zeile - 1] = g.*z.wert;
    }
    for (int k = 0; k < 6; ++k) {
        zeilen[1 + k] = QString::number(g.i_notengrenze[k]);
        zeilen[7 + k] = QString::number(g.i_notengrenze2[k]);
    }
    zeilen[14] = QString::number(g.b_datenbanktyp);
    return zeilen;
}

void f_grunddatenschreiben(const AppState& st) {
    auto db = Database::oeffnen(st.s_datenbank, Database::Zugriff::Exklusiv);
    Transaktion t(*db);
    auto rs = db->oeffneRecordset(Schema::kGrunddaten, Database::Art::Dynaset);
    const QStringList zeilen = f_grunddatenzeilen(st.grunddaten);
    rs->moveFirst();
    for (const QString& wert : zeilen) {
        if (rs->eof()) {
            rs->addNew();
            rs->setFeld(Schema::kGrunddatenfeld, f_verschluesseln(wert));
            rs->update();
            rs->moveLast();
        } else {
            rs->edit();
            rs->setFeld(Schema::kGrunddatenfeld, f_verschluesseln(wert));
            rs->update();
        }
        rs->moveNext();
    }
    t.bestaetigen();
}
