#pragma once
// The selection statement of the learning window's selector: topic, keyword or tour,
// restricted by question type, level and difficulty. The fragments keep their blanks exactly;
// task databases and habits of users rely on the statement texts.

#include <QString>
#include <array>

class Themenbaum;

struct Auswahlfilter {
    // Check1(0..7): "Alle", "Multiple Choice", "Mathe", "Kurzantwort", "Freie Antwort",
    // "Info's", "Nicht beantwortete", "Falsch beantwortete".
    std::array<bool, 8> haken = {true, true, true, true, true, true, false, false};
    int stufe = 0;          // first up-down (beside "Schwierigkeit"): restricts Stufe
    int schwierigkeit = 0;  // second up-down (beside "Stufe"): restricts Schwierigkeit
};

struct Auswahlmodus {
    bool bo_modusbaum = true;
    bool bo_modusstichwort = false;
    bool bo_modustour = false;
    QString s_stichwort = QStringLiteral("ALLE");
};

// The statement with " ORDER BY webtask" (s_auswahlsql after "OK").
QString f_auswahlsql(const Themenbaum& baum, const Auswahlfilter& filter,
                     const Auswahlmodus& modus);

// The label text of an up-down: its value, or "A" for 0.
QString f_stufentext(int wert);
