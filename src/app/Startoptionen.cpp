#include "app/Startoptionen.h"

#include <QDir>

QString f_startoptionenHilfe() {
    return QStringLiteral(
        "Aufruf: elvaris [DATENBANK.ssw] [--arbeitsordner ORDNER] [--screenshot DATEI.png]\n"
        "  DATENBANK.ssw           diese Aufgabendatenbank gleich öffnen\n"
        "  --arbeitsordner ORDNER  Arbeitsordner (Protokoll, Sicherung, Medienordner)\n"
        "  --screenshot DATEI.png  Fenster als Bild speichern und beenden; mit einer Datenbank\n"
        "                          zeigt das Bild das Lernfenster mit der ersten Aufgabe\n"
        "  --aufgabe BEZEICHNUNG   im Lernfenster zu dieser Aufgabe gehen (wie \"Gehe zu\")\n"
        "  --zoom 100|150|200      Zoom des Aufgabentextes im Lernfenster\n");
}

std::optional<Startoptionen> f_startoptionen(const QStringList& argumente, const QString& basis,
                                             QString& fehler) {
    Startoptionen o;
    const QDir b(basis);
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (a == QLatin1String("--arbeitsordner") || a == QLatin1String("--screenshot")) {
            if (i + 1 >= argumente.size()) {
                fehler = QStringLiteral("Nach %1 fehlt der Pfad.").arg(a);
                return std::nullopt;
            }
            const QString pfad = b.absoluteFilePath(argumente[++i]);
            (a == QLatin1String("--arbeitsordner") ? o.arbeitsordner : o.screenshot) = pfad;
        } else if (a == QLatin1String("--aufgabe") || a == QLatin1String("--zoom")) {
            if (i + 1 >= argumente.size()) {
                fehler = QStringLiteral("Nach %1 fehlt der Wert.").arg(a);
                return std::nullopt;
            }
            const QString wert = argumente[++i];
            if (a == QLatin1String("--aufgabe")) {
                o.aufgabe = wert;
            } else {
                o.zoom = wert.toInt();
                if (o.zoom != 100 && o.zoom != 150 && o.zoom != 200) {
                    fehler = QStringLiteral("Der Zoom muss 100, 150 oder 200 sein.");
                    return std::nullopt;
                }
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            fehler = QStringLiteral("Unbekannte Option %1").arg(a);
            return std::nullopt;
        } else if (o.datenbank.isEmpty()) {
            o.datenbank = b.absoluteFilePath(a);
        } else {
            fehler = QStringLiteral("Nur eine Datenbank kann geöffnet werden: %1").arg(a);
            return std::nullopt;
        }
    }
    if (!o.arbeitsordner.isEmpty() && !QDir(o.arbeitsordner).exists()) {
        fehler = QStringLiteral("Der Arbeitsordner %1 existiert nicht.")
                     .arg(QDir::toNativeSeparators(o.arbeitsordner));
        return std::nullopt;
    }
    return o;
}
