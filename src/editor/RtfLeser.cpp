#include "editor/RtfLeser.h"

#include <QColor>
#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>
#include <vector>

#include "db/Verschluesselung.h"

namespace {

constexpr int kMaxTiefe = 256;        // deeper groups are read but not nested further
constexpr int kStandardGroesse = 24;  // half-points: 12 pt

struct Zeichenzustand {
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    int groesse = kStandardGroesse;  // half-points
    int farbe = 0;                   // index into the colour table; 0 = automatic
    int hochTief = 0;                // -1 sub, 1 super
    int schrift = 0;
    int ueberspringen = 1;   // \ucN
    bool auslassen = false;  // inside a skipped destination
    enum class Ziel { Text, Schriften, Farben, Bild, Feldbefehl } ziel = Ziel::Text;
};

class Leser {
public:
    Leser(const QString& text, QTextDocument& dok, int zoom)
        : m_text(text), m_dok(dok), m_cursor(&dok), m_zoom(zoom) {}

    void lesen() {
        m_stapel.push_back(Zeichenzustand{});
        const qsizetype n = m_text.size();
        while (m_pos < n) {
            const QChar c = m_text[m_pos];
            if (c == QLatin1Char('{')) {
                ++m_pos;
                if (static_cast<int>(m_stapel.size()) < kMaxTiefe) {
                    m_stapel.push_back(m_stapel.back());
                    m_neueGruppe = true;
                } else {
                    ++m_ueberTiefe;
                }
                continue;
            }
            if (c == QLatin1Char('}')) {
                ++m_pos;
                if (m_ueberTiefe > 0) {
                    --m_ueberTiefe;
                } else if (m_stapel.size() > 1) {
                    gruppeEnde();
                    m_stapel.pop_back();
                }
                m_neueGruppe = false;
                continue;
            }
            if (c == QLatin1Char('\\')) {
                steuerwort();
                m_neueGruppe = false;
                continue;
            }
            ++m_pos;
            if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                continue;
            }
            m_neueGruppe = false;
            zeichen(c);
        }
        tabelleAbschliessen();
    }

private:
    Zeichenzustand& z() { return m_stapel.back(); }

    void gruppeEnde() {
        const Zeichenzustand& innen = m_stapel.back();
        const Zeichenzustand& aussen = m_stapel[m_stapel.size() - 2];
        if (innen.ziel == Zeichenzustand::Ziel::Bild && aussen.ziel != Zeichenzustand::Ziel::Bild) {
            bildEinfuegen();
        }
        if (innen.ziel == Zeichenzustand::Ziel::Schriften &&
            aussen.ziel != Zeichenzustand::Ziel::Schriften) {
            m_schriftname.clear();
        }
    }

