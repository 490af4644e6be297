#include "db/Aufgabenquelle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QTemporaryDir>
#include <array>
#include <functional>

#include "db/Database.h"
#include "db/Fehler.h"
#include "db/JetSql.h"
#include "db/Recordset.h"
#include "db/Schema.h"
#include "db/Verschluesselung.h"

namespace {

// Keys of the basic-data rows (1-based); rows 2..13 are the two threshold arrays.
struct Grundzeile {
    int zeile;
    const char* schluessel;
};
constexpr std::array<Grundzeile, 21> kGrundzeilen = {{
    {1, "fach"},      {14, "titel"},      {15, "typ"},          {16, "kennung2"},
    {17, "cdbilder"}, {18, "pfadbilder"}, {19, "cdton"},        {20, "pfadton"},
    {21, "cdvideo"},  {22, "pfadvideo"},  {23, "cdanimation"},  {24, "pfadanimation"},
    {25, "cdhtml"},   {26, "pfadhtml"},   {27, "pfaddateien"},  {28, "anrede"},
    {29, "name"},     {30, "vorname"},    {31, "geburtsdatum"}, {32, "zeile32"},
    {33, "zeile33"},
}};

constexpr int kZeileZugang = 17;
constexpr int kZeileTyp = 19;
constexpr int kZeileLetzteNote = 20;

[[noreturn]] void fehler(const QString& wo, const QString& was) {
    throw Fehler(QStringLiteral("%1: %2").arg(wo, was));
}

QString textVon(const QJsonValue& v, const QString& wo) {
    if (v.isString()) {
        return v.toString();
    }
    if (v.isDouble()) {
        return QString::number(v.toDouble(), 'g', 15);
    }
    if (v.isArray()) {  // a long text may be given line by line
        QStringList zeilen;
        for (const QJsonValue& z : v.toArray()) {
            if (!z.isString()) {
                fehler(wo, QStringLiteral("Zeilen müssen Texte sein"));
            }
            zeilen << z.toString();
        }
        return zeilen.join(QLatin1Char('\n'));
    }
    if (v.isNull() || v.isUndefined()) {
        return QString();
    }
    fehler(wo, QStringLiteral("Text erwartet"));
}

// Plain text of a number as stored in text rows; a whole number is given back as such.
QJsonValue zahlOderText(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (ok && QString::number(n) == text) {
        return n;
    }
    return text;
}

void zeileSetzen(Database& db, const QString& tabelle, const QString& feld, int zeile,
                 const QString& wert) {
    auto rs = db.oeffneRecordset(tabelle, Database::Art::Dynaset);
    rs->moveTo(zeile - 1);
    rs->edit();
    rs->setFeld(feld, wert);
    rs->update();
}

void grunddatenBauen(Database& db, const QJsonObject& g) {
    std::array<QString, Schema::kGrunddatenZeilen> zeilen{};
    for (const Grundzeile& z : kGrundzeilen) {
        zeilen[static_cast<std::size_t>(z.zeile - 1)] =
            textVon(g.value(QLatin1String(z.schluessel)),
                    QStringLiteral("grunddaten.%1").arg(QLatin1String(z.schluessel)));
    }
    for (const auto& [schluessel, erste] :
         {std::pair{"notengrenze", 2}, std::pair{"notengrenze2", 8}}) {
        const QJsonValue v = g.value(QLatin1String(schluessel));
        if (v.isUndefined()) {
            continue;
        }
        const QJsonArray a = v.toArray();
        if (!v.isArray() || a.size() != 6) {
            fehler(QStringLiteral("grunddaten.%1").arg(QLatin1String(schluessel)),
                   QStringLiteral("sechs Werte erwartet"));
        }
        for (int k = 0; k < 6; ++k) {
            zeilen[static_cast<std::size_t>(erste - 1 + k)] =
                textVon(a[k], QStringLiteral("grunddaten.%1").arg(QLatin1String(schluessel)));
        }
    }
    for (auto it = g.begin(); it != g.end(); ++it) {
        bool bekannt =
            it.key() == QLatin1String("notengrenze") || it.key() == QLatin1String("notengrenze2");
        for (const Grundzeile& z : kGrundzeilen) {
            bekannt = bekannt || it.key() == QLatin1String(z.schluessel);
        }
        if (!bekannt) {
            fehler(QStringLiteral("grunddaten"),
                   QStringLiteral("unbekannter Eintrag %1").arg(it.key()));
        }
    }
    auto rs = db.oeffneRecordset(Schema::kGrunddaten, Database::Art::Dynaset);
    rs->moveFirst();
    for (const QString& z : zeilen) {
        rs->edit();
        rs->setFeld(Schema::kGrunddatenfeld, z.isEmpty() ? QString() : f_verschluesseln(z));
        rs->update();
        rs->moveNext();
    }
}

void themenBauen(Database& db, const QJsonArray& themen) {
    // Every one of the 1000 slots gets a row; unused slots carry "*" so that no empty node
    // appears in the topic tree.
    std::array<QString, 10> h;
    std::array<std::array<QString, 10>, 10> t;
    std::array<std::array<std::array<QString, 10>, 10>, 10> u;
    h.fill(QStringLiteral("*"));
    for (auto& x : t) {
        x.fill(QStringLiteral("*"));
    }
    for (auto& x : u) {
        for (auto& y : x) {
            y.fill(QStringLiteral("*"));
        }
    }
    const auto nummer = [](const QJsonObject& o, int vorgabe, const QString& wo) {
        const int n = o.value(QLatin1String("nr")).toInt(vorgabe);
        if (n < 0 || n > 9) {
            fehler(wo, QStringLiteral("nr muss 0 bis 9 sein"));
        }
        return n;
    };
    if (themen.size() > 10) {
        fehler(QStringLiteral("themen"), QStringLiteral("höchstens 10 Hauptgebiete"));
    }
    for (int a = 0; a < themen.size(); ++a) {
        const QString wo = QStringLiteral("themen[%1]").arg(a);
        const QJsonObject ho = themen[a].toObject();
        const int i = nummer(ho, a, wo);
        h[i] = textVon(ho.value(QLatin1String("name")), wo);
        const QJsonArray teile = ho.value(QLatin1String("teilgebiete")).toArray();
        if (teile.size() > 10) {
            fehler(wo, QStringLiteral("höchstens 10 Teilgebiete"));
        }
        for (int b = 0; b < teile.size(); ++b) {
            const QString wo2 = QStringLiteral("%1.teilgebiete[%2]").arg(wo).arg(b);
            const QJsonObject to = teile[b].toObject();
            const int j = nummer(to, b, wo2);
            t[i][j] = textVon(to.value(QLatin1String("name")), wo2);
            const QJsonArray unter = to.value(QLatin1String("themen")).toArray();
            if (unter.size() > 10) {
                fehler(wo2, QStringLiteral("höchstens 10 Themen"));
            }
            for (int c = 0; c < unter.size(); ++c) {
                u[i][j][c] = textVon(unter[c], QStringLiteral("%1.themen[%2]").arg(wo2).arg(c));
            }
        }
    }
    auto rs = db.oeffneRecordset(Schema::kThemen, Database::Art::Dynaset);
    for (int i = 0; i < 10; ++i) {
        for (int j = 0; j < 10; ++j) {
            for (int k = 0; k < 10; ++k) {
                rs->addNew();
                rs->setFeld(Schema::kThemaI, i);
                rs->setFeld(Schema::kThemaJ, j);
                rs->setFeld(Schema::kThemaK, k);
                rs->setFeld(Schema::kHauptname, f_verschluesseln(h[i]));
                rs->setFeld(Schema::kTeilname, f_verschluesseln(t[i][j]));
                rs->setFeld(Schema::kUntername, f_verschluesseln(u[i][j][k]));
                rs->update();
            }
        }
    }
}

void aufgabenBauen(Database& db, const QJsonArray& aufgaben) {
    QHash<QString, Schema::Feld> felder;
    for (const Schema::Feld& f : Schema::aufgabenfelder()) {
        felder.insert(f.name.toLower(), f);
    }
    auto rs = db.oeffneRecordset(Schema::kAufgaben, Database::Art::Dynaset);
    for (int n = 0; n < aufgaben.size(); ++n) {
        const QJsonObject a = aufgaben[n].toObject();
        const QString wo = QStringLiteral("aufgaben[%1] (%2)")
                               .arg(n)
                               .arg(a.value(QLatin1String("freieantwort")).toString());
        if (!aufgaben[n].isObject()) {
            fehler(wo, QStringLiteral("Objekt erwartet"));
        }
        rs->addNew();
        for (auto it = a.begin(); it != a.end(); ++it) {
            const auto f = felder.constFind(it.key().toLower());
            if (f == felder.constEnd()) {
                fehler(wo, QStringLiteral("unbekanntes Feld %1").arg(it.key()));
            }
            const QJsonValue v = it.value();
            switch (f->typ) {
                case Schema::Feldtyp::Text:
                    if (!v.isString() && !v.isArray() && !v.isNull()) {
                        fehler(wo, QStringLiteral("%1 muss ein Text sein").arg(f->name));
                    }
                    rs->setFeld(f->name, v.isNull() ? QVariant() : QVariant(textVon(v, wo)));
                    break;
                case Schema::Feldtyp::JaNein:
                    if (!v.isBool()) {
                        fehler(wo, QStringLiteral("%1 muss true oder false sein").arg(f->name));
                    }
                    rs->setFeld(f->name, v.toBool() ? 1 : 0);
                    break;
                case Schema::Feldtyp::Ganzzahl:
                    if (!v.isDouble() || v.toDouble() != static_cast<double>(v.toInteger())) {
                        fehler(wo, QStringLiteral("%1 muss eine ganze Zahl sein").arg(f->name));
                    }
                    rs->setFeld(f->name, v.toInteger());
                    break;
                case Schema::Feldtyp::Zahl:
                    if (!v.isDouble()) {
                        fehler(wo, QStringLiteral("%1 muss eine Zahl sein").arg(f->name));
                    }
                    rs->setFeld(f->name, v.toDouble());
                    break;
            }
        }
        const QJsonValue typ = a.value(QLatin1String("Grundtyp"));
        if (!typ.isDouble() || typ.toInt(-1) < 0 || typ.toInt(-1) > 5) {
            fehler(wo, QStringLiteral("Grundtyp muss 0 bis 5 sein"));
        }
        rs->update();
    }
}

QJsonObject grunddatenAuslesen(Database& db) {
    QJsonObject g;
    auto rs = db.oeffneRecordset(Schema::kGrunddaten, Database::Art::Snapshot);
    std::array<QString, Schema::kGrunddatenZeilen> zeilen{};
    int z = 0;
    for (rs->moveFirst(); !rs->eof() && z < Schema::kGrunddatenZeilen; rs->moveNext(), ++z) {
        zeilen[static_cast<std::size_t>(z)] = f_entschluesseln(rs->text(Schema::kGrunddatenfeld));
    }
    for (const Grundzeile& gz : kGrundzeilen) {
        const QString& t = zeilen[static_cast<std::size_t>(gz.zeile - 1)];
        if (!t.isEmpty()) {
            g.insert(QLatin1String(gz.schluessel), t);
        }
    }
    for (const auto& [schluessel, erste] :
         {std::pair{"notengrenze", 2}, std::pair{"notengrenze2", 8}}) {
        QJsonArray a;
        bool leer = true;
        for (int k = 0; k < 6; ++k) {
            const QString& t = zeilen[static_cast<std::size_t>(erste - 1 + k)];
            leer = leer && t.isEmpty();
            a.append(zahlOderText(t));
        }
        if (!leer) {
            g.insert(QLatin1String(schluessel), a);
        }
    }
    return g;
}

QJsonArray themenAuslesen(Database& db) {
    std::array<QString, 10> h;
    std::array<std::array<QString, 10>, 10> t;
    std::array<std::array<std::array<QString, 10>, 10>, 10> u;
    auto rs = db.oeffneRecordset(Schema::kThemen, Database::Art::Snapshot);
    for (rs->moveFirst(); !rs->eof(); rs->moveNext()) {
        const int i = rs->feld(Schema::kThemaI).toInt();
        const int j = rs->feld(Schema::kThemaJ).toInt();
        const int k = rs->feld(Schema::kThemaK).toInt();
        if (i < 0 || i > 9 || j < 0 || j > 9 || k < 0 || k > 9) {
            throw Fehler(QStringLiteral("Ungültiger Themenindex in %1").arg(Schema::kThemen));
        }
        h[i] = f_entschluesseln(rs->text(Schema::kHauptname));
        t[i][j] = f_entschluesseln(rs->text(Schema::kTeilname));
        u[i][j][k] = f_entschluesseln(rs->text(Schema::kUntername));
    }
    const auto benutzt = [](const QString& s) { return !s.startsWith(QLatin1Char('*')); };
    QJsonArray themen;
    for (int i = 0; i < 10; ++i) {
        if (!benutzt(h[i])) {
            continue;
        }
        QJsonArray teile;
        for (int j = 0; j < 10; ++j) {
            if (!benutzt(t[i][j])) {
                continue;
            }
            QJsonArray unter;
            int letzte = -1;
            for (int k = 0; k < 10; ++k) {
                if (benutzt(u[i][j][k])) {
                    letzte = k;
                }
            }
            for (int k = 0; k <= letzte; ++k) {
                unter.append(u[i][j][k]);
            }
            teile.append(QJsonObject{{QStringLiteral("nr"), j},
                                     {QStringLiteral("name"), t[i][j]},
                                     {QStringLiteral("themen"), unter}});
        }
        themen.append(QJsonObject{{QStringLiteral("nr"), i},
                                  {QStringLiteral("name"), h[i]},
                                  {QStringLiteral("teilgebiete"), teile}});
    }
    return themen;
}

QJsonArray aufgabenAuslesen(Database& db) {
    QJsonArray aufgaben;
    auto rs = db.oeffneRecordset(QStringLiteral("SELECT * FROM 01"), Database::Art::Snapshot);
    for (rs->moveFirst(); !rs->eof(); rs->moveNext()) {
        QJsonObject a;
        for (const Schema::Feld& f : Schema::aufgabenfelder()) {
            const QVariant v = rs->feld(f.name);
            if (v.isNull()) {
                continue;
            }
            switch (f.typ) {
                case Schema::Feldtyp::Text:
                    a.insert(f.name, v.toString());
                    break;
                case Schema::Feldtyp::JaNein:
                    if (v.toLongLong() != 0) {
                        a.insert(f.name, true);
                    }
                    break;
                case Schema::Feldtyp::Ganzzahl:
                    if (v.toLongLong() != 0 || f.name == QLatin1String("Grundtyp")) {
                        a.insert(f.name, v.toLongLong());
                    }
                    break;
                case Schema::Feldtyp::Zahl:
                    if (v.toDouble() != 0.0) {
                        a.insert(f.name, v.toDouble());
                    }
                    break;
            }
        }
        aufgaben.append(a);
    }
    return aufgaben;
}

// Builds a new database beside the target and renames it over the target only when it is
// complete, so a failure leaves an earlier file as it was.
void neueDatei(const QString& ziel, const std::function<void(Database&)>& fuellen) {
    const QFileInfo zielInfo(ziel);
    if (!zielInfo.absoluteDir().exists()) {
        throw Fehler(QStringLiteral("Der Ordner %1 existiert nicht.")
                         .arg(QDir::toNativeSeparators(zielInfo.absolutePath())));
    }
    const QString temp = zielInfo.absoluteFilePath() + QStringLiteral(".entsteht");
    QFile::remove(temp);
    try {
        {
            auto db = Database::anlegen(temp);
            fuellen(*db);
        }
        QFile::remove(ziel);
        if (!QFile::rename(temp, ziel)) {
            throw Fehler(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.")
                             .arg(QDir::toNativeSeparators(ziel)));
        }
    } catch (...) {
        QFile::remove(temp);
        throw;
    }
}

}  // namespace

