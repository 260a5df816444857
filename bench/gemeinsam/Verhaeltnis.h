#pragma once
// Ratios of two benchmarks' medians (CPU time) from one run, printed as
// summary lines after it. A benchmark file names its pairs at start-up:
//   const bool angemeldet = VerhaeltnisAnmelden("Tick mit / ohne", "BM_Tick/Code:34", "BM_Tick/Code:0");
// Names are the function name with its arguments, without "/repeats:".

#include <string>
#include <vector>

struct Verhaeltnis {
    std::string text, zaehler, nenner;
};

inline std::vector<Verhaeltnis>& Verhaeltnisse() {
    static std::vector<Verhaeltnis> v;
    return v;
}

inline bool VerhaeltnisAnmelden(std::string text, std::string zaehler, std::string nenner) {
    Verhaeltnisse().push_back({std::move(text), std::move(zaehler), std::move(nenner)});
    return true;
}
