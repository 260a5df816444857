#pragma once
// The "Ergebnisse" menus: each entry stores one report code and shows the
// result window. Entries come in groups; the main window's popup menu shows
// each group as a submenu, a dialog's menu lists its groups one after the
// other. The click of every entry is wired by ErgebnisseVerbinden.

#include <array>
#include <cassert>
#include <initializer_list>
#include <string>

#include "platform/Komponenten.h"
#include "platform/Typen.h"

struct TErgebnisEintrag {
    const char* Caption;
    Byte Code;
};

// The entries on lines and planes, in menu order.
inline constexpr TErgebnisEintrag GeradenErgebnisse[] = {
    {"g", 22}, {"h", 23}, {"t", 24}, {"g - h", 25}, {"g - t", 26}, {"h - t", 27},
};
inline constexpr TErgebnisEintrag EbenenErgebnisse[] = {
    {"E 1", 34}, {"E 2", 35}, {"E1 - E2", 118},
};
inline constexpr TErgebnisEintrag GeradenEbenenErgebnisse[] = {
    {"g - E1", 28}, {"g - E2", 29}, {"h - E1", 30}, {"h - E2", 31}, {"t - E1", 32}, {"t - E2", 33},
};

// One group of entries. The items live in a fixed array: the front binds
// to them, and a window's state is reset by assignment.
struct TErgebnisGruppe {
    static constexpr int Max = 16;

    TErgebnisGruppe() = default;
    template <std::size_t N>
    TErgebnisGruppe(const char* Titel, const TErgebnisEintrag (&Eintraege)[N]) : Caption(Titel) {
        static_assert(N <= Max);
        for (const TErgebnisEintrag& e : Eintraege) {
            Punkte[static_cast<std::size_t>(Anzahl)].Caption = e.Caption;
            Codes[static_cast<std::size_t>(Anzahl)] = e.Code;
            ++Anzahl;
        }
    }

    std::string Caption;  // of the submenu in the main window's popup menu
    int Anzahl = 0;
    std::array<TMenuItem, Max> Punkte;
    std::array<Byte, Max> Codes{};

    // Entry i, from 0.
    TMenuItem& Punkt(int i) {
        assert(i >= 0 && i < Anzahl);
        return Punkte[static_cast<std::size_t>(i)];
    }
    // The entry that stores Code (nullptr: none).
    TMenuItem* PunktFuer(Byte Code) {
        for (int i = 0; i < Anzahl; ++i)
            if (Codes[static_cast<std::size_t>(i)] == Code) return &Punkte[static_cast<std::size_t>(i)];
        return nullptr;
    }
};
