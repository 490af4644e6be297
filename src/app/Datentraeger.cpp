#include "app/Datentraeger.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include "app/AppState.h"

namespace {
QString ordner(const QString& basis, const char* name) {
    QString b = QDir::fromNativeSeparators(basis);
    if (!b.endsWith(QLatin1Char('/'))) {
        b += QLatin1Char('/');
    }
    return b + QLatin1String(name) + QLatin1Char('/');
}
}  // namespace

Laufwerksklasse f_laufwerksklasse(const Laufwerk& lw) {
    if (!lw.lesbar) {
        return Laufwerksklasse::NichtNutzbar;
    }
    const QString fs = lw.dateisystem.toLower();
    if (lw.volumename.startsWith(QLatin1String("Audio CD")) ||
        fs.startsWith(QLatin1String("cdda"))) {
        return Laufwerksklasse::AudioCd;
    }
    if (fs.startsWith(QLatin1String("cdfs")) || fs == QLatin1String("iso9660") ||
        fs == QLatin1String("udf") || fs == QLatin1String("cd9660")) {
        return Laufwerksklasse::DatenCdKandidat;
    }
    return Laufwerksklasse::KeinCd;
}

Laufwerkssuche f_laufwerkssuche(const QList<Laufwerk>& laufwerke) {
    Laufwerkssuche s;
    for (const Laufwerk& lw : laufwerke) {
        if (f_laufwerksklasse(lw) != Laufwerksklasse::DatenCdKandidat) {
            continue;
        }
        s.kandidatGesehen = true;
        if (QFileInfo::exists(QDir(lw.wurzel).filePath(QStringLiteral("ssw.txt")))) {
            s.gefunden = true;
            s.wurzel = lw.wurzel;
        }
    }
    return s;
}

QList<Laufwerk> f_laufwerke() {
    QList<Laufwerk> liste;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        liste.append({v.rootPath(), v.name(), QString::fromLatin1(v.fileSystemType()),
                      v.isValid() && v.isReady()});
    }
    return liste;
}

void f_cdordnerSetzen(Grunddaten& g, const QString& wurzel) {
    if (wurzel.isEmpty()) {
        g.s_cdbilder = g.s_cdton = g.s_cdvideo = g.s_cdanimation = g.s_cdhtml = QString();
        return;
    }
    g.s_cdbilder = ordner(wurzel, "Bilder");
    g.s_cdton = ordner(wurzel, "wave");
    g.s_cdvideo = ordner(wurzel, "video");
    g.s_cdanimation = ordner(wurzel, "animationen");
    g.s_cdhtml = ordner(wurzel, "Html");
}

void f_lokaleOrdnerSetzen(Grunddaten& g, const QString& startpfad) {
    g.s_pfadbilder = ordner(startpfad, "Bilder");
    g.s_pfadton = ordner(startpfad, "wave");
    g.s_pfadvideo = ordner(startpfad, "video");
    g.s_pfadanimation = ordner(startpfad, "animation");
    g.s_pfadhtml = ordner(startpfad, "HTML");
}

QString f_abspanntext() {
    return QStringLiteral("Elvaris – Lernen und Prüfen in der Elektrotechnik");
}