QJsonObject f_jsonLesen(const QString& datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) {
        throw Fehler(QStringLiteral("Die Datei %1 kann nicht gelesen werden.")
                         .arg(QDir::toNativeSeparators(datei)));
    }
    const QByteArray inhalt = f.readAll();
    QJsonParseError pe{};
    const QJsonDocument doc = QJsonDocument::fromJson(inhalt, &pe);
    if (pe.error != QJsonParseError::NoError) {
        const QByteArray vorher = inhalt.left(pe.offset);
        const int zeile = static_cast<int>(vorher.count('\n')) + 1;
        throw Fehler(QStringLiteral("%1, Zeile %2: %3")
                         .arg(QDir::toNativeSeparators(datei))
                         .arg(zeile)
                         .arg(pe.errorString()));
    }
    if (!doc.isObject()) {
        throw Fehler(QStringLiteral("%1: ein JSON-Objekt wird erwartet.")
                         .arg(QDir::toNativeSeparators(datei)));
    }
    return doc.object();
}

void f_datenbankBauen(const QJsonObject& quelle, const QString& ziel) {
    for (auto it = quelle.begin(); it != quelle.end(); ++it) {
        static const QStringList kBekannt = {
            QStringLiteral("format"), QStringLiteral("datenbanktyp"), QStringLiteral("letztenote"),
            QStringLiteral("zugang"), QStringLiteral("historie"),     QStringLiteral("grunddaten"),
            QStringLiteral("themen"), QStringLiteral("einheiten"),    QStringLiteral("aufgaben")};
        if (!kBekannt.contains(it.key())) {
            fehler(QStringLiteral("Quelle"),
                   QStringLiteral("unbekannter Eintrag %1").arg(it.key()));
        }
    }
    neueDatei(ziel, [&](Database& db) {
        Schema::aufgabendatenbankAnlegen(db);
        Transaktion t(db);
        grunddatenBauen(db, quelle.value(QLatin1String("grunddaten")).toObject());
        themenBauen(db, quelle.value(QLatin1String("themen")).toArray());
        auto einheiten = db.oeffneRecordset(Schema::kEinheiten, Database::Art::Dynaset);
        const QJsonArray gruppen = quelle.value(QLatin1String("einheiten")).toArray();
        if (gruppen.size() > 255) {
            fehler(QStringLiteral("einheiten"), QStringLiteral("höchstens 255 Gruppen"));
        }
        for (int g = 0; g < gruppen.size(); ++g) {
            einheiten->addNew();
            einheiten->setFeld(
                Schema::kEinheitenfeld,
                f_verschluesseln(textVon(gruppen[g], QStringLiteral("einheiten[%1]").arg(g))));
            einheiten->update();
        }
        const auto zugangszeile = [&](int zeile, const char* schluessel, bool verschluesselt) {
            const QString wert =
                textVon(quelle.value(QLatin1String(schluessel)), QLatin1String(schluessel));
            zeileSetzen(db, Schema::kZugang, Schema::kZugangsfeld, zeile,
                        verschluesselt ? f_verschluesseln(wert) : wert);
        };
        zugangszeile(kZeileZugang, "zugang", true);
        zugangszeile(kZeileTyp, "datenbanktyp", false);
        zugangszeile(kZeileLetzteNote, "letztenote", false);
        const QString historie =
            textVon(quelle.value(QLatin1String("historie")), QStringLiteral("historie"));
        if (!historie.isEmpty()) {
            zeileSetzen(db, Schema::kZugang, Schema::kHistorienfeld, 1, f_verschluesseln(historie));
        }
        aufgabenBauen(db, quelle.value(QLatin1String("aufgaben")).toArray());
        t.bestaetigen();
    });
}

