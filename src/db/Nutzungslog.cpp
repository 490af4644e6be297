#include "db/Nutzungslog.h"

#include <QDir>
#include <QFile>
#include <cmath>

#include "db/Fehler.h"
#include "db/Verschluesselung.h"
#include "ui/Zufall.h"

namespace {
// Round to the nearest whole number, halves to even, as the classic CInt does.
int ganzzahl(double x) {
    return static_cast<int>(std::nearbyint(x));
}
}  // namespace

QString f_logdatei(const QString& startpfad) {
    return QDir(startpfad).filePath(QStringLiteral("semseq.log"));
}

QString f_logzeile(Zufall& zufall, const QDateTime& zeitpunkt, const QString& ereignis) {
    const int n = ganzzahl(15.0 * zufall.naechste() + 3.0);
    QString zeile;
    for (int i = 0; i <= n; ++i) {
        zeile.append(QChar(static_cast<char16_t>(ganzzahl(30.0 * zufall.naechste() + 64.0))));
    }
    zeile += QStringLiteral("//") + zeitpunkt.toString(QStringLiteral("dd.MM.yyyy")) +
             QLatin1Char(':') + zeitpunkt.toString(QStringLiteral("HH:mm:ss")) + QLatin1Char(':') +
             ereignis;
    return zeile;
}

void f_log(const QString& startpfad, Zufall& zufall, const QString& ereignis) {
    const QString zeile =
        f_logverschluesseln(f_logzeile(zufall, QDateTime::currentDateTime(), ereignis));
    QFile datei(f_logdatei(startpfad));
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Append)) {
        throw Fehler(QStringLiteral("Das Protokoll %1 kann nicht geschrieben werden.")
                         .arg(QDir::toNativeSeparators(datei.fileName())));
    }
    const QByteArray bytes = f_nachAnsi(zeile) + "\r\n";
    if (datei.write(bytes) != bytes.size() || !datei.flush()) {
        throw Fehler(QStringLiteral("Das Protokoll %1 kann nicht geschrieben werden.")
                         .arg(QDir::toNativeSeparators(datei.fileName())));
    }
}
