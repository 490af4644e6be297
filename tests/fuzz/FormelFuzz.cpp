// Feeds arbitrary text to the formula engine's entry points and its complex text readers. The
// engine must end every input without crash, hang or unbounded recursion.
//
// Input: the first line is the formula; the rest is an assignment list for f_loeser.

#include <QString>
#include <cstddef>
#include <cstdint>

#include "formula/Formelcompclass.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(laenge));
    const qsizetype zeile = text.indexOf(QLatin1Char('\n'));
    const QString formel = zeile < 0 ? text : text.left(zeile);
    const QString zuweisungen = zeile < 0 ? QStringLiteral("a=1;b=2") : text.mid(zeile + 1);

    Formelcompclass o_formel;
    int meldungen = 0;
    o_formel.setMeldung([&](const QString&) { ++meldungen; });
    o_formel.f_formelAuswertung(formel);
    o_formel.f_setzen(false);
    o_formel.f_formelAuswertungEinfach(formel);
    o_formel.f_setzen(false);
    o_formel.f_variablensuche(formel);
    o_formel.f_setzen(false);
    o_formel.f_loeser(formel, zuweisungen);
    o_formel.f_setzen(false);
    o_formel.f_formelvergleich(formel, zuweisungen);
    // The complex parser and formatter read what users type into the tool windows.
    o_formel.f_setzen(false);
    QString x = formel;
    o_formel.f_komplexformat(x, static_cast<int>(laenge % 8), laenge % 2 == 0);
    o_formel.f_setzen(false);
    o_formel.f_zahlenformat(formel, static_cast<int>(laenge % 8));
    o_formel.f_setzen(false);
    o_formel.f_ZausA(formel);
    o_formel.f_setzen(false);
    o_formel.f_sternDreieck(formel);
    return 0;
}