void f_pruefungsvorlageBauen(const QString& ziel) {
    neueDatei(ziel, [](Database& db) { Schema::pruefungsvorlageAnlegen(db); });
}

QJsonObject f_datenbankAuslesen(const QString& pfad) {
    auto db = Database::oeffnen(pfad, Database::Zugriff::Gemeinsam, Database::Modus::NurLesen);
    QJsonObject o;
    o.insert(QStringLiteral("format"), QStringLiteral("elvaris-aufgaben 1"));
    auto zugang = db->oeffneRecordset(Schema::kZugang, Database::Art::Snapshot);
    const auto zeile = [&](int z) {
        zugang->moveTo(z - 1);
        return zugang->eof() ? QString() : zugang->text(Schema::kZugangsfeld);
    };
    o.insert(QStringLiteral("zugang"), f_entschluesseln(zeile(kZeileZugang)));
    o.insert(QStringLiteral("datenbanktyp"), zahlOderText(zeile(kZeileTyp)));
    o.insert(QStringLiteral("letztenote"), zahlOderText(zeile(kZeileLetzteNote)));
    zugang->moveFirst();
    if (!zugang->eof()) {
        const QString h = f_entschluesseln(zugang->text(Schema::kHistorienfeld));
        if (!h.isEmpty()) {
            o.insert(QStringLiteral("historie"), h);
        }
    }
    o.insert(QStringLiteral("grunddaten"), grunddatenAuslesen(*db));
    o.insert(QStringLiteral("themen"), themenAuslesen(*db));
    QJsonArray einheiten;
    auto rs = db->oeffneRecordset(Schema::kEinheiten, Database::Art::Snapshot);
    for (rs->moveFirst(); !rs->eof(); rs->moveNext()) {
        einheiten.append(f_entschluesseln(rs->text(Schema::kEinheitenfeld)));
    }
    o.insert(QStringLiteral("einheiten"), einheiten);
    o.insert(QStringLiteral("aufgaben"), aufgabenAuslesen(*db));
    return o;
}
