#include "db/JetSql.h"

#include <sqlite3.h>

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <vector>

#include "db/Fehler.h"

namespace JetSql {
namespace {

struct Token {
    enum class Typ { Leer, Wort, Text, Klammername, Zeichen };
    Typ typ;
    QString text;  // as written; Text without quotes undone, Klammername without brackets
};

[[noreturn]] void ablehnen(const QString& jet, const QString& grund) {
    throw Fehler(QStringLiteral("Die Datenbankanweisung kann nicht ausgeführt werden (%1): %2")
                     .arg(grund, jet.simplified()));
}

bool istWortzeichen(QChar c) {
    static const QString kTrenner = QStringLiteral("'[](),;=<>*\"");
    return !c.isSpace() && !kTrenner.contains(c);
}

std::vector<Token> zerlegen(const QString& jet) {
    std::vector<Token> tokens;
    qsizetype i = 0;
    const qsizetype n = jet.size();
    while (i < n) {
        const QChar c = jet[i];
        if (c.isSpace()) {
            qsizetype j = i;
            while (j < n && jet[j].isSpace()) {
                ++j;
            }
            tokens.push_back({Token::Typ::Leer, jet.mid(i, j - i)});
            i = j;
        } else if (c == QLatin1Char('\'')) {
            QString wert;
            qsizetype j = i + 1;
            bool zu = false;
            while (j < n) {
                if (jet[j] == QLatin1Char('\'')) {
                    if (j + 1 < n && jet[j + 1] == QLatin1Char('\'')) {
                        wert.append(QLatin1Char('\''));
                        j += 2;
                        continue;
                    }
                    zu = true;
                    ++j;
                    break;
                }
                wert.append(jet[j]);
                ++j;
            }
            if (!zu) {
                ablehnen(jet, QStringLiteral("Text ohne schließendes Hochkomma"));
            }
            tokens.push_back({Token::Typ::Text, wert});
            i = j;
        } else if (c == QLatin1Char('[')) {
            const qsizetype zu = jet.indexOf(QLatin1Char(']'), i + 1);
            if (zu < 0) {
                ablehnen(jet, QStringLiteral("Name ohne schließende Klammer"));
            }
            tokens.push_back({Token::Typ::Klammername, jet.mid(i + 1, zu - i - 1)});
            i = zu + 1;
        } else if (c == QLatin1Char('<') || c == QLatin1Char('>')) {
            qsizetype j = i + 1;
            if (j < n && (jet[j] == QLatin1Char('=') ||
                          (c == QLatin1Char('<') && jet[j] == QLatin1Char('>')))) {
                ++j;
            }
            tokens.push_back({Token::Typ::Zeichen, jet.mid(i, j - i)});
            i = j;
        } else if (!istWortzeichen(c)) {
            tokens.push_back({Token::Typ::Zeichen, QString(c)});
            ++i;
        } else {
            qsizetype j = i;
            while (j < n && istWortzeichen(jet[j])) {
                ++j;
            }
            tokens.push_back({Token::Typ::Wort, jet.mid(i, j - i)});
            i = j;
        }
    }
    return tokens;
}

bool istSqliteSchluesselwort(const QString& wort) {
    const QByteArray u = wort.toUtf8();
    return sqlite3_keyword_check(u.constData(), static_cast<int>(u.size())) != 0;
}

const QSet<QString>& erlaubteSchluesselwoerter() {
    static const QSet<QString> kErlaubt = {
        QStringLiteral("SELECT"), QStringLiteral("DISTINCT"), QStringLiteral("FROM"),
        QStringLiteral("WHERE"),  QStringLiteral("AND"),      QStringLiteral("OR"),
        QStringLiteral("NOT"),    QStringLiteral("ORDER"),    QStringLiteral("BY"),
        QStringLiteral("AS"),     QStringLiteral("UNION"),    QStringLiteral("UPDATE"),
        QStringLiteral("SET"),    QStringLiteral("DROP"),     QStringLiteral("TABLE"),
        QStringLiteral("ASC"),    QStringLiteral("DESC"),     QStringLiteral("IS"),
        QStringLiteral("NULL"),   QStringLiteral("ALL"),      QStringLiteral("TRUE"),
        QStringLiteral("FALSE"),  QStringLiteral("LIKE")};
    return kErlaubt;
}

bool istGueltigerTabellenname(const QString& t) {
    static const QRegularExpression kMuster(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_\\-]*$"));
    return kMuster.match(t).hasMatch();
}

bool istBezeichner(const QString& w) {
    static const QRegularExpression kMuster(QStringLiteral("^[\\p{L}_][\\p{L}\\p{N}_]*$"));
    return kMuster.match(w).hasMatch();
}

bool istZahl(const QString& w) {
    static const QRegularExpression kMuster(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    return kMuster.match(w).hasMatch();
}

// Translates the token run of one SELECT, UPDATE or DROP statement (no INTO).
struct Ergebnis {
    QString sql;
    QStringList tabellen;
    bool union_ = false;
    bool distinct = false;
};

Ergebnis uebersetzeTokens(const QString& jet, const std::vector<Token>& tokens) {
    Ergebnis e;
    QString vorher;  // last significant word, upper case
    for (const Token& t : tokens) {
        switch (t.typ) {
            case Token::Typ::Leer:
                e.sql += t.text;
                continue;
            case Token::Typ::Text:
                e.sql += textLiteral(t.text);
                vorher.clear();
                continue;
            case Token::Typ::Klammername:
                if (vorher == QLatin1String("FROM") || vorher == QLatin1String("UPDATE") ||
                    vorher == QLatin1String("TABLE")) {
                    e.tabellen << t.text;
                }
                e.sql += name(t.text);
                vorher.clear();
                continue;
            case Token::Typ::Zeichen:
                if (t.text == QLatin1String(";") || t.text == QLatin1String("\"")) {
                    ablehnen(jet, QStringLiteral("unerlaubtes Zeichen %1").arg(t.text));
                }
                e.sql += t.text;
                vorher.clear();
                continue;
            case Token::Typ::Wort:
                break;
        }
        const QString gross = t.text.toUpper();
        if (vorher == QLatin1String("FROM") || vorher == QLatin1String("UPDATE") ||
            vorher == QLatin1String("TABLE")) {
            if (!istGueltigerTabellenname(t.text)) {
                ablehnen(jet, QStringLiteral("ungültiger Tabellenname %1").arg(t.text));
            }
            e.tabellen << t.text;
            e.sql += name(t.text);
            vorher.clear();
            continue;
        }
        if (gross == QLatin1String("TRUE") || gross == QLatin1String("FALSE")) {
            e.sql += gross == QLatin1String("TRUE") ? QStringLiteral("1") : QStringLiteral("0");
            vorher.clear();
            continue;
        }
        if (istZahl(t.text)) {
            e.sql += t.text;
            vorher.clear();
            continue;
        }
        if (!istBezeichner(t.text)) {
            ablehnen(jet, QStringLiteral("unbekannter Ausdruck %1").arg(t.text));
        }
        if (istSqliteSchluesselwort(t.text)) {
            if (!erlaubteSchluesselwoerter().contains(gross)) {
                ablehnen(jet, QStringLiteral("nicht unterstützt: %1").arg(t.text));
            }
            if (gross == QLatin1String("UNION")) {
                e.union_ = true;
            }
            if (gross == QLatin1String("DISTINCT")) {
                e.distinct = true;
            }
            e.sql += gross;
            vorher = gross;
            continue;
        }
        e.sql += t.text;
        vorher.clear();
    }
    return e;
}

QString ersteWoerter(const std::vector<Token>& tokens, int anzahl) {
    QStringList w;
    for (const Token& t : tokens) {
        if (t.typ == Token::Typ::Leer) {
            continue;
        }
        w << (t.typ == Token::Typ::Wort ? t.text.toUpper() : t.text);
        if (w.size() == anzahl) {
            break;
        }
    }
    return w.join(QLatin1Char(' '));
}

}  // namespace

QString textLiteral(const QString& text) {
    QString s = text;
    s.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}

QString name(const QString& bezeichner) {
    QString s = bezeichner;
    s.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

bool istTabellenname(const QString& quelle) {
    return istGueltigerTabellenname(quelle.trimmed());
}

Anweisung uebersetzen(const QString& jet) {
    Anweisung a;
    const QString text = jet.trimmed();

    // SELECT ... INTO <path>\<file>.<table> FROM ...: the target may hold blanks, so it runs
    // from INTO up to the last " FROM " of the statement.
    static const QRegularExpression kInto(
        QStringLiteral("^(SELECT\\s+\\*\\s+)INTO\\s+(.+)\\s+(FROM\\s.*)$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const auto into = kInto.match(text);
    if (into.hasMatch()) {
        QString ziel = into.captured(2).trimmed();
        ziel.replace(QLatin1Char('\\'), QLatin1Char('/'));
        const qsizetype punkt = ziel.lastIndexOf(QLatin1Char('.'));
        const qsizetype strich = ziel.lastIndexOf(QLatin1Char('/'));
        if (punkt <= strich + 1 || punkt == ziel.size() - 1) {
            ablehnen(jet, QStringLiteral("Ziel ohne Tabelle"));
        }
        a.zielTabelle = ziel.mid(punkt + 1);
        if (!istGueltigerTabellenname(a.zielTabelle)) {
            ablehnen(jet, QStringLiteral("ungültiger Tabellenname %1").arg(a.zielTabelle));
        }
        // The target file is the working copy of the exam template beside the named stem.
        a.zielDatei = ziel.left(punkt) + QStringLiteral(".mdb");
        const Anweisung quelle = uebersetzen(into.captured(1) + into.captured(3));
        if (quelle.art != Anweisung::Art::Abfrage || quelle.schluesselSql.isEmpty()) {
            ablehnen(jet, QStringLiteral("SELECT INTO nur aus einer Tabelle"));
        }
        a.art = Anweisung::Art::SelectInto;
        a.sql = quelle.sql;
        a.tabelle = quelle.tabelle;
        return a;
    }

    const std::vector<Token> tokens = zerlegen(text);
    const QString anfang = ersteWoerter(tokens, 2);
    const Ergebnis e = uebersetzeTokens(jet, tokens);
    if (anfang.startsWith(QLatin1String("SELECT"))) {
        a.art = Anweisung::Art::Abfrage;
        if (e.tabellen.isEmpty()) {
            ablehnen(jet, QStringLiteral("keine Tabelle"));
        }
        a.sql = e.sql;
        if (anfang == QLatin1String("SELECT *") && e.tabellen.size() == 1 && !e.union_) {
            a.tabelle = e.tabellen.first();
            static const QRegularExpression kStern(QStringLiteral("^\\s*SELECT\\s+\\*"),
                                                   QRegularExpression::CaseInsensitiveOption);
            a.schluesselSql = QString(a.sql).replace(kStern, QStringLiteral("SELECT rowid"));
        }
    } else if (anfang.startsWith(QLatin1String("UPDATE"))) {
        if (e.tabellen.size() != 1) {
            ablehnen(jet, QStringLiteral("UPDATE ohne Tabelle"));
        }
        a.art = Anweisung::Art::Aenderung;
        a.sql = e.sql;
        a.tabelle = e.tabellen.first();
    } else if (anfang == QLatin1String("DROP TABLE")) {
        if (e.tabellen.size() != 1) {
            ablehnen(jet, QStringLiteral("DROP TABLE ohne Tabelle"));
        }
        a.art = Anweisung::Art::DropTable;
        a.sql = e.sql;
        a.tabelle = e.tabellen.first();
    } else {
        ablehnen(jet, QStringLiteral("unbekannte Anweisung"));
    }
    return a;
}

Kriterium kriterium(const QString& text) {
    static const QRegularExpression kMuster(
        QStringLiteral("^\\s*\\[([^\\]]+)\\]\\s*(<>|>=|<=|=|<|>)\\s*'((?:[^']|'')*)'\\s*$"));
    const auto m = kMuster.match(text);
    if (!m.hasMatch()) {
        throw Fehler(QStringLiteral("Das Suchkriterium wird nicht unterstützt: %1").arg(text));
    }
    QString wert = m.captured(3);
    wert.replace(QStringLiteral("''"), QStringLiteral("'"));
    return {m.captured(1), m.captured(2), wert};
}

}  // namespace JetSql
