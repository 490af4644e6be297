// Evaluation of formula answers as the scoring does it: three value sets per formula.

#include <benchmark/benchmark.h>

#include "formula/Formelcompclass.h"

namespace {

void auswerten(benchmark::State& state, const QString& formel) {
    Formelcompclass o_formel;
    for (auto _ : state) {
        o_formel.f_setzen(false);
        QString r = o_formel.f_formelAuswertung(formel);
        benchmark::DoNotOptimize(r);
    }
    if (o_formel.bo_generalfehler) {
        state.SkipWithError("Formel fehlerhaft");
    }
}

void BM_OhmschesGesetz(benchmark::State& state) {
    auswerten(state, QStringLiteral("U=R*I//R;2;3;4:I;5;6;7//1:1"));
}
BENCHMARK(BM_OhmschesGesetz)->Unit(benchmark::kMicrosecond);

// 60 characters of formula with brackets, functions and four variables.
void BM_Formel60(benchmark::State& state) {
    const QString formel =
        QStringLiteral("P=(U1^2/R1+U2^2/R2)*cos(phi°)+sqr(R1*R2)/(R1+R2)-ln(U1/U2)*2");
    auswerten(
        state,
        formel + QStringLiteral(
                     "//U1;230;12;400:U2;110;5;230:R1;100;47;220:R2;220;33;470:phi;30;0;60//1:1"));
}
BENCHMARK(BM_Formel60)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
