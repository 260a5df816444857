// The full hidden-line list (VolleListe.h) into the 1024 x 740 Qt picture:
// its 2399 segments drawn directly in list order, as the redraw draws them
// with hidden lines off, and the same segments through the depth-ordered
// pass. The ratio of the two is what hidden lines cost on top of the raster.

#include <benchmark/benchmark.h>

#include "VolleListe.h"
#include "gui/QtZeichenflaeche.h"

namespace {

struct Liste {
    SkriptHost host;
    HostEinsetzen hostEin{host};
    QtZeichenflaeche bild{1024, 740};
    ZeichenbitmapEinsetzen bildEin{bild};

    explicit Liste(bool zentral) {
        host.StandardAntwort = Antwort::Ja;
        voll = VolleListeAufbauen(host, zentral);
    }
    bool voll = false;
};

void Direkt(benchmark::State& state, bool zentral) {
    Liste l(zentral);
    if (!l.voll) {
        state.SkipWithError("the list is not full");
        return;
    }
    for (auto _ : state) {
        for (int k = 1; k <= StreckenAnzahl; ++k)
            StreckeDirektZeichnen(St[k].A, St[k].B, St[k].Farbe, St[k].Linienstil, St[k].Stiftbreite);
        benchmark::DoNotOptimize(l.bild.Bild().constBits());
    }
    state.counters["Strecken"] = StreckenAnzahl;
}

void Durchgang(benchmark::State& state, bool zentral) {
    Liste l(zentral);
    if (!l.voll) {
        state.SkipWithError("the list is not full");
        return;
    }
    for (auto _ : state) {
        ZeichneStreckenNachTiefe(StreckenAnzahl);
        benchmark::DoNotOptimize(l.bild.Bild().constBits());
    }
    state.counters["Strecken"] = StreckenAnzahl;
}

void BM_StreckenDirekt_Zentral(benchmark::State& state) { Direkt(state, true); }
void BM_StreckenDirekt_Parallel(benchmark::State& state) { Direkt(state, false); }
void BM_VerdeckteLinien_QtBild_Zentral(benchmark::State& state) { Durchgang(state, true); }
void BM_VerdeckteLinien_QtBild_Parallel(benchmark::State& state) { Durchgang(state, false); }

}  // namespace

BENCHMARK(BM_StreckenDirekt_Zentral)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerdeckteLinien_QtBild_Zentral)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StreckenDirekt_Parallel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerdeckteLinien_QtBild_Parallel)->Unit(benchmark::kMillisecond);
