// Normalisation, substitution and the entry points of the formula engine.

#include "formula/Formelcompclass.h"

#include <algorithm>

#include "formula/Formelinterna.h"
#include "formula/Zahltext.h"

using namespace formelinterna;

void Formelcompclass::fehler(const QString& meldung) {
    bo_generalfehler = true;
    s_generalfehler = meldung;
}

QString Formelcompclass::f_reinigung(const QString& s_s) {
    static const Regel kGruppe[] = {{u"()", u""},  {u")(", u""},  {u"**", u""},  {u"//", u""},
                                    {u"--", u"+"}, {u"+-", u"-"}, {u"-+", u"-"}, {u"++", u"+"},
                                    {u"{", u"("},  {u"}", u")"}};
    // Function names to codes; the order decides where one name contains another.
    static const Regel kNamen[] = {
        {u"arcsin", u"§13"},  {u"ARCSIN", u"§13"},  {u"sinh", u"§23"},   {u"SINH", u"§23"},
        {u"cosh", u"§50"},    {u"COSH", u"§50"},    {u"tanh", u"§51"},   {u"TANH", u"§51"},
        {u"sin", u"§11"},     {u"SIN", u"§11"},     {u"ARCCOS", u"§15"}, {u"arccos", u"§15"},
        {u"cos", u"§14"},     {u"COS", u"§14"},     {u"ATN", u"§17"},    {u"atn", u"§17"},
        {u"arctan", u"§17"},  {u"ARCTAN", u"§17"},  {u"tan", u"§16"},    {u"TAN", u"§16"},
        {u"SQR", u"§18"},     {u"sqr", u"§18"},     {u"LN", u"§19"},     {u"ln", u"§19"},
        {u"LG", u"§20"},      {u"lg", u"§20"},      {u"LD", u"§21"},     {u"ld", u"§21"},
        {u"exp", u"§22"},     {u"EXP", u"§22"},     {u"NOT", u"§24"},    {u"not", u"§24"},
        {u"FAK", u"§25"},     {u"fak", u"§25"},     {u"log", u"§§01"},   {u"LOG", u"§§01"},
        {u"max", u"§§02"},    {u"MAX", u"§§02"},    {u"min", u"§§03"},   {u"MIN", u"§§03"},
        {u"nuk", u"§§04"},    {u"NUk", u"§§04"},    {u"ARG", u"§§05"},   {u"arg", u"§§05"},
        {u"betrag", u"§§06"}, {u"BETRAG", u"§§06"}, {u"e", u"E"},        {u"abs", u"§12"},
        {u"ABS", u"§12"},     {u"and", u"&"},       {u"AND", u"&"},      {u"XOR", u"="},
        {u"xor", u"="},       {u"OR", u"%"},        {u"or", u"%"},       {u"inv", u"§26"},
        {u"||", u"|"}};
    // Sign marker and powers.
    static const Regel kZeichen[] = {
        {u"|-", u"|@"},     {u"*-", u"*@"},     {u"/-", u"/@"},     {u"§11-", u"§11@"},
        {u"²", u"^2"},      {u"³", u"^3"},      {u"§13-", u"§13@"}, {u"§14-", u"§14@"},
        {u"§15-", u"§15@"}, {u"§16-", u"§16@"}, {u"§17-", u"§17@"}, {u"§18-", u"§18@"},
        {u"§19-", u"§19@"}, {u"§21-", u"§21@"}, {u"§20-", u"§20@"}, {u"§22-", u"§22@"},
        {u"§23-", u"§23@"}, {u"&-", u"&@"},     {u"%-", u"%@"},     {u"§26-", u"§26@"},
        {u"E-", u"E@"},     {u"§12-", u"§12@"}, {u"^-", u"^@"},     {u"E+", u"E"}};

    QString s = s_s;
    // The group runs n + 1 times; once a pass changes nothing, the later ones would not either.
    const qsizetype n = s.size();
    for (qsizetype durchgang = 0; durchgang <= n; ++durchgang) {
        const QString vorher = s;
        regelnAnwenden(s, kGruppe);
        if (s == vorher) {
            break;
        }
    }
    regelnAnwenden(s, kNamen);
    regelnAnwenden(s, kZeichen);

    const qsizetype auf = s.count(QLatin1Char('('));
    const qsizetype zu = s.count(QLatin1Char(')'));
    if (zu < auf) {
        fehler(QStringLiteral("Fehler, fehlerhafte Klammerzahl, zuviele ( !"));
        return {};
    }
    if (auf < zu) {
        fehler(QStringLiteral("Fehler, fehlerhafte Klammerzahl, zuviele ) !"));
        return {};
    }
    return s;
}

