// One tick of Timer4 (an eye-point step while its button is held: the edit's
// change action, the projected lines, the redraw into a 1024 x 740 Qt image
// and the open report of g) against a plain redraw of the same scene: the
// start scene, and the scene with every object visible.
#include <benchmark/benchmark.h>

#include "gui/QtZeichenflaeche.h"
#include "forms/Hauptfenster.h"
#include "control/Programm.h"
#include "platform/Zeichenflaeche.h"
#include "forms/Ergebnisauswahl.h"
#include "scene/Objekte.h"
#include "scene/Ansicht.h"
#include "view3d/Zeichnen.h"

namespace {

void Szene(bool alles) {
    ProgrammStart();
    if (alles)
        for (int nr = 1; nr <= ObjektAnzahl; ++nr) ObjektSichtbar(nr) = 1;
    for (int i = 1; i <= 6; ++i) Projektionsgeraden[i].anzeigen = 1;
    ErgebnisAuswahl = 22;  // the report on g, which shows g's projected lines
}

void Zeichnen(benchmark::State& state, bool alles) {
    QtZeichenflaeche bild(1024, 740);
    ZeichenbitmapEinsetzen einsetzen(bild);
    Szene(alles);
    for (auto _ : state) {
        SzeneZeichnen();
        benchmark::DoNotOptimize(bild.Bild().constBits());
    }
}

void Tick(benchmark::State& state, bool alles) {
    QtZeichenflaeche bild(1024, 740);
    ZeichenbitmapEinsetzen einsetzen(bild);
    Szene(alles);
    TForm_Edits_01& F = Form_Edits_01;
    // y+ held; every other tick y- so the eye point stays near the start.
    F.ButFPyPl.OnMouseDown();
    // Held past the delay: from here on every tick steps.
    for (int ms = F.Timer4.Interval; ms < TWiederholung::Verzoegerung; ms += F.Timer4.Interval) F.Timer4.OnTimer();
    Byte taste = 3;
    for (auto _ : state) {
        FPTaste = taste;
        F.Timer4.OnTimer();
        taste = taste == 3 ? 4 : 3;
        benchmark::DoNotOptimize(bild.Bild().constBits());
    }
    F.ButFPyPl.OnMouseUp();
}

void BM_SzeneZeichnen_Start(benchmark::State& state) { Zeichnen(state, false); }
void BM_Timer4Tick_Start(benchmark::State& state) { Tick(state, false); }
void BM_SzeneZeichnen_AlleObjekte(benchmark::State& state) { Zeichnen(state, true); }
void BM_Timer4Tick_AlleObjekte(benchmark::State& state) { Tick(state, true); }

BENCHMARK(BM_SzeneZeichnen_Start)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Timer4Tick_Start)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_SzeneZeichnen_AlleObjekte)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Timer4Tick_AlleObjekte)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
