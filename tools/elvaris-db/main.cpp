// elvaris-db: builds task databases from readable JSON and prints them back.

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QStringList>
#include <QTextStream>

#include <QDir>
#include <QFileInfo>
#include "db/Aufgabenquelle.h"
#include "db/Fehler.h"
#include "formula/Formelcompclass.h"
#include "tasks/Datenbankpruefung.h"

namespace {

const char* const kHilfe =
    "Aufruf:\n"
    "  elvaris-db build QUELLE.json ZIEL.ssw   Aufgabendatenbank aus JSON bauen\n"
    "  elvaris-db dump DATENBANK [ZIEL.json]   Aufgabendatenbank als JSON ausgeben\n"
    "  elvaris-db vorlage ZIEL                 leere Prüfungsvorlage (exec.dll) anlegen\n"
    "  elvaris-db check DATENBANK [BILDER]     jede Aufgabe mit ihrer eigenen Lösung prüfen\n"
    "                                          (Bilder: Ordner der Bilder, sonst Bilder/ daneben)\n"
    "  elvaris-db formel [--einfach] TEXT      Formel wie bei der Auswertung berechnen,\n"
    "                                          z. B. \"U=R*I//R;2;3;4:I;5;6;7//1:1\"\n";

int hilfe(QTextStream& err) {
    err << kHilfe;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        return hilfe(err);
    }
    const QString befehl = args.first();
    try {
        if (befehl == QLatin1String("build") && args.size() == 3) {
            f_datenbankBauen(f_jsonLesen(args[1]), args[2]);
            return 0;
        }
        if (befehl == QLatin1String("dump") && (args.size() == 2 || args.size() == 3)) {
            const QByteArray json =
                QJsonDocument(f_datenbankAuslesen(args[1])).toJson(QJsonDocument::Indented);
            if (args.size() == 3) {
                QFile f(args[2]);
                if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                    f.write(json) != json.size()) {
                    throw Fehler(
                        QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(args[2]));
                }
            } else {
                out << QString::fromUtf8(json);
            }
            return 0;
        }
        if (befehl == QLatin1String("vorlage") && args.size() == 2) {
            f_pruefungsvorlageBauen(args[1]);
            return 0;
        }
        if (befehl == QLatin1String("check") && (args.size() == 2 || args.size() == 3)) {
            const QString bilder =
                args.size() == 3
                    ? args[2]
                    : QFileInfo(args[1]).absoluteDir().filePath(QStringLiteral("Bilder"));
            Formelcompclass o_formel;
            const QStringList befunde = f_datenbankPruefen(args[1], bilder, o_formel);
            for (const QString& b : befunde) {
                out << b << '\n';
            }
            if (befunde.isEmpty()) {
                out << "Keine Befunde.\n";
                return 0;
            }
            out << befunde.size() << " Befunde.\n";
            return 1;
        }
        if (befehl == QLatin1String("formel") && (args.size() == 2 || args.size() == 3)) {
            const bool einfach = args.size() == 3 && args[1] == QLatin1String("--einfach");
            if (args.size() == 3 && !einfach) {
                return hilfe(err);
            }
            Formelcompclass o_formel;
            o_formel.setMeldung([&](const QString& text) { err << text << '\n'; });
            const QString ergebnis = einfach ? o_formel.f_formelAuswertungEinfach(args.last())
                                             : o_formel.f_formelAuswertung(args.last());
            if (o_formel.bo_generalfehler) {
                err << "elvaris-db: " << o_formel.s_generalfehler << '\n';
                return 1;
            }
            out << ergebnis << '\n';
            return 0;
        }
        if (befehl == QLatin1String("--help") || befehl == QLatin1String("hilfe")) {
            out << kHilfe;
            return 0;
        }
    } catch (const Fehler& f) {
        err << "elvaris-db: " << f.text() << '\n';
        return 1;
    }
    return hilfe(err);
}
