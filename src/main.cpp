// Elvaris: learning and examining electrical engineering.

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <QTimer>
#include <memory>

#include "app/AppState.h"
#include "app/Startoptionen.h"
#include "app/elvaris.h"
#include "learn/Formlernen.h"
#include "ui/QtDialoge.h"
#include "ui/Zufall.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Elvaris"));

    const QStringList argumente = QApplication::arguments().mid(1);
    if (argumente.contains(QLatin1String("--help")) || argumente.contains(QLatin1String("-h"))) {
        QTextStream(stdout) << f_startoptionenHilfe();
        return 0;
    }
    QString fehler;
    const auto optionen = f_startoptionen(argumente, QDir::currentPath(), fehler);
    if (!optionen) {
        QTextStream(stderr) << "elvaris: " << fehler << '\n' << f_startoptionenHilfe();
        return 2;
    }
    if (!optionen->arbeitsordner.isEmpty()) {
        QDir::setCurrent(optionen->arbeitsordner);
    }

    AppState st;
    Zufall zufall;
    std::unique_ptr<Dialoge> dialoge;
    QtDialoge* qtDialoge = nullptr;
    if (optionen->screenshot.isEmpty()) {
        auto d = std::make_unique<QtDialoge>();
        qtDialoge = d.get();
        dialoge = std::move(d);
    } else {
        dialoge = std::make_unique<StilleDialoge>();
    }

    elvaris fenster(st, *dialoge, zufall, elvaris::echteUmgebung());
    if (qtDialoge != nullptr) {
        qtDialoge->setEltern(&fenster);
    }
    fenster.show();
    fenster.starten(QDir::currentPath());
    if (!optionen->datenbank.isEmpty() && fenster.datenbankOeffnen(optionen->datenbank) &&
        (!optionen->screenshot.isEmpty() || !optionen->aufgabe.isEmpty() ||
         optionen->zoom != 100)) {
        if (!optionen->screenshot.isEmpty()) {
            fenster.resize(1000, 860);  // large enough to show the whole learning window
        }
        fenster.lernenBefehl();
        if (Formlernen* lernen = fenster.lernfenster()) {
            if (!optionen->aufgabe.isEmpty()) {
                lernen->geheZuBezeichnung(optionen->aufgabe);
            }
            if (optionen->zoom != 100) {
                lernen->zoom(optionen->zoom);
            }
        }
    }

    if (!optionen->screenshot.isEmpty()) {
        QApplication::processEvents();
        const bool ok = fenster.grab().save(optionen->screenshot, "PNG");
        if (!ok) {
            QTextStream(stderr) << "elvaris: Das Bild " << optionen->screenshot
                                << " kann nicht gespeichert werden.\n";
        }
        return ok ? 0 : 1;
    }
    return QApplication::exec();
}
