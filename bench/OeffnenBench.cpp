// Opening a task database of 10 000 tasks: keyword lists (with the renewal of every ID1),
// topic tree and basic data, as the main window runs them one after the other.

#include <benchmark/benchmark.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include "app/AppState.h"
#include "db/Aufgabendatenbank.h"
#include "db/Aufgabenquelle.h"
#include "ui/Dialoge.h"
#include "ui/Zufall.h"

namespace {

class StumpfeDialoge : public Dialoge {
public:
    void meldung(const QString&, const QString&) override { ++meldungen; }
    bool frage(const QString&, const QString&) override { return false; }
    std::optional<QString> eingabe(const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QString> dateiOeffnen(const QString&, const QString&, const QString&,
                                        const QString&) override {
        return {};
    }
    std::optional<QString> dateiSpeichern(const QString&, const QString&, const QString&,
                                          const QString&) override {
        return {};
    }
    std::optional<QString> ordnerWaehlen(const QString&, const QString&) override { return {}; }
    int meldungen = 0;
};

QJsonObject grosseQuelle(int anzahl) {
    QJsonArray themen;
    for (int i = 0; i < 10; ++i) {
        QJsonArray teile;
        for (int j = 0; j < 10; ++j) {
            QJsonArray unter;
            for (int k = 0; k < 10; ++k) {
                unter.append(QStringLiteral("Thema %1.%2.%3").arg(i).arg(j).arg(k));
            }
            teile.append(QJsonObject{{"name", QStringLiteral("Teilgebiet %1.%2").arg(i).arg(j)},
                                     {"themen", unter}});
        }
        themen.append(
            QJsonObject{{"name", QStringLiteral("Hauptgebiet %1").arg(i)}, {"teilgebiete", teile}});
    }
    QJsonArray aufgaben;
    for (int n = 0; n < anzahl; ++n) {
        aufgaben.append(QJsonObject{
            {"freieantwort", QStringLiteral("T%1").arg(n, 5, 10, QLatin1Char('0'))},
            {"Grundtyp", n % 6},
            {"Aufgabe",
             QStringLiteral("{\\rtf1\\ansi Aufgabe %1 mit etwas Text zum Ohmschen Gesetz.\\par}")
                 .arg(n)},
            {"Antwort1", "mA"},
            {"Ergebnis1", 25.5},
            {"Stichwort1", QStringLiteral("Stichwort %1").arg(n % 300)},
            {"Stichwort2", QStringLiteral("Begriff %1").arg(n % 97)},
            {"Gebiet1", n % 10},
            {"Gebiet2", (n / 10) % 10},
            {"Gebiet3", (n / 100) % 10},
            {"webtask", n}});
    }
    QJsonArray einheiten;
    for (int g = 0; g < 40; ++g) {
        einheiten.append(QStringLiteral("E%1=1;mE%1=1000;kE%1=0,001").arg(g));
    }
    return {{"datenbanktyp", 1},
            {"zugang", "BE-Bench-tolk"},
            {"grunddaten", QJsonObject{{"fach", "Elektrotechnik"}}},
            {"themen", themen},
            {"einheiten", einheiten},
            {"aufgaben", aufgaben}};
}

void BM_DatenbankOeffnen(benchmark::State& state) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath("gross.ssw");
    f_datenbankBauen(grosseQuelle(static_cast<int>(state.range(0))), pfad);
    StumpfeDialoge dialoge;
    Zufall zufall(1);
    for (auto _ : state) {
        AppState st;
        st.s_datenbank = pfad;
        const bool ok = f_stichwortlisten(st, zufall, dialoge) && f_themenbaum(st, dialoge) &&
                        f_grunddatenlesen(st, dialoge);
        benchmark::DoNotOptimize(ok);
        if (!ok) {
            state.SkipWithError("Öffnen fehlgeschlagen");
        }
    }
}
// The three procedures one by one, to see where the time goes.
template <int Welche>
void BM_Einzeln(benchmark::State& state) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath("gross.ssw");
    f_datenbankBauen(grosseQuelle(static_cast<int>(state.range(0))), pfad);
    StumpfeDialoge dialoge;
    Zufall zufall(1);
    AppState st;
    st.s_datenbank = pfad;
    st.grunddaten.b_datenbanktyp = 1;
    for (auto _ : state) {
        bool ok = false;
        if constexpr (Welche == 0) {
            ok = f_stichwortlisten(st, zufall, dialoge);
        } else if constexpr (Welche == 1) {
            ok = f_themenbaum(st, dialoge);
        } else {
            ok = f_grunddatenlesen(st, dialoge);
        }
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_Einzeln<0>)->Name("BM_Stichwortlisten")->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Einzeln<1>)->Name("BM_Themenbaum")->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Einzeln<2>)->Name("BM_Grunddatenlesen")->Arg(10000)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_DatenbankOeffnen)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
