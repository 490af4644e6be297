#pragma once
// Our RTF reader: turns the rich text of question texts and solution documents into a
// QTextDocument. It knows groups, the font and colour tables, bold, italic, underline, size,
// colour, sub- and superscript, paragraphs and their alignment, tabs, the \'hh and \uN
// escapes, PNG and JPEG pictures and simple tables; other destinations are skipped.
// Malformed input never crashes or hangs: it is read as far as it makes sense, in one pass.

#include <QString>

class QTextDocument;

class RtfLeser {
public:
    // True when the text is RTF ("{\rtf" at its start, after blanks).
    static bool istRtf(const QString& text);

    // Fills `dokument` with the text: RTF is read, anything else is shown as plain text.
    // `zoomProzent` scales every font size and picture (100, 150, 200).
    static void lesen(const QString& text, QTextDocument& dokument, int zoomProzent = 100);
};
