#include <gtest/gtest.h>

#include <cmath>

#include "db/Verschluesselung.h"

namespace {

int schluessel(const QString& verschluesselt, const QString& klar, int pos) {
    return f_ansicode(verschluesselt[pos - 1]) ^ f_ansicode(klar[pos - 1]);
}

}  // namespace

TEST(Verschluesselung, SchluesselNachPosition) {
    // Position 4: Sin(4)*10 = -7.57, rounded down to -8, so 17; position 1: 8 + 25 = 33.
    const QString klar = QStringLiteral("AAAAAAAA");
    const QString v = f_verschluesseln(klar);
    EXPECT_EQ(schluessel(v, klar, 1), 33);
    EXPECT_EQ(schluessel(v, klar, 4), 17);
    const QString l = f_logverschluesseln(klar);
    EXPECT_EQ(schluessel(l, klar, 1), 4);  // Int(0.84*2)+3
    EXPECT_EQ(schluessel(l, klar, 4), 1);  // Int(-1.51) + 3 = -2 + 3

    const QString lang(1000, QLatin1Char('a'));
    const QString vl = f_verschluesseln(lang);
    const QString ll = f_logverschluesseln(lang);
    for (int i = 1; i <= 1000; ++i) {
        const int kd = schluessel(vl, lang, i);
        const int kl = schluessel(ll, lang, i);
        ASSERT_GE(kd, 15);
        ASSERT_LE(kd, 34);
        ASSERT_GE(kl, 1);
        ASSERT_LE(kl, 4);
        ASSERT_EQ(kd, static_cast<int>(std::floor(std::sin(i) * 10)) + 25);
    }
}

TEST(Verschluesselung, ZweimalGibtDenText) {
    const QString texte[] = {QString(), QStringLiteral("Gleichstromtechnik"),
                             QStringLiteral("Größe µF, 5 € – „Zitat“ ß"),
                             QStringLiteral("V=1;mV=1000;µV=1000000"),
                             QString(QChar(0x81)) + QChar(0x9D) + QChar(0xFF)};
    for (const QString& t : texte) {
        EXPECT_EQ(f_entschluesseln(f_verschluesseln(t)), t) << t.toStdString();
        EXPECT_EQ(f_logverschluesseln(f_logverschluesseln(t)), t);
        EXPECT_EQ(f_verschluesseln(t).size(), t.size());
    }
    EXPECT_TRUE(f_verschluesseln(QString()).isEmpty());
}

TEST(Verschluesselung, AnsiTabelle) {
    EXPECT_EQ(f_ansicode(QChar(0x20AC)), 0x80);  // €
    EXPECT_EQ(f_ansicode(QChar(0x00B5)), 0xB5);  // µ micro sign
    EXPECT_EQ(f_ansicode(QChar(0x03BC)), '?');   // Greek mu is not in the code page
    EXPECT_EQ(f_ansizeichen(0x9F), QChar(0x0178));
    for (int c = 0; c < 256; ++c) {
        ASSERT_EQ(f_ansicode(f_ansizeichen(static_cast<unsigned char>(c))), c);
    }
}
