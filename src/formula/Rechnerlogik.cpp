#include "formula/Rechnerlogik.h"

#include <cmath>

#include "formula/Zahltext.h"

namespace Rechnerlogik {

LinkeSeite linkeSeite(const QString& formel) {
    LinkeSeite l;
    const qsizetype gleich = formel.indexOf(QLatin1Char('='));
    const QString links = gleich < 0 ? formel : formel.left(gleich + 1);
    const QStringList teile = links.split(QLatin1Char('/'));
    l.anzeige = teile.first();
    l.einheit = teile.size() > 1 ? QString(teile[1]).remove(QLatin1Char('=')) : QString();
    return l;
}

QString ergebnisLinks(const QString& formel) {
    const qsizetype gleich = formel.indexOf(QLatin1Char('='));
    const QString links = gleich < 0 ? formel : formel.left(gleich + 1);
    if (!links.contains(QLatin1Char('/'))) {
        return links;
    }
    return links.section(QLatin1Char('/'), 0, 0) + QStringLiteral(" =");
}

QString wertFuerEngine(const QString& text) {
    QString w = text;
    static const std::pair<const char16_t*, const char16_t*> kVorsaetze[] = {
        {u"p", u"e-12"}, {u"n", u"e-9"}, {u"µ", u"e-6"}, {u"m", u"e-3"}, {u"c", u"e-2"},
        {u"d", u"e-1"},  {u"h", u"e2"},  {u"k", u"e3"},  {u"M", u"e6"},  {u"G", u"e9"}};
    for (const auto& [von, nach] : kVorsaetze) {
        w.replace(QString::fromUtf16(von), QString::fromUtf16(nach));
    }
    return w.replace(QLatin1Char('-'), QLatin1Char('@'));
}

QChar wertTaste(QChar k) {
    static const QString kDurch = QStringLiteral("+-.0123456789EGMcdhikmnp°µ");
    if (k == QLatin1Char(',')) {
        return QLatin1Char('.');
    }
    if (k == QLatin1Char('I') || k == QLatin1Char('J') || k == QLatin1Char('j')) {
        return QLatin1Char('i');
    }
    if (k == QLatin1Char('e')) {
        return QLatin1Char('E');
    }
    return kDurch.contains(k) ? k : QChar();
}

QString eingabe(const QString& formel, const QList<Variable>& variablen) {
    QStringList defs;
    for (const Variable& v : variablen) {
        const QString name = QString(v.name).remove(QLatin1Char('=')).remove(QLatin1Char(' '));
        defs << name + QLatin1Char(';') + wertFuerEngine(v.wert) + QStringLiteral(";;");
    }
    const QString definitionen =
        defs.isEmpty() ? QStringLiteral("x;1;1;1") : defs.join(QLatin1Char(':'));
    return formel + QStringLiteral("//") + definitionen + QStringLiteral("//0:0");
}

QString analyseEingabe(const QString& formel, const QList<Variable>& variablen) {
    QStringList defs;
    for (const Variable& v : variablen) {
        defs << v.name + QLatin1Char(';') + v.wert + QStringLiteral(";0;0");
    }
    return formel + QStringLiteral("//") + defs.join(QLatin1Char(':')) + QStringLiteral("//0:0");
}

Anzeige darstellung(double v, int form, int nachkomma, const QString& einheit) {
    Anzeige a;
    if (form == 1) {
        a.wert =
            std::abs(v) > 99 || std::abs(v) < 0.01 ? f_exponentform(v, 3, 2) : f_zahlSchreiben(v);
        a.text = a.wert + QLatin1Char(' ') + einheit;
        return a;
    }
    if (form == 2) {
        QString t = f_exponentform(v, 3, 2);
        double faktor = 1.0;
        static const std::pair<const char16_t*, const char16_t*> kTabelle[] = {
            {u"E-12", u"p1"},   {u"E-11", u"p10"},  {u"E-10", u"p100"}, {u"E-09", u"n1"},
            {u"E-08", u"n10"},  {u"E-07", u"n100"}, {u"E-06", u"µ1"},   {u"E-05", u"µ10"},
            {u"E-04", u"µ100"}, {u"E-03", u"m1"},   {u"E-02", u"m10"},  {u"E-01", u"m100"},
            {u"E+03", u"k1"},   {u"E+04", u"k10"},  {u"E+05", u"k100"}, {u"E+06", u"M1"},
            {u"E+07", u"M10"},  {u"E+08", u"M100"}, {u"E+09", u"G1"},   {u"E+10", u"G10"},
            {u"E+11", u"G100"}};
        for (const auto& [exponent, vorsatz] : kTabelle) {
            const QString e = QString::fromUtf16(exponent);
            if (t.contains(e)) {
                t.remove(e);
                const QString p = QString::fromUtf16(vorsatz);
                a.praefix = p.left(1);
                faktor = p.mid(1).toDouble();
                break;
            }
        }
        double m = 0.0;
        f_strengLesen(t, m);
        a.wert = f_zahlSchreiben(f_runden(m, nachkomma) * faktor);
        a.text = a.wert + QLatin1Char(' ') + a.praefix + einheit;
        return a;
    }
    a.wert = f_zahlSchreiben(f_runden(v, nachkomma));
    a.text = a.wert + QLatin1Char(' ') + einheit;
    return a;
}

QString substitutionBereinigen(const QString& antwort) {
    QString s = antwort;
    for (QChar c : QStringLiteral(" ;:<>#\\?!§%")) {
        s.remove(c);
    }
    return s;
}

}  // namespace Rechnerlogik