QString Formelcompclass::f_konstanteneinsetzen(const QString& s_s) {
    static const Regel kKonstanten[] = {
        {u"pi", u"3.1415927"}, {u"Pi", u"3.1415927"}, {u"PI", u"3.1415927"}, {u"Eps0", u"8.86E-12"},
        {u"µ0", u"1.257E-6"},  {u"m0", u"0.911E-30"}, {u"El0", u"1.6E-19"},  {u"c0", u"3e8"}};
    QString s = s_s;
    regelnAnwenden(s, kKonstanten);
    return s;
}

void Formelcompclass::f_varaufb(const QString& s_s) {
    QString s = s_s.toLower();
    s.replace(QLatin1Char('\r'), QLatin1Char(';'));
    for (char16_t c = 0; c <= 32; ++c) {
        s.remove(QChar(c));
        ersetzen(s, u";;", u";");
    }
    if (s.endsWith(QLatin1Char(';'))) {
        s.chop(1);
    }
    const QStringList definitionen = s.split(QLatin1Char(';'));
    s_varnamen.clear();
    s_varwerte.clear();
    for (const QString& d : definitionen) {
        const QStringList teile = d.split(QLatin1Char('='));
        s_varnamen << teile[0].toLower();
        QString wert = teile.size() > 1 ? teile[1].toLower() : QString();
        ersetzen(wert, u"pi", u"3.1415927");
        ersetzen(wert, u"-", u"@");
        s_varwerte << wert;
    }
}

QString Formelcompclass::f_einsetzen(const QString& s_s) {
    QString s = s_s;
    for (qsizetype i = 0; i < s_varnamen.size(); ++i) {
        if (!s_varnamen[i].isEmpty()) {
            s.replace(s_varnamen[i], s_varwerte[i]);
        }
    }
    for (QChar c : s) {
        const int code = ansicode(c);
        if (code > 97 && c != QChar(0x00B0) && c != QLatin1Char('|') && c != QLatin1Char('e')) {
            return QStringLiteral("Fehler, unbekannte Variable: ") + c;
        }
    }
    if (s.startsWith(QLatin1Char('-'))) {
        s = QStringLiteral("0") + s;
    }
    ersetzen(s, u"-@", u"+");
    ersetzen(s, u"+@", u"-");
    ersetzen(s, u"@@", u"");
    return s;
}

std::vector<Formelcompclass::Definition> Formelcompclass::definitionen(const QString& text) const {
    QString t = text;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    std::vector<Definition> liste;
    for (const QString& d : t.split(QLatin1Char(':'))) {
        const QStringList teile = d.split(QLatin1Char(';'));
        if (teile.size() < 4) {
            throw Abbruch();
        }
        liste.push_back({teile[0], teile.mid(1, 3)});
    }
    // Longest name first, so that a name inside a longer one ("R1" in "R12") cannot take
    // the longer one's place; names of equal length keep their given order.
    std::stable_sort(liste.begin(), liste.end(), [](const Definition& a, const Definition& b) {
        return a.name.size() > b.name.size();
    });
    return liste;
}

QString Formelcompclass::einsetzenDefinitionen(QString formel, const std::vector<Definition>& d,
                                               int satz) const {
    for (const Definition& def : d) {
        if (!def.name.isEmpty()) {
            formel.replace(def.name, def.werte[satz]);
        }
    }
    return formel;
}

namespace {
// The text after the first "=", or the whole text without one.
QString rechteSeite(const QString& s) {
    const qsizetype gleich = s.indexOf(QLatin1Char('='));
    return gleich < 0 ? s : s.mid(gleich + 1);
}
}  // namespace

QString Formelcompclass::eingangspunkt(const std::function<QString()>& rechnung) {
    if (bo_generalfehler) {
        return {};
    }
    try {
        return rechnung();
    } catch (const Abbruch&) {
        fehler(QStringLiteral("Fehler in Formel"));
        return {};
    }
}

QString Formelcompclass::wertesatz(const QString& eingesetzt) {
    QString t = f_reinigung(eingesetzt);
    if (t.contains(QStringLiteral("§§"))) {
        t = f_MehrFunktion(t);
    }
    return f_klammer(t).replace(QLatin1Char('@'), QLatin1Char('-'));
}

