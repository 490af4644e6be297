#pragma once
// Media files named by task fields. Stored names come from Windows: they may contain "\" and
// differ in case from the file on disk.

#include <QString>
#include <QStringList>

class MediaPfad {
public:
    // The existing file for `name` in `ordner`, or an empty text. "\" becomes "/", and a name
    // that does not exist as written is looked up without regard to case, part by part.
    static QString finden(const QString& ordner, const QString& name);
    // The first existing file in the folders, in their order.
    static QString suchen(const QStringList& ordner, const QString& name);
    // The same name with another extension (".png", ".svg"), for formats Qt cannot read.
    static QString mitEndung(const QString& pfad, const QString& endung);
};
