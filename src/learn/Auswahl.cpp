#include "learn/Auswahl.h"

#include "db/JetSql.h"
#include "db/Themenbaum.h"

QString f_stufentext(int wert) {
    return wert == 0 ? QStringLiteral("A") : QString::number(wert);
}

QString f_auswahlsql(const Themenbaum& baum, const Auswahlfilter& filter,
                     const Auswahlmodus& modus) {
    const auto& h = filter.haken;
    const QString nie = QStringLiteral("=99");
    const QString t0 = h[0] ? QStringLiteral(">=0") : nie;
    const QString t1 = h[1] ? QStringLiteral("=0") : nie;
    const QString t2 = h[2] ? QStringLiteral("=2 OR Grundtyp = 5") : nie;
    const QString t3 = h[3] ? QStringLiteral("=1") : nie;
    const QString t4 = h[4] ? QStringLiteral("=3") : nie;
    const QString t5 = h[5] ? QStringLiteral("=4") : nie;
    const auto stufe = [](int w) {
        return w == 0 ? QStringLiteral(">=0") : QStringLiteral("= ") + QString::number(w);
    };

    QString c;
    if (modus.bo_modusstichwort) {
        if (modus.s_stichwort == QLatin1String("ALLE")) {
            c = QStringLiteral(" where ");
        } else {
            // The keyword is quoted as a text literal, so an apostrophe in it selects its
            // tasks instead of breaking the statement.
            const QString k = JetSql::textLiteral(modus.s_stichwort);
            c = QStringLiteral(" Where (Stichwort1 = ") + k + QStringLiteral(" OR Stichwort2 = ") +
                k + QStringLiteral(" OR Stichwort3 = ") + k + QStringLiteral(" OR Stichwort4 = ") +
                k + QStringLiteral(") AND ");
        }
    } else {
        const Themenknoten* wurzel = baum.knoten(QStringLiteral("root"));
        QString w;
        QString begriffe;
        if (wurzel != nullptr && wurzel->bild == 2) {
            w = QStringLiteral(" where Gebiet1 >=0 ");
        } else {
            w = QStringLiteral(" where Gebiet1 > 99 ");
            for (const Themenknoten* k : baum.inReihenfolge()) {
                if (k->bild != 2 || k->schluessel == QLatin1String("root")) {
                    continue;
                }
                const QString& s = k->schluessel;
                if (s.size() == 2) {
                    begriffe += QStringLiteral(" OR Gebiet1 = ") + s[0];
                } else if (s.size() == 3) {
                    begriffe += QStringLiteral(" OR (Gebiet1 = ") + s[0] +
                                QStringLiteral(" AND Gebiet2 = ") + s[1] + QLatin1Char(')');
                } else if (s.size() == 4) {
                    begriffe += QStringLiteral(" OR (Gebiet1 = ") + s[0] +
                                QStringLiteral(" AND Gebiet2 = ") + s[1] +
                                QStringLiteral(" AND Gebiet3 = ") + s[2] + QLatin1Char(')');
                }
            }
        }
        c = w + begriffe + QStringLiteral(" AND  ");
    }

    const QString anweisung =
        QStringLiteral("SELECT * FROM 01 ") + c + QStringLiteral(" (Grundtyp  ") + t0 +
        QStringLiteral(" OR Grundtyp  ") + t1 + QStringLiteral(" OR Grundtyp  ") + t2 +
        QStringLiteral(" OR Grundtyp  ") + t3 + QStringLiteral(" OR Grundtyp  ") + t4 +
        QStringLiteral(" OR Grundtyp  ") + t5 + QStringLiteral(" ) AND Stufe ") +
        stufe(filter.stufe) + QStringLiteral(" AND Schwierigkeit ") + stufe(filter.schwierigkeit);
    if (modus.bo_modustour) {
        return anweisung + QStringLiteral(" Where Stichwort4 = ") +
               JetSql::textLiteral(modus.s_stichwort) + QStringLiteral(" ") +
               QStringLiteral(" ORDER BY webtask");
    }
    // "Nicht beantwortete" and "Falsch beantwortete" restrict by the usage counters.
    QString zusatz;
    if (h[6]) {
        zusatz += QStringLiteral(" AND nutzung = 0");
    }
    if (h[7]) {
        zusatz += QStringLiteral(" AND unrichtig > 0");
    }
    return anweisung + zusatz + QStringLiteral(" ORDER BY webtask");
}
