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
// The entries on the bodies, vectors, segments and points.
inline constexpr TErgebnisEintrag SpatErgebnisse[] = {
    {"Spat 1", 18}, {"Spat 2", 19}, {"Spat 3", 20}, {"Spat 4", 21},
};
inline constexpr TErgebnisEintrag KugelErgebnisse[] = {
    {"Kugel 1", 74}, {"Kugel 2", 75}, {"Kugel 3", 76}, {"Kugel 4", 77},
};
inline constexpr TErgebnisEintrag KugelPunktErgebnisse[] = {
    {"K1 - P1", 78}, {"K1 - P2", 79}, {"K1 - P3", 80}, {"K1 - P4", 81},
    {"K2 - P1", 82}, {"K2 - P2", 83}, {"K2 - P3", 84}, {"K2 - P4", 85},
    {"K3 - P1", 86}, {"K3 - P2", 87}, {"K3 - P3", 88}, {"K3 - P4", 89},
    {"K4 - P1", 90}, {"K4 - P2", 91}, {"K4 - P3", 92}, {"K4 - P4", 93},
};
inline constexpr TErgebnisEintrag KugelGeradeErgebnisse[] = {
    {"K1 - g", 94},  {"K1 - h", 95},  {"K1 - t", 96},  {"K2 - g", 97},  {"K2 - h", 98},  {"K2 - t", 99},
    {"K3 - g", 100}, {"K3 - h", 101}, {"K3 - t", 102}, {"K4 - g", 103}, {"K4 - h", 104}, {"K4 - t", 105},
};
inline constexpr TErgebnisEintrag KugelEbeneErgebnisse[] = {
    {"K1 - E1", 106}, {"K1 - E2", 107}, {"K2 - E1", 108}, {"K2 - E2", 109},
    {"K3 - E1", 110}, {"K3 - E2", 111}, {"K4 - E1", 112}, {"K4 - E2", 113},
};
inline constexpr TErgebnisEintrag KegelErgebnisse[] = {
    {"Kegel 1", 114}, {"Kegel 2", 115}, {"Kegel 3", 116}, {"Kegel 4", 117},
};
inline constexpr TErgebnisEintrag VektorErgebnisse[] = {
    {"Vektor 1", 36}, {"Vektor 2", 37}, {"Vektor 3", 38}, {"Vektor 4", 39}, {"Winkel zwischen den Vektoren", 40},
};
inline constexpr TErgebnisEintrag StreckenErgebnisse[] = {
    {"Strecke 1", 41}, {"Strecke 2", 42}, {"Strecke 3", 43}, {"Strecke 4", 44}, {"Winkel zwischen den Strecken", 45},
};
inline constexpr TErgebnisEintrag PunktErgebnisse[] = {
    {"Punkt 1", 46}, {"Punkt 2", 47}, {"Punkt 3", 48}, {"Punkt 4", 49},
};
inline constexpr TErgebnisEintrag PunktGeradeErgebnisse[] = {
    {"P1 - g", 50}, {"P1 - h", 51}, {"P1 - t", 52}, {"P2 - g", 53}, {"P2 - h", 54}, {"P2 - t", 55},
    {"P3 - g", 56}, {"P3 - h", 57}, {"P3 - t", 58}, {"P4 - g", 59}, {"P4 - h", 60}, {"P4 - t", 61},
};
inline constexpr TErgebnisEintrag PunktEbeneErgebnisse[] = {
    {"P1 - E1", 62}, {"P1 - E2", 63}, {"P2 - E1", 64}, {"P2 - E2", 65},
    {"P3 - E1", 66}, {"P3 - E2", 67}, {"P4 - E1", 68}, {"P4 - E2", 69},
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
