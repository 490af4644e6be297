// Evaluation of normalised formulas: brackets, the operand and operator lists, the
// one-argument functions, the operators by precedence, and the multi-argument functions.

#include <QSet>

#include "formula/Formelcompclass.h"
#include "formula/Formelinterna.h"
#include "formula/Zahltext.h"

using namespace formelinterna;

namespace formelinterna {

int ansicode(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        return u;
    }
    static const char16_t kHoch[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    for (int k = 0; k < 32; ++k) {
        if (kHoch[k] == u) {
            return 0x80 + k;
        }
    }
    return 255;
}

std::vector<qsizetype> ganzeVorkommen(const QString& text, const QString& stueck,
                                      bool nachVorzeichen) {
    std::vector<qsizetype> positionen;
    if (stueck.isEmpty()) {
        return positionen;
    }
    qsizetype p = 0;
    while ((p = suchen(text, stueck, p)) >= 0) {
        const qsizetype ende = p + stueck.size();
        const bool links = p == 0 || istOperator(text[p - 1]) ||
                           (nachVorzeichen && text[p - 1] == QLatin1Char('@'));
        const bool rechts = ende == text.size() || istOperator(text[ende]);
        if (links && rechts) {
            positionen.push_back(p);
            p = ende;
        } else {
            ++p;
        }
    }
    return positionen;
}

void ersetzeAn(QString& text, const std::vector<qsizetype>& positionen, qsizetype laenge,
               const QString& ersatz) {
    for (auto it = positionen.rbegin(); it != positionen.rend(); ++it) {
        text.replace(*it, laenge, ersatz);
    }
}

}  // namespace formelinterna

namespace {
const QString kFehlerInFormel = QStringLiteral("Fehler in Formel");

QString getrennt(const QString& s) {
    QString t = s;
    for (QChar& c : t) {
        if (istOperator(c)) {
            c = QLatin1Char('!');
        }
    }
    return t;
}
}  // namespace

QString Formelcompclass::f_klammer(const QString& s_formelhilf) {
    QString s = s_formelhilf;
    try {
        // Each pass resolves the innermost bracket; a pass that leaves as many "(" as before
        // could never end, so it is a failure of the formula.
        while (s.contains(QLatin1Char('('))) {
            if (bo_generalfehler) {
                return s_arbeitsformel;
            }
            const qsizetype zu = s.indexOf(QLatin1Char(')'));
            const qsizetype auf = zu < 0 ? -1 : s.lastIndexOf(QLatin1Char('('), zu);
            if (zu < 0 || auf < 0) {
                throw Abbruch();
            }
            const qsizetype vorher = s.count(QLatin1Char('('));
            const QString stueck = s.mid(auf, zu - auf + 1);
            f_losen(QString(stueck).remove(QLatin1Char('(')).remove(QLatin1Char(')')));
            if (bo_generalfehler) {
                return s_arbeitsformel;
            }
            s.replace(stueck, s_arbeitsformel);
            if (s.count(QLatin1Char('(')) >= vorher) {
                throw Abbruch();
            }
        }
        f_losen(s);
        f_losen(s_arbeitsformel);
        return s_arbeitsformel;
    } catch (const Abbruch&) {
        if (!bo_generalfehler) {
            fehler(kFehlerInFormel);
        }
        return {};
    }
}

void Formelcompclass::f_losen(const QString& s_klammer) {
    f_schritt2(s_klammer);
    f_schritt3();
    f_schritt4();
    f_schritt5();
    f_schritt6();
}

void Formelcompclass::f_schritt2(const QString& s_klammer) {
    if (bo_generalfehler) {
        return;
    }
    QString& s = s_arbeitsformel;
    s = f_grossbuchstaben(s_klammer);
    static const Regel kRegeln[] = {{u"||", u"|"},      {u"|-", u"|@"},     {u"++", u"+"},
                                    {u"-+", u"-"},      {u"+-", u"-"},      {u"--", u"+"},
                                    {u"*-", u"*@"},     {u"/-", u"/@"},     {u"§11-", u"§11@"},
                                    {u"§12-", u"§12@"}, {u"§14-", u"§14@"}, {u"§16-", u"§16@"},
                                    {u"§17-", u"§17@"}, {u"§18-", u"§18@"}, {u"§19-", u"§19@"},
                                    {u"§20-", u"§20@"}, {u"§22-", u"§22@"}, {u"E-", u"E@"}};
    regelnAnwenden(s, kRegeln);
}

void Formelcompclass::f_schritt3() {
    if (bo_generalfehler) {
        return;
    }
    if (s_arbeitsformel.startsWith(QLatin1Char('-'))) {
        s_arbeitsformel[0] = QLatin1Char('@');
    }
    ersetzen(s_arbeitsformel, u"@@", u"");
}

