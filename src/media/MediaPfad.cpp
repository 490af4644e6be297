#include "media/MediaPfad.h"

#include <QDir>
#include <QFileInfo>

QString MediaPfad::finden(const QString& ordner, const QString& name) {
    if (ordner.isEmpty() || name.isEmpty()) {
        return {};
    }
    QString rel = QDir::fromNativeSeparators(name);
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString basis =
        QDir::fromNativeSeparators(ordner).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString direkt = QDir(basis).filePath(rel);
    if (QFileInfo(direkt).isFile()) {
        return direkt;
    }
    // Part by part without regard to case.
    QDir dir(basis);
    if (!dir.exists()) {
        return {};
    }
    const QStringList teile = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < teile.size(); ++i) {
        const bool letztes = i == teile.size() - 1;
        const QStringList eintraege = dir.entryList((letztes ? QDir::Files : QDir::Dirs) |
                                                    QDir::NoDotAndDotDot | QDir::Hidden);
        QString gefunden;
        for (const QString& e : eintraege) {
            if (e.compare(teile[i], Qt::CaseInsensitive) == 0) {
                gefunden = e;
                break;
            }
        }
        if (gefunden.isEmpty()) {
            return {};
        }
        if (letztes) {
            return dir.filePath(gefunden);
        }
        if (!dir.cd(gefunden)) {
            return {};
        }
    }
    return {};
}

QString MediaPfad::suchen(const QStringList& ordner, const QString& name) {
    for (const QString& o : ordner) {
        const QString p = finden(o, name);
        if (!p.isEmpty()) {
            return p;
        }
    }
    return {};
}

QString MediaPfad::mitEndung(const QString& pfad, const QString& endung) {
    const QFileInfo info(pfad);
    return info.dir().filePath(info.completeBaseName() + endung);
}