    void steuerwort() {
        ++m_pos;  // the backslash
        if (m_pos >= m_text.size()) {
            return;
        }
        const QChar c = m_text[m_pos];
        if (!c.isLetter() || c.unicode() > 127) {
            ++m_pos;
            switch (c.unicode()) {
                case '\\':
                case '{':
                case '}':
                    zeichen(c);
                    return;
                case '\'': {
                    const QString hex = m_text.mid(m_pos, 2);
                    bool ok = false;
                    const int code = hex.toInt(&ok, 16);
                    if (ok && hex.size() == 2) {
                        m_pos += 2;
                        zeichen(f_ansizeichen(static_cast<unsigned char>(code)));
                    }
                    return;
                }
                case '~':
                    zeichen(QChar(0x00A0));
                    return;
                case '_':
                    zeichen(QChar(0x2011));
                    return;
                case '*':
                    // An optional destination this reader does not know: skipped whole.
                    if (m_neueGruppe) {
                        z().auslassen = true;
                    }
                    return;
                case '\r':
                case '\n':
                    absatz();
                    return;
                default:
                    return;  // \- and other symbols carry no text here
            }
        }
        const qsizetype anfang = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos].isLetter() && m_text[m_pos].unicode() < 128 &&
               m_pos - anfang < 32) {
            ++m_pos;
        }
        const QString wort = m_text.mid(anfang, m_pos - anfang);
        bool hatZahl = false;
        int zahl = 0;
        const qsizetype zahlAnfang = m_pos;
        if (m_pos < m_text.size() &&
            (m_text[m_pos] == QLatin1Char('-') || m_text[m_pos].isDigit())) {
            ++m_pos;
            while (m_pos < m_text.size() && m_text[m_pos].isDigit() && m_pos - zahlAnfang < 12) {
                ++m_pos;
            }
            zahl = m_text.mid(zahlAnfang, m_pos - zahlAnfang).toInt(&hatZahl);
        }
        if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char(' ')) {
            ++m_pos;  // the delimiting blank belongs to the control word
        }
        anwenden(wort, hatZahl, zahl);
    }

    void anwenden(const QString& w, bool hatZahl, int n) {
        Zeichenzustand& s = z();
        const bool an = !hatZahl || n != 0;
        if (w == QLatin1String("fonttbl")) {
            s.ziel = Zeichenzustand::Ziel::Schriften;
        } else if (w == QLatin1String("colortbl")) {
            s.ziel = Zeichenzustand::Ziel::Farben;
            m_farben.clear();
            m_farbe = QColor(0, 0, 0);
            m_farbeGesetzt = false;
        } else if (w == QLatin1String("pict")) {
            s.ziel = Zeichenzustand::Ziel::Bild;
            m_bildDaten.clear();
            m_bildFormat.clear();
            m_bildBreite = m_bildHoehe = 0;
        } else if (w == QLatin1String("stylesheet") || w == QLatin1String("info") ||
                   w == QLatin1String("header") || w == QLatin1String("footer") ||
                   w == QLatin1String("footnote") || w == QLatin1String("fldinst") ||
                   w == QLatin1String("object") || w == QLatin1String("listtable") ||
                   w == QLatin1String("listoverridetable") || w == QLatin1String("themedata") ||
                   w == QLatin1String("colorschememapping") || w == QLatin1String("latentstyles") ||
                   w == QLatin1String("datastore") || w == QLatin1String("nonshppict") ||
                   w == QLatin1String("headerl") || w == QLatin1String("headerr") ||
                   w == QLatin1String("footerl") || w == QLatin1String("footerr")) {
            s.auslassen = true;
        } else if (w == QLatin1String("pngblip")) {
            m_bildFormat = "PNG";
        } else if (w == QLatin1String("jpegblip")) {
            m_bildFormat = "JPG";
        } else if (w == QLatin1String("picwgoal")) {
            m_bildBreite = n / 15;
        } else if (w == QLatin1String("pichgoal")) {
            m_bildHoehe = n / 15;
        } else if (w == QLatin1String("red")) {
            m_farbe.setRed(std::clamp(n, 0, 255));
            m_farbeGesetzt = true;
        } else if (w == QLatin1String("green")) {
            m_farbe.setGreen(std::clamp(n, 0, 255));
            m_farbeGesetzt = true;
        } else if (w == QLatin1String("blue")) {
            m_farbe.setBlue(std::clamp(n, 0, 255));
            m_farbeGesetzt = true;
        } else if (w == QLatin1String("b")) {
            s.fett = an;
        } else if (w == QLatin1String("i")) {
            s.kursiv = an;
        } else if (w == QLatin1String("ul")) {
            s.unterstrichen = an;
        } else if (w == QLatin1String("ulnone")) {
            s.unterstrichen = false;
        } else if (w == QLatin1String("fs")) {
            s.groesse = hatZahl && n > 0 && n < 2000 ? n : kStandardGroesse;
        } else if (w == QLatin1String("cf")) {
            s.farbe = std::max(0, n);
        } else if (w == QLatin1String("f")) {
            s.schrift = n;
        } else if (w == QLatin1String("sub")) {
            s.hochTief = -1;
        } else if (w == QLatin1String("super")) {
            s.hochTief = 1;
        } else if (w == QLatin1String("nosupersub")) {
            s.hochTief = 0;
        } else if (w == QLatin1String("plain")) {
            const auto ziel = s.ziel;
            const bool auslassen = s.auslassen;
            const int uc = s.ueberspringen;
            s = Zeichenzustand{};
            s.ziel = ziel;
            s.auslassen = auslassen;
            s.ueberspringen = uc;
        } else if (w == QLatin1String("uc")) {
            s.ueberspringen = std::clamp(n, 0, 10);
        } else if (w == QLatin1String("u")) {
            zeichen(QChar(static_cast<char16_t>(n < 0 ? n + 65536 : n)));
            m_nochAuslassen = s.ueberspringen;
            return;
        } else if (w == QLatin1String("par") || w == QLatin1String("sect")) {
            absatz();
        } else if (w == QLatin1String("line")) {
            zeichen(QChar::LineSeparator);
        } else if (w == QLatin1String("tab")) {
            zeichen(QLatin1Char('\t'));
        } else if (w == QLatin1String("emdash")) {
            zeichen(QChar(0x2014));
        } else if (w == QLatin1String("endash")) {
            zeichen(QChar(0x2013));
        } else if (w == QLatin1String("bullet")) {
            zeichen(QChar(0x2022));
        } else if (w == QLatin1String("lquote")) {
            zeichen(QChar(0x2018));
        } else if (w == QLatin1String("rquote")) {
            zeichen(QChar(0x2019));
        } else if (w == QLatin1String("ldblquote")) {
            zeichen(QChar(0x201C));
        } else if (w == QLatin1String("rdblquote")) {
            zeichen(QChar(0x201D));
        } else if (w == QLatin1String("pard")) {
            m_ausrichtung = Qt::AlignLeft;
            m_inTabelle = false;
        } else if (w == QLatin1String("ql")) {
            m_ausrichtung = Qt::AlignLeft;
        } else if (w == QLatin1String("qc")) {
            m_ausrichtung = Qt::AlignHCenter;
        } else if (w == QLatin1String("qr")) {
            m_ausrichtung = Qt::AlignRight;
        } else if (w == QLatin1String("qj")) {
            m_ausrichtung = Qt::AlignJustify;
        } else if (w == QLatin1String("intbl")) {
            m_inTabelle = true;
        } else if (w == QLatin1String("cell")) {
            m_zellen.push_back(m_zelle);
            m_zelle.clear();
        } else if (w == QLatin1String("row")) {
            tabellenzeile();
        }
        if (m_nochAuslassen > 0 && w != QLatin1String("u")) {
            --m_nochAuslassen;  // a control word as fallback of \uN counts as one character
        }
    }

    bool textZiel() const {
        const Zeichenzustand& s = m_stapel.back();
        return !s.auslassen && s.ziel == Zeichenzustand::Ziel::Text;
    }

    void zeichen(QChar c) {
        Zeichenzustand& s = z();
        if (s.auslassen) {
            return;
        }
        switch (s.ziel) {
            case Zeichenzustand::Ziel::Schriften:
                return;
            case Zeichenzustand::Ziel::Farben:
                if (c == QLatin1Char(';')) {
                    m_farben.push_back(m_farbeGesetzt ? m_farbe : QColor());
                    m_farbe = QColor(0, 0, 0);
                    m_farbeGesetzt = false;
                }
                return;
            case Zeichenzustand::Ziel::Bild:
                if (std::isxdigit(c.unicode() < 128 ? c.unicode() : 0) != 0) {
                    m_bildDaten.append(static_cast<char>(c.unicode()));
                }
                return;
            case Zeichenzustand::Ziel::Feldbefehl:
                return;
            case Zeichenzustand::Ziel::Text:
                break;
        }
        if (m_nochAuslassen > 0) {
            --m_nochAuslassen;
            return;
        }
        if (m_inTabelle) {
            m_zelle += c;
            return;
        }
        tabelleAbschliessen();
        m_cursor.insertText(QString(c), format());
    }

    QTextCharFormat format() const {
        const Zeichenzustand& s = m_stapel.back();
        QTextCharFormat f;
        f.setFontWeight(s.fett ? QFont::Bold : QFont::Normal);
        f.setFontItalic(s.kursiv);
        f.setFontUnderline(s.unterstrichen);
        f.setFontPointSize(s.groesse / 2.0 * m_zoom / 100.0);
        if (s.farbe > 0 && s.farbe < static_cast<int>(m_farben.size()) &&
            m_farben[s.farbe].isValid()) {
            f.setForeground(m_farben[s.farbe]);
        }
        if (s.hochTief != 0) {
            f.setVerticalAlignment(s.hochTief < 0 ? QTextCharFormat::AlignSubScript
                                                  : QTextCharFormat::AlignSuperScript);
        }
        return f;
    }

    void absatz() {
        if (!textZiel()) {
            return;
        }
        if (m_inTabelle) {
            m_zelle += QLatin1Char('\n');
            return;
        }
        tabelleAbschliessen();
        QTextBlockFormat b = m_cursor.blockFormat();
        b.setAlignment(m_ausrichtung);
        m_cursor.setBlockFormat(b);
        m_cursor.insertBlock();
        QTextBlockFormat neu;
        neu.setAlignment(m_ausrichtung);
        m_cursor.setBlockFormat(neu);
    }

    void tabellenzeile() {
        if (m_zellen.empty()) {
            return;
        }
        const int spalten = static_cast<int>(m_zellen.size());
        if (m_tabelle == nullptr || m_tabelle->columns() != spalten) {
            QTextTableFormat tf;
            tf.setBorder(1);
            tf.setCellPadding(3);
            tf.setCellSpacing(0);
            m_tabelle = m_cursor.insertTable(1, spalten, tf);
        } else {
            m_tabelle->appendRows(1);
        }
        const int zeile = m_tabelle->rows() - 1;
        for (int s = 0; s < spalten; ++s) {
            QTextCursor zc = m_tabelle->cellAt(zeile, s).firstCursorPosition();
            zc.insertText(m_zellen[static_cast<std::size_t>(s)].trimmed(), format());
        }
        m_zellen.clear();
        m_zelle.clear();
    }

    void tabelleAbschliessen() {
        if (m_tabelle != nullptr) {
            m_cursor = m_tabelle->lastCursorPosition();
            m_cursor.movePosition(QTextCursor::NextBlock);
            m_tabelle = nullptr;
        }
    }

    void bildEinfuegen() {
        if (m_bildFormat.isEmpty() || m_bildDaten.isEmpty() || m_stapel.back().auslassen) {
            return;
        }
        QImage bild;
        if (!bild.loadFromData(QByteArray::fromHex(m_bildDaten), m_bildFormat.constData())) {
            return;
        }
        const QString name = QStringLiteral("rtfbild%1").arg(m_bildNummer++);
        m_dok.addResource(QTextDocument::ImageResource, QUrl(name), bild);
        QTextImageFormat f;
        f.setName(name);
        const int w = m_bildBreite > 0 ? m_bildBreite : bild.width();
        const int h = m_bildHoehe > 0 ? m_bildHoehe : bild.height();
        f.setWidth(w * m_zoom / 100.0);
        f.setHeight(h * m_zoom / 100.0);
        tabelleAbschliessen();
        m_cursor.insertImage(f);
    }

    const QString& m_text;
    QTextDocument& m_dok;
    QTextCursor m_cursor;
    int m_zoom;
    qsizetype m_pos = 0;
    std::vector<Zeichenzustand> m_stapel;
    int m_ueberTiefe = 0;
    bool m_neueGruppe = false;
    int m_nochAuslassen = 0;

    std::vector<QColor> m_farben;
    QColor m_farbe;
    bool m_farbeGesetzt = false;
    QString m_schriftname;

    Qt::Alignment m_ausrichtung = Qt::AlignLeft;

    QByteArray m_bildDaten;
    QByteArray m_bildFormat;
    int m_bildBreite = 0;
    int m_bildHoehe = 0;
    int m_bildNummer = 0;

    bool m_inTabelle = false;
    QString m_zelle;
    std::vector<QString> m_zellen;
    QTextTable* m_tabelle = nullptr;
};

}  // namespace

bool RtfLeser::istRtf(const QString& text) {
    return text.trimmed().startsWith(QLatin1String("{\\rtf"));
}

void RtfLeser::lesen(const QString& text, QTextDocument& dokument, int zoomProzent) {
    dokument.clear();
    const int zoom = std::clamp(zoomProzent, 10, 1000);
    if (!istRtf(text)) {
        QFont f = dokument.defaultFont();
        f.setPointSizeF(kStandardGroesse / 2.0 * zoom / 100.0);
        dokument.setDefaultFont(f);
        dokument.setPlainText(text);
        return;
    }
    QFont f = dokument.defaultFont();
    f.setPointSizeF(kStandardGroesse / 2.0 * zoom / 100.0);
    dokument.setDefaultFont(f);
    Leser(text, dokument, zoom).lesen();
}
