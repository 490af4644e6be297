// The learning window on 10 000 tasks, offscreen: "OK" of the selector with the root chosen,
// and ">" from task to task.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include "app/AppState.h"
#include "db/Aufgabendatenbank.h"
#include "db/Aufgabenquelle.h"
#include "learn/Formlernen.h"
#include "ui/QtDialoge.h"
#include "ui/Zufall.h"

namespace {

struct Umgebung {
    QTemporaryDir dir;
    AppState st;
    StilleDialoge dialoge;
    Zufall zufall{1};
    std::unique_ptr<Formlernen> fenster;

    Umgebung() {
        QJsonArray aufgaben;
        for (int n = 0; n < 10000; ++n) {
            aufgaben.append(QJsonObject{
                {"freieantwort", QStringLiteral("T%1").arg(n, 5, 10, QLatin1Char('0'))},
                {"Grundtyp", n % 6},
                {"Aufgabe",
                 QStringLiteral("{\\rtf1\\ansi\\fs24 Aufgabe %1: Berechnen Sie den Strom I durch "
                                "R = {\\b 470 \\u937?} bei U = 12 V.\\par}")
                     .arg(n)},
                {"Antwort1",
                 n % 6 == 5 ? QStringLiteral("I=U/R//U;1;2;3:R;4;5;6//1:1") : QStringLiteral("mA")},
                {"Antwort2", "zweite"},
                {"Antwort3", "dritte"},
                {"Ergebnis1", 25.5},
                {"Stichwort1", QStringLiteral("Stichwort %1").arg(n % 300)},
                {"Gebiet1", n % 4},
                {"Gebiet2", (n / 4) % 3},
                {"webtask", n}});
        }
        QJsonObject quelle{
            {"datenbanktyp", 0},
            {"themen", QJsonArray{QJsonObject{{"name", "A"}}, QJsonObject{{"name", "B"}},
                                  QJsonObject{{"name", "C"}}, QJsonObject{{"name", "D"}}}},
            {"aufgaben", aufgaben}};
        st.s_datenbank = dir.filePath("gross.ssw");
        st.s_startpfad = dir.path();
        f_datenbankBauen(quelle, st.s_datenbank);
        f_stichwortlisten(st, zufall, dialoge);
        f_themenbaum(st, dialoge);
        f_grunddatenlesen(st, dialoge);
        fenster = std::make_unique<Formlernen>(st, dialoge, zufall);
        fenster->show();
        fenster->laden();
    }
};

Umgebung& umgebung() {
    static Umgebung u;
    return u;
}

void BM_AuswahlOk(benchmark::State& state) {
    Umgebung& u = umgebung();
    for (auto _ : state) {
        u.fenster->auswahlLoeschen();
        u.fenster->selectZeigen();
        u.fenster->auswahlOk();
        QApplication::processEvents();
    }
    state.counters["Aufgaben"] = u.st.i_aufgabenzahl;
}
BENCHMARK(BM_AuswahlOk)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Weiter(benchmark::State& state) {
    Umgebung& u = umgebung();
    u.fenster->bewegen(Bewegung::Erste);
    int schritte = 0;
    for (auto _ : state) {
        if (++schritte == 100) {
            state.PauseTiming();
            u.fenster->bewegen(Bewegung::Erste);
            schritte = 0;
            state.ResumeTiming();
        }
        u.fenster->bewegen(Bewegung::Vor);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_Weiter)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(100)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
