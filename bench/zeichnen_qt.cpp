// The redraw of the whole picture into a 1024 x 740 Qt image: the start
// scene, and a scene with every object visible and the frame's extras on.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "Drehszene.h"
#include "gui/QtZeichenflaeche.h"
#include "control/Programm.h"
#include "forms/Schalter.h"
#include "platform/Zeichenflaeche.h"
#include "scene/Objekte.h"
#include "view3d/Zeichnen.h"

namespace {

void Zeichnen(benchmark::State& state, bool alles) {
    QtZeichenflaeche bild(1024, 740);
    ZeichenbitmapEinsetzen einsetzen(bild);
    ProgrammStart();
    if (alles) {
        for (int nr = 1; nr <= ObjektAnzahl; ++nr) ObjektSichtbar(nr) = 1;
        GitterZeigen = true;
        AchseneinteilungZeigen = true;
        AchsenwerteZeigen = true;
        ParamDarstellungZeigen = true;
    }
    for (auto _ : state) {
        SzeneZeichnen();
        benchmark::DoNotOptimize(bild.Bild().constBits());
    }
}

void BM_SzeneZeichnen_Start(benchmark::State& state) { Zeichnen(state, false); }
void BM_SzeneZeichnen_AlleObjekte(benchmark::State& state) { Zeichnen(state, true); }

// One tick of the continuous rotation (turn, write-back, recomputation,
// redraw into the Qt picture) with all 30 objects marked and visible.
void BM_Timer1Tick_QtBild(benchmark::State& state) {
    QtZeichenflaeche bild(1024, 740);
    ZeichenbitmapEinsetzen einsetzen(bild);
    DrehszeneVorbereiten();
    for (auto _ : state) {
        Form_Edits_01.Timer1Timer();
        benchmark::DoNotOptimize(bild.Bild().constBits());
    }
}

BENCHMARK(BM_SzeneZeichnen_Start)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_SzeneZeichnen_AlleObjekte)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Timer1Tick_QtBild)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
