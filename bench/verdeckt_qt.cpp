// The full hidden-line list (VolleListe.h) into the 1024 x 740 Qt picture:
// its 2399 segments drawn directly in list order, as the redraw draws them
// with hidden lines off, and the same segments through the depth-ordered
// pass. The ratio of the two is what hidden lines cost on top of the raster.
//
// The ratios are measured in one benchmark each, the two sides taken in
// turn in every iteration (CPU time of the thread), so that both see the
// same load; run with --benchmark_repetitions=10 the median of the counter
// "Verhaeltnis" is the figure.

#include <benchmark/benchmark.h>

#include <ctime>

#include "Drehszene.h"
#include "QtBild.h"
#include "VolleListe.h"
#include "forms/Schalter.h"

namespace {

struct Liste : QtBildUmgebung {
    explicit Liste(bool zentral) { voll = VolleListeAufbauen(host, zentral); }
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

double CpuSekunden() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

void DirektDurchgangVerhaeltnis(benchmark::State& state, bool zentral) {
    Liste l(zentral);
    if (!l.voll) {
        state.SkipWithError("the list is not full");
        return;
    }
    double direkt = 0, pass = 0;
    for (auto _ : state) {
        const double t0 = CpuSekunden();
        for (int k = 1; k <= StreckenAnzahl; ++k)
            StreckeDirektZeichnen(St[k].A, St[k].B, St[k].Farbe, St[k].Linienstil, St[k].Stiftbreite);
        benchmark::DoNotOptimize(l.bild.Bild().constBits());
        const double t1 = CpuSekunden();
        ZeichneStreckenNachTiefe(StreckenAnzahl);
        benchmark::DoNotOptimize(l.bild.Bild().constBits());
        const double t2 = CpuSekunden();
        direkt += t1 - t0;
        pass += t2 - t1;
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["Direkt_ms"] = 1e3 * direkt / n;
    state.counters["Durchgang_ms"] = 1e3 * pass / n;
    state.counters["Verhaeltnis"] = pass / direkt;
}

// The rotation tick of the scene with 30 spokes on every cone, whose
// hidden-line list holds 2383 segments, with hidden lines on and off in
// turn (the switch set directly: the scene stays the same).
void BM_Verhaeltnis_Tick(benchmark::State& state) {
    QtBildUmgebung u;
    QtZeichenflaeche& bild = u.bild;
    DrehszeneMitSpeichen();
    if (!VerdeckteLinien) {
        state.SkipWithError("hidden lines not on");
        return;
    }
    double ein = 0, aus = 0;
    for (auto _ : state) {
        VerdeckteLinien = true;
        const double t0 = CpuSekunden();
        Form_Edits_01.Timer1Timer();
        benchmark::DoNotOptimize(bild.Bild().constBits());
        const double t1 = CpuSekunden();
        VerdeckteLinien = false;
        Form_Edits_01.Timer1Timer();
        benchmark::DoNotOptimize(bild.Bild().constBits());
        const double t2 = CpuSekunden();
        ein += t1 - t0;
        aus += t2 - t1;
    }
    VerdeckteLinien = true;
    const auto n = static_cast<double>(state.iterations());
    state.counters["Ein_ms"] = 1e3 * ein / n;
    state.counters["Aus_ms"] = 1e3 * aus / n;
    state.counters["Verhaeltnis"] = ein / aus;
}

void BM_StreckenDirekt_Zentral(benchmark::State& state) { Direkt(state, true); }
void BM_StreckenDirekt_Parallel(benchmark::State& state) { Direkt(state, false); }
void BM_VerdeckteLinien_QtBild_Zentral(benchmark::State& state) { Durchgang(state, true); }
void BM_VerdeckteLinien_QtBild_Parallel(benchmark::State& state) { Durchgang(state, false); }
void BM_Verhaeltnis_Zentral(benchmark::State& state) { DirektDurchgangVerhaeltnis(state, true); }
void BM_Verhaeltnis_Parallel(benchmark::State& state) { DirektDurchgangVerhaeltnis(state, false); }

}  // namespace

BENCHMARK(BM_StreckenDirekt_Zentral)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerdeckteLinien_QtBild_Zentral)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StreckenDirekt_Parallel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerdeckteLinien_QtBild_Parallel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Verhaeltnis_Zentral)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Verhaeltnis_Parallel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Verhaeltnis_Tick)->Unit(benchmark::kMillisecond);
