#include "tools/Farbtabelle.h"

Farbtabelle f_farbtabelle() {
    return {{
        {QStringLiteral("&H0"), QStringLiteral("Schwarz = 0"), 0},
        {QStringLiteral("&H4080"), QStringLiteral("Braun = 1"), 1},
        {QStringLiteral("&HFF"), QStringLiteral("Rot = 2"), 2},
        {QStringLiteral("&H80FF"), QStringLiteral("Orange = 3"), 0},
        {QStringLiteral("&HFFFF"), QStringLiteral("Gelb = 4"), 0},
        {QStringLiteral("&HFF00"), QStringLiteral("Grün = 5"), 0.5},
        {QStringLiteral("&HFF0000"), QStringLiteral("Blau = 6"), 0.25},
        {QStringLiteral("&H00C000C0"), QStringLiteral("Violett = 7"), 0.1},
        {QStringLiteral("&H808080"), QStringLiteral("Grau = 8"), 0},
        {QStringLiteral("&HFFFFFF"), QStringLiteral("Weiß = 9"), 0},
        {QStringLiteral("&HE0E0E0"), QStringLiteral("Silber"), 10},
        {QStringLiteral("&HC0FFFF"), QStringLiteral("Gold"), 5},
        {QStringLiteral("&H00C0C0C0"), QStringLiteral("Kein Ring"), 20},
    }};
}

unsigned int f_farbwert(const Farbeintrag& e) {
    return e.s_farbe.mid(2).toUInt(nullptr, 16);
}
