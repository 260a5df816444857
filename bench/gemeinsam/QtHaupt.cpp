// main() of the benchmarks that draw into a real Qt picture: a headless Qt
// application (with widgets, for the benchmarks of real windows) around the
// benchmark run, and the ratios the benchmarks asked for printed after it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <map>

#include "Verhaeltnis.h"

namespace {

// The console output as usual; the medians noted for the ratios.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> median;  // CPU time in ms

    // Plain text: the figures are read from logs as well.
    MedianReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.aggregate_name != "median" || r.error_occurred) continue;
            std::string name = r.run_name.function_name;
            if (!r.run_name.args.empty()) name += "/" + r.run_name.args;
            median[name] = r.GetAdjustedCPUTime() * benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                           benchmark::GetTimeUnitMultiplier(r.time_unit);
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    MedianReporter bericht;
    benchmark::RunSpecifiedBenchmarks(&bericht);
    for (const Verhaeltnis& v : Verhaeltnisse()) {
        const auto z = bericht.median.find(v.zaehler), n = bericht.median.find(v.nenner);
        if (z == bericht.median.end() || n == bericht.median.end() || n->second <= 0) continue;
        std::printf("Verhaeltnis %s: %.3f (%.3f ms / %.3f ms, Mediane der CPU-Zeit)\n", v.text.c_str(),
                    z->second / n->second, z->second, n->second);
    }
    benchmark::Shutdown();
    return 0;
}