QString Formelcompclass::f_formelAuswertung(const QString& s_1) {
    return eingangspunkt([&]() -> QString {
        const QStringList teile = rechteSeite(s_1).split(QStringLiteral("//"));
        if (teile.size() < 2) {
            throw Abbruch();
        }
        QString formel = f_reinigung(teile[0]);
        if (bo_generalfehler) {
            return {};
        }
        // A leading minus applies to the whole first term: -5^2 is -25.
        if (formel.startsWith(QLatin1Char('-'))) {
            formel = QStringLiteral("0") + formel;
        }
        const std::vector<Definition> defs = definitionen(teile[1]);
        QString ergebnis;
        for (int satz = 0; satz < 3; ++satz) {
            ergebnis += QLatin1Char(';') +
                        wertesatz(einsetzenDefinitionen(f_konstanteneinsetzen(formel), defs, satz));
        }
        return ergebnis;
    });
}

QString Formelcompclass::f_formelAuswertungEinfach(const QString& s_1) {
    return eingangspunkt([&]() -> QString {
        const QStringList teile = rechteSeite(s_1).split(QStringLiteral("//"));
        if (teile.size() < 2) {
            throw Abbruch();
        }
        const QString formel = f_konstanteneinsetzen(f_reinigung(teile[0]));
        if (bo_generalfehler) {
            return {};
        }
        const std::vector<Definition> defs = definitionen(teile[1]);
        return QLatin1Char(';') + wertesatz(einsetzenDefinitionen(formel, defs, 0));
    });
}

QString Formelcompclass::f_formelvergleich(const QString& s_1, const QString& s_2) {
    return eingangspunkt([&]() -> QString {
        const QStringList teile = s_1.split(QStringLiteral("//"));
        if (teile.size() < 2) {
            throw Abbruch();
        }
        const double toleranz = teile.size() >= 3 ? f_zahlLesen(teile[2]) : 0.05;
        std::vector<Definition> defs = definitionen(teile[1]);
        for (Definition& d : defs) {
            d.name = d.name.toLower();
        }
        bool richtig = true;
        for (int satz = 0; satz < 3; ++satz) {
            const QString a = einsetzenDefinitionen(f_reinigung(teile[0]), defs, satz);
            const QString b = einsetzenDefinitionen(f_reinigung(s_2), defs, satz);
            const double wertA =
                f_zahlLesen(f_klammer(a).replace(QLatin1Char('@'), QLatin1Char('-')));
            const double wertB =
                f_zahlLesen(f_klammer(b).replace(QLatin1Char('@'), QLatin1Char('-')));
            if (bo_generalfehler) {
                return {};
            }
            if (wertA == 0.0) {
                throw Abbruch();
            }
            if (std::abs(wertB / wertA - 1.0) > std::abs(toleranz)) {
                richtig = false;
            }
        }
        return richtig ? QStringLiteral("Richtig") : QStringLiteral("Falsch");
    });
}

