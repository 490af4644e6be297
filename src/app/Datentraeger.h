#pragma once
// The data disc and the media folders. A data disc is a mounted optical volume with the marker
// file "ssw.txt" in its root; the drive scan records its media folders, and the local media
// folders are set below the working folder.

#include <QList>
#include <QString>

struct Grunddaten;

struct Laufwerk {
    QString wurzel;       // mount point
    QString volumename;   // label
    QString dateisystem;  // file-system type
    bool lesbar = true;   // volume information could be read
};

enum class Laufwerksklasse { NichtNutzbar, AudioCd, DatenCdKandidat, KeinCd };

Laufwerksklasse f_laufwerksklasse(const Laufwerk& lw);

struct Laufwerkssuche {
    bool kandidatGesehen = false;  // a data-disc candidate changes the caption
    bool gefunden = false;         // a candidate carried the marker
    QString wurzel;                // the last candidate with the marker
};

// Scans the volumes in their order; the last one with the marker wins.
Laufwerkssuche f_laufwerkssuche(const QList<Laufwerk>& laufwerke);
// The mounted volumes of this machine.
QList<Laufwerk> f_laufwerke();

// Data-disc folders of a found disc root; all empty when `wurzel` is empty.
void f_cdordnerSetzen(Grunddaten& g, const QString& wurzel);
// Local media folders below the working folder.
void f_lokaleOrdnerSetzen(Grunddaten& g, const QString& startpfad);

// The caption credit shown once a data-disc drive was seen.
QString f_abspanntext();
