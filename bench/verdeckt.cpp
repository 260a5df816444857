// The hidden-line pass over a full list from a real scene: four spheres at
// the hidden-line density, both planes as grids, the frame and every other
// object, switched on through the menu item. The list fills to its limit;
// the pass alone is measured, onto a canvas that records nothing.

#include <benchmark/benchmark.h>

#include "../tests/view3d/VolleSzene.h"

#include "forms/Hauptfenster.h"
#include "control/Programm.h"
#include "forms/Schalter.h"
#include "platform/ProtokollZeichenflaeche.h"
#include "platform/SkriptHost.h"
#include "scene/Objekte.h"
#include "scene/Ansicht.h"
#include "view3d/VerdeckteLinien.h"
#include "view3d/Zeichnen.h"

namespace {

// Fills St from the scene; true when the list is full.
bool SzeneAufbauen(SkriptHost& host, bool zentral) {
    ProgrammStart();
    VolleSzeneEinstellen();
    if (!zentral) {
        Zentralprojektion = false;
        ProjRichtung = {0.8L, 1.0L, 0.5L};
    }
    Form_Edits_01.vdLClick();  // the question is answered Yes
    // The list's limit switched the mode off and emptied the count; the
    // entries stay.
    for (const auto& m : host.Meldungen)
        if (m.text == StreckenGrenzeMeldung) StreckenAnzahl = StreckenHoechstzahl;
    return StreckenAnzahl == StreckenHoechstzahl;
}

void Durchgang(benchmark::State& state, bool zentral) {
    SkriptHost host;
    host.StandardAntwort = Antwort::Ja;
    HostEinsetzen hostEin(host);
    ProtokollZeichenflaeche bild(824, 740);
    bild.Aufzeichnen = false;
    ZeichenbitmapEinsetzen bildEin(bild);
    if (!SzeneAufbauen(host, zentral)) {
        state.SkipWithError("the list is not full");
        return;
    }
    for (auto _ : state) {
        ZeichneStreckenNachTiefe(StreckenAnzahl);
        benchmark::ClobberMemory();
    }
    state.counters["Strecken"] = StreckenAnzahl;
    state.counters["Abfragen"] = static_cast<double>(host.EscapeAbfragen) / static_cast<double>(state.iterations());
}

void BM_VerdeckteLinienZentral(benchmark::State& state) { Durchgang(state, true); }
void BM_VerdeckteLinienParallel(benchmark::State& state) { Durchgang(state, false); }

}  // namespace

BENCHMARK(BM_VerdeckteLinienZentral)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerdeckteLinienParallel)->Unit(benchmark::kMillisecond);