void Formelcompclass::f_schritt4() {
    if (bo_generalfehler) {
        return;
    }
    s_arbeitsformel.replace(QLatin1Char(','), QLatin1Char('.'));
    s_trennformel = getrennt(s_arbeitsformel);
    operandenAufbauen();
}

void Formelcompclass::f_schritt5() {
    if (bo_generalfehler) {
        return;
    }
    operatorenAufbauen();
}

void Formelcompclass::operandenAufbauen() {
    s_operanden.clear();
    const QStringView t(s_trennformel);
    qsizetype anfang = 0;
    for (qsizetype i = 0; i <= t.size(); ++i) {
        if (i == t.size() || t[i] == QLatin1Char('!')) {
            s_operanden.push_back(t.mid(anfang, i - anfang));
            anfang = i + 1;
        }
    }
    s_operatoren.assign(s_operanden.size(), QChar());
}

void Formelcompclass::operatorenAufbauen() {
    i_operatorenzahl = 0;
    for (QChar c : s_arbeitsformel) {
        if (istOperator(c) && c != QLatin1Char('(') && c != QLatin1Char(')')) {
            if (static_cast<std::size_t>(i_operatorenzahl) < s_operatoren.size()) {
                s_operatoren[static_cast<std::size_t>(i_operatorenzahl)] = c;
            } else {
                s_operatoren.push_back(c);
            }
            ++i_operatorenzahl;
        }
    }
}

void Formelcompclass::f_formelnormal() {
    ersetzen(s_arbeitsformel, u"E+", u"E");
    s_arbeitsformel.replace(QLatin1Char(','), QLatin1Char('.'));
    s_trennformel = getrennt(s_arbeitsformel);
    operandenAufbauen();
    operatorenAufbauen();
}

int Formelcompclass::f_anzsubst(const QString& s_formel, const QString& s_teilstring) {
    if (bo_generalfehler || s_teilstring.isEmpty()) {
        return 0;
    }
    int anzahl = 0;
    qsizetype p = 0;
    const qsizetype l = s_teilstring.size();
    for (qsizetype runde = 0; runde < s_formel.size() - l + 1; ++runde) {
        const qsizetype f = s_formel.indexOf(s_teilstring, p);
        if (f >= 0) {
            p = f;
            ++anzahl;
        }
        p += l;
    }
    return anzahl;
}

void Formelcompclass::f_formel() {
    using Funktion = QString (Formelcompclass::*)(const QString&);
    static const std::pair<const char16_t*, Funktion> kFunktionen[] = {
        {u"§24", &Formelcompclass::f_not},    {u"§25", &Formelcompclass::f_fak},
        {u"§23", &Formelcompclass::f_sinh},   {u"§50", &Formelcompclass::f_cosh},
        {u"§51", &Formelcompclass::f_tanh},   {u"§20", &Formelcompclass::f_lg},
        {u"§19", &Formelcompclass::f_ln},     {u"§21", &Formelcompclass::f_ld},
        {u"§13", &Formelcompclass::f_arcsin}, {u"§11", &Formelcompclass::f_sin},
        {u"§26", &Formelcompclass::f_inv},    {u"§12", &Formelcompclass::f_abs},
        {u"§15", &Formelcompclass::f_arccos}, {u"§14", &Formelcompclass::f_cos},
        {u"§16", &Formelcompclass::f_tan},    {u"§17", &Formelcompclass::f_atn},
        {u"§22", &Formelcompclass::f_exp},    {u"§18", &Formelcompclass::f_sqr}};
    // Which codes occur at all: one pass instead of a search per code.
    const auto vorhanden = [this](const char16_t* code) {
        const QString t = s_trennformel;
        for (qsizetype i = t.indexOf(QChar(0x00A7)); i >= 0 && i + 2 < t.size();
             i = t.indexOf(QChar(0x00A7), i + 1)) {
            if (t[i + 1] == QChar(code[1]) && t[i + 2] == QChar(code[2])) {
                return true;
            }
        }
        return false;
    };
    if (!s_trennformel.contains(QChar(0x00A7))) {
        return;  // no function code in the expression
    }
    for (const auto& [codeText, funktion] : kFunktionen) {
        if (!vorhanden(codeText)) {
            continue;
        }
        const QString code = roh(codeText);
        QStringList tokens;
        qsizetype p = 0;
        while ((p = s_trennformel.indexOf(code, p)) >= 0) {
            if (tokens.size() == 21) {
                throw Abbruch();
            }
            const qsizetype ende = s_trennformel.indexOf(QLatin1Char('!'), p);
            tokens << s_trennformel.mid(p, ende < 0 ? -1 : ende - p);
            p += 1;
        }
        for (const QString& token : tokens) {
            const QString ergebnis = (this->*funktion)(token);
            ersetzeAn(s_arbeitsformel, ganzeVorkommen(s_arbeitsformel, token, true), token.size(),
                      ergebnis);
        }
        if (!tokens.isEmpty()) {
            f_formelnormal();
        }
    }
}

