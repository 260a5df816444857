// The hidden-line pass over a full list from a real scene (VolleListe.h),
// alone: onto a canvas that records nothing. Into the real Qt picture, and
// beside drawing the same segments directly, in verdeckt_qt.cpp.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>

#include "Drehszene.h"
#include "VolleListe.h"
#include "platform/ProtokollZeichenflaeche.h"
#include "view3d/Tiefenordnung.h"
#include "view3d/Tiefenpaare.h"

namespace {

// A scripted host that answers Yes and a canvas that records nothing.
struct StilleUmgebung {
    SkriptHost host;
    HostEinsetzen hostEin{host};
    ProtokollZeichenflaeche bild{824, 740};
    ZeichenbitmapEinsetzen bildEin{bild};
    StilleUmgebung() {
        host.StandardAntwort = Antwort::Ja;
        bild.Aufzeichnen = false;
    }
};

void Durchgang(benchmark::State& state, bool zentral) {
    StilleUmgebung u;
    SkriptHost& host = u.host;
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

// The list of the rotation scene with 30 spokes on every cone (fans of
// segments sharing their apex), as the hidden-line tick queues it.
void BM_VerdeckteLinienDrehszene(benchmark::State& state) {
    StilleUmgebung u;
        DrehszeneMitSpeichen();
    for (int k = 0; k < 5; ++k) Form_Edits_01.Timer1Timer();
    for (auto _ : state) {
        ZeichneStreckenNachTiefe(StreckenAnzahl);
        benchmark::ClobberMemory();
    }
    state.counters["Strecken"] = StreckenAnzahl;
}

void BM_VerdeckteLinienZentral(benchmark::State& state) { Durchgang(state, true); }
void BM_VerdeckteLinienParallel(benchmark::State& state) { Durchgang(state, false); }

// The preparation of the pass alone, and the list drawn directly.
void BM_Vorbereiten(benchmark::State& state) {
    StilleUmgebung u;
    VolleListeAufbauen(u.host, true);
    for (auto _ : state) TiefenordnungVorbereiten(StreckenAnzahl);
}
void BM_Direkt(benchmark::State& state) {
    StilleUmgebung u;
    VolleListeAufbauen(u.host, true);
    for (auto _ : state)
        for (int k = 1; k <= StreckenAnzahl; ++k)
            StreckeDirektZeichnen(St[k].A, St[k].B, St[k].Farbe, St[k].Linienstil, St[k].Stiftbreite);
}

// The Zeugnisse of the shared ends of the central list, one end at a time
// (Arg 1) or as the pass makes them (Arg 0: in lanes where it can).
void BM_ZeugnisseZentral(benchmark::State& state) {
    StilleUmgebung u;
    VolleListeAufbauen(u.host, true);
    static tiefe::Tiefendaten z;
    tiefe::TiefendatenVorbereiten(z, StreckenAnzahl);
    const auto enden = 2 * static_cast<std::ptrdiff_t>(StreckenAnzahl) + 2;
    for (auto _ : state) {
        std::fill(z.ZeugnisZustand[1].begin(), z.ZeugnisZustand[1].begin() + enden, -1);
        tiefe::AlleZeugnisseMachen(z, static_cast<int>(state.range(0)));
        benchmark::ClobberMemory();
    }
    int sicher = 0;
    for (std::ptrdiff_t e = 0; e < enden; ++e) sicher += z.ZeugnisZustand[1][static_cast<std::size_t>(e)] == 1;
    state.counters["sicher"] = sicher;
}

}  // namespace

BENCHMARK(BM_ZeugnisseZentral)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VerdeckteLinienZentral)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerdeckteLinienParallel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerdeckteLinienDrehszene)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Vorbereiten)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Direkt)->Unit(benchmark::kMillisecond);
