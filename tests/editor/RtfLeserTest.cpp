#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>

#include "editor/RtfLeser.h"

namespace {

// The char format at the first occurrence of `text`.
QTextCharFormat formatVon(QTextDocument& d, const QString& text) {
    QTextCursor c = d.find(text);
    EXPECT_FALSE(c.isNull()) << text.toStdString();
    QTextCursor an(&d);
    an.setPosition(c.selectionStart() + 1);
    return an.charFormat();
}

}  // namespace

TEST(RtfLeser, FormateUndEscapes) {
    QTextDocument d;
    RtfLeser::lesen(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
        "{\\*\\generator Irgendwas;}{\\info{\\title Titel}}\\f0\\fs24 "
        "Normal {\\b fett} {\\i kursiv} {\\ul unter}\\ulnone  {\\cf1 rot} {\\fs48 gross} "
        "X{\\sub C} m{\\super 2}\\par\n"
        "Gr\\'fc\\'dfe \\u8364? \\uc2\\u937 xx Ende\\tab T\\par\n"
        "{\\pard\\qc zentriert\\par}\n"
        "\\{ \\} \\\\}",
        d);
    const QString text = d.toPlainText();
    EXPECT_TRUE(text.startsWith("Normal fett kursiv unter rot gross XC m2\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("Grüße € Ω Ende\tT"))) << text.toStdString();
    EXPECT_FALSE(text.contains("Titel"));
    EXPECT_FALSE(text.contains("Irgendwas"));
    EXPECT_TRUE(text.contains("{ } \\"));
    EXPECT_EQ(formatVon(d, "fett").fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatVon(d, "kursiv").fontItalic());
    EXPECT_TRUE(formatVon(d, "unter").fontUnderline());
    EXPECT_FALSE(formatVon(d, "rot").fontUnderline());
    EXPECT_EQ(formatVon(d, "rot").foreground().color(), QColor(255, 0, 0));
    EXPECT_DOUBLE_EQ(formatVon(d, "gross").fontPointSize(), 24.0);
    EXPECT_DOUBLE_EQ(formatVon(d, "Normal").fontPointSize(), 12.0);
    EXPECT_EQ(formatVon(d, "C").verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(d.find("zentriert").block().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);

    // Zoom scales every size.
    QTextDocument z;
    RtfLeser::lesen("{\\rtf1 {\\fs48 gross} klein}", z, 200);
    EXPECT_DOUBLE_EQ(formatVon(z, "gross").fontPointSize(), 48.0);
    EXPECT_DOUBLE_EQ(formatVon(z, "klein").fontPointSize(), 24.0);
}

TEST(RtfLeser, BildUndTabelle) {
    QImage bild(4, 3, QImage::Format_RGB32);
    bild.fill(Qt::red);
    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    QTextDocument d;
    RtfLeser::lesen("{\\rtf1 Vor {\\pict\\pngblip\\picwgoal600\\pichgoal450 " +
                        QString::fromLatin1(png.toHex()) +
                        "} nach\\par"
                        "\\trowd\\cellx1000\\cellx2000\\intbl A1\\cell B1\\cell\\row"
                        "\\trowd\\cellx1000\\cellx2000\\intbl A2\\cell B2\\cell\\row\\pard Danach}",
                    d);
    int bilder = 0;
    QTextTable* tabelle = nullptr;
    for (QTextBlock b = d.begin(); b != d.end(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.isImageFormat()) {
                ++bilder;
                EXPECT_DOUBLE_EQ(f.toImageFormat().width(), 40.0);  // 600 twips
            }
        }
        if (auto* t = qobject_cast<QTextTable*>(QTextCursor(b).currentTable())) {
            tabelle = t;
        }
    }
    EXPECT_EQ(bilder, 1);
    ASSERT_NE(tabelle, nullptr);
    EXPECT_EQ(tabelle->rows(), 2);
    EXPECT_EQ(tabelle->columns(), 2);
    EXPECT_EQ(tabelle->cellAt(1, 1).firstCursorPosition().block().text(), QStringLiteral("B2"));
    EXPECT_TRUE(d.toPlainText().contains("Danach"));
}

TEST(RtfLeser, KaputteEingabenEnden) {
    const QString faelle[] = {
        "{\\rtf1 offen {\\b ohne Ende",
        "{\\rtf1 }}}}}} zu viele",
        "{\\rtf1 \\'zz \\'4 \\u \\u-1 \\ucx \\fs99999999999999 \\",
        "{\\rtf1 {\\pict\\pngblip 89504e47zz} {\\pict\\jpegblip 1} \\cell\\row\\intbl\\cell}",
        "{\\rtf1 " + QString(5000, '{') + "tief" + QString(5000, '}') + " flach}",
        "{\\rtf1 " + QString(20000, '\\') + "}",
        QString("{\\rtf1 \\") + QString(100, 'a') + "123456789012345 Text}",
    };
    for (const QString& f : faelle) {
        QTextDocument d;
        RtfLeser::lesen(f, d);  // must return
        SUCCEED();
    }
    QTextDocument d;
    RtfLeser::lesen("{\\rtf1 " + QString(5000, '{') + "tief" + QString(5000, '}') + " flach}", d);
    EXPECT_TRUE(d.toPlainText().contains("tief"));
    EXPECT_TRUE(d.toPlainText().contains("flach"));
    // Plain text stays plain.
    RtfLeser::lesen("Kein {RTF} \\b hier", d);
    EXPECT_EQ(d.toPlainText(), QStringLiteral("Kein {RTF} \\b hier"));
}
