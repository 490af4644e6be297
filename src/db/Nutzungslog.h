#pragma once
// The usage log "semseq.log" in the working folder: one scrambled line per login or logout.

#include <QDateTime>
#include <QString>

class Zufall;

// The unscrambled line for an event: random prefix, "//", date, ":", time, ":", event.
QString f_logzeile(Zufall& zufall, const QDateTime& zeitpunkt, const QString& ereignis);

// Appends one scrambled line with CR LF. Throws Fehler when the file cannot be written.
void f_log(const QString& startpfad, Zufall& zufall, const QString& ereignis);

QString f_logdatei(const QString& startpfad);
