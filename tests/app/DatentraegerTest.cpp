#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/AppState.h"
#include "app/Datentraeger.h"

TEST(Datentraeger, Klassen) {
    struct Fall {
        Laufwerk lw;
        Laufwerksklasse klasse;
    };
    const Fall faelle[] = {
        {{"/a", "Audio CD", "iso9660", true}, Laufwerksklasse::AudioCd},
        {{"/b", "x", "cdda", true}, Laufwerksklasse::AudioCd},
        {{"/c", "DATEN", "iso9660", true}, Laufwerksklasse::DatenCdKandidat},
        {{"/d", "DATEN", "udf", true}, Laufwerksklasse::DatenCdKandidat},
        {{"/e", "DATEN", "CDFS", true}, Laufwerksklasse::DatenCdKandidat},
        {{"/f", "", "ext4", true}, Laufwerksklasse::KeinCd},
        {{"/g", "Audio CD", "iso9660", false}, Laufwerksklasse::NichtNutzbar},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(f_laufwerksklasse(f.lw), f.klasse) << f.lw.wurzel.toStdString();
    }
}

TEST(Datentraeger, SucheNimmtDenLetztenMitKennung) {
    QTemporaryDir dir;
    for (const char* n : {"cd1", "cd2", "ohne", "audio", "platte"}) {
        QDir(dir.path()).mkdir(n);
    }
    for (const char* n : {"cd1", "cd2", "audio", "platte"}) {
        QFile f(dir.filePath(QString::fromLatin1(n) + "/ssw.txt"));
        f.open(QIODevice::WriteOnly);
    }
    const auto lw = [&](const char* n, const char* fs) {
        return Laufwerk{dir.filePath(n), QStringLiteral("DATEN"), QString::fromLatin1(fs), true};
    };
    Laufwerk audio = lw("audio", "iso9660");
    audio.volumename = QStringLiteral("Audio CD");

    auto s =
        f_laufwerkssuche({lw("cd1", "iso9660"), lw("cd2", "udf"), audio, lw("platte", "ext4")});
    EXPECT_TRUE(s.gefunden);
    EXPECT_EQ(s.wurzel, dir.filePath("cd2"));

    s = f_laufwerkssuche({lw("ohne", "iso9660"), audio});
    EXPECT_TRUE(s.kandidatGesehen);
    EXPECT_FALSE(s.gefunden);

    Grunddaten g;
    f_cdordnerSetzen(g, "/media/E");
    EXPECT_EQ(g.s_cdbilder, QStringLiteral("/media/E/Bilder/"));
    EXPECT_EQ(g.s_cdanimation, QStringLiteral("/media/E/animationen/"));
    EXPECT_EQ(g.s_cdhtml, QStringLiteral("/media/E/Html/"));
    f_lokaleOrdnerSetzen(g, "/arbeit");
    EXPECT_EQ(g.s_pfadanimation, QStringLiteral("/arbeit/animation/"));
    EXPECT_EQ(g.s_pfadhtml, QStringLiteral("/arbeit/HTML/"));
    f_cdordnerSetzen(g, QString());
    EXPECT_TRUE(g.s_cdbilder.isEmpty());
}
