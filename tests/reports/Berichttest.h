#pragma once
// Shared by the report tests: the program started with a scripted host, the
// lines and planes set by their grids as a user leaves them, a report built
// by its code, and whole texts written one line per source line, each line
// closed by "|" so that its trailing blanks show.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "forms/Ebenen.h"
#include "forms/Geraden_t.h"
#include "forms/Gitter.h"
#include "forms/Datenausgabe.h"
#include "control/Programm.h"
#include "platform/SkriptHost.h"
#include "forms/Ergebnisauswahl.h"
#include "reports/Ergebnisse.h"
#include "view3d/Szene.h"

using Zeilen = std::vector<std::string>;
using Drei = std::array<const char*, 3>;

// "a|\nb |\n" -> {"a", "b "}.
inline Zeilen Text(const char* t) {
    Zeilen z;
    std::istringstream in(t);
    std::string l;
    while (std::getline(in, l)) {
        if (l.empty()) continue;
        EXPECT_EQ(l.back(), '|') << l;
        l.pop_back();
        z.push_back(l);
    }
    return z;
}

// Compares line by line, so a failure names the first lines that differ.
inline void ErwarteText(const Zeilen& ist, const Zeilen& soll) {
    for (std::size_t i = 0; i < std::max(ist.size(), soll.size()); ++i) {
        const std::string a = i < ist.size() ? ist[i] : "<fehlt>";
        const std::string b = i < soll.size() ? soll[i] : "<fehlt>";
        EXPECT_EQ(a, b) << "Zeile " << i;
        if (a != b) break;
    }
    EXPECT_EQ(ist.size(), soll.size());
}

// True when the lines soll stand one after the other somewhere in ist.
inline bool EnthaeltFolge(const Zeilen& ist, const Zeilen& soll) {
    for (std::size_t i = 0; i + soll.size() <= ist.size(); ++i)
        if (std::equal(soll.begin(), soll.end(), ist.begin() + static_cast<std::ptrdiff_t>(i))) return true;
    return false;
}

class Berichttest : public ::testing::Test {
protected:
    SkriptHost host;
    HostEinsetzen eingesetzt{host};

    void SetUp() override { ProgrammStart(); }

    // The lines of report Code as the dispatcher builds it.
    static const Zeilen& Bericht(Byte Code) {
        ErgebnisAusgeben(Code);
        return Form_Datenausgabe.Memo1.Lines;
    }
    // Line n (1..3) with support point A and direction u, plane n (1, 2)
    // with S, u and v, as typed into their grids; the scene follows.
    static void SetzeGerade(int n, Drei A, Drei u) {
        SpaltenSetzen(Form_Geraden_t.Gitter(n), {A, u});
        SzeneNeuBerechnen();
    }
    static void SetzeEbene(int n, Drei S, Drei u, Drei v) {
        SpaltenSetzen(Form_Ebenen.Gitter(n), {S, u, v});
        SzeneNeuBerechnen();
    }
};
