// One tick of the continuous rotation in the mode without axes, with all 30
// objects marked and visible: turn, write-back into the grids, the
// recomputation of what derives from lines and planes, and the redraw.
//
// The redraw goes to the core's silent canvas (it projects, clips and
// rounds every segment but paints nothing) or, in the second case, to the
// recording canvas of the tests, emptied after every tick. The tick into the
// real Qt picture is measured in zeichnen_qt.cpp.
#include <benchmark/benchmark.h>

#include "Drehszene.h"
#include "platform/ProtokollZeichenflaeche.h"
#include "platform/Zeichenflaeche.h"
#include "scene/Objekte.h"
#include "scene/DrehZustand.h"

namespace {

void BM_Timer1Tick_OhneAchsen(benchmark::State& state) {
    DrehszeneVorbereiten();
    for (auto _ : state) {
        Form_Edits_01.Timer1Timer();
        benchmark::DoNotOptimize(Punkt[1].Ort);
    }
    state.counters["Winkel"] = static_cast<double>(DrehListe[1].Winkel);
}

void BM_Timer1Tick_OhneAchsen_Protokoll(benchmark::State& state) {
    ProtokollZeichenflaeche bild(824, 740);
    ZeichenbitmapEinsetzen ein(bild);
    DrehszeneVorbereiten();
    for (auto _ : state) {
        Form_Edits_01.Timer1Timer();
        benchmark::DoNotOptimize(bild.Eintraege.size());
        bild.Leeren();
    }
}

BENCHMARK(BM_Timer1Tick_OhneAchsen)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Timer1Tick_OhneAchsen_Protokoll)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace
