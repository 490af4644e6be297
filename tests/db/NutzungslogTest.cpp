#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "db/Fehler.h"
#include "db/Nutzungslog.h"
#include "db/Verschluesselung.h"
#include "ui/Zufall.h"

TEST(Nutzungslog, ZeileHatPraefixDatumZeitUndEreignis) {
    Zufall z(7);
    const QDateTime t(QDate(2026, 3, 4), QTime(5, 6, 7));
    for (int n = 0; n < 200; ++n) {
        const QString zeile = f_logzeile(z, t, QStringLiteral("Logout total"));
        const qsizetype trenner = zeile.indexOf(QStringLiteral("//"));
        ASSERT_GE(trenner, 4);
        ASSERT_LE(trenner, 19);
        for (qsizetype i = 0; i < trenner; ++i) {
            ASSERT_GE(zeile[i].unicode(), 64);
            ASSERT_LE(zeile[i].unicode(), 94);
        }
        ASSERT_EQ(zeile.mid(trenner), QStringLiteral("//04.03.2026:05:06:07:Logout total"));
    }
}

TEST(Nutzungslog, HaengtVerschluesselteZeilenMitCrLfAn) {
    QTemporaryDir dir;
    Zufall z(1);
    f_log(dir.path(), z, QStringLiteral("Login: /x/demo.ssw"));
    f_log(dir.path(), z, QStringLiteral("Login: /x/demo.ssw"));
    QFile f(f_logdatei(dir.path()));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> zeilen = f.readAll().split('\n');
    ASSERT_EQ(zeilen.size(), 3);
    EXPECT_TRUE(zeilen[2].isEmpty());
    QStringList klar;
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(zeilen[i].endsWith('\r'));
        klar << f_logverschluesseln(f_ausAnsi(zeilen[i].chopped(1)));
        EXPECT_TRUE(klar.last().endsWith(QStringLiteral(":Login: /x/demo.ssw")));
    }
    EXPECT_NE(klar[0], klar[1]);  // the random prefixes differ
}

TEST(Nutzungslog, FehlenderOrdnerGehtAnDenAufrufer) {
    Zufall z(1);
    EXPECT_THROW(f_log(QStringLiteral("/gibt/es/nicht"), z, QStringLiteral("Logout total")),
                 Fehler);
}
