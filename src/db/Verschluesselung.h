#pragma once
// Text scrambling of the task database and the usage log. Both transformations work on
// Windows-1252 codes and are their own inverse.

#include <QString>

// Windows-1252 code of a character; characters outside the code page become '?'.
unsigned char f_ansicode(QChar c);
// The character of a Windows-1252 code. The five codes the code page leaves undefined
// map to the control character of the same value, so every byte survives a round trip.
QChar f_ansizeichen(unsigned char code);

QByteArray f_nachAnsi(const QString& text);
QString f_ausAnsi(const QByteArray& bytes);

QString f_verschluesseln(const QString& text);
QString f_entschluesseln(const QString& text);
QString f_logverschluesseln(const QString& text);