QString Formelcompclass::f_variablensuche(const QString& s_x) {
    if (bo_generalfehler) {
        return {};
    }
    const qsizetype gleich = s_x.indexOf(QLatin1Char('='));
    QString s = gleich < 0 ? QString() : s_x.mid(gleich + 1);
    if (s.isEmpty()) {
        return {};
    }
    // Quoted names, quotes included, are parked as "$$" & index.
    QStringList zitiert;
    for (;;) {
        const qsizetype a = s.indexOf(QLatin1Char('\''));
        if (a < 0) {
            break;
        }
        const qsizetype b = s.indexOf(QLatin1Char('\''), a + 1);
        if (b < 0 || zitiert.size() > 256) {
            fehler(QStringLiteral("Die Anzahl der ' ' stimmt nicht."));
            return {};
        }
        const QString stueck = s.mid(a, b - a + 1);
        s.replace(stueck, QStringLiteral("$$") + QString::number(zitiert.size()));
        zitiert << stueck;
    }
    s.remove(QLatin1Char(' '));
    for (const char16_t* t : {u";", u"+", u"*", u"/", u"^", u"(", u")", u"{", u"}", u"-"}) {
        ersetzen(s, t, u"!");
    }
    ersetzen(s, u",", u".");
    static const char16_t* const kWeg[] = {u"|",
                                           u"pi",
                                           u"Pi",
                                           u"PI",
                                           u"²",
                                           u"³",
                                           u"eps0",
                                           u"EPS0",
                                           u"Eps0",
                                           u"EPs0",
                                           u"µ0",
                                           u"m0",
                                           u"e0",
                                           u"c0",
                                           u"el0",
                                           u"-el0",
                                           u"sinh",
                                           u"SINH",
                                           u"cosh",
                                           u"COSH",
                                           u"tanh",
                                           u"TANH",
                                           u"abs",
                                           u"ABS",
                                           u"ARG",
                                           u"arg",
                                           u"betrag",
                                           u"BETRAG",
                                           u"arcsin",
                                           u"ARCSIN",
                                           u"sin",
                                           u"SIN",
                                           u"arccos",
                                           u"ARCCOS",
                                           u"cos",
                                           u"COS",
                                           u"tan",
                                           u"TAN",
                                           u"atn",
                                           u"ATN",
                                           u"sqr",
                                           u"SQR",
                                           u"ln",
                                           u"LN",
                                           u"lg",
                                           u"LG",
                                           u"log",
                                           u"LOG",
                                           u"max",
                                           u"MAX",
                                           u"min",
                                           u"MIN",
                                           u"nuk",
                                           u"NUK",
                                           u"integral",
                                           u"INTEGRAL",
                                           u"differenzial",
                                           u"DIFFERENZIAL",
                                           u"ld",
                                           u"LD",
                                           u"exp",
                                           u"EXP",
                                           u"abs",
                                           u"ABS",
                                           u"and",
                                           u"AND",
                                           u"inv",
                                           u"INV",
                                           u"XOR",
                                           u"NOT",
                                           u"not",
                                           u"xor",
                                           u"or",
                                           u"OR",
                                           u"fak",
                                           u"FAK",
                                           u"e",
                                           u"E",
                                           u",",
                                           u".",
                                           u"°"};
    for (const char16_t* t : kWeg) {
        ersetzen(s, t, u"!");
    }
    while (s.contains(QStringLiteral("!!"))) {
        ersetzen(s, u"!!", u"!");
    }

    QStringList namen;
    for (const QString& stueck : s.split(QLatin1Char('!'))) {
        if (stueck.isEmpty()) {
            continue;
        }
        if (stueck[0].isDigit()) {
            bool ok = false;
            const double wert = stueck.toDouble(&ok);
            if (!ok) {
                fehler(QStringLiteral(
                    "Eine Variable ist nicht gültig, kontrollieren Sie die Schreibweise!"));
                return {};
            }
            if (wert != 0.0) {
                continue;
            }
        }
        if (!namen.contains(stueck)) {
            namen << stueck;
        }
    }
    std::stable_sort(namen.begin(), namen.end(),
                     [](const QString& a, const QString& b) { return a.size() > b.size(); });
    QString ergebnis;
    for (const QString& n : namen) {
        static const QStringList kNullen = {"0", "00", "000", "0000", "00000", "000000", "0000000"};
        if (!kNullen.contains(n)) {
            ergebnis += n + QLatin1Char(';');
        }
    }
    // Back from the highest index, so "$$1" does not take the place of "$$10".
    for (qsizetype i = zitiert.size() - 1; i >= 0; --i) {
        ergebnis.replace(QStringLiteral("$$") + QString::number(i), zitiert[i]);
    }
    return ergebnis;
}

QString Formelcompclass::f_vorbereitung(const QString& s_s, const QString& s_svar) {
    if (bo_generalfehler) {
        return {};
    }
    f_varaufb(s_svar);
    QString t = f_reinigung(s_s);
    if (!t.contains(QStringLiteral("Fehler"))) {
        t = f_einsetzen(t);
        if (!t.contains(QStringLiteral("Fehler"))) {
            if (t.startsWith(QLatin1Char('-'))) {
                t[0] = QLatin1Char('@');
            }
            ersetzen(t, u"-@", u"+");
            ersetzen(t, u"+@", u"-");
            ersetzen(t, u"@@", u"");
        }
    }
    return t;
}

QString Formelcompclass::f_loeser(const QString& s_s, const QString& s_x) {
    if (bo_generalfehler) {
        return {};
    }
    f_klammer(f_vorbereitung(s_s, s_x));
    return QString(s_arbeitsformel).replace(QLatin1Char('@'), QLatin1Char('-'));
}
