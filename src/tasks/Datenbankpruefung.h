#pragma once
// The self-test of a task database for authors: every task's own solution must score its full
// points, and faults in the data are listed by task designation.

#include <QString>
#include <QStringList>

class Formelcompclass;

// The findings, one line each ("<designation>: <what>"); empty when the database is sound.
// Pictures are looked up in `bilderordner`. Throws Fehler when the file cannot be read.
QStringList f_datenbankPruefen(const QString& pfad, const QString& bilderordner,
                               Formelcompclass& o_formel);
