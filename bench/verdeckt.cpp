// The hidden-line pass over a full list from a real scene (VolleListe.h),
// alone: onto a canvas that records nothing. Into the real Qt picture, and
// beside drawing the same segments directly, in verdeckt_qt.cpp.

#include <benchmark/benchmark.h>

#include "VolleListe.h"
#include "platform/ProtokollZeichenflaeche.h"

namespace {

void Durchgang(benchmark::State& state, bool zentral) {
    SkriptHost host;
    host.StandardAntwort = Antwort::Ja;
    HostEinsetzen hostEin(host);
    ProtokollZeichenflaeche bild(824, 740);
    bild.Aufzeichnen = false;
    ZeichenbitmapEinsetzen bildEin(bild);
    if (!VolleListeAufbauen(host, zentral)) {
        state.SkipWithError("the list is not full");
        return;
    }
    host.EscapeAbfragen = 0;
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
