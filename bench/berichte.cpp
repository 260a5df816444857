// The reports on lines and planes: the build of each kind on the start
// scene, and one tick of the continuous rotation (all 30 objects turning,
// the redraw to the silent canvas) with no report open against the same
// tick with the longest of them, the report on E1, open.
#include <benchmark/benchmark.h>

#include "Drehszene.h"
#include "control/Programm.h"
#include "forms/Datenausgabe.h"
#include "forms/Ergebnisauswahl.h"
#include "reports/Ergebnisse.h"
#include "scene/Objekte.h"

namespace {

void BM_Bericht(benchmark::State& state) {
    ProgrammStart();
    const Byte code = static_cast<Byte>(state.range(0));
    for (auto _ : state) {
        ErgebnisAusgeben(code);
        benchmark::DoNotOptimize(Form_Datenausgabe.Memo1.Lines.data());
    }
    state.counters["Zeilen"] = static_cast<double>(Form_Datenausgabe.Memo1.Lines.size());
}

void BM_Timer1Tick(benchmark::State& state) {
    DrehszeneVorbereiten();
    ErgebnisAuswahl = static_cast<Byte>(state.range(0));
    for (auto _ : state) {
        Form_Edits_01.Timer1Timer();
        benchmark::DoNotOptimize(Punkt[1].Ort);
    }
    ErgebnisAuswahl = 0;
}

// Line, line pair (crossing, skew, parallel), line and plane, E1, E2, both
// planes, the older reports.
BENCHMARK(BM_Bericht)
    ->ArgName("Code")
    ->Arg(22)->Arg(25)->Arg(26)->Arg(27)->Arg(28)->Arg(34)->Arg(35)->Arg(118)
    ->Arg(1)->Arg(2)->Arg(3)->Arg(4)->Arg(5)->Arg(16)
    ->Unit(benchmark::kMicrosecond);
// 0: no report open; 34: the report on E1.
BENCHMARK(BM_Timer1Tick)->ArgName("Code")->Arg(0)->Arg(34)->Unit(benchmark::kMillisecond);

}  // namespace