void Formelcompclass::f_schritt6() {
    if (bo_generalfehler) {
        return;
    }
    using Operation = QString (Formelcompclass::*)(const QString&);
    static const std::pair<char, Operation> kRangfolge[] = {
        {'=', &Formelcompclass::f_xor},    {'&', &Formelcompclass::f_and},
        {'%', &Formelcompclass::f_or},     {'|', &Formelcompclass::f_parallel},
        {'^', &Formelcompclass::f_potenz}, {'/', &Formelcompclass::f_div},
        {'*', &Formelcompclass::f_mult},   {'-', &Formelcompclass::f_sub},
        {'+', &Formelcompclass::f_add}};
    try {
        f_formel();
        for (const auto& [zeichen, operation] : kRangfolge) {
            const QChar op = QLatin1Char(zeichen);
            int offen = 0;
            for (std::size_t i = 0;
                 i <= static_cast<std::size_t>(i_operatorenzahl) && i < s_operatoren.size(); ++i) {
                offen += s_operatoren[i] == op ? 1 : 0;
            }
            std::size_t k = 0;
            while (offen > 0) {
                if (k + 1 >= s_operanden.size() || k >= s_operatoren.size()) {
                    throw Abbruch();  // the lists ran out: the step ends quietly
                }
                if (s_operatoren[k] != op) {
                    ++k;
                    continue;
                }
                QString stueck;
                stueck.reserve(s_operanden[k].size() + 1 + s_operanden[k + 1].size());
                stueck.append(s_operanden[k]).append(op).append(s_operanden[k + 1]);
                const QString ergebnis = (this->*operation)(stueck);
                std::vector<qsizetype> stellen = ganzeVorkommen(s_arbeitsformel, stueck, false);
                if (stellen.empty()) {
                    // The piece is not in the expression (brackets left over, ")a("): it
                    // could never be resolved.
                    if (!bo_generalfehler) {
                        fehler(kFehlerInFormel);
                    }
                    return;
                }
                // A subtraction replaces only its first occurrence.
                const std::size_t anzahl = zeichen == '-' ? 1 : stellen.size();
                for (std::size_t i = anzahl; i-- > 0;) {
                    s_arbeitsformel.replace(stellen[i], stueck.size(), ergebnis);
                }
                offen -= static_cast<int>(anzahl);
                f_formelnormal();
                if (bo_generalfehler) {
                    return;
                }
            }
        }
    } catch (const Abbruch&) {
        // A failure no operation caught ends the step; the expression stays as it is.
    }
}

QString Formelcompclass::f_MehrFunktion(const QString& s_s) {
    if (bo_generalfehler) {
        return {};
    }
    using Funktion = QString (Formelcompclass::*)(const QString&);
    static const std::pair<const char16_t*, Funktion> kFunktionen[] = {
        {u"§§01", &Formelcompclass::f_log}, {u"§§02", &Formelcompclass::f_max},
        {u"§§03", &Formelcompclass::f_min}, {u"§§04", &Formelcompclass::f_nuk},
        {u"§§05", &Formelcompclass::f_arg}, {u"§§06", &Formelcompclass::f_Betrag}};
    const QString kennung = QStringLiteral("§§");
    QString s = s_s;
    try {
        while (s.contains(kennung)) {
            const qsizetype vorher = s.count(kennung);
            const qsizetype p = s.lastIndexOf(kennung);
            const QString code = s.mid(p, 4);
            const qsizetype klammer = p + 4;
            if (klammer >= s.size() || s[klammer] != QLatin1Char('(')) {
                throw Abbruch();
            }
            int tiefe = 0;
            qsizetype schluss = -1;
            for (qsizetype i = klammer; i < s.size(); ++i) {
                tiefe += s[i] == QLatin1Char('(') ? 1 : (s[i] == QLatin1Char(')') ? -1 : 0);
                if (tiefe == 0) {
                    schluss = i;
                    break;
                }
            }
            if (schluss < 0) {
                throw Abbruch();
            }
            const QString argumente = s.mid(klammer + 1, schluss - klammer - 1);
            Funktion funktion = nullptr;
            for (const auto& [c, f] : kFunktionen) {
                if (code == roh(c)) {
                    funktion = f;
                }
            }
            if (funktion == nullptr) {
                throw Abbruch();
            }
            const QString ergebnis = (this->*funktion)(argumente);
            s.replace(code + QLatin1Char('(') + argumente + QLatin1Char(')'), ergebnis);
            if (bo_generalfehler) {
                return s;
            }
            if (s.count(kennung) >= vorher) {
                throw Abbruch();  // the result brought the call back
            }
        }
        return s;
    } catch (const Abbruch&) {
        fehler(kFehlerInFormel);
        return {};
    }
}
