#pragma once
// Shared by the report tests: the program started with a scripted host,
// lines and planes set through their grids, a report built by its code, and
// whole texts written one line per source line, each closed by "|" so that
// trailing blanks show.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "control/Programm.h"
#include "forms/Datenausgabe.h"
#include "forms/Ebenen.h"
#include "forms/Ergebnisauswahl.h"
#include "forms/Geraden_t.h"
#include "forms/Gitter.h"
#include "platform/SkriptHost.h"
#include "reports/Ergebnisse.h"
#include "view3d/Szene.h"

using Zeilen = std::vector<std::string>;
using Drei = std::array<const char*, 3>;

// "a|\nb |\n" -> {"a", "b "}.
inline Zeilen Text(const char* t) {
    Zeilen z;
    std::istringstream in(t);
    for (std::string l; std::getline(in, l);)
        if (!l.empty()) z.push_back(l.substr(0, l.size() - 1));
    return z;
}

// True when the lines soll stand one after the other somewhere in ist.
inline bool EnthaeltFolge(const Zeilen& ist, const Zeilen& soll) {
    return std::search(ist.begin(), ist.end(), soll.begin(), soll.end()) != ist.end();
}

class Berichttest : public ::testing::Test {
protected:
    SkriptHost host;
    HostEinsetzen eingesetzt{host};

    void SetUp() override { ProgrammStart(); }

    static const Zeilen& Bericht(Byte Code) {
        ErgebnisAusgeben(Code);
        return Form_Datenausgabe.Memo1.Lines;
    }
    // Line n with support point A and direction u, plane n with S, u, v, as
    // typed into their grids; the scene follows.
    static void SetzeGerade(int n, Drei A, Drei u) {
        SpaltenSetzen(Form_Geraden_t.Gitter(n), {A, u});
        SzeneNeuBerechnen();
    }
    static void SetzeEbene(int n, Drei S, Drei u, Drei v) {
        SpaltenSetzen(Form_Ebenen.Gitter(n), {S, u, v});
        SzeneNeuBerechnen();
    }
};
