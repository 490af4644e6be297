// Evaluation of formula answers as the scoring does it: three value sets per formula.

#include <benchmark/benchmark.h>

#include "formula/Formelcompclass.h"
#include "tasks/Bewertung.h"

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

// Scoring one formula task with five rows of three value sets each.
void BM_FormelaufgabeBewerten(benchmark::State& state) {
    Formelcompclass o_formel;
    Bewertungszeilen r;
    const char* soll[5] = {"P=U*I//U;230;12;5:I;2;0.5;10//1:1", "I=U/R//U;12;24;230:R;100;470;1000//1:1",
                           "P=U^2/R//U;12;24;230:R;100;470;1000//1:1",
                           "R=R1*R2/(R1+R2)//R1;100;220;1000:R2;100;330;1500//1:1",
                           "X=1/(2*pi*f*C)//f;50;1000;60:C;0.00001;0.000001;0.0000047//1:1"};
    const char* ist[5] = {"P=I*U", "I=U/R", "P=U*U/R", "R=R1||R2", "X=1/(2*pi*f*C)"};
    for (int i = 0; i < 5; ++i) {
        r.i_zeilenwertung[static_cast<std::size_t>(i)] = 2;
        r.s_zeilensoll[static_cast<std::size_t>(i)] = QString::fromUtf8(soll[i]);
        r.s_zeilenantwort[static_cast<std::size_t>(i)] = QString::fromUtf8(ist[i]);
    }
    int punkte = 0;
    for (auto _ : state) {
        punkte = f_formelpunkte(r, o_formel, 0, 10);
        benchmark::DoNotOptimize(punkte);
    }
    if (punkte != 10) {
        state.SkipWithError("nicht alle Zeilen richtig");
    }
}
BENCHMARK(BM_FormelaufgabeBewerten)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
